#include "calc/ratios.h"

namespace {
// Ratio texts in the point style; whole ratios are entered as numbers.
constexpr const char* kRatioTexts[kUpRows] = {"23.6",  "38.2",  "50",  "61.8",  "78.6",  "100",
                                              "123.6", "138.2", "150", "161.8", "178.6", "200"};
constexpr const char* kPointCaptions[kUpRows] = {
    "23.60%",  "38.20%",  "50.00%",  "61.80%",  "78.60%",  "100.00%",
    "123.60%", "138.20%", "150.00%", "161.80%", "178.60%", "200.00%"};

double ratioValue(int row, NumberStyle style) {
    QString text = QString::fromLatin1(kRatioTexts[row]);
    if (!text.contains(u'.'))
        return text.toInt();
    if (style == NumberStyle::Comma)
        text.replace(u'.', u',');
    return ParsePrice(text, style);
}

QString caption(int row, NumberStyle style) {
    QString text = QString::fromLatin1(kPointCaptions[row]);
    if (style == NumberStyle::Comma)
        text.replace(u'.', u',');
    return text;
}
} // namespace

RatioTables BuildRatioTables(NumberStyle style) {
    RatioTables tables;
    for (int row = 0; row < kRetRows; ++row) {
        tables.RetRatios[row] = ratioValue(row, style);
        tables.RetCaptions[row] = caption(row, style);
    }
    for (int row = 0; row < kUpRows; ++row) {
        tables.UpRatios[row] = ratioValue(row, style);
        tables.UpCaptions[row] = caption(row, style);
    }
    return tables;
}
