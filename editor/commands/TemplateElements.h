#pragma once
#include <QList>
#include <memory>

#include "PluginRecords.h"

class CPELFM_ElemInfo;
class CPELFM_PartInfo;

namespace Internal {

// How the DATA item of a template element is made.
enum class TemplateData {
    AllJoined,        // every DATA string, joined by line feeds
    ProtocolVersion,  // the first DATA string of a "ProtocolVersion" element, else empty
};

// An element with the template's label and the five items LABEL2, CATEGORY, NAME, DATATYPE, DATA.
std::unique_ptr<CPELFM_ElemInfo> MakeTemplateElement(const _ST_CT_ELEM_INFO& elemTemplate,
                                                     CPELFM_PartInfo* owner, TemplateData data);

// An element with the template's label and no items.
std::unique_ptr<CPELFM_ElemInfo> MakeLabelOnlyElement(const _ST_CT_ELEM_INFO& elemTemplate,
                                                      CPELFM_PartInfo* owner);

// An element without label and items.
std::unique_ptr<CPELFM_ElemInfo> MakeEmptyElement(CPELFM_PartInfo* owner);

}  // namespace Internal
