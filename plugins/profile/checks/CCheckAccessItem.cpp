#include "CCheckAccessItem.h"

#include "CCheckContext.h"
#include "CPELFM_ItemInfo.h"
#include "CheckFormat.h"
#include "CheckHelpers.h"

int CCheckAccessItem::Check() {
    value_ = Item()->GetFirstValue();
    if (value_.isEmpty()) return 0;
    switch (PartKind()) {
        case PART_COMM_IF_VARIABLE:
            return 1;
        case PART_COMM_IF_CONFIGURATION:
        case PART_BLOCK_MEMORY:
            return value_ == u"R" || value_ == u"W" || value_ == u"RW" || value_ == u"NA" ? 1 : 0;
        default:
            return 0;
    }
}

void CCheckAccessItem::SetMessageId() {
    SetTargetMessageId(40044);
    AddMessageArgument(Internal::PartKindKeyword(PartKind()));
    AddMessageArgument(value_.isEmpty() ? context_.Format().strings.Text(41012) : value_);
}
