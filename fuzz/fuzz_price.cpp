// Whatever IsPriceText accepts, ParsePrice converts without error to a finite number.
#include "calc/numberformat.h"
#include "fuzzsupport.h"
#include "platform/errors.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzText(data, size);
    for (NumberStyle style : {NumberStyle::Point, NumberStyle::Comma}) {
        const bool accepted = IsPriceText(text, style);
        try {
            const double value = ParsePrice(text, style);
            FUZZ_REQUIRE(accepted);
            FUZZ_REQUIRE(std::isfinite(value));
        } catch (const AppError& e) {
            FUZZ_REQUIRE(!accepted);
            FUZZ_REQUIRE(e.Number() == 13 || e.Number() == 6);
        }
    }
    return 0;
}
