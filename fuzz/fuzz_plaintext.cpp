// PlainText of any finite value is a number that reads back to the same text;
// MaskText reads back to the value rounded to its places.
#include "calc/numberformat.h"
#include "fuzzsupport.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < sizeof(double) + 1)
        return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0;
    const int places = 2 + data[sizeof value] % 4;
    for (NumberStyle style : {NumberStyle::Point, NumberStyle::Comma}) {
        const QString plain = PlainText(value, style);
        FUZZ_REQUIRE(IsPriceText(plain, style));
        FUZZ_REQUIRE(PlainText(ParsePrice(plain, style), style) == plain);

        const QString mask = MaskText(value, places, style);
        const double rounded = RoundHalfEven(value, places);
        if (std::fabs(value) < 1e9) {
            if (mask == QString(DecimalSeparator(style)) || mask == QStringLiteral("-") + DecimalSeparator(style))
                FUZZ_REQUIRE(rounded == 0);
            else
                FUZZ_REQUIRE(ParsePrice(mask, style) == rounded);
            const qsizetype sep = mask.indexOf(DecimalSeparator(style));
            FUZZ_REQUIRE(sep >= 0 && mask.size() - sep - 1 <= places);
        }
    }
    return 0;
}
