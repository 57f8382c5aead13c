#include "NodeTextRules.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "CCommonUtility.h"

namespace NodeTextRules {

bool HasNonAsciiChar(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 127) return true;
    return false;
}

QString InvalidTextEntry(const CCommonUtility& utility, int result, const QString& text) {
    int reason = 0;
    switch (result) {
        case 2:
            reason = 121;
            break;
        case 3:
            reason = 126;
            break;
        case 4:
            reason = 127;
            break;
        default:
            return {};
    }
    return utility.LoadString(109) + utility.LoadString(reason) + text + "\n";
}

bool ParseElemCount(const QString& text, int& count) {
    const QByteArray bytes = text.toLatin1();
    if (bytes.isEmpty() || HasNonAsciiChar(text)) return false;
    const char* begin = bytes.constData();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 0);
    if (end == begin || *end != '\0' || errno == ERANGE) return false;
    if (value < 0 || value > INT_MAX) return false;
    count = static_cast<int>(value);
    return true;
}

QString UniqueChildName(const CCommonUtility& utility, const QString& base, const CPELFM_NodeBase* parent) {
    if (utility.ValidateNodeName(base, parent) == 0) return base;
    // A base the label rules refuse never becomes valid by a number; give up instead of looping.
    for (int n = 1; n <= 100000; ++n) {
        const QString name = base + QString::number(n);
        if (utility.ValidateNodeName(name, parent) == 0) return name;
    }
    return {};
}

}  // namespace NodeTextRules
