#include "CConnectionInfoSession.h"

#include "CConnectionInfoLOG_CSVDlg.h"
#include "CConnectionInfoListCheck.h"
#include "CConnectionInfoListDlg.h"
#include "CConnectionInfoProtocolDlg.h"
#include "CConnectionInfoQDTXDlg.h"
#include "CConnectionInfoRDBDlg.h"
#include "CConnectionInfoWorkSet.h"
#include "ConnectionFieldRules.h"
#include "ConnectionInfoIds.h"
#include "IConnectionInfoPresenter.h"
#include "WaitCursor.h"

CConnectionInfoSession::CConnectionInfoSession(CProfilePlugin& plugin, IConnectionInfoPresenter& presenter,
                                               const IStringSource& strings)
    : m_plugin(&plugin),
      m_presenter(presenter),
      m_strings(strings),
      m_workSet(std::make_unique<CConnectionInfoWorkSet>(strings)) {}

CConnectionInfoSession::~CConnectionInfoSession() = default;

int CConnectionInfoSession::Run(QWidget* parent, CPELFM_ProfileInfo* root, QList<CPELFM_PartInfo*>* removed,
                                QList<CPELFM_PartInfo*>* changed) {
    if (!parent || !root || !removed || !changed) return ConnInfo::kFailed;
    removed->clear();
    changed->clear();
    {
        Internal::WaitCursor wait;
        if (m_workSet->Load(*root) != 0) return ConnInfo::kFailed;
    }
    QList<CPELFM_PartInfo*> cut;
    const int check = CConnectionInfoListCheck::Run(*m_workSet->Copy(), m_strings, m_presenter, cut);
    if (check != 0) {
        m_workSet->Discard();
        return check;
    }
    for (CPELFM_PartInfo* part : cut) m_workSet->MarkChanged(part);

    {
        CConnectionInfoListDlg list(parent, *this);
        const int result = list.Run();
        if (result != 0) return result;
    }

    Internal::WaitCursor wait;
    m_workSet->CollectRemoved(*removed);
    int appended = 0;
    // A commit that could not run leaves the profile as it was; the caller must not delete anything.
    if (m_workSet->ApplyChanges(*root, *changed, appended) != 0) {
        removed->clear();
        changed->clear();
        return ConnInfo::kFailed;
    }
    // Without a change the editor must keep its undo history.
    if (removed->isEmpty() && changed->isEmpty() && appended == 0) return ConnInfo::kNothing;
    return ConnInfo::kDone;
}

int CConnectionInfoSession::AddConnection(QWidget* parent) {
    if (m_workSet->IsLimitReached()) return ConnInfo::kLimitReached;
    CConnectionInfoProtocolDlg protocol(parent, m_presenter, m_strings);
    const int chosen = protocol.Run();
    if (chosen == ConnInfo::kNothing) return chosen;
    if (chosen != 0) return ConnInfo::kFailed;
    std::unique_ptr<CConnectionInfoDetailDlgBase> dialog;
    if (CreateDetailDialog(parent, protocol.ProtocolType(), protocol.ProtocolVersion(), dialog) != 0)
        return ConnInfo::kFailed;
    return dialog->RunForNewConnection() == ConnInfo::kFailed ? ConnInfo::kFailed : ConnInfo::kDone;
}

int CConnectionInfoSession::OpenConnection(QWidget* parent, CPELFM_PartInfo* part,
                                           const QString& protocolType, const QString& protocolVersion,
                                           int& modified) {
    modified = 0;
    std::unique_ptr<CConnectionInfoDetailDlgBase> dialog;
    const int created = CreateDetailDialog(parent, protocolType, protocolVersion, dialog);
    if (created != 0) return created;
    const int result = dialog->RunForConnection(part);
    modified = dialog->IsModified();
    return result;
}

int CConnectionInfoSession::CreateDetailDialog(QWidget* parent, const QString& protocolType,
                                               const QString& protocolVersion,
                                               std::unique_ptr<CConnectionInfoDetailDlgBase>& dialog) {
    dialog.reset();
    const int version = ConnInfo::ToDecimalInt(protocolVersion);
    if (version != 1) return ConnInfo::kUnsupported;
    const CConnectionInfoDetailDlgBase::Context context{m_plugin, m_workSet.get(), &m_presenter, &m_strings};
    try {
        if (protocolType == QLatin1String("QDTX"))
            dialog = std::make_unique<CConnectionInfoQDTXDlg>(parent, context, protocolType, protocolVersion);
        else if (protocolType == QLatin1String("RDB"))
            dialog = std::make_unique<CConnectionInfoRDBDlg>(parent, context, protocolType, protocolVersion);
        else if (protocolType == QLatin1String("LOG_CSV"))
            dialog =
                std::make_unique<CConnectionInfoLOG_CSVDlg>(parent, context, protocolType, protocolVersion);
        else
            return ConnInfo::kUnsupported;
    } catch (...) {
        return ConnInfo::kFailed;
    }
    return ConnInfo::kDone;
}
