#include "CheckNumber.h"

#include <algorithm>

#include <locale.h>
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>

namespace Internal {
namespace {

bool IsCSpace(QChar c) {
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

int DigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'z') return u - u'a' + 10;
    if (u >= u'A' && u <= u'Z') return u - u'A' + 10;
    return 99;
}

// The digits of an integer after white space, sign and base prefix; shared by both readings.
struct DigitRun {
    bool negative = false;
    quint64 magnitude = 0;
    bool overflow = false;  // magnitude exceeded the given limit
    int end = 0;
};

DigitRun ReadDigits(const QString& text, int base, quint64 limit) {
    DigitRun run;
    const int n = text.size();
    int i = 0;
    while (i < n && IsCSpace(text[i])) ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        run.negative = text[i] == u'-';
        ++i;
    }
    bool skippedX = false;
    if ((base == 0 || base == 16) && i + 1 < n && text[i] == u'0' &&
        (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
        skippedX = true;
    } else if (base == 0) {
        base = (i < n && text[i] == u'0') ? 8 : 10;
    }
    if (base < 2 || base > 36) return DigitRun{};
    const int first = i;
    for (; i < n; ++i) {
        const int d = DigitValue(text[i]);
        if (d >= base) break;
        if (run.overflow) continue;
        if (run.magnitude > (limit - quint64(d)) / quint64(base)) {
            run.overflow = true;
        } else {
            run.magnitude = run.magnitude * quint64(base) + quint64(d);
        }
    }
    if (i == first) {
        // "0x" without a hexadecimal digit reads as the "0" alone.
        DigitRun none;
        if (skippedX) none.end = first - 1;
        return none;
    }
    run.end = i;
    return run;
}

quint64 UnsignedMax(int bits) {
    return bits >= 64 ? ~quint64(0) : (quint64(1) << bits) - 1;
}

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

}  // namespace

SignedReading ReadSigned(const QString& text, int base, int bits) {
    const quint64 positiveMax = UnsignedMax(bits - 1);
    // The magnitude may reach one more than the positive maximum for the most negative value.
    const DigitRun run = ReadDigits(text, base, positiveMax + 1);
    SignedReading r;
    r.end = run.end;
    if (run.negative) {
        if (run.overflow || run.magnitude > positiveMax + 1) {
            r.overflow = true;
            r.value = -qint64(positiveMax) - 1;
        } else {
            r.value = run.magnitude == positiveMax + 1 ? -qint64(positiveMax) - 1 : -qint64(run.magnitude);
        }
    } else if (run.overflow || run.magnitude > positiveMax) {
        r.overflow = true;
        r.value = qint64(positiveMax);
    } else {
        r.value = qint64(run.magnitude);
    }
    return r;
}

UnsignedReading ReadUnsigned(const QString& text, int base, int bits) {
    const quint64 max = UnsignedMax(bits);
    const DigitRun run = ReadDigits(text, base, max);
    UnsignedReading r;
    r.end = run.end;
    if (run.overflow) {
        r.overflow = true;
        r.value = max;
    } else if (run.negative) {
        r.value = (quint64(0) - run.magnitude) & max;
    } else {
        r.value = run.magnitude;
    }
    return r;
}

DoubleReading ReadDouble(const QString& text) {
    // Only ASCII can be part of a number; the reading stops at the first other character anyway.
    QByteArray ascii;
    ascii.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() == 0 || c.unicode() > 0x7F) break;
        ascii.append(char(c.unicode()));
    }
    DoubleReading r;
    const char* begin = ascii.constData();
    char* stop = nullptr;
    const int savedErrno = errno;
    errno = 0;
    r.value = strtod_l(begin, &stop, CLocale());
    r.overflow = errno == ERANGE && std::isinf(r.value);
    errno = savedErrno;
    r.end = int(stop - begin);
    return r;
}

QChar AsciiLower(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') ? QChar(char16_t(u + (u'a' - u'A'))) : c;
}

QString AsciiLower(const QString& text) {
    auto upper = [](QChar c) { return c.unicode() >= u'A' && c.unicode() <= u'Z'; };
    // A text without capitals is shared, not copied.
    if (std::none_of(text.cbegin(), text.cend(), upper)) return text;
    QString lowered = text;
    for (QChar& c : lowered) c = AsciiLower(c);
    return lowered;
}

bool AsciiEqualsIgnoreCase(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

bool AsciiStartsWithIgnoreCase(const QString& text, const QString& prefix) {
    return text.size() >= prefix.size() && AsciiEqualsIgnoreCase(text.left(prefix.size()), prefix);
}

}  // namespace Internal
