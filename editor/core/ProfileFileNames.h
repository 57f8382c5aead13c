#pragma once
#include <QDateTime>
#include <QString>

class CCommonUtility;
class CPELFM_PartInfo;
class CPELFM_ProfileInfo;

// The header values of a profile that file names, stamps and archives are made of.

// The first value of the DATA item of the element with that label (any case); empty when the
// part, the element, the item or a value is missing, or the part cannot be loaded.
QString ElementDataValue(CPELFM_PartInfo* part, const QString& label);
// The first FILE_INFO part of the first FILE section, null when there is none.
CPELFM_PartInfo* FirstFileInfoPart(const CPELFM_ProfileInfo* root);
// The DEVICE_INFO part of the first DEVICE section, null when there is none.
CPELFM_PartInfo* FirstDeviceInfoPart(const CCommonUtility& utility, const CPELFM_ProfileInfo* root);

// Writes the date (yyyy/MM/dd) and time (HH:mm:ss, whatever the locale) into CreateDate, CreateTime,
// ModDate and ModTime, starting at ModDate unless creating; stops at the first element that is
// missing or has no DATA item.
void StampProfileDates(CPELFM_ProfileInfo* root, int creating, const QDateTime& now);

// Drops \ / : * ? " < > | so a model value can be part of a file name.
QString RemoveFileNameUnsafeChars(const QString& text);

// The default name of the exported profile, without extension; 0 when an element it needs is missing.
int BuildDefaultProfileFileName(const CCommonUtility& utility, const CPELFM_ProfileInfo* root, QString& name);

// What the archive needs of a profile file.
struct ProfileRelatedFileValues {
    QString iconFile;
    QString graphicsFile;
    QString defaultFileName;  // with the profile path's extension
    QString vendorName;
};

// Loads the profile without validation; 0 with the reason (string 422 or 403, or what the loader
// said) when it cannot be read or lacks the vendor name or the elements of the default name.
int CollectProfileRelatedFiles(const CCommonUtility& utility, const QString& profilePath,
                               ProfileRelatedFileValues& out, QString& error);

// The file named on the command line: the text between the first and the last double quote, or the
// whole text when it holds none.
QString CommandLinePath(const QString& commandLine);
