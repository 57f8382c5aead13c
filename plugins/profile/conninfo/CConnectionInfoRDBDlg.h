#pragma once
#include <array>

#include "CConnectionInfoCheckDlgData.h"
#include "CConnectionInfoDetailDlgBase.h"

// Detail dialog of an RDB connection: the database server and how to reach it.
class CConnectionInfoRDBDlg : public CConnectionInfoDetailDlgBase {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 8175;
    static constexpr int kParameterCount = 8;

    CConnectionInfoRDBDlg(QWidget* parent, const Context& context, const QString& protocolType,
                          const QString& protocolVersion);

protected:
    int SetDefaults() override;
    int RepairLoadedValues() override;
    CConnectionInfoCheckDlgData& GetCheckData() override { return m_checkData; }
    void RegisterParameters(IConenctionInfoPeloraData& collector) override;
    int ShowLoadedValues() override;
    int StoreFields() override;
    void OnOK() override;

private:
    CConnectionInfoCheckRDBDlgData m_checkData;
    std::array<QString, kParameterCount> m_fields;
    std::array<QString, kParameterCount> m_rows;
};
