#pragma once
#include <QList>
#include <QString>
#include <memory>

class CConnectionInfoDetailDlgBase;
class CConnectionInfoWorkSet;
class CPELFM_PartInfo;
class CPELFM_ProfileInfo;
class CProfilePlugin;
class IConnectionInfoPresenter;
class IStringSource;
class QWidget;

// One connection edit run: copies the DEVICE section, lets the list and detail dialogs change the
// copy, and commits it into the profile when the list ends with OK after a change.
class CConnectionInfoSession {
public:
    CConnectionInfoSession(CProfilePlugin& plugin, IConnectionInfoPresenter& presenter,
                           const IStringSource& strings);
    ~CConnectionInfoSession();
    CConnectionInfoSession(const CConnectionInfoSession&) = delete;
    CConnectionInfoSession& operator=(const CConnectionInfoSession&) = delete;

    // 0 applied, 1 failure, 2 nothing applied, 3 too many connections. The arrays receive the
    // profile's parts that were removed (for the caller to delete) and those whose content changed.
    int Run(QWidget* parent, CPELFM_ProfileInfo* root, QList<CPELFM_PartInfo*>* removed,
            QList<CPELFM_PartInfo*>* changed);

    // 0 added (or the detail dialog ended), 1 failure, 2 the protocol choice was cancelled, 5 full.
    int AddConnection(QWidget* parent);
    // The detail dialog's result for a connection of the copy (4 for an unsupported protocol);
    // modified tells whether anything was typed.
    int OpenConnection(QWidget* parent, CPELFM_PartInfo* part, const QString& protocolType,
                       const QString& protocolVersion, int& modified);
    // 0 with the dialog of the protocol, 4 for an unsupported pair, 1 on failure.
    int CreateDetailDialog(QWidget* parent, const QString& protocolType, const QString& protocolVersion,
                           std::unique_ptr<CConnectionInfoDetailDlgBase>& dialog);

    CConnectionInfoWorkSet& WorkSet() { return *m_workSet; }
    IConnectionInfoPresenter& Presenter() { return m_presenter; }
    const IStringSource& Strings() const { return m_strings; }

private:
    CProfilePlugin* m_plugin;
    IConnectionInfoPresenter& m_presenter;
    const IStringSource& m_strings;
    std::unique_ptr<CConnectionInfoWorkSet> m_workSet;
};
