#include "calc/fixedpoint.h"

#include "calc/numberformat.h"
#include "platform/errors.h"

#include <cmath>

Fixed4 Fixed4FromDouble(double value) {
    const double scaled = std::nearbyint(RoundHalfEven(value, 4) * kFixed4Scale);
    // 922,337,203,685,477.5807 is the largest value the type holds.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2233720368547758e18)
        RaiseOverflow();
    return static_cast<Fixed4>(scaled);
}

double Fixed4ToDouble(Fixed4 value) {
    // Exact for the whole part; the division gives the nearest double.
    return static_cast<double>(value) / kFixed4Scale;
}

QString Fixed4ToText(Fixed4 value) {
    const bool negative = value < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(value) : quint64(value);
    QString text = QString::number(magnitude / kFixed4Scale);
    QString fraction = QStringLiteral("%1").arg(magnitude % kFixed4Scale, 4, 10, QLatin1Char('0'));
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return negative ? u'-' + text : text;
}
