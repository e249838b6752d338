#include "calc/levels.h"

#include <cmath>

std::array<double, kRetRows> RetracementLevels(double high, double range,
                                               const std::array<double, kRetRows>& ratios) {
    std::array<double, kRetRows> levels{};
    for (int i = 0; i < kRetRows; ++i)
        levels[i] = std::fabs(high - (range * ratios[i]) / 100);
    return levels;
}

double ProjectionTarget(double base, double offset, bool upside) {
    return upside ? base + offset : std::fabs(base - offset);
}

QString ProjectionText(double base, double offset, bool upside, int decimals, NumberStyle style) {
    if (upside)
        return PlainText(std::fabs(RoundHalfEven(base + offset, decimals)), style);
    const QString text = PlainText(RoundHalfEven(base - offset, decimals), style);
    // The shown text, read back, decides: a price below zero shows as 0.
    if (ParsePrice(text, style) < 0)
        return QStringLiteral("0");
    return text;
}

std::array<double, 4> SwingPoints(double high, double low, bool uptrend) {
    const double swing = high - low;
    if (uptrend)
        return {low, low + swing / 3, low + 2 * swing / 3, high};
    return {high, low + 2 * swing / 3, low + swing / 3, low};
}

AxisLimits TargetAxisLimits(double high, double low, double base, double target, double basePrice) {
    AxisLimits limits;
    limits.maximum = high > target ? high : target;
    if (base > limits.maximum)
        limits.maximum = base;
    limits.minimum = base < target ? base : target;
    if (low < limits.minimum)
        limits.minimum = low;
    if (basePrice < limits.minimum)
        limits.minimum = basePrice;
    return limits;
}
