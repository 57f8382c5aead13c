#include "CConnectionInfoQDTXDlg.h"

#include "ConnectionFieldRules.h"
#include "ConnectionInfoIds.h"
#include "IStringSource.h"
#include "ResourceMessage.h"

namespace {

using Kind = DetailFieldKind;
using namespace ConnInfo;

constexpr int kProcessor = 7;

struct QdtxParameter {
    DetailParameterLayout layout;
    int rangeId;  // the line of the range message; 0 for the addresses
};

const QdtxParameter kParameters[CConnectionInfoQDTXDlg::kParameterCount] = {
    {{IDC_QDTX_CLIENT_IP, "クライアントIPアドレス(&C)", 39, Kind::Text, "P_QDTX_Client_IPAddress", 8098, 8110,
      IDS_TYPE_STRING39, 41034},
     0},
    {{IDC_QDTX_CLIENT_NETWORK, "クライアントネットワーク番号(&L)", 5, Kind::Number, "P_QDTX_Client_NetworkNo",
      8099, 8111, IDS_TYPE_UINT16, 41037},
     41054},
    {{IDC_QDTX_CLIENT_STATION, "クライアント局番(&U)", 5, Kind::Number, "P_QDTX_Client_StationNo", 8100, 8112,
      IDS_TYPE_UINT16, 41038},
     41055},
    {{IDC_QDTX_SERVER_IP, "サーバIPアドレス(&I)", 39, Kind::Text, "P_QDTX_Server_IPAddress", 8101, 8113,
      IDS_TYPE_STRING39, 41035},
     0},
    {{IDC_QDTX_SERVER_PORT, "サーバポート番号(&P)", 5, Kind::Number, "P_QDTX_Server_PortNo", 8102, 8114,
      IDS_TYPE_UINT16, 41039},
     41056},
    {{IDC_QDTX_SERVER_NETWORK, "サーバネットワーク番号(&K)", 5, Kind::Number, "P_QDTX_Server_NetworkNo", 8103,
      8115, IDS_TYPE_UINT16, 41040},
     41057},
    {{IDC_QDTX_SERVER_STATION, "サーバ局番(&H)", 5, Kind::Number, "P_QDTX_Server_StationNo", 8104, 8116,
      IDS_TYPE_UINT16, 41041},
     41058},
    {{IDC_QDTX_SERVER_PROCESSOR, "サーバプロセッサー番号(&R)", 4, Kind::Hex, "P_QDTX_Server_ProcessorNo",
      8105, 8117, IDS_TYPE_WORD, 41042},
     41059},
    {{IDC_QDTX_RELAY_IP, "中継局IPアドレス(&A)", 39, Kind::Text, "P_QDTX_Relay_IPAddress", 8106, 8118,
      IDS_TYPE_STRING39, 41036},
     0},
    {{IDC_QDTX_RELAY_PORT, "中継局ポート番号(&T)", 5, Kind::Number, "P_QDTX_Relay_PortNo", 8107, 8119,
      IDS_TYPE_UINT16, 41043},
     41060},
    {{IDC_QDTX_RELAY_NETWORK, "中継局ネットワーク番号(&W)", 5, Kind::Number, "P_QDTX_Relay_NetworkNo", 8108,
      8120, IDS_TYPE_UINT16, 41044},
     41061},
    {{IDC_QDTX_RELAY_STATION, "中継局局番(&E)", 5, Kind::Number, "P_QDTX_Relay_StationNo", 8109, 8121,
      IDS_TYPE_UINT16, 41045},
     41062},
};

const QString kHexPrefix = QStringLiteral("0x");

}  // namespace

CConnectionInfoQDTXDlg::CConnectionInfoQDTXDlg(QWidget* parent, const Context& context,
                                               const QString& protocolType, const QString& protocolVersion)
    : CConnectionInfoDetailDlgBase(kTemplateId, parent, context, protocolType, protocolVersion),
      m_checkData(context.plugin) {
    setWindowTitle(QString::fromUtf8("接続情報詳細設定(QDTX)"));
    BuildCommonControls(IDC_QDTX_LABEL, IDC_QDTX_COMMENT);
    for (int i = 0; i < kParameterCount; ++i) {
        AddEditRow(kParameters[i].layout, &m_fields[i],
                   i == kProcessor ? QString::fromUtf8("(16進数)") : QString());
    }
}

int CConnectionInfoQDTXDlg::SetDefaults() {
    const QString label = MakeDefaultLabel();
    if (label.isEmpty()) return kFailed;
    m_label = label;
    m_comment.clear();
    for (QString& field : m_fields) field.clear();
    return kDone;
}

void CConnectionInfoQDTXDlg::RegisterParameters(IConenctionInfoPeloraData& collector) {
    RegisterCommonRows(collector);
    for (int i = 0; i < kParameterCount; ++i) {
        const DetailParameterLayout& layout = kParameters[i].layout;
        collector.AddRow(QString::fromLatin1(layout.itemLabel), layout.label2Id, IDS_CATEGORY_QDTX, layout.nameId,
                         layout.dataTypeId, &m_rows[i]);
    }
}

int CConnectionInfoQDTXDlg::RepairLoadedValues() {
    m_live = 0;
    QString lines;
    for (int i = 0; i < kParameterCount; ++i) {
        const DetailParameterLayout& layout = kParameters[i].layout;
        QString& row = m_rows[i];
        QString line;
        switch (layout.kind) {
            case Kind::Text:
                CheckTextField(row, layout.maxLength, *m_context.strings, layout.lineId, line);
                break;
            case Kind::Hex:
                if (row.size() > 1 && row.startsWith(kHexPrefix)) row.remove(0, kHexPrefix.size());
                CheckHexField(row, *m_context.strings, line);
                break;
            default:
                CheckDecimalField(row, *m_context.strings, layout.lineId, line);
                break;
        }
        lines += line;
    }
    m_live = 1;
    return ConfirmRepair(lines, IDS_QDTX_RESET);
}

int CConnectionInfoQDTXDlg::ShowLoadedValues() {
    m_live = 0;
    if (ShowLoadedHeader() != 0) return kFailed;
    for (int i = 0; i < kParameterCount; ++i) m_fields[i] = m_rows[i];
    m_live = 1;
    return kDone;
}

int CConnectionInfoQDTXDlg::StoreFields() {
    StoreHeaderRows();
    for (int i = 0; i < kParameterCount; ++i) m_rows[i] = m_fields[i];
    if (!m_fields[kProcessor].isEmpty()) m_rows[kProcessor] = kHexPrefix + m_fields[kProcessor];
    return kDone;
}

void CConnectionInfoQDTXDlg::OnOK() {
    ReadFields();
    if (!CheckLabelAtOK()) return;
    QStringList inserts;
    bool allInRange = true;
    for (int i = 0; i < kParameterCount; ++i) {
        const QdtxParameter& p = kParameters[i];
        if (p.rangeId == 0) continue;
        const bool inRange =
            p.layout.kind == Kind::Hex ? IsUInt16Hex(m_fields[i]) : IsUInt16Decimal(m_fields[i]);
        inserts.append(inRange ? QString() : Text(p.rangeId));
        allInRange = allInRange && inRange;
    }
    if (!allInRange) {
        ShowInfo(IDS_QDTX_OUT_OF_RANGE, inserts);
        return;
    }
    EndWithOK();
}
