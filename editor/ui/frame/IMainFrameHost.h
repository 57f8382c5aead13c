#pragma once
#include <QStringList>

class CPELFM_ProfileInfo;
class IMessagePresenter;
class IStringSource;

// The application's side of the main frame: texts, boxes, the open profile and the file
// operations the frame starts on a drop or a close.
class IMainFrameHost {
public:
    virtual const IStringSource& Strings() const = 0;
    virtual IMessagePresenter& Messages() = 0;
    virtual CPELFM_ProfileInfo* OpenProfile() const = 0;
    // Extensions a dropped file may have (compared without regard to case).
    virtual QStringList AcceptedFileExtensions() const = 0;
    // 1 when the user cancelled, 0 to go on.
    virtual int AskSaveModified() = 0;
    virtual void OpenProfileFile(const QString& path) = 0;
    // 1 when the file stays open, 0 when it was closed (or none was open).
    virtual int CloseCurrentFile() = 0;
    // Releases the settings and unloads the plug-ins; safe to call more than once.
    virtual void ReleaseAtClose() = 0;
    // True while the check worker owns the model: nothing on the UI thread may read it.
    virtual bool IsModelBusy() const = 0;
    // Which set of the resource library's images the bars, menus and panes show.
    virtual bool HighColorIcons() const { return true; }

protected:
    ~IMainFrameHost() = default;
};
