#include "ToolbarLayout.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <limits>

namespace {

constexpr int kFormatVersion = 1;
const QString kUserKeyPrefix = QStringLiteral("UserToolBar");

bool IsUserKey(const QString& key) {
    static const QRegularExpression pattern(QStringLiteral("^UserToolBar[1-9][0-9]{0,8}$"));
    return pattern.match(key).hasMatch();
}

}  // namespace

const QString ToolbarLayout::kStandardKey = QStringLiteral("ToolBar");

ToolbarLayout::ToolbarLayout(QList<int> defaultButtons) : m_defaultButtons(std::move(defaultButtons)) {
    Tidy(m_defaultButtons);
    m_bars.append(Bar{kStandardKey, {}, m_defaultButtons});
}

// No separator at either end or beside another, and each command once.
void ToolbarLayout::Tidy(QList<int>& buttons) {
    QList<int> tidy;
    QSet<int> seen;
    for (int id : buttons) {
        if (id == kSeparator) {
            if (!tidy.isEmpty() && tidy.last() != kSeparator) tidy.append(id);
        } else if (!seen.contains(id)) {
            seen.insert(id);
            tidy.append(id);
        }
    }
    if (!tidy.isEmpty() && tidy.last() == kSeparator) tidy.removeLast();
    buttons = tidy;
}

QByteArray ToolbarLayout::Serialize() const {
    QJsonArray bars;
    for (const Bar& bar : m_bars) {
        QJsonObject object{{QStringLiteral("key"), bar.key}};
        if (!bar.IsStandard()) object.insert(QStringLiteral("title"), bar.title);
        QJsonArray buttons;
        for (int id : bar.buttons) buttons.append(id);
        object.insert(QStringLiteral("buttons"), buttons);
        bars.append(object);
    }
    const QJsonObject root{{QStringLiteral("version"), kFormatVersion}, {QStringLiteral("toolbars"), bars}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<ToolbarLayout> ToolbarLayout::Parse(const QByteArray& text, const QList<int>& defaultButtons,
                                                  const std::function<bool(int)>& isKnown) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("version")).toInt(-1) != kFormatVersion ||
        !root.value(QStringLiteral("toolbars")).isArray())
        return std::nullopt;

    ToolbarLayout layout(defaultButtons);
    layout.m_bars.clear();
    QSet<QString> keys;
    for (const QJsonValue& value : root.value(QStringLiteral("toolbars")).toArray()) {
        const QJsonObject object = value.toObject();
        Bar bar;
        bar.key = object.value(QStringLiteral("key")).toString();
        const bool standard = bar.key == kStandardKey;
        if (!value.isObject() || (!standard && !IsUserKey(bar.key)) || keys.contains(bar.key))
            return std::nullopt;
        keys.insert(bar.key);
        if (!standard) {
            bar.title = object.value(QStringLiteral("title")).toString();
            if (bar.title.trimmed().isEmpty() || layout.TitleTaken(bar.title, -1)) return std::nullopt;
        }
        const QJsonValue buttons = object.value(QStringLiteral("buttons"));
        if (!buttons.isArray()) return std::nullopt;
        for (const QJsonValue& button : buttons.toArray()) {
            const double number = button.toDouble();
            if (!button.isDouble() || number < std::numeric_limits<int>::min() ||
                number > std::numeric_limits<int>::max() || static_cast<int>(number) != number)
                return std::nullopt;
            const int id = static_cast<int>(number);
            if (id == kSeparator || (isKnown && isKnown(id))) bar.buttons.append(id);
        }
        Tidy(bar.buttons);
        layout.m_bars.append(bar);
    }
    if (!keys.contains(kStandardKey)) return std::nullopt;
    return layout;
}

bool ToolbarLayout::TitleTaken(const QString& title, int except) const {
    for (int i = 0; i < m_bars.size(); ++i)
        if (i != except && !m_bars[i].IsStandard() &&
            m_bars[i].title.trimmed().compare(title.trimmed(), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool ToolbarLayout::InsertButton(int bar, int index, int command) {
    if (!ValidBar(bar) || index < 0 || index > m_bars[bar].buttons.size() || command < 0) return false;
    const qsizetype present = command == kSeparator ? -1 : m_bars[bar].buttons.indexOf(command);
    if (present >= 0) return MoveButton(bar, static_cast<int>(present), bar, index);
    const QList<int> before = m_bars[bar].buttons;
    m_bars[bar].buttons.insert(index, command);
    Tidy(m_bars[bar].buttons);
    return m_bars[bar].buttons != before;
}

bool ToolbarLayout::RemoveButton(int bar, int index) {
    if (!ValidBar(bar) || index < 0 || index >= m_bars[bar].buttons.size()) return false;
    m_bars[bar].buttons.removeAt(index);
    Tidy(m_bars[bar].buttons);
    return true;
}

bool ToolbarLayout::MoveButton(int fromBar, int fromIndex, int toBar, int toIndex) {
    if (!ValidBar(fromBar) || !ValidBar(toBar) || fromIndex < 0 ||
        fromIndex >= m_bars[fromBar].buttons.size() || toIndex < 0 || toIndex > m_bars[toBar].buttons.size())
        return false;
    const QList<Bar> before = m_bars;
    QList<int>& from = m_bars[fromBar].buttons;
    const int command = from.takeAt(fromIndex);
    if (fromBar == toBar && toIndex > fromIndex) --toIndex;
    QList<int>& to = m_bars[toBar].buttons;
    // The command already on the target toolbar gives way to the one moved there.
    const qsizetype present = command == kSeparator ? -1 : to.indexOf(command);
    if (present >= 0) {
        to.removeAt(present);
        if (present < toIndex) --toIndex;
    }
    to.insert(toIndex, command);
    Tidy(from);
    Tidy(to);
    return m_bars != before;
}

int ToolbarLayout::AddToolbar(const QString& title) {
    if (title.trimmed().isEmpty() || TitleTaken(title, -1)) return -1;
    // The smallest free number, so keys stay short whatever a stored layout held.
    QSet<QString> keys;
    for (const Bar& bar : m_bars) keys.insert(bar.key);
    int number = 1;
    while (keys.contains(kUserKeyPrefix + QString::number(number))) ++number;
    m_bars.append(Bar{kUserKeyPrefix + QString::number(number), title.trimmed(), {}});
    return static_cast<int>(m_bars.size() - 1);
}

bool ToolbarLayout::RenameToolbar(int bar, const QString& title) {
    if (!ValidBar(bar) || m_bars[bar].IsStandard() || title.trimmed().isEmpty() || TitleTaken(title, bar))
        return false;
    m_bars[bar].title = title.trimmed();
    return true;
}

bool ToolbarLayout::DeleteToolbar(int bar) {
    if (!ValidBar(bar) || m_bars[bar].IsStandard()) return false;
    m_bars.removeAt(bar);
    return true;
}

bool ToolbarLayout::ResetToolbar(int bar) {
    if (!ValidBar(bar)) return false;
    const QList<int> buttons = m_bars[bar].IsStandard() ? m_defaultButtons : QList<int>{};
    if (m_bars[bar].buttons == buttons) return false;
    m_bars[bar].buttons = buttons;
    return true;
}
