#include "CheckMessageFormatting.h"

#include <QHash>
#include <utility>

#include "CheckFormat.h"
#include "CheckHelpers.h"
#include "FormatMessageText.h"
#include "ProfileInnerConst.h"

QString FormatCheckMessage(const CCheckStringTable& strings, const QStringList& arguments, int messageId) {
    const QString text = strings.Text(messageId);
    if (text.isEmpty() || arguments.size() > kMaxMessageInserts) return QString();
    if (arguments.isEmpty()) return text;
    return FormatMessageText(text, arguments);
}

void FormatCheckMessages(const CheckFormat& format, QList<_ST_PEL_CHECK_MESSAGE>& messages) {
    const QString location = format.strings.Text(41016);
    // Findings of one element and item kind share their location text.
    QHash<std::pair<int, int>, QString> locations;
    for (_ST_PEL_CHECK_MESSAGE& m : messages) {
        auto at = locations.constFind({m.elementIndex, m.itemKind});
        if (at == locations.cend()) {
            at = locations.insert({m.elementIndex, m.itemKind},
                                  FormatMessageText(location, {QString::number(m.elementIndex + 1),
                                                               Internal::ItemKindKeyword(m.itemKind)}));
        }
        const QString& where = *at;
        QStringList inserts{m.sectionLabel, m.partLabel};
        const int id = m.messageId;
        const bool connectionMessage = id >= 40117 && id <= 40121;
        if (id == 40012 || (connectionMessage && format.connectionMessagesWithoutLocation)) {
            // The label or the missing label itself stands at %3.
        } else if (id == 40027 || id == 40089) {
            inserts.append(m.arguments.value(0));
        } else if (id == 40041 || id == 40042) {
            inserts.append(where);
            m.itemKind = MIN_INC;
        } else if (id == 40114) {
            inserts.removeLast();
        } else {
            inserts.append(where);
        }
        inserts.append(m.arguments);
        m.text = FormatCheckMessage(format.strings, inserts, id);
    }
}
