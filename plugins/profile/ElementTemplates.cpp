#include "ElementTemplates.h"

namespace PeloraPlugin::Internal {

using PeloraFormat::TemplateData;

QString ElementTemplates::DateText(const QDateTime& when) {
    const QDate d = when.date();
    return QString::asprintf("%04d/%02d/%02d", d.year(), d.month(), d.day());
}

QString ElementTemplates::TimeText(const QDateTime& when) {
    const QTime t = when.time();
    return QString::asprintf("%02d:%02d:%02d", t.hour(), t.minute(), t.second());
}

void ElementTemplates::Fill(const PeloraFormat::FormatSettings& settings,
                            std::span<const PeloraFormat::TemplateSpec> entries, const QDateTime& now,
                            QList<_ST_CT_ELEM_INFO>* out) {
    if (!out) return;
    out->clear();
    for (const PeloraFormat::TemplateSpec& entry : entries) {
        _ST_CT_ELEM_INFO t;
        t.label = QString::fromLatin1(entry.label);
        t.label2 = settings.String(entry.label2Id);
        t.category = settings.String(entry.categoryId);
        t.name = settings.String(entry.nameId);
        t.dataType = QString::fromLatin1(entry.dataType);
        switch (entry.data) {
            case TemplateData::None:
                break;
            case TemplateData::Literal:
                t.data.push_back(QString::fromLatin1(entry.literal));
                break;
            case TemplateData::StringId:
                t.data.push_back(settings.String(entry.dataId));
                break;
            case TemplateData::Date:
                t.data.push_back(DateText(now));
                break;
            case TemplateData::Time:
                t.data.push_back(TimeText(now));
                break;
            case TemplateData::SpecVersion:
                t.data.push_back(QString::fromLatin1(settings.profileSpecVersion));
                break;
        }
        out->append(std::move(t));
    }
}

}  // namespace PeloraPlugin::Internal
