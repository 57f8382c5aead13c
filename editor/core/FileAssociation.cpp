#include "FileAssociation.h"

#include "CCommonUtility.h"
#include "DesktopFileTypes.h"
#include "MessageBoxStyle.h"
#include "ResourceMessage.h"

QString FileAssociationClassName(const CCommonUtility& utility) {
    return utility.projectExtension + QStringLiteral("_auto_file");
}

QString EditorExecutablePath(const CCommonUtility& utility) {
    return utility.executableFolder + QStringLiteral("/PeloraMachineTool");
}

int IsFileAssociationRegistered(const CCommonUtility& utility, QString& message) {
    const QString desktopId = DesktopFileTypes::DesktopIdForClass(FileAssociationClassName(utility));
    for (const QString& extension : {utility.projectExtension, utility.profileExtension}) {
        const QString current =
            DesktopFileTypes::EffectiveDefaultApplication(DesktopFileTypes::MimeTypeForExtension(extension));
        if (current.isEmpty()) {
            message = utility.LoadString(62073);
            return 0;
        }
        if (current.compare(desktopId, Qt::CaseInsensitive) != 0) {
            message = utility.LoadString(62074);
            return 0;
        }
    }
    // Paths name different files when their case differs here, so the program is compared exactly.
    if (DesktopFileTypes::ProgramOfDesktopEntry(desktopId) == EditorExecutablePath(utility)) return 1;
    message = utility.LoadString(62074);
    return 0;
}

int RegisterFileAssociation(const CCommonUtility& utility) {
    if (!DesktopFileTypes::Register(FileAssociationClassName(utility), EditorExecutablePath(utility),
                                    {utility.projectExtension, utility.profileExtension}))
        return 0;
    DesktopFileTypes::UpdateMimeDatabase();
    DesktopFileTypes::UpdateDesktopDatabase();
    return 1;
}

void CheckFileAssociation(const CCommonUtility& utility) {
    // Without a selected plug-in there are no extensions to bind.
    if (utility.projectExtension.isEmpty() || utility.profileExtension.isEmpty()) return;
    QString message;
    if (IsFileAssociationRegistered(utility, message) == 1) return;
    IMessagePresenter* presenter = utility.MessagePresenter();
    if (presenter == nullptr) return;
    if (ShowMessageBox(*presenter, message, QString(), MB_YESNO | MB_ICONINFORMATION) != IDYES) return;
    if (RegisterFileAssociation(utility) == 1) return;
    utility.ShowMessage({utility.profileExtension, utility.projectExtension}, 10057, MB_ICONWARNING);
}
