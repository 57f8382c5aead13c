#pragma once
// Private to the model: the profile format's element names, matched against libxml2's UTF-8 names.

#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace Internal {

// One name table of the format, in UTF-8; entry 0 is empty and never matches a name.
class XmlNameTable {
public:
    explicit XmlNameTable(const QStringList& names);
    // The index of the first equal entry, 0 when none.
    int IndexOf(std::string_view localName) const;

private:
    std::vector<std::string> names_;
};

const XmlNameTable& SectionNames();
const XmlNameTable& PartNames();
const XmlNameTable& ItemNames();
const XmlNameTable& DataNames();

}  // namespace Internal
