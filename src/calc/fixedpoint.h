#pragma once

#include <QString>
#include <QtGlobal>

// Money-style fixed point: a 64-bit integer holding the value times 10,000.
using Fixed4 = qint64;

inline constexpr Fixed4 kFixed4Scale = 10000;

// Rounds to four decimal places (half-even on the binary value). Raises
// Overflow (6) when the value does not fit.
Fixed4 Fixed4FromDouble(double value);
double Fixed4ToDouble(Fixed4 value);

// Decimal text with a point, no grouping, no trailing zeros, at most four
// places: 12.5, 1.2346, 98.
QString Fixed4ToText(Fixed4 value);
