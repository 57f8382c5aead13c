#include "ProfileFileNames.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <memory>

#include "CCommonUtility.h"
#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "PELFMExceptions.h"
#include "ResourceMessage.h"

namespace {

constexpr int IDS_VENDOR_ELEMENT = 183;
constexpr int IDS_NAME_MISSING = 403;
constexpr int IDS_VENDOR_MISSING = 422;
constexpr int IDS_MODEL_ELEMENT = 62029;
constexpr int IDS_PRODUCT_ELEMENT = 62030;
constexpr int IDS_NAME_SEPARATOR = 62031;
constexpr int IDS_DISPLAY_VERSION_ELEMENT = 62032;
constexpr int IDS_OPEN_BRACKET = 62033;
constexpr int IDS_CLOSE_BRACKET = 62034;
constexpr int IDS_VERSION_ELEMENT = 62035;
constexpr int IDS_LANGUAGE_ELEMENT = 62036;
constexpr int IDS_FILE_UNREADABLE = 62141;

CPELFM_ItemInfo* DataItem(CPELFM_PartInfo* part, const QString& label) {
    if (!part) return nullptr;
    CPELFM_ElemInfo* elem = part->FindElemByLabel(label);
    return elem ? elem->FindItem(DATA, 0) : nullptr;
}

CPELFM_SectionInfo* FirstSection(const CPELFM_ProfileInfo* root, int type) {
    if (!root) return nullptr;
    for (CPELFM_SectionInfo* section : root->sections)
        if (section && section->sectionType == type) return section;
    return nullptr;
}

}  // namespace

QString ElementDataValue(CPELFM_PartInfo* part, const QString& label) {
    try {
        const CPELFM_ItemInfo* item = DataItem(part, label);
        return item && !item->values.isEmpty() ? item->values.first().text : QString();
    } catch (const CPELFM_ExceptionBase&) {
        return {};  // a part that cannot be loaded has no values to show
    }
}

CPELFM_PartInfo* FirstFileInfoPart(const CPELFM_ProfileInfo* root) {
    const CPELFM_SectionInfo* section = FirstSection(root, SECTION_FILE);
    if (!section) return nullptr;
    for (CPELFM_PartInfo* part : section->parts)
        if (part && part->partType == PART_FILE_INFO) return part;
    return nullptr;
}

CPELFM_PartInfo* FirstDeviceInfoPart(const CCommonUtility& utility, const CPELFM_ProfileInfo* root) {
    return utility.FindDeviceInfoPart(FirstSection(root, SECTION_DEVICE));
}

void StampProfileDates(CPELFM_ProfileInfo* root, int creating, const QDateTime& now) {
    CPELFM_PartInfo* part = FirstFileInfoPart(root);
    if (!part) return;
    const QString date = now.toString(QStringLiteral("yyyy/MM/dd"));
    const QString time = now.toString(QStringLiteral("HH:mm:ss"));
    const struct {
        const char* label;
        const QString& value;
    } stamps[] = {{"CreateDate", date}, {"CreateTime", time}, {"ModDate", date}, {"ModTime", time}};
    for (int i = creating ? 0 : 2; i < 4; ++i) {
        CPELFM_ItemInfo* item = DataItem(part, QString::fromLatin1(stamps[i].label));
        if (!item) return;
        if (item->values.isEmpty())
            item->AddDataInfo({ProfileInnerConst::DATA_ITEM, stamps[i].value});
        else
            item->values.first().text = stamps[i].value;
        item->ClearValueCache();
    }
}

QString RemoveFileNameUnsafeChars(const QString& text) {
    QString result = text;
    result.remove(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")));
    return result;
}

int BuildDefaultProfileFileName(const CCommonUtility& utility, const CPELFM_ProfileInfo* root,
                                QString& name) {
    CPELFM_PartInfo* device = FirstDeviceInfoPart(utility, root);
    const auto label = [&](int id) { return utility.LoadString(id); };
    const auto has = [](CPELFM_PartInfo* part, const QString& element) {
        try {
            return part && part->FindElemByLabel(element) != nullptr;
        } catch (const CPELFM_ExceptionBase&) {
            return false;
        }
    };
    if (!has(device, label(IDS_VENDOR_ELEMENT)) || !has(device, label(IDS_MODEL_ELEMENT))) return 0;
    const QString separator = label(IDS_NAME_SEPARATOR);
    QString result = ElementDataValue(device, label(IDS_VENDOR_ELEMENT)) + separator +
                     ElementDataValue(device, label(IDS_MODEL_ELEMENT));
    const QString product = ElementDataValue(device, label(IDS_PRODUCT_ELEMENT));
    if (!product.isEmpty()) result += label(IDS_OPEN_BRACKET) + product + label(IDS_CLOSE_BRACKET);
    const QString displayVersion = ElementDataValue(device, label(IDS_DISPLAY_VERSION_ELEMENT));
    if (!displayVersion.isEmpty()) {
        result += separator + RemoveFileNameUnsafeChars(displayVersion);
    } else {
        if (!has(device, label(IDS_VERSION_ELEMENT))) return 0;
        result += separator + RemoveFileNameUnsafeChars(ElementDataValue(device, label(IDS_VERSION_ELEMENT)));
    }
    CPELFM_PartInfo* file = FirstFileInfoPart(root);
    if (!has(file, label(IDS_LANGUAGE_ELEMENT))) return 0;
    result += separator + ElementDataValue(file, label(IDS_LANGUAGE_ELEMENT));
    name = result;
    return 1;
}

int CollectProfileRelatedFiles(const CCommonUtility& utility, const QString& profilePath,
                               ProfileRelatedFileValues& out, QString& error) {
    std::unique_ptr<CPELFM_ProfileInfo> root;
    try {
        root = std::make_unique<CPELFM_ProfileInfo>(profilePath, utility.FirstDeviceModelKind());
    } catch (const CPELFM_ExceptionBase& failure) {
        // A file that could not be read at all (a named pipe, a device, no permission) says why.
        const bool unread = failure.code == CPELFM_CreateRootException::Code_ && failure.line == 0 &&
                            !failure.detail.isEmpty() && utility.Strings();
        error = unread ? FormatResourceMessage(*utility.Strings(), {failure.detail}, IDS_FILE_UNREADABLE)
                       : utility.LoadString(IDS_VENDOR_MISSING);
        return 0;
    }
    CPELFM_PartInfo* device = FirstDeviceInfoPart(utility, root.get());
    const QString vendor = ElementDataValue(device, QStringLiteral("VendorName"));
    if (vendor.isEmpty()) {
        error = utility.LoadString(IDS_VENDOR_MISSING);
        return 0;
    }
    out.vendorName = vendor;
    out.iconFile = ElementDataValue(device, QStringLiteral("IconFileName"));
    out.graphicsFile = ElementDataValue(device, QStringLiteral("GraphicsFileName"));
    QString name;
    if (BuildDefaultProfileFileName(utility, root.get(), name) != 1) {
        error = utility.LoadString(IDS_NAME_MISSING);
        return 0;
    }
    const QString suffix = QFileInfo(profilePath).suffix();
    out.defaultFileName = suffix.isEmpty() ? name : name + QLatin1Char('.') + suffix;
    return 1;
}

QString CommandLinePath(const QString& commandLine) {
    const qsizetype first = commandLine.indexOf(QLatin1Char('"'));
    if (first < 0) return commandLine;
    const qsizetype last = commandLine.lastIndexOf(QLatin1Char('"'));
    if (last <= first) return {};
    return commandLine.mid(first + 1, last - first - 1);
}
