#include "NewProfileFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "IDeviceModelPlugin.h"
#include "IProfilePlugin.h"
#include "IStringSource.h"
#include "InvalidArgumentError.h"
#include "ProfileInnerConst.h"
#include "XmlError.h"

namespace {

// Resource ids of the fixed texts of the document and of its place.
constexpr int IDS_FILE_INFO_MEMBER = 62003;
constexpr int IDS_DEVICE_INFO_MEMBER = 62004;
constexpr int IDS_ELEMENT_PREFIX = 62005;
constexpr int IDS_ROOT_NAME = 62006;
constexpr int IDS_ROOT_ATTRIBUTE1_NAME = 62007;
constexpr int IDS_ROOT_ATTRIBUTE1_VALUE = 62008;
constexpr int IDS_ROOT_ATTRIBUTE2_NAME = 62013;
constexpr int IDS_ROOT_ATTRIBUTE2_VALUE = 62014;
constexpr int IDS_PI_TARGET = 62015;
constexpr int IDS_PI_DATA = 62016;
constexpr int IDS_TEMP_FOLDER = 62017;
constexpr int IDS_TEMP_FILE = 62018;

QString Text(const NewProfileSources& sources, int id) {
    return sources.texts ? sources.texts->LoadString(id) : QString();
}

// The resource texts were written for Windows paths.
QString PathText(const NewProfileSources& sources, int id) {
    return QString(Text(sources, id)).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// The namespace a root attribute declares for the root element's own prefix.
QString RootNamespace(const QString& rootName, const QList<std::pair<QString, QString>>& attributes) {
    const qsizetype colon = rootName.indexOf(QLatin1Char(':'));
    const QString declaration =
        colon < 0 ? QStringLiteral("xmlns") : QStringLiteral("xmlns:") + rootName.left(colon);
    for (const auto& [name, value] : attributes) {
        if (name == declaration) return value;
    }
    return QString();
}

// An optional child holding one value; only the emptiness test trims.
void WriteOptionalText(const QString& prefix, XmlNode& parent, const QString& name, const QString& text) {
    if (text.trimmed().isEmpty()) return;
    parent.AppendElement(prefix + name).AppendElement(prefix + QStringLiteral("item")).AppendText(text);
}

XmlNode WriteLabelled(const QString& prefix, XmlNode& parent, const QString& name, const QString& label) {
    XmlNode elem = parent.AppendElement(prefix + name);
    elem.SetAttribute(QStringLiteral("label"), label);
    return elem;
}

bool IsWritableFolder(const QString& folder) {
    if (!QDir().mkpath(folder)) return false;
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

}  // namespace

int CreateNewProfileFile(const NewProfileSources& sources, const QStringList& record, QString* writtenPath) {
    XmlDocument doc;
    try {
        doc = XmlDocument::Create();
    } catch (const XmlError&) {
        return 1;
    }
    if (doc.IsNull()) return 1;

    const QString rootName = Text(sources, IDS_ROOT_NAME);
    const QList<std::pair<QString, QString>> attributes = {
        {Text(sources, IDS_ROOT_ATTRIBUTE1_NAME), Text(sources, IDS_ROOT_ATTRIBUTE1_VALUE)},
        {Text(sources, IDS_ROOT_ATTRIBUTE2_NAME), Text(sources, IDS_ROOT_ATTRIBUTE2_VALUE)},
    };
    XmlNode root = doc.CreateDocumentElement(rootName, RootNamespace(rootName, attributes));
    for (const auto& [name, value] : attributes) root.SetAttribute(name, value);
    doc.AddProcessingInstruction(Text(sources, IDS_PI_TARGET), Text(sources, IDS_PI_DATA));

    FillNewProfileDocument(record, sources, doc, root);

    QString folder = sources.programFolder + PathText(sources, IDS_TEMP_FOLDER);
    std::optional<QTemporaryDir> privateFolder;
    if (!IsWritableFolder(folder)) {
        privateFolder.emplace(QDir::tempPath() + QStringLiteral("/PeloraMachineTool-XXXXXX"));
        if (!privateFolder->isValid()) throw NewProfileFolderError(QDir::cleanPath(folder), QDir::tempPath());
        folder = privateFolder->path();
    }
    QString fileName = PathText(sources, IDS_TEMP_FILE);
    if (!fileName.startsWith(QLatin1Char('/'))) fileName.prepend(QLatin1Char('/'));
    const QString path = QDir::cleanPath(folder + fileName);
    if (writtenPath) *writtenPath = path;
    doc.SaveFile(path, XmlFormat::Compact);
    // Kept only once it holds the file: the caller removes it with the file.
    if (privateFolder) privateFolder->setAutoRemove(false);
    return 0;
}

void FillNewProfileDocument(const QStringList& record, const NewProfileSources& sources, XmlDocument& doc,
                            XmlNode& root) {
    if (!sources.profilePlugin) throw InvalidArgumentError("no profile plug-in is loaded");

    QList<_ST_CT_ELEM_INFO> fileInfo, deviceInfo;
    sources.profilePlugin->GetInfoElementTemplates(&fileInfo, &deviceInfo);
    for (IDeviceModelPlugin* deviceModel : sources.deviceModelPlugins) {
        if (!deviceModel) continue;
        QList<_ST_CT_ELEM_INFO> more;
        deviceModel->GetDeviceInfoTemplates(&more);
        deviceInfo.append(more);
    }

    const QString prefix = Text(sources, IDS_ELEMENT_PREFIX);
    const QStringList& sections = ProfileInnerConst::SectionTagNames();
    const QStringList& parts = ProfileInnerConst::PartTagNames();
    const auto at = [&record](int index) { return record.value(index); };

    XmlNode file = WriteLabelled(prefix, root, sections.at(SECTION_FILE), at(NEW_FILE_SECTION_LABEL));
    WriteOptionalText(prefix, file, QStringLiteral("comment"), at(NEW_FILE_SECTION_COMMENT));
    XmlNode filePart = WriteLabelled(prefix, file, parts.at(PART_FILE_INFO), at(NEW_FILE_INFO_LABEL));
    WriteOptionalText(prefix, filePart, QStringLiteral("label2"), at(NEW_FILE_INFO_LABEL2));
    WriteOptionalText(prefix, filePart, QStringLiteral("comment"), at(NEW_FILE_INFO_COMMENT));
    const QString fileMember = Text(sources, IDS_FILE_INFO_MEMBER);
    for (const _ST_CT_ELEM_INFO& t : fileInfo) WriteTemplateMember(sources, doc, filePart, fileMember, t);

    XmlNode device = WriteLabelled(prefix, root, sections.at(SECTION_DEVICE), at(NEW_DEVICE_SECTION_LABEL));
    WriteOptionalText(prefix, device, QStringLiteral("comment"), at(NEW_DEVICE_SECTION_COMMENT));
    XmlNode devicePart = WriteLabelled(prefix, device, parts.at(PART_DEVICE_INFO), at(NEW_DEVICE_INFO_LABEL));
    WriteOptionalText(prefix, devicePart, QStringLiteral("label2"), at(NEW_DEVICE_INFO_LABEL2));
    WriteOptionalText(prefix, devicePart, QStringLiteral("comment"), at(NEW_DEVICE_INFO_COMMENT));
    const QString deviceMember = Text(sources, IDS_DEVICE_INFO_MEMBER);
    for (const _ST_CT_ELEM_INFO& t : deviceInfo)
        WriteTemplateMember(sources, doc, devicePart, deviceMember, t);
}

void WriteTemplateMember(const NewProfileSources& sources, XmlDocument& doc, XmlNode& partElem,
                         const QString& memberName, const _ST_CT_ELEM_INFO& member) {
    const QString prefix = Text(sources, IDS_ELEMENT_PREFIX);
    XmlNode elem = WriteLabelled(prefix, partElem, memberName, member.label);
    const QStringList& items = ProfileInnerConst::ItemTagNames();
    WriteTemplateItem(sources, doc, elem, items.at(LABEL2), {member.label2});
    WriteTemplateItem(sources, doc, elem, items.at(CATEGORY), {member.category});
    WriteTemplateItem(sources, doc, elem, items.at(NAME), {member.name});
    WriteTemplateItem(sources, doc, elem, items.at(DATATYPE), {member.dataType});
    // One value per DATA string: joined by line feeds they would read back run together, since the
    // reader drops line feeds. A template without DATA still gets its one empty value.
    QStringList data(member.data.begin(), member.data.end());
    if (data.isEmpty()) data.append(QString());
    WriteTemplateItem(sources, doc, elem, items.at(DATA), data);
}

void WriteTemplateItem(const NewProfileSources& sources, XmlDocument& /*doc*/, XmlNode& memberElem,
                       const QString& itemName, const QStringList& texts) {
    const QString prefix = Text(sources, IDS_ELEMENT_PREFIX);
    XmlNode item = memberElem.AppendElement(prefix + itemName);
    for (const QString& text : texts) item.AppendElement(prefix + QStringLiteral("item")).AppendText(text);
}
