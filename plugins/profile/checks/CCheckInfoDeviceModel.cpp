#include "CCheckInfoDeviceModel.h"

#include "CCheckContext.h"
#include "CItemPieces.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CheckHelpers.h"
#include "CheckNumber.h"

int CCheckInfoDeviceModel::Check() {
    if (ItemKind() != DATA) return 1;
    const bool judgedPart = (PartKind() == PART_FILE_INFO && SectionKind() == SECTION_FILE) ||
                            (PartKind() == PART_DEVICE_INFO &&
                             (SectionKind() == SECTION_DEVICE || SectionKind() == SECTION_COMM_IF));
    if (!judgedPart) return 1;
    const QString& label = Elem()->label;
    if (!Internal::AsciiEqualsIgnoreCase(label, QStringLiteral("DeviceModel")) &&
        !Internal::AsciiEqualsIgnoreCase(label, QStringLiteral("VendorName")) &&
        !Internal::AsciiEqualsIgnoreCase(label, QStringLiteral("Language"))) {
        return 1;
    }
    static const QString kFileNameCharacters = QStringLiteral("\\/:*?\"<>|");
    const Internal::CItemPieces pieces(context_, Item(), Internal::CItemPieces::Split::ListsAndAngles);
    for (CPELFM_ItemInfo* piece : pieces.Items()) {
        const QString& value = Internal::FirstValue(piece);
        for (QChar c : kFileNameCharacters) {
            if (value.contains(c)) {
                AddMessageArgument(label);
                SetTargetMessageId(40031);
                return 0;
            }
        }
    }
    return 1;
}
