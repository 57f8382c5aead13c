#pragma once
// Number readings of check values, as the C library's wcstol/wcstoul/wcstod read them in the "C" locale,
// whatever locale the process runs in (Qt sets it from the environment, and "1,5" must never read
// as a number nor "1.5" as 1). Nothing here throws.

#include <QString>
#include <QtGlobal>

namespace Internal {

struct SignedReading {
    qint64 value = 0;
    int end = 0;            // UTF-16 units consumed; 0 when nothing was converted
    bool overflow = false;  // the value was clamped to the range of the reading
    bool Whole(const QString& text) const { return end == text.size(); }
};

struct UnsignedReading {
    quint64 value = 0;
    int end = 0;
    bool overflow = false;
    bool Whole(const QString& text) const { return end == text.size(); }
};

struct DoubleReading {
    double value = 0.0;
    int end = 0;
    bool overflow = false;  // the magnitude is beyond the double range
    bool Whole(const QString& text) const { return end == text.size(); }
};

// wcstol: leading white space, an optional sign, then digits of the base; base 0 detects "0x"
// (hexadecimal) and a leading "0" (octal). bits is the width of the emulated long (32 or 64).
SignedReading ReadSigned(const QString& text, int base, int bits = 64);

// wcstoul: as ReadSigned, and a minus sign negates the value in the unsigned range.
UnsignedReading ReadUnsigned(const QString& text, int base, int bits = 64);

// wcstod in the "C" locale (decimal and hexadecimal forms, exponents, inf and nan).
DoubleReading ReadDouble(const QString& text);

// Letters compared ignoring case are ASCII letters only: no locale, no Unicode folding.
QChar AsciiLower(QChar c);
QString AsciiLower(const QString& text);
bool AsciiEqualsIgnoreCase(const QString& a, const QString& b);
bool AsciiStartsWithIgnoreCase(const QString& text, const QString& prefix);

}  // namespace Internal
