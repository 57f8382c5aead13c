#include "CCheckInfoFormat.h"

#include "CCheckContext.h"
#include "CItemPieces.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CheckFormat.h"
#include "CheckHelpers.h"
#include "CheckNumber.h"
#include "CheckPatterns.h"

using Internal::EPattern;

int CCheckInfoFormat::Check() {
    if (ItemKind() != DATA || Internal::FirstValue(Item()).isEmpty()) return 1;
    const QString& label = Elem()->label;
    auto is = [&label](const char* name) {
        return Internal::AsciiEqualsIgnoreCase(label, QLatin1String(name));
    };
    EPattern pattern;
    QString form;
    if (PartKind() == PART_DEVICE_INFO && is("IconFileName")) {
        pattern = EPattern::IconFileName;
        form = context_.Format().strings.Text(41006);
    } else if (PartKind() == PART_DEVICE_INFO && is("GraphicsFileName")) {
        pattern = EPattern::GraphicsFileName;
        form = context_.Format().strings.Text(41007);
    } else if (PartKind() == PART_FILE_INFO && (is("CreateDate") || is("ModDate"))) {
        pattern = EPattern::Date;
        form = QStringLiteral("yyyy/mm/dd");
    } else if (PartKind() == PART_FILE_INFO && (is("CreateTime") || is("ModTime"))) {
        pattern = EPattern::Time;
        form = QStringLiteral("hh:mm:ss");
    } else {
        return 1;
    }
    const Internal::CItemPieces pieces(context_, Item(), Internal::CItemPieces::Split::ListsAndAngles);
    for (CPELFM_ItemInfo* piece : pieces.Items()) {
        if (!Internal::MatchRegex(piece->GetFirstValue(), pattern)) {
            AddMessageArgument(label);
            AddMessageArgument(form);
            SetTargetMessageId(40030);
            return 0;
        }
    }
    return 1;
}
