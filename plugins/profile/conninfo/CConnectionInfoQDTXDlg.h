#pragma once
#include <array>

#include "CConnectionInfoCheckDlgData.h"
#include "CConnectionInfoDetailDlgBase.h"

// Detail dialog of a QDTX connection: client, server and relay station addresses and numbers.
class CConnectionInfoQDTXDlg : public CConnectionInfoDetailDlgBase {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 8173;
    static constexpr int kParameterCount = 12;

    CConnectionInfoQDTXDlg(QWidget* parent, const Context& context, const QString& protocolType,
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
    CConnectionInfoCheckQDTXDlgData m_checkData;
    std::array<QString, kParameterCount> m_fields;
    std::array<QString, kParameterCount> m_rows;
};
