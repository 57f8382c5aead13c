#pragma once
#include <QString>

struct CPELFM_NodeBase;
class CPELFM_PartInfo;
class CPELFM_ProfileInfo;
class IProfilePlugin;
class QWidget;

// What the connection-information command asks of the editor around the plug-in's editor.
class IConnectionInfoHost {
public:
    // The node of the selected tree item, null for none or a group item.
    virtual CPELFM_NodeBase* SelectedTreeNode() = 0;
    virtual void RememberTreeSelection(CPELFM_NodeBase* node) = 0;
    virtual void ClosePartView(CPELFM_PartInfo* part) = 0;
    // Fills the open view of that part again, with its first cell current, and refreshes its title;
    // nothing when none is open.
    virtual void ReloadPartView(const QString& sectionName, const QString& partName) = 0;
    virtual void RebuildProfileTree() = 0;
    virtual void ClearOutput() = 0;
    virtual void ClearHistory() = 0;
    virtual void SetConnectionInfoModified() = 0;

protected:
    ~IConnectionInfoHost() = default;
};

// Runs the plug-in's connection editor over the open profile and brings the editor in line with
// what it changed. Returns the plug-in's result; only 0 (applied) changes anything here.
int EditConnectionInfo(IProfilePlugin& plugin, QWidget* parent, CPELFM_ProfileInfo& root,
                       IConnectionInfoHost& host);
