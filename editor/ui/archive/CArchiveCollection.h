#pragma once
#include <QStringList>

#include "CToolPathData.h"

class IMessagePresenter;
class IStringSource;

// The three lists of the archive creation dialog and the tool tree that follows the document list.
class CArchiveCollection {
public:
    enum List { Profiles, Documents, ToolFolders };

    struct Conditions {
        bool tools = false;             // the profile format takes tool folders
        bool deviceModelTools = false;  // the device model packs ".dll" and ".exe" documents
        QString profileExtension;
    };

    CArchiveCollection(const IStringSource& strings, IMessagePresenter& presenter,
                       const Conditions& conditions);

    const QStringList& Entries(List list) const;
    const CToolPathData& ToolTree() const { return m_toolTree; }
    const Conditions& GetConditions() const { return m_conditions; }
    bool CanGoNext() const { return !m_profiles.isEmpty(); }

    // Chosen through the file dialog: appended as they are.
    void AddProfiles(const QStringList& paths);
    // Chosen through the file dialog; listed ones are reported and the user may add the others.
    void AddDocuments(const QStringList& paths);
    void AddToolFolder(const QString& folder);
    // Dropped files and folders; folders are searched at every depth.
    void DropOnProfiles(const QStringList& paths);
    void DropOnDocuments(const QStringList& paths);
    void DropOnToolFolders(const QStringList& paths);
    void RemoveAt(List list, int row);

private:
    bool IsListedDocument(const QString& path) const;
    // False when the user declined to add the others.
    bool ConfirmDuplicates(const QStringList& duplicates);
    void CollectTools(const QString& folder, CToolPathData& node, const QStringList& accepted);

    const IStringSource& m_strings;
    IMessagePresenter& m_presenter;
    Conditions m_conditions;
    QStringList m_profiles;
    QStringList m_documents;
    QStringList m_toolFolders;
    CToolPathData m_toolTree = CToolPathData::MakeRoot();
};
