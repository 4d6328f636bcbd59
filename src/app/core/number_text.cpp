#include "number_text.h"

#include <QLocale>

#include <cmath>
#include <limits>

double leadingNumber(const QString& text) {
    // Blanks may stand anywhere inside the number, as in the classic Val.
    QString number;
    bool seenDigit = false, seenPoint = false, seenExponent = false;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r') continue;
        const bool digit = c >= u'0' && c <= u'9';
        const bool sign = (c == u'-' || c == u'+') && (number.isEmpty() || number.back() == u'e');
        const bool point = c == u'.' && !seenPoint && !seenExponent;
        const bool exponent = (c == u'e' || c == u'E') && seenDigit && !seenExponent;
        if (!(digit || sign || point || exponent)) break;
        seenDigit |= digit;
        seenPoint |= point;
        seenExponent |= exponent;
        number.append(exponent ? QChar(u'e') : c);
    }
    // A dangling exponent or sign is not part of the number.
    while (!number.isEmpty() && !number.back().isDigit() && number.back() != u'.') number.chop(1);
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    return ok ? value : 0.0;
}

int leadingWholeNumber(const QString& text) {
    using Limits = std::numeric_limits<int>;
    const double value = std::trunc(leadingNumber(text));
    if (std::isnan(value)) return 0;
    if (value >= double(Limits::max())) return Limits::max();
    if (value <= double(Limits::min())) return Limits::min();
    return int(value);
}

QString decimalText(double value) {
    // Qt writes a negative zero, as 0 times -25 gives, as "0".
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}
