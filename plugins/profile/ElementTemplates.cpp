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
                            std::span<const PeloraFormat::TemplateSpec> specs, const QDateTime& now,
                            QList<_ST_CT_ELEM_INFO>* out) {
    if (!out) return;
    out->clear();
    for (const PeloraFormat::TemplateSpec& spec : specs) {
        _ST_CT_ELEM_INFO t;
        t.label = QString::fromLatin1(spec.label);
        t.label2 = settings.String(spec.label2Id);
        t.category = settings.String(spec.categoryId);
        t.name = settings.String(spec.nameId);
        t.dataType = QString::fromLatin1(spec.dataType);
        switch (spec.data) {
            case TemplateData::None:
                break;
            case TemplateData::Literal:
                t.data.push_back(QString::fromLatin1(spec.literal));
                break;
            case TemplateData::StringId:
                t.data.push_back(settings.String(spec.dataId));
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
