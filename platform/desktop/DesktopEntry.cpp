#include "DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The string-value escapes of the desktop entry format.
QString EscapeStringValue(const QString& text) {
    QString out;
    for (QChar c : text) {
        switch (c.unicode()) {
            case '\\':
                out += QStringLiteral("\\\\");
                break;
            case '\n':
                out += QStringLiteral("\\n");
                break;
            case '\t':
                out += QStringLiteral("\\t");
                break;
            case '\r':
                out += QStringLiteral("\\r");
                break;
            default:
                out += c;
        }
    }
    return out;
}

QString UnescapeStringValue(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const QChar n = text[++i];
        switch (n.unicode()) {
            case 's':
                out += QLatin1Char(' ');
                break;
            case 'n':
                out += QLatin1Char('\n');
                break;
            case 't':
                out += QLatin1Char('\t');
                break;
            case 'r':
                out += QLatin1Char('\r');
                break;
            case '\\':
                out += QLatin1Char('\\');
                break;
            default:  // not a string escape: left for the argument rule
                out += c;
                out += n;
        }
    }
    return out;
}

bool IsBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

}  // namespace

QString DesktopEntry::FormatExecValue(const QString& program) {
    QString quoted = QStringLiteral("\"");
    for (QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%')) quoted += QLatin1Char('%');  // a literal percent is doubled in Exec
        quoted += c;
    }
    quoted += QStringLiteral("\" %f");
    return EscapeStringValue(quoted);
}

QString DesktopEntry::ParseExecProgram(const QString& rawExecValue) {
    const QString value = UnescapeStringValue(rawExecValue);
    qsizetype i = 0;
    while (i < value.size() && IsBlank(value[i])) ++i;
    if (i >= value.size()) return {};
    QString program;
    if (value[i] == QLatin1Char('"')) {
        ++i;
        bool closed = false;
        for (; i < value.size(); ++i) {
            const QChar c = value[i];
            if (c == QLatin1Char('\\') && i + 1 < value.size()) {
                program += value[++i];
            } else if (c == QLatin1Char('"')) {
                closed = true;
                break;
            } else {
                program += c;
            }
        }
        if (!closed) return {};
    } else {
        for (; i < value.size() && !IsBlank(value[i]); ++i) program += value[i];
    }
    program.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return program;
}

QString DesktopEntry::ReadExecProgram(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    bool inEntryGroup = false;
    for (const QByteArray& rawLine : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntryGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inEntryGroup) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed() == QLatin1String("Exec"))
            return ParseExecProgram(line.mid(eq + 1).trimmed());
    }
    return {};
}

bool DesktopEntry::Write(const QString& path, const QString& name, const QString& program,
                         const QStringList& mimeTypes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\n");
    text += QStringLiteral("Name=") + EscapeStringValue(name) + QLatin1Char('\n');
    text += QStringLiteral("Exec=") + FormatExecValue(program) + QLatin1Char('\n');
    text += QStringLiteral("MimeType=") + mimeTypes.join(QLatin1Char(';')) + QStringLiteral(";\n");
    // Listed for opening files only, not in the application menus.
    text += QStringLiteral("NoDisplay=true\n");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
