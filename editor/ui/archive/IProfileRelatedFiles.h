#pragma once
#include <QString>

// The DEVICE_INFO values of a profile that the archive needs, read by the file commands.
struct ProfileRelatedFiles {
    QString iconFile;
    QString graphicsFile;
    QString defaultFileName;  // with extension
    QString vendorName;
};

class IProfileRelatedFiles {
public:
    virtual ~IProfileRelatedFiles() = default;
    // False when the profile cannot be read or lacks the values; reason says why (may be empty).
    virtual bool CollectProfileRelatedFiles(const QString& profilePath, ProfileRelatedFiles& out,
                                            QString& reason) = 0;
};
