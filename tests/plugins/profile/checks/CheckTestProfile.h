#pragma once
// In-memory profiles for the check tests, and findings in a compact, comparable form.

#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include "CPELFM_ProfileInfo.h"
#include "PluginRecords.h"

struct CheckFormat;
class CPELFM_SectionInfo;
class CPELFM_PartInfo;
class CPELFM_ElemInfo;
class CPELFM_ItemInfo;

namespace CheckTest {

// One item of a test element: a kind and its values; a value starting with "@" is an enumeration
// reference (data kind 2) to the rest of the text.
struct ItemSpec {
    int kind;
    std::vector<QString> values;
    ItemSpec(int k, const char* value) : kind(k), values{QString::fromUtf8(value)} {}
    ItemSpec(int k, std::initializer_list<const char*> list) : kind(k) {
        for (const char* v : list) values.push_back(QString::fromUtf8(v));
    }
    ItemSpec(int k, std::vector<QString> list) : kind(k), values(std::move(list)) {}
};

class TestProfile {
public:
    TestProfile();
    // The profile that the format judges without a finding: one section of each kind with their parts.
    static std::unique_ptr<TestProfile> Valid(const CheckFormat& format);

    CPELFM_ProfileInfo* Root() { return &root_; }
    CPELFM_SectionInfo* AddSection(int kind, const char* name);
    CPELFM_PartInfo* AddPart(CPELFM_SectionInfo* section, int kind, const char* name);
    CPELFM_ElemInfo* AddElem(CPELFM_PartInfo* part, const char* label,
                             std::initializer_list<ItemSpec> items = {});
    CPELFM_ElemInfo* AddElem(CPELFM_PartInfo* part, const QString& label, const std::vector<ItemSpec>& items);

    CPELFM_SectionInfo* Section(const char* name) const;
    CPELFM_PartInfo* Part(const char* section, const char* part) const;
    CPELFM_ElemInfo* Elem(const char* section, const char* part, const char* label) const;
    // Sets (or adds) an item of an element; no values at all when the list is empty.
    void SetItem(CPELFM_ElemInfo* elem, const ItemSpec& item);
    void RemoveItem(CPELFM_ElemInfo* elem, int kind);

private:
    CPELFM_ProfileInfo root_;
};

// A finding without its text.
struct Finding {
    int id = 0;
    QString section;
    QString part;
    int element = 0;
    int itemKind = 0;
    QStringList arguments;
    bool operator==(const Finding&) const = default;
};

Finding F(int id, const char* section, const char* part, int element, int itemKind,
          std::initializer_list<const char*> arguments = {});
std::vector<Finding> Findings(const QList<_ST_PEL_CHECK_MESSAGE>& messages);
void PrintTo(const Finding& f, std::ostream* os);

// Runs the check of the format and returns the findings.
QList<_ST_PEL_CHECK_MESSAGE> RunCheck(const CheckFormat& format, CPELFM_ProfileInfo* root);

}  // namespace CheckTest
