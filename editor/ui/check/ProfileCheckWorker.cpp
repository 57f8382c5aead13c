#include "ProfileCheckWorker.h"

#include <QThread>
#include <exception>

#include "CPELFM_ElemInfo.h"
#include "CPELFM_ItemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_ProfileInfo.h"
#include "CPELFM_SectionInfo.h"
#include "CheckEvents.h"
#include "CheckProgressPoster.h"
#include "CommandIds.h"
#include "IDeviceModelPlugin.h"
#include "IProfilePlugin.h"
#include "IStringSource.h"
#include "MenuText.h"
#include "PELFMExceptions.h"
#include "ProfileCheckJob.h"
#include "ResourceMessage.h"

namespace {

const QString kCommIfTypeLabel = QStringLiteral("CommIFTypeID");

_ST_PEL_CHECK_MESSAGE MakeError(int id, const QString& text, const QString& section, const QString& part) {
    _ST_PEL_CHECK_MESSAGE finding;
    finding.messageId = id;
    finding.text = text;
    finding.sectionLabel = section;
    finding.partLabel = part;
    finding.level = 0;
    return finding;
}

QString Format(const ProfileCheckJob& job, const QStringList& inserts, int id) {
    return job.strings ? FormatResourceMessage(*job.strings, inserts, id) : QString();
}

bool ClaimedByDeviceModel(const ProfileCheckJob& job, const QString& typeId) {
    for (IDeviceModelPlugin* plugin : job.deviceModelPlugins)
        if (plugin && plugin->IsOwnDeviceModelName(typeId) == 1) return true;
    return false;
}

void CheckCommIfTypes(const ProfileCheckJob& job, QList<_ST_PEL_CHECK_MESSAGE>& messages) {
    QList<CPELFM_SectionInfo*> sections;
    job.root->GetSectionsByType(sections, SECTION_COMM_IF);
    for (CPELFM_SectionInfo* section : sections) {
        QList<CPELFM_PartInfo*> parts;
        section->GetPartsByType(parts, PART_COMM_IF_INFO);
        for (CPELFM_PartInfo* part : parts) {
            CPELFM_ElemInfo* elem = part->FindElemByLabel(kCommIfTypeLabel);
            if (!elem) continue;
            const int itemIndex = elem->FindItemIndex(DATA);
            if (itemIndex < 0) continue;
            const CPELFM_ItemInfo* item = elem->items.at(itemIndex);
            // A DATA item without values names no type, so no device model can claim it.
            const QString typeId = item->values.isEmpty() ? QString() : item->values.first().text;
            if (ClaimedByDeviceModel(job, typeId)) continue;
            // The element's position in its part is the row index the plug-in check stores.
            const int elementNumber = static_cast<int>(part->Elems().indexOf(elem));
            _ST_PEL_CHECK_MESSAGE finding =
                MakeError(IDS_CHECK_UNCLAIMED_COMM_IF_TYPE,
                          Format(job,
                                 {section->name, part->name, QString::number(elementNumber + 1),
                                  GetItemTypeName(item->itemType)},
                                 IDS_CHECK_UNCLAIMED_COMM_IF_TYPE),
                          section->name, part->name);
            finding.elementIndex = elementNumber;
            finding.itemKind = item->itemType;
            messages.append(finding);
        }
    }
}

void CheckReservedWords(const ProfileCheckJob& job, QList<_ST_PEL_CHECK_MESSAGE>& messages) {
    for (const CPELFM_SectionInfo* section : std::as_const(job.root->sections)) {
        if (job.validateName && job.validateName(section->name) == LABEL_RESERVED_WORD)
            messages.append(
                MakeError(IDS_CHECK_RESERVED_SECTION_NAME,
                          Format(job, {section->name, section->name}, IDS_CHECK_RESERVED_SECTION_NAME),
                          section->name, QString()));
        for (const CPELFM_PartInfo* part : section->parts) {
            if (job.validateName && job.validateName(part->name) == LABEL_RESERVED_WORD)
                messages.append(MakeError(
                    IDS_CHECK_RESERVED_PART_NAME,
                    Format(job, {section->name, part->name, part->name}, IDS_CHECK_RESERVED_PART_NAME),
                    section->name, part->name));
            if (job.validatePartLabel2 && job.validatePartLabel2(part->label2) == LABEL_RESERVED_WORD)
                messages.append(MakeError(
                    IDS_CHECK_RESERVED_PART_LABEL2,
                    Format(job, {section->name, part->name, part->label2}, IDS_CHECK_RESERVED_PART_LABEL2),
                    section->name, part->name));
        }
    }
}

bool HasError(const QList<_ST_PEL_CHECK_MESSAGE>& messages) {
    for (const _ST_PEL_CHECK_MESSAGE& finding : messages)
        if (finding.level == 0) return true;
    return false;
}

void CheckWithDeviceModels(const ProfileCheckJob& job, QList<_ST_PEL_CHECK_MESSAGE>& messages) {
    for (IDeviceModelPlugin* plugin : job.deviceModelPlugins) {
        if (!plugin) continue;
        QList<_ST_PEL_CHECK_MESSAGE> own;
        plugin->CheckProfile(own, job.root);
        messages.append(own);
    }
}

void RunChecks(const ProfileCheckJob& job, QList<_ST_PEL_CHECK_MESSAGE>& messages, QObject* dialog) {
    messages.clear();
    if (!job.root) return;
    // Loading may take as long as the checks: the bar moves with the parts.
    PostCheckEvent(dialog, WM_PROGRESS_STAGE, CHECK_STAGE_LOADING);
    int shown = 0;
    EnsureAllPartsLoaded(*job.root, [dialog, &shown](qsizetype loaded, qsizetype count) {
        PostProgressShare(dialog, loaded, count, shown);
    });
    PostCheckEvent(dialog, WM_PROGRESS_STAGE, CHECK_STAGE_CHECKING);
    PostCheckEvent(dialog, WM_CHECK_PROGRESS, 0);
    if (job.profilePlugin) {
        CheckProgressPoster progress(dialog);
        job.profilePlugin->CheckProfile(dialog ? &progress : nullptr, job.root, messages);
    }
    CheckCommIfTypes(job, messages);
    CheckReservedWords(job, messages);
    if (!HasError(messages)) CheckWithDeviceModels(job, messages);
}

QString CheckFailureText(const ProfileCheckJob& job, const QString& reason) {
    const QString operation = job.strings ? CheckOperationName(*job.strings) : QString();
    return Format(job, {operation, reason}, IDS_OPERATION_FAILED);
}

}  // namespace

