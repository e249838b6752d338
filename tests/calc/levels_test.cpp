#include "calc/levels.h"
#include "calc/ratios.h"

#include <gtest/gtest.h>

namespace {

TEST(RatioTables, BothStylesHoldTheSameNumbersAndTheirOwnCaptions) {
    const RatioTables point = BuildRatioTables(NumberStyle::Point);
    const RatioTables comma = BuildRatioTables(NumberStyle::Comma);
    const double expectedUp[kUpRows] = {23.6, 38.2, 50, 61.8, 78.6, 100, 123.6, 138.2, 150, 161.8, 178.6, 200};
    for (int i = 0; i < kUpRows; ++i) {
        EXPECT_EQ(point.UpRatios[i], expectedUp[i]);
        EXPECT_EQ(comma.UpRatios[i], expectedUp[i]);
    }
    for (int i = 0; i < kRetRows; ++i) {
        EXPECT_EQ(point.RetRatios[i], expectedUp[i]);
        EXPECT_EQ(comma.RetRatios[i], point.RetRatios[i]);
    }
    EXPECT_EQ(point.RetCaptions[0], QStringLiteral("23.60%"));
    EXPECT_EQ(point.UpCaptions[11], QStringLiteral("200.00%"));
    EXPECT_EQ(comma.RetCaptions[4], QStringLiteral("78,60%"));
    EXPECT_EQ(comma.UpCaptions[5], QStringLiteral("100,00%"));
    EXPECT_EQ(comma.UpCaptions[11], QStringLiteral("200,00%"));
}

TEST(RetracementLevels, AreMeasuredDownFromTheHigh) {
    const auto ratios = BuildRatioTables(NumberStyle::Point).RetRatios;
    const auto levels = RetracementLevels(110, 10, ratios);
    const char* shown[kRetRows] = {"107.64", "106.18", "105.", "103.82", "102.14"};
    for (int i = 0; i < kRetRows; ++i)
        EXPECT_EQ(MaskText(levels[i], 2, NumberStyle::Point), QString::fromLatin1(shown[i]));
    // Low equal to high: every level is the high.
    for (double level : RetracementLevels(42.5, 0, ratios))
        EXPECT_EQ(level, 42.5);
}

TEST(ProjectionText, DownsideNeverShowsANegativePrice) {
    // High 10, low 0, base 5: 5 - 2.36, 5 - 3.82, 5 - 5, then below zero.
    const auto ratios = BuildRatioTables(NumberStyle::Point).UpRatios;
    const char* expected[kUpRows] = {"2.64", "1.18", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    for (int i = 0; i < kUpRows; ++i)
        EXPECT_EQ(ProjectionText(5, ProjectionOffset(10, ratios[i]), false, 2, NumberStyle::Point),
                  QString::fromLatin1(expected[i]));
    // A difference that rounds to zero is shown as zero, not as a negative zero.
    EXPECT_EQ(ProjectionText(1.001, 1.003, false, 2, NumberStyle::Point), QStringLiteral("0"));
    EXPECT_EQ(ProjectionText(105, 5, true, 2, NumberStyle::Comma), QStringLiteral("110"));
    EXPECT_EQ(ProjectionText(100, 2.36, true, 2, NumberStyle::Comma), QStringLiteral("102,36"));
}

TEST(SwingPoints, RunEvenlyFromTheStartOfTheSwingToItsEnd) {
    const auto up = SwingPoints(120, 90, true);
    EXPECT_EQ(up[0], 90);
    EXPECT_EQ(up[1], 100);
    EXPECT_EQ(up[2], 110);
    EXPECT_EQ(up[3], 120);
    const auto down = SwingPoints(120, 90, false);
    EXPECT_EQ(down[0], 120);
    EXPECT_EQ(down[1], 110);
    EXPECT_EQ(down[2], 100);
    EXPECT_EQ(down[3], 90);
}

TEST(TargetAxisLimits, SpanHighTargetBaseAndTheLaddersBase) {
    AxisLimits l = TargetAxisLimits(110, 100, 105, 110, 105);
    EXPECT_EQ(l.maximum, 110);
    EXPECT_EQ(l.minimum, 100);
    l = TargetAxisLimits(110, 100, 130, 120, 105); // base above everything
    EXPECT_EQ(l.maximum, 130);
    l = TargetAxisLimits(10, 0, 5, 0, 5); // a downside target of 0
    EXPECT_EQ(l.minimum, 0);
    l = TargetAxisLimits(110, 100, 105, 110, 95); // the ladder's base lies lowest
    EXPECT_EQ(l.minimum, 95);
    EXPECT_EQ(ProjectionTarget(105, 5, true), 110);
    EXPECT_EQ(ProjectionTarget(3, 5, false), 2);
}

} // namespace
