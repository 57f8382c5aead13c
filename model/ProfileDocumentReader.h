#pragma once
// Private to the model: what the profile and project loaders share.

#include <QList>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "PartRecordSource.h"
#include "XmlEventReader.h"

class CPELFM_ProfileInfo;
class CPELFM_SectionInfo;
class CPELFM_PartInfo;

namespace Internal {

// Builds a profile tree from a document in one pass: the header values, every section and part, and for
// each part the records of its elements, which the part turns into nodes when it is first used.
// Names are compared by their local name; the header values, section comments and part label2 and
// comment texts are the first "item" found on their paths, in the root element's namespace.
class ProfileDocumentReader : public XmlEventHandler {
public:
    explicit ProfileDocumentReader(CPELFM_ProfileInfo& root) : root_(root) {}
    ~ProfileDocumentReader() override;
    ProfileDocumentReader(const ProfileDocumentReader&) = delete;
    ProfileDocumentReader& operator=(const ProfileDocumentReader&) = delete;

    // Gives the root the header values and the sections read; until then the reader owns them.
    void HandOver();

    void StartElement(const XmlStartTag& tag) override;
    void EndElement() override;
    void Characters(std::string_view text) override;

private:
    enum Role : uint8_t {
        OTHER,
        SECTION,
        SECTION_COMMENT,
        PART,
        PART_LABEL2,
        PART_COMMENT,
        ELEM,
        ITEM,
        VALUE
    };
    struct Level {
        Role role = OTHER;
        int8_t header = -1;  // the header group (section, part) or field (member, data) this element is on
    };
    static constexpr int kHeaderCount = 5;

    bool InRootNamespace(const XmlStartTag& tag) const;
    QString Label(const XmlStartTag& tag);
    Level StartInPart(const XmlStartTag& tag, const Level& part);
    // The text content of the element now starting goes to target, unless a first one was found already.
    void Capture(QString* target, bool* found);

    CPELFM_ProfileInfo& root_;
    QList<CPELFM_SectionInfo*> sections_;  // owned until handed over
    QString headers_[kHeaderCount];
    bool headerFound_[kHeaderCount] = {};
    std::string rootNamespace_;
    const char* rootNamespaceText_ = nullptr;  // the parser's own copy, while it reads
    QString rootPrefix_;
    std::vector<Level> levels_;  // the open elements, the document element first
    CPELFM_SectionInfo* section_ = nullptr;
    CPELFM_PartInfo* part_ = nullptr;
    bool sectionCommentFound_ = false;
    bool label2Found_ = false;
    bool partCommentFound_ = false;
    PartRecordWriter records_;
    int itemType_ = 0;
    int dataKind_ = 0;
    std::string label_;
    // The element whose text content is being collected (its depth, 0 for none) and where it goes.
    size_t captureDepth_ = 0;
    std::string text_;
    QString* captureTarget_ = nullptr;
    bool* captureFound_ = nullptr;
};

}  // namespace Internal