QString CheckOperationName(const IStringSource& strings) {
    return MenuText::Label(strings.LoadString(ID_FILE_CHECK)).remove(QLatin1Char('&'));
}

void EnsureAllPartsLoaded(CPELFM_ProfileInfo& root,
                          const std::function<void(qsizetype loaded, qsizetype count)>& progress) {
    QList<CPELFM_PartInfo*> unloaded;
    for (const CPELFM_SectionInfo* section : std::as_const(root.sections))
        for (CPELFM_PartInfo* part : section->parts)
            if (!part->loaded) unloaded.append(part);
    for (qsizetype i = 0; i < unloaded.size(); ++i) {
        unloaded[i]->EnsureLoaded();
        if (progress) progress(i + 1, unloaded.size());
    }
}

CheckFindingCounts CountCheckFindings(const QList<_ST_PEL_CHECK_MESSAGE>& messages) {
    CheckFindingCounts counts;
    for (const _ST_PEL_CHECK_MESSAGE& finding : messages) {
        if (finding.level == 0) ++counts.errors;
        if (finding.level == 1) ++counts.warnings;
    }
    return counts;
}

void ProfileCheckWorker(const ProfileCheckJob& job, QList<_ST_PEL_CHECK_MESSAGE>& messages, QObject* dialog) {
    PostCheckEvent(dialog, WM_CHECK_SHOW);
    PostCheckEvent(dialog, WM_CHECK_PROGRESS_RANGE, kCheckProgressScale);
    QString failure;
    try {
        RunChecks(job, messages, dialog);
    } catch (const CPELFM_ExceptionBase& error) {
        failure = QStringLiteral("0x%1").arg(error.code, 0, 16);
    } catch (const std::exception& error) {
        failure = QString::fromLocal8Bit(error.what());
    } catch (...) {
        failure = QStringLiteral("?");
    }
    if (!failure.isNull())
        messages.append(
            MakeError(IDS_OPERATION_FAILED, CheckFailureText(job, failure), QString(), QString()));
    PostCheckEvent(dialog, WM_CHECK_PROGRESS, kCheckProgressScale);
    if (job.finishPauseMs > 0) QThread::msleep(static_cast<unsigned long>(job.finishPauseMs));
    PostCheckEvent(dialog, WM_CHECK_FINISHED);
}
