#include "NodeOwnership.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"

namespace Internal {

void DeleteNodeByKind(CPELFM_NodeBase* node) {
    if (!node) return;
    switch (node->kindTag) {
        case NODE_SECTION:
            delete static_cast<CPELFM_SectionInfo*>(node);
            break;
        case NODE_PART:
            delete static_cast<CPELFM_PartInfo*>(node);
            break;
        case NODE_ELEM:
            delete static_cast<CPELFM_ElemInfo*>(node);
            break;
        case NODE_ITEM:
            delete static_cast<CPELFM_ItemInfo*>(node);
            break;
        case NODE_ROOT:
            delete static_cast<CPELFM_ProfileInfo*>(node);
            break;
        default:
            break;  // not a node of ours: leaking beats freeing through the wrong type
    }
}

}  // namespace Internal
