#pragma once
#include <array>

#include "CConnectionInfoCheckDlgData.h"
#include "CConnectionInfoDetailDlgBase.h"

class QComboBox;

// Detail dialog of a LOG_CSV connection: where the CSV logs lie and how they are written.
class CConnectionInfoLOG_CSVDlg : public CConnectionInfoDetailDlgBase {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 8186;
    static constexpr int kListCount = 7;
    static constexpr int kRowCount = 11;
    // The lists, in table order.
    enum List { Extension, Separator, NewLine, CharacterCode, Endian, Bom, Quotation };

    CConnectionInfoLOG_CSVDlg(QWidget* parent, const Context& context, const QString& protocolType,
                              const QString& protocolVersion);

    const ComboBoxMap& Map(int list) const { return m_maps[list]; }

protected:
    int SetDefaults() override;
    int RepairLoadedValues() override;
    CConnectionInfoCheckDlgData& GetCheckData() override { return m_checkData; }
    void RegisterParameters(IConenctionInfoPeloraData& collector) override;
    int ShowLoadedValues() override;
    int StoreFields() override;
    void OnOK() override;
    void InitControls() override;

private:
    void ApplyEnableRule();
    void OnChooseFolder();

    CConnectionInfoCheckLOG_CSVDlgData m_checkData;
    QString m_timeStamp, m_firstRow, m_sampling, m_folder;
    std::array<int, kListCount> m_index{};
    std::array<ComboBoxMap, kListCount> m_maps;
    std::array<QComboBox*, kListCount> m_lists{};
    std::array<QString, kRowCount> m_rows;
};
