#include "CConnectionInfoLOG_CSVDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ConnectionFieldRules.h"
#include "ConnectionInfoIds.h"
#include "IConnectionInfoPresenter.h"
#include "IStringSource.h"

namespace {

using Kind = DetailFieldKind;
using namespace ConnInfo;

// Rows in registration order; the lists are rows 3 to 9.
constexpr int TimeStamp = 0, FirstRow = 1, Sampling = 2, FirstList = 3;
constexpr int Folder = FirstList + CConnectionInfoLOG_CSVDlg::kListCount;
constexpr int kFolderLimit = 255;

const DetailParameterLayout kRows[CConnectionInfoLOG_CSVDlg::kRowCount] = {
    {IDC_CSV_TIMESTAMP, "タイムスタンプ列(&T)", 5, Kind::Number, "P_LOG_CSV_TimeStampColumn", 8122, 8133,
     IDS_TYPE_UINT16, 8235},
    {IDC_CSV_FIRST_ROW, "先頭行(&R)", 5, Kind::Number, "P_LOG_CSV_FirstRow", 8123, 8134, IDS_TYPE_UINT16,
     8236},
    {IDC_CSV_SAMPLING, "サンプリング周期(&P)", 48, Kind::Text, "P_LOG_CSV_SamplingPeriod", 8124, 8135,
     IDS_TYPE_STRING48, 8237},
    {IDC_CSV_EXTENSION, "拡張子(&X)", 0, Kind::List, "P_LOG_CSV_Extension", 8125, 8136, IDS_TYPE_STRING16,
     8238},
    {IDC_CSV_SEPARATOR, "区切り文字(&S)", 0, Kind::List, "P_LOG_CSV_Separator", 8126, 8137, IDS_TYPE_STRING16,
     8239},
    {IDC_CSV_NEWLINE, "改行コード(&L)", 0, Kind::List, "P_LOG_CSV_NewLineCode", 8127, 8138, IDS_TYPE_STRING16,
     8240},
    {IDC_CSV_CHARCODE, "文字コード(&H)", 0, Kind::List, "P_LOG_CSV_CharacterCode", 8128, 8139,
     IDS_TYPE_STRING16, 8241},
    {IDC_CSV_ENDIAN, "文字コードエンディアン(&E)", 0, Kind::List, "P_LOG_CSV_CharacterCodeEndian", 8129, 8140,
     IDS_TYPE_STRING16, 8242},
    {IDC_CSV_BOM, "文字コードBOM(&B)", 0, Kind::List, "P_LOG_CSV_CharacterCodeBOM", 8130, 8141, IDS_TYPE_BOOL,
     8243},
    {IDC_CSV_QUOTE, "ダブルクォーテーション(&D)", 0, Kind::List, "P_LOG_CSV_DoubleQuotation", 8131, 8142,
     IDS_TYPE_BOOL, 8244},
    {IDC_CSV_FOLDER, "CSV格納フォルダー(&F)", kFolderLimit, Kind::Text, "P_LOG_CSV_Folder", 8132, 8143,
     IDS_TYPE_STRING_U256, 8245},
};

struct ListIds {
    int count;
    int shown[4];
    int stored[4];
};

const ListIds kLists[CConnectionInfoLOG_CSVDlg::kListCount] = {
    {2, {8203, 8204}, {8219, 8220}}, {2, {8205, 8206}, {8221, 8222}},
    {2, {8207, 8208}, {8223, 8224}}, {4, {8209, 8210, 8211, 8212}, {8225, 8226, 8227, 8228}},
    {2, {8213, 8214}, {8229, 8230}}, {2, {8215, 8216}, {8231, 8232}},
    {2, {8217, 8218}, {8233, 8234}},
};

constexpr int kUtf8 = 2;
constexpr int kUtf16 = 3;

}  // namespace

CConnectionInfoLOG_CSVDlg::CConnectionInfoLOG_CSVDlg(QWidget* parent, const Context& context,
                                                     const QString& protocolType,
                                                     const QString& protocolVersion)
    : CConnectionInfoDetailDlgBase(kTemplateId, parent, context, protocolType, protocolVersion),
      m_checkData(context.plugin) {
    setWindowTitle(QString::fromUtf8("接続情報詳細設定(LOG_CSV)"));
    for (int i = 0; i < kListCount; ++i)
        m_maps[i].Fill(*context.strings, kLists[i].shown, kLists[i].stored, kLists[i].count);

    BuildCommonControls(IDC_CSV_LABEL, IDC_CSV_COMMENT);
    AddEditRow(kRows[TimeStamp], &m_timeStamp);
    AddEditRow(kRows[FirstRow], &m_firstRow);
    AddEditRow(kRows[Sampling], &m_sampling);
    for (int i = 0; i < kListCount; ++i) {
        QComboBox* list = AddListRow(kRows[FirstList + i]);
        m_lists[i] = list;
        connect(list, &QComboBox::currentIndexChanged, this, [this, i](int index) { m_index[i] = index; });
        connect(list, &QComboBox::activated, this, [this, i] {
            if (i == CharacterCode) ApplyEnableRule();
            SetModifiedWhileLive();
        });
    }
    auto* choose = new QPushButton(QString::fromUtf8("選択(&O)..."), this);
    choose->setObjectName(QString::number(IDC_CSV_FOLDER_BUTTON));
    choose->setAutoDefault(false);
    AddEditRow(kRows[Folder], &m_folder);
    m_form->addWidget(choose, m_form->rowCount() - 1, 2);
    connect(choose, &QPushButton::clicked, this, &CConnectionInfoLOG_CSVDlg::OnChooseFolder);
}

