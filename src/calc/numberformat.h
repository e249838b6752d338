#pragma once

#include <QChar>
#include <QString>

// The two number styles the user can choose: decimal point ("English") or
// decimal comma ("French"). Typing, parsing and showing all follow the same one.
enum class NumberStyle { Point, Comma };

// `Language` 0 is the point style; any other value counts as the comma style.
NumberStyle StyleFromLanguage(long language);
QChar DecimalSeparator(NumberStyle style);

// True when `text` (surrounding blanks ignored) is a finite decimal number in
// `style`: optional sign, digits, at most one separator with digits on at
// least one side.
bool IsPriceText(const QString& text, NumberStyle style);

// The value of a text IsPriceText accepts. Raises Type mismatch (13) for any
// other text and Overflow (6) when the number is too large for a Double.
double ParsePrice(const QString& text, NumberStyle style);

// Rounds to `places` decimals; an exact tie on the binary value goes to the
// even last digit (2.125 -> 2.12, 2.375 -> 2.38, 2.675 -> 2.67).
double RoundHalfEven(double value, int places);

// Digit-placeholder rendering of the retracement ladder ("####.##"): rounded
// half-even, no leading zero, separator always written, trailing zeros dropped.
QString MaskText(double value, int places, NumberStyle style);

// General rendering: 15 significant digits, positional, trailing zeros and a
// bare separator dropped, 0 before the separator when the whole part is 0.
QString PlainText(double value, NumberStyle style);

// Whether a typed character may reach a price box: digits, the style's
// separator, and backspace.
bool PriceKeyFilter(QChar ch, NumberStyle style);
