#include "PasteCellText.h"

#include "CPELFM_ElemInfo.h"
#include "CPELFM_PartInfo.h"
#include "CPELFM_SectionInfo.h"

namespace Internal {

QList<QStringList> SplitCellBlock(const QString& blockText, int rows, int columns) {
    const QStringList rowTexts = blockText.split(QLatin1Char('\f'));
    QList<QStringList> block;
    for (int r = 0; r < rows; ++r) {
        const QStringList cells = r < rowTexts.size() ? rowTexts[r].split(QLatin1Char('\t')) : QStringList();
        QStringList row;
        for (int c = 0; c < columns; ++c) {
            QString cell = c < cells.size() ? cells[c] : QString();
            cell.replace(QLatin1Char('\v'), QStringLiteral("\r\n"));
            row.append(cell);
        }
        block.append(row);
    }
    return block;
}

QString ShortenReferenceForCell(const QString& text, const CPELFM_PartInfo& part,
                                const CPELFM_ElemInfo* elem) {
    static const QString kEnumPrefix = QStringLiteral("ENUM ");
    const bool isEnum = text.startsWith(kEnumPrefix);
    QString body = isEnum ? text.mid(kEnumPrefix.size()) : text;
    // Drops the first segment when it names the target and is not the last one.
    auto dropLeading = [&body](const QString& name) {
        const qsizetype dot = body.indexOf(QLatin1Char('.'));
        if (dot < 0 || body.left(dot).compare(name, Qt::CaseInsensitive) != 0) return false;
        body = body.mid(dot + 1);
        return true;
    };
    if (part.ownerSection && dropLeading(part.ownerSection->name) && dropLeading(part.name) && elem)
        dropLeading(elem->label);
    return isEnum ? kEnumPrefix + body : body;
}

}  // namespace Internal
