#include "ProfileDocumentReader.h"

#include <algorithm>
#include <memory>

#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "ProfileXmlNames.h"

namespace Internal {

namespace {

// The header values: "./p:<section>/p:<part>/p:<member>[@label='<label>']/p:data/p:item" from the root.
struct HeaderPath {
    const char* section;
    const char* part;
    const char* member;
};
const HeaderPath kGroups[] = {{"device", "deviceInfo", "deviceInfoMember"},
                              {"file", "fileInfo", "fileInfoMember"}};
struct HeaderField {
    int group;
    const char* label;
};
// In the order of the root's fields filled by HandOver.
const HeaderField kFields[] = {
    {0, "DeviceModel"}, {0, "Version"}, {1, "ProfileSpecVersion"}, {1, "FileVersion"}, {1, "Language"}};

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

ProfileDocumentReader::~ProfileDocumentReader() {
    qDeleteAll(sections_);
}

void ProfileDocumentReader::HandOver() {
    QString* fields[] = {&root_.deviceModel, &root_.version, &root_.profileSpecVersion, &root_.fileVersion,
                         &root_.language};
    for (int i = 0; i < kHeaderCount; ++i) *fields[i] = headers_[i];
    root_.rootPrefix = rootPrefix_;
    root_.rootNamespaceUri = FromUtf8(rootNamespace_);
    root_.sectionTagNames = &ProfileInnerConst::SectionTagNames();
    root_.partTagNames = &ProfileInnerConst::PartTagNames();
    root_.itemTagNames = &ProfileInnerConst::ItemTagNames();
    root_.dataTagNames = &ProfileInnerConst::DataTagNames();
    root_.sections.append(sections_);
    sections_.clear();
}

bool ProfileDocumentReader::InRootNamespace(const XmlStartTag& tag) const {
    const std::string_view uri = tag.NamespaceUri();
    if (rootNamespace_.empty() || uri.size() != rootNamespace_.size()) return false;
    // The parser hands the same namespace on as the same string, as a rule.
    return uri.data() == rootNamespaceText_ || uri == rootNamespace_;
}

QString ProfileDocumentReader::Label(const XmlStartTag& tag) {
    return tag.Attribute("label", label_) ? FromUtf8(label_) : QString();
}

void ProfileDocumentReader::Capture(QString* target, bool* found) {
    if (*found) return;
    captureTarget_ = target;
    captureFound_ = found;
}

void ProfileDocumentReader::StartElement(const XmlStartTag& tag) {
    const size_t depth = levels_.size() + 1;
    const Level parent = levels_.empty() ? Level() : levels_.back();
    const std::string_view name = tag.LocalName();
    Level level;
    if (depth == 1) {
        rootNamespace_ = tag.NamespaceUri();
        rootNamespaceText_ = tag.NamespaceUri().data();
        rootPrefix_ = FromUtf8(tag.Prefix());
    } else if (depth == 2) {
        auto section = std::make_unique<CPELFM_SectionInfo>();
        section->parent = &root_;
        section->name = Label(tag);
        section->sectionType = SectionNames().IndexOf(name);
        sections_.append(section.get());
        section_ = section.release();
        sectionCommentFound_ = false;
        level.role = SECTION;
        for (int g = 0; g < 2; ++g)
            if (InRootNamespace(tag) && name == kGroups[g].section) level.header = int8_t(g);
    } else if (depth == 3 && name == "comment") {
        if (InRootNamespace(tag)) level.role = SECTION_COMMENT;
    } else if (depth == 3) {
        auto part = std::make_unique<CPELFM_PartInfo>();
        part->ownerSection = section_;
        part->name = Label(tag);
        part->partType = PartNames().IndexOf(name);
        section_->parts.append(part.get());
        part_ = part.release();
        label2Found_ = partCommentFound_ = false;
        level.role = PART;
        if (parent.header >= 0 && InRootNamespace(tag) && name == kGroups[parent.header].part)
            level.header = parent.header;
    } else {
        level = StartInPart(tag, parent);
    }
    if (captureTarget_ || level.role == VALUE) {
        if (!captureDepth_) {
            captureDepth_ = depth;
            text_.clear();
        }
    }
    levels_.push_back(level);
}

ProfileDocumentReader::Level ProfileDocumentReader::StartInPart(const XmlStartTag& tag, const Level& parent) {
    const std::string_view name = tag.LocalName();
    const bool item = InRootNamespace(tag) && name == "item";
    Level level;
    switch (parent.role) {
        case SECTION_COMMENT:
            if (item) Capture(&section_->comment, &sectionCommentFound_);
            break;
        case PART_LABEL2:
            if (item) Capture(&part_->label2, &label2Found_);
            break;
        case PART_COMMENT:
            if (item) Capture(&part_->comment, &partCommentFound_);
            break;
        case PART:
            if (name == "comment" || name == "label2") {
                if (InRootNamespace(tag)) level.role = name == "comment" ? PART_COMMENT : PART_LABEL2;
                break;
            }
            level.role = ELEM;
            if (!tag.Attribute("label", label_)) label_.clear();
            records_.BeginElem(label_);
            if (parent.header >= 0 && InRootNamespace(tag) && name == kGroups[parent.header].member) {
                for (int f = 0; f < kHeaderCount; ++f)
                    if (kFields[f].group == parent.header && label_ == kFields[f].label)
                        level.header = int8_t(f);
            }
            break;
        case ELEM:
            level.role = ITEM;
            itemType_ = ItemNames().IndexOf(name);
            records_.BeginItem(itemType_);
            if (parent.header >= 0 && InRootNamespace(tag) && name == "data") level.header = parent.header;
            break;
        case ITEM:
            level.role = VALUE;
            dataKind_ = DataNames().IndexOf(name);
            if (parent.header >= 0 && item) Capture(&headers_[parent.header], &headerFound_[parent.header]);
            break;
        default:
            break;
    }
    return level;
}

void ProfileDocumentReader::Characters(std::string_view text) {
    if (captureDepth_) text_.append(text);
}

void ProfileDocumentReader::EndElement() {
    const size_t depth = levels_.size();
    const Level level = levels_.back();
    levels_.pop_back();
    if (depth == captureDepth_) {
        if (captureTarget_) {
            *captureTarget_ = FromUtf8(text_);
            *captureFound_ = true;
            captureTarget_ = nullptr;
        }
        if (level.role == VALUE) {
            // Values lose their line feeds, except those of comments.
            if (itemType_ != COMMENT) text_.erase(std::remove(text_.begin(), text_.end(), '\n'), text_.end());
            records_.AddValue(dataKind_, text_);
        }
        captureDepth_ = 0;
    }
    if (level.role == PART) part_->xmlNode = records_.Take();
}

}  // namespace Internal
