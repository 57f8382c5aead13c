#pragma once
#include <QString>
#include <QStringList>

class CCommonUtility;
class INewProfileHost;
class IStringSource;

// The ten texts of the new-profile dialog.
struct NewProfileTexts {
    QString fileSectionName, fileSectionComment;
    QString fileInfoName, fileInfoComment, fileInfoLabel2;
    QString deviceSectionName, deviceSectionComment;
    QString deviceInfoName, deviceInfoComment, deviceInfoLabel2;
};

enum class NewProfileField {
    None,
    FileSectionName,
    FileInfoName,
    FileInfoLabel2,
    DeviceSectionName,
    DeviceInfoName,
    DeviceInfoLabel2
};

struct NewProfileOutcome {
    bool close = false;   // the dialog closes (with or without a new profile)
    bool loaded = false;  // a new profile is open
    NewProfileField focus = NewProfileField::None;
};

// The new-profile dialog without its window.
class NewProfileLogic {
public:
    NewProfileLogic(CCommonUtility& utility, const IStringSource& texts, INewProfileHost& host)
        : m_utility(utility), m_texts(texts), m_host(host) {}

    // A name of blanks counts as given.
    static bool CreateEnabled(const NewProfileTexts& texts);
    // The record handed to the file writer, in its field order.
    static QStringList Record(const NewProfileTexts& texts);

    NewProfileOutcome Create(const NewProfileTexts& texts);

private:
    bool Refused(const NewProfileTexts& texts, NewProfileOutcome& outcome) const;

    CCommonUtility& m_utility;
    const IStringSource& m_texts;
    INewProfileHost& m_host;
};
