#include "ProfileXmlNames.h"

#include "ProfileInnerConst.h"

namespace Internal {

XmlNameTable::XmlNameTable(const QStringList& names) {
    names_.reserve(names.size());
    for (const QString& n : names) names_.push_back(n.toStdString());
}

int XmlNameTable::IndexOf(std::string_view localName) const {
    if (localName.empty()) return 0;
    for (size_t i = 1; i < names_.size(); ++i)
        if (names_[i] == localName) return static_cast<int>(i);
    return 0;
}

const XmlNameTable& SectionNames() {
    static const XmlNameTable table(ProfileInnerConst::SectionTagNames());
    return table;
}

const XmlNameTable& PartNames() {
    static const XmlNameTable table(ProfileInnerConst::PartTagNames());
    return table;
}

const XmlNameTable& ItemNames() {
    static const XmlNameTable table(ProfileInnerConst::ItemTagNames());
    return table;
}

const XmlNameTable& DataNames() {
    static const XmlNameTable table(ProfileInnerConst::DataTagNames());
    return table;
}

}  // namespace Internal
