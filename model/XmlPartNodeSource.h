#pragma once
#include "CPELFM_PartNodeSource.h"
#include "XmlNode.h"

// A part's document node, read into elements, items and values on the part's first use.
// The node holds the document alive; once the part no longer needs it, its subtree is freed at once,
// so a document shrinks as its parts are loaded.
class XmlPartNodeSource : public CPELFM_PartNodeSource {
public:
    explicit XmlPartNodeSource(XmlNode partNode) : node_(std::move(partNode)) {}
    ~XmlPartNodeSource() override;
    XmlPartNodeSource(const XmlPartNodeSource&) = delete;
    XmlPartNodeSource& operator=(const XmlPartNodeSource&) = delete;

    void LoadElems(CPELFM_PartInfo& part, QList<CPELFM_ElemInfo*>& out) const override;

private:
    XmlNode node_;
};
