#pragma once

#include "calc/numberformat.h"

#include <QString>
#include <array>

// Percentages of the two ladders. Rows run from the 23.6 % level down.
inline constexpr int kRetRows = 5;
inline constexpr int kUpRows = 12;

struct RatioTables {
    std::array<double, kRetRows> RetRatios{};
    std::array<double, kUpRows> UpRatios{};
    std::array<QString, kRetRows> RetCaptions;
    std::array<QString, kUpRows> UpCaptions;
};

// The ratios and their captions ("23.60%" or "23,60%") in `style`. Both
// styles give the same numbers: the comma style reads its fractional ratios
// from comma texts with ParsePrice.
RatioTables BuildRatioTables(NumberStyle style);
