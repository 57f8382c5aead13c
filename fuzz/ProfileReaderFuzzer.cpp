// Any bytes as a profile document: parse, build the tree, load every part and analyse every value.

#include <cstddef>
#include <cstdint>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "InvalidArgumentError.h"
#include "ItemValueText.h"
#include "PELFMExceptions.h"

namespace {

void Exercise(CPELFM_ItemInfo& item) {
    try {
        switch (item.AnalyzeValue()) {
            case VALUE_LIST: {
                QList<CPELFM_ItemInfo*> out;
                item.SplitListItems(out);
                DeleteItemArray(out);
                item.ExpandListItems(out);
                DeleteItemArray(out);
                break;
            }
            case VALUE_ANGLE_LIST: {
                QList<CPELFM_ItemInfo*> out;
                item.SplitAngleItems(out);
                DeleteItemArray(out);
                break;
            }
            case VALUE_RANGE: {
                _ST_PELFM_RANGEINFO r;
                item.GetRange(r);
                break;
            }
            case VALUE_REFERENCE:
                item.GetReferencedPart();
                item.GetReferencedElem();
                break;
            case VALUE_DOTTED_REFERENCE:
                item.GetReferencedElem();
                break;
            case VALUE_ENUM_REF:
                item.GetEnumRefPart();
                break;
            case VALUE_CONDITION: {
                QList<CPELFM_ItemInfo*> out;
                item.SplitConditionItems(out);
                DeleteItemArray(out);
                break;
            }
            case VALUE_TEXT:
                item.GetTextValue();
                break;
            default:
                __builtin_trap();  // the classification has no other results
        }
    } catch (const CPELFM_ExceptionBase&) {
    } catch (const InvalidArgumentError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CPELFM_ProfileInfo root;
    try {
        root.ParseDocument(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const CPELFM_ExceptionBase&) {
        return 0;
    }
    for (CPELFM_SectionInfo* s : root.sections) {
        for (CPELFM_PartInfo* p : s->parts) {
            for (CPELFM_ElemInfo* e : p->Elems()) {
                for (CPELFM_ItemInfo* i : e->items) Exercise(*i);
                try {
                    e->FindItem(DATATYPE, -1);
                    e->FindItem(CODE, 3);
                } catch (const CPELFM_ExceptionBase&) {
                } catch (const InvalidArgumentError&) {
                }
            }
        }
    }
    return 0;
}
