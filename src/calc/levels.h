#pragma once

#include "calc/numberformat.h"
#include "calc/ratios.h"

#include <QString>
#include <array>

// Retracement level of every row, each measured down from the high:
// |high - (range * ratio) / 100|, in exactly that order of operations.
std::array<double, kRetRows> RetracementLevels(double high, double range,
                                               const std::array<double, kRetRows>& ratios);

// Distance of a projection row from its base: (range * ratio) / 100.
inline double ProjectionOffset(double range, double ratio) { return (range * ratio) / 100; }

// Selected target from a base: up by the row's offset, or down as a distance.
double ProjectionTarget(double base, double offset, bool upside);

// Text of one projection row. Upside rows show the absolute rounded price;
// downside rows never show a price below zero ("0" instead).
QString ProjectionText(double base, double offset, bool upside, int decimals, NumberStyle style);

// The four points of a swing from its start to its end, evenly spaced: an
// uptrend runs from the low to the high, a downtrend from the high to the low.
std::array<double, 4> SwingPoints(double high, double low, bool uptrend);

struct AxisLimits {
    double maximum = 0.0;
    double minimum = 0.0;
};

// Value-axis range of the target chart: the largest of high, target and base,
// down to the smallest of base, target, low and the ladder's base price.
AxisLimits TargetAxisLimits(double high, double low, double base, double target, double basePrice);
