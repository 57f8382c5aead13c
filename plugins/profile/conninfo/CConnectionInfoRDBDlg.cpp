#include "CConnectionInfoRDBDlg.h"

#include "ConnectionFieldRules.h"
#include "ConnectionInfoIds.h"
#include "IStringSource.h"

namespace {

using Kind = DetailFieldKind;
using namespace ConnInfo;

constexpr int kPort = 2;

const DetailParameterLayout kParameters[CConnectionInfoRDBDlg::kParameterCount] = {
    {IDC_RDB_IP, "IPアドレス(&I)", 39, Kind::Text, "P_RDB_IPAddress", 8144, 8152, IDS_TYPE_STRING39, 41077},
    {IDC_RDB_SERVER, "サーバ名(&S)", 256, Kind::Text, "P_RDB_ServerName", 8145, 8153, IDS_TYPE_STRING_U256,
     41078},
    {IDC_RDB_PORT, "ポート番号(&R)", 5, Kind::Number, "P_RDB_PortNo", 8146, 8154, IDS_TYPE_UINT16, 41079},
    {IDC_RDB_DBMS_NAME, "データベース製品名(&P)", 256, Kind::Text, "P_RDB_DBMSName", 8147, 8155,
     IDS_TYPE_STRING_U256, 41080},
    {IDC_RDB_DBMS_VERSION, "データベース製品バージョン(&V)", 48, Kind::Text, "P_RDB_DBMSVersion", 8148, 8156,
     IDS_TYPE_STRING48, 41081},
    {IDC_RDB_DATABASE, "データベース名(&D)", 256, Kind::Text, "P_RDB_DatabaseName", 8149, 8157,
     IDS_TYPE_STRING_U256, 41082},
    {IDC_RDB_DATA_SOURCE, "データソース名(&O)", 256, Kind::Text, "P_RDB_DataSourceName", 8150, 8158,
     IDS_TYPE_STRING_U256, 41083},
    {IDC_RDB_TIMEOUT, "通信タイムアウト時間(&T)", 48, Kind::Text, "P_RDB_ConnectionTimeout", 8151, 8159,
     IDS_TYPE_STRING48, 41084},
};

}  // namespace

CConnectionInfoRDBDlg::CConnectionInfoRDBDlg(QWidget* parent, const Context& context,
                                             const QString& protocolType, const QString& protocolVersion)
    : CConnectionInfoDetailDlgBase(kTemplateId, parent, context, protocolType, protocolVersion),
      m_checkData(context.plugin) {
    setWindowTitle(QString::fromUtf8("接続情報詳細設定(RDB)"));
    BuildCommonControls(IDC_RDB_LABEL, IDC_RDB_COMMENT);
    for (int i = 0; i < kParameterCount; ++i) AddEditRow(kParameters[i], &m_fields[i]);
}

int CConnectionInfoRDBDlg::SetDefaults() {
    const QString label = MakeDefaultLabel();
    if (label.isEmpty()) return kFailed;
    m_label = label;
    m_comment.clear();
    for (QString& field : m_fields) field.clear();
    return kDone;
}

void CConnectionInfoRDBDlg::RegisterParameters(IConenctionInfoPeloraData& collector) {
    RegisterCommonRows(collector);
    for (int i = 0; i < kParameterCount; ++i) {
        collector.AddRow(QString::fromLatin1(kParameters[i].itemLabel), kParameters[i].label2Id,
                         IDS_CATEGORY_RDB, kParameters[i].nameId, kParameters[i].dataTypeId, &m_rows[i]);
    }
}

int CConnectionInfoRDBDlg::RepairLoadedValues() {
    m_live = 0;
    QString lines;
    for (int i = 0; i < kParameterCount; ++i) {
        const DetailParameterLayout& layout = kParameters[i];
        QString line;
        if (layout.kind == Kind::Number)
            CheckDecimalField(m_rows[i], *m_context.strings, layout.lineId, line);
        else
            CheckTextField(m_rows[i], layout.maxLength, *m_context.strings, layout.lineId, line);
        lines += line;
    }
    m_live = 1;
    return ConfirmRepair(lines, IDS_RDB_RESET);
}

int CConnectionInfoRDBDlg::ShowLoadedValues() {
    m_live = 0;
    if (ShowLoadedHeader() != 0) return kFailed;
    m_fields = m_rows;
    m_live = 1;
    return kDone;
}

int CConnectionInfoRDBDlg::StoreFields() {
    StoreHeaderRows();
    m_rows = m_fields;
    return kDone;
}

void CConnectionInfoRDBDlg::OnOK() {
    ReadFields();
    if (!CheckLabelAtOK()) return;
    if (!IsUInt16Decimal(m_fields[kPort])) {
        ShowInfo(IDS_RDB_OUT_OF_RANGE, {Text(IDS_RDB_PORT_RANGE)});
        return;
    }
    EndWithOK();
}