int CConnectionInfoLOG_CSVDlg::SetDefaults() {
    const QString label = MakeDefaultLabel();
    if (label.isEmpty()) return kFailed;
    m_label = label;
    m_comment.clear();
    m_timeStamp.clear();
    m_firstRow.clear();
    m_sampling.clear();
    m_folder.clear();
    m_index.fill(0);
    return kDone;
}

void CConnectionInfoLOG_CSVDlg::RegisterParameters(IConenctionInfoPeloraData& collector) {
    RegisterCommonRows(collector);
    for (int i = 0; i < kRowCount; ++i) {
        collector.AddRow(QString::fromLatin1(kRows[i].itemLabel), kRows[i].label2Id, IDS_CATEGORY_LOG_CSV,
                         kRows[i].nameId, kRows[i].dataTypeId, &m_rows[i]);
    }
}

int CConnectionInfoLOG_CSVDlg::RepairLoadedValues() {
    m_live = 0;
    const IStringSource& strings = *m_context.strings;
    QString lines, line;
    auto add = [&] {
        lines += line;
        line.clear();
    };
    CheckDecimalField(m_rows[TimeStamp], strings, kRows[TimeStamp].lineId, line);
    add();
    CheckDecimalField(m_rows[FirstRow], strings, kRows[FirstRow].lineId, line);
    add();
    CheckTextField(m_rows[Sampling], kRows[Sampling].maxLength, strings, kRows[Sampling].lineId, line);
    add();
    const QString& code = m_rows[FirstList + CharacterCode];
    for (int i = 0; i < kListCount; ++i) {
        QString& row = m_rows[FirstList + i];
        // Endianness and BOM may be missing where the character code does not use them.
        if (i == Endian && code != m_maps[CharacterCode].StoredValue(kUtf16) && row.isEmpty())
            row = m_maps[Endian].StoredValue(0);
        if (i == Bom && code != m_maps[CharacterCode].StoredValue(kUtf16) &&
            code != m_maps[CharacterCode].StoredValue(kUtf8) && row.isEmpty())
            row = m_maps[Bom].StoredValue(0);
        CheckComboValue(row, m_maps[i], strings, kRows[FirstList + i].lineId, line);
        add();
    }
    CheckTextField(m_rows[Folder], kFolderLimit, strings, kRows[Folder].lineId, line);
    add();
    m_live = 1;
    return ConfirmRepair(lines, IDS_LOG_CSV_RESET);
}

int CConnectionInfoLOG_CSVDlg::ShowLoadedValues() {
    m_live = 0;
    if (ShowLoadedHeader() != 0) return kFailed;
    m_timeStamp = m_rows[TimeStamp];
    m_firstRow = m_rows[FirstRow];
    m_sampling = m_rows[Sampling];
    m_folder = m_rows[Folder];
    for (int i = 0; i < kListCount; ++i) {
        m_index[i] = m_maps[i].IndexOf(m_rows[FirstList + i]);
        if (m_index[i] < 0) return kFailed;
    }
    m_live = 1;
    return kDone;
}

int CConnectionInfoLOG_CSVDlg::StoreFields() {
    StoreHeaderRows();
    m_rows[TimeStamp] = m_timeStamp;
    m_rows[FirstRow] = m_firstRow;
    m_rows[Sampling] = m_sampling;
    m_rows[Folder] = m_folder;
    for (int i = 0; i < kListCount; ++i) {
        if (m_index[i] < 0 || m_index[i] >= m_maps[i].Count()) return kFailed;
        m_rows[FirstList + i] = m_maps[i].StoredValue(m_index[i]);
    }
    const int code = m_index[CharacterCode];
    if (code != kUtf16) m_rows[FirstList + Endian].clear();
    if (code != kUtf8 && code != kUtf16) m_rows[FirstList + Bom].clear();
    return kDone;
}

void CConnectionInfoLOG_CSVDlg::InitControls() {
    for (int i = 0; i < kListCount; ++i) {
        const int index = m_index[i];
        m_lists[i]->clear();
        m_lists[i]->addItems(m_maps[i].DisplayTexts());
        m_lists[i]->setCurrentIndex(index);
    }
    ApplyEnableRule();
}

void CConnectionInfoLOG_CSVDlg::ApplyEnableRule() {
    const int code = m_lists[CharacterCode]->currentIndex();
    m_lists[Endian]->setEnabled(code == kUtf16);
    m_lists[Bom]->setEnabled(code == kUtf16 || code == kUtf8);
}

void CConnectionInfoLOG_CSVDlg::OnChooseFolder() {
    QString folder;
    const int result = m_context.presenter->ChooseFolder(this, folder);
    if (result == kNothing) return;
    // The field cannot hold a longer path, and a cut one would name another folder.
    if (result != kDone || folder.size() > kFolderLimit) {
        ShowInfo(IDS_FAILURE);
        return;
    }
    ReadFields();
    m_folder = folder;
    WriteFields();
}

void CConnectionInfoLOG_CSVDlg::OnOK() {
    ReadFields();
    if (!CheckLabelAtOK()) return;
    const bool timeStampOk = IsUInt16Decimal(m_timeStamp);
    const bool firstRowOk = IsUInt16Decimal(m_firstRow);
    if (!timeStampOk || !firstRowOk) {
        ShowInfo(IDS_LOG_CSV_OUT_OF_RANGE, {timeStampOk ? QString() : Text(IDS_LOG_CSV_TIMESTAMP_RANGE),
                                            firstRowOk ? QString() : Text(IDS_LOG_CSV_FIRST_ROW_RANGE)});
        return;
    }
    EndWithOK();
}
