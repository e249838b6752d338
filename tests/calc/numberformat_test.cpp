#include "calc/numberformat.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <limits>

namespace {

struct TextCase {
    const char* text;
    NumberStyle style;
    bool isNumber;
    double value;
};

const TextCase kTexts[] = {
    {"12.5", NumberStyle::Point, true, 12.5},
    {"12.", NumberStyle::Point, true, 12.0},
    {".5", NumberStyle::Point, true, 0.5},
    {"  7.25 ", NumberStyle::Point, true, 7.25},
    {"-3.1", NumberStyle::Point, true, -3.1},
    {"+4", NumberStyle::Point, true, 4.0},
    {"007", NumberStyle::Point, true, 7.0},
    {"0.1", NumberStyle::Point, true, 0.1},
    {".", NumberStyle::Point, false, 0},
    {"", NumberStyle::Point, false, 0},
    {"   ", NumberStyle::Point, false, 0},
    {"1.2.3", NumberStyle::Point, false, 0},
    {"12.3.4", NumberStyle::Point, false, 0},
    {"12,5", NumberStyle::Point, false, 0},
    {"1e5", NumberStyle::Point, false, 0},
    {"12a", NumberStyle::Point, false, 0},
    {"1 2", NumberStyle::Point, false, 0},
    {"-", NumberStyle::Point, false, 0},
    {"--1", NumberStyle::Point, false, 0},
    {"12,5", NumberStyle::Comma, true, 12.5},
    {",5", NumberStyle::Comma, true, 0.5},
    {"12,", NumberStyle::Comma, true, 12.0},
    {"1234,50", NumberStyle::Comma, true, 1234.5},
    {"12.5", NumberStyle::Comma, false, 0},
    {",", NumberStyle::Comma, false, 0},
    {"1,2,3", NumberStyle::Comma, false, 0},
};

TEST(PriceText, AcceptsExactlyTheNumbersOfTheStyle) {
    for (const auto& c : kTexts) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(IsPriceText(text, c.style), c.isNumber);
        if (c.isNumber) {
            EXPECT_EQ(ParsePrice(text, c.style), c.value);
        } else {
            try {
                ParsePrice(text, c.style);
                ADD_FAILURE() << "converted a text that is no number";
            } catch (const AppError& e) {
                EXPECT_EQ(e.Number(), 13);
                EXPECT_EQ(e.Description(), QStringLiteral("Type mismatch"));
            }
        }
    }
}

TEST(PriceText, TooLargeANumberIsAnOverflowNotANumber) {
    const QString huge = QStringLiteral("1") + QString(400, u'0');
    EXPECT_FALSE(IsPriceText(huge, NumberStyle::Point));
    try {
        ParsePrice(huge, NumberStyle::Point);
        ADD_FAILURE() << "no overflow";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), 6);
    }
    // A vanishing fraction is simply a small number.
    const QString tiny = QStringLiteral("0.") + QString(400, u'0') + u'1';
    EXPECT_TRUE(IsPriceText(tiny, NumberStyle::Point));
    EXPECT_EQ(ParsePrice(tiny, NumberStyle::Point), 0.0);
}

TEST(PriceText, IgnoresTheSystemLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(ParsePrice(QStringLiteral("12.5"), NumberStyle::Point), 12.5);
    EXPECT_FALSE(IsPriceText(QStringLiteral("12,5"), NumberStyle::Point));
    EXPECT_EQ(PlainText(12.5, NumberStyle::Point), QStringLiteral("12.5"));
    QLocale::setDefault(saved);
}

struct RoundCase {
    double value;
    int places;
    double expected;
};

TEST(RoundHalfEven, ExactTiesGoToTheEvenDigitOthersToTheNearer) {
    const RoundCase cases[] = {
        {2.125, 2, 2.12},     {2.375, 2, 2.38},   {2.675, 2, 2.67},    {12.125, 2, 12.12},
        {12.375, 2, 12.38},   {1.03125, 4, 1.0312}, {1.03125, 3, 1.031}, {0.015625, 5, 0.01562},
        {0.046875, 5, 0.04688}, {1.23456, 4, 1.2346}, {107.64, 2, 107.64}, {-2.125, 2, -2.12},
        {-2.375, 2, -2.38},   {105, 2, 105},      {0.004, 2, 0},       {0.005, 2, 0.01},
        {1e15 + 0.5, 2, 1e15 + 0.5}, {99.999, 2, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " to " << c.places);
        EXPECT_EQ(RoundHalfEven(c.value, c.places), c.expected);
    }
}

struct MaskCase {
    double value;
    int places;
    NumberStyle style;
    const char* shown;
};

TEST(MaskText, WritesDigitPlaceholders) {
    const MaskCase cases[] = {
        {12.5, 2, NumberStyle::Point, "12.5"},
        {12, 2, NumberStyle::Point, "12."},
        {0.25, 2, NumberStyle::Point, ".25"},
        {1234.567, 2, NumberStyle::Point, "1234.57"},
        {12.125, 2, NumberStyle::Point, "12.12"},
        {12.375, 2, NumberStyle::Point, "12.38"},
        {50, 2, NumberStyle::Point, "50."},
        {0.5, 3, NumberStyle::Point, ".5"},
        {1.234567, 5, NumberStyle::Point, "1.23457"},
        {1.2, 5, NumberStyle::Point, "1.2"},
        {123456789.25, 2, NumberStyle::Point, "123456789.25"},
        {107.63999999999999, 2, NumberStyle::Point, "107.64"},
        {0, 2, NumberStyle::Point, "."},
        {12.5, 2, NumberStyle::Comma, "12,5"},
        {50, 2, NumberStyle::Comma, "50,"},
        {0.5, 3, NumberStyle::Comma, ",5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(MaskText(c.value, c.places, c.style), QString::fromLatin1(c.shown));
    }
}

struct PlainCase {
    double value;
    NumberStyle style;
    const char* shown;
};

TEST(PlainText, ShortestPositionalFormOfFifteenDigits) {
    const PlainCase cases[] = {
        {12.5, NumberStyle::Point, "12.5"},
        {12, NumberStyle::Point, "12"},
        {0.25, NumberStyle::Point, "0.25"},
        {-3.1, NumberStyle::Point, "-3.1"},
        {0.5, NumberStyle::Point, "0.5"},
        {50, NumberStyle::Point, "50"},
        {0, NumberStyle::Point, "0"},
        {0.1 + 0.2, NumberStyle::Point, "0.3"},
        {1.0 / 3, NumberStyle::Point, "0.333333333333333"},
        {100 + 10.0 / 3, NumberStyle::Point, "103.333333333333"},
        {1e20, NumberStyle::Point, "100000000000000000000"},
        {1.5e-7, NumberStyle::Point, "0.00000015"},
        {1234.5, NumberStyle::Comma, "1234,5"},
        {-0.25, NumberStyle::Comma, "-0,25"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(PlainText(c.value, c.style), QString::fromLatin1(c.shown));
    }
}

TEST(PlainText, ReadsBackAsTheSameText) {
    const double values[] = {105.5, 0.0001, 98765.4321, 1e-300, 1e300, 123456789012345.0,
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
    for (double v : values) {
        for (NumberStyle style : {NumberStyle::Point, NumberStyle::Comma}) {
            const QString text = PlainText(v, style);
            ASSERT_TRUE(IsPriceText(text, style)) << text.toStdString();
            EXPECT_EQ(PlainText(ParsePrice(text, style), style), text);
        }
    }
}

TEST(PriceKeyFilter, LetsThroughDigitsTheStylesSeparatorAndBackspace) {
    const QString digits = QStringLiteral("0123456789");
    for (QChar c : digits) {
        EXPECT_TRUE(PriceKeyFilter(c, NumberStyle::Point));
        EXPECT_TRUE(PriceKeyFilter(c, NumberStyle::Comma));
    }
    EXPECT_TRUE(PriceKeyFilter(u'.', NumberStyle::Point));
    EXPECT_FALSE(PriceKeyFilter(u',', NumberStyle::Point));
    EXPECT_TRUE(PriceKeyFilter(u',', NumberStyle::Comma));
    EXPECT_FALSE(PriceKeyFilter(u'.', NumberStyle::Comma));
    for (NumberStyle style : {NumberStyle::Point, NumberStyle::Comma}) {
        EXPECT_TRUE(PriceKeyFilter(QChar(8), style));
        for (QChar c : QStringLiteral("-+ aZe\r\n\t\x1b%$"))
            EXPECT_FALSE(PriceKeyFilter(c, style)) << int(c.unicode());
        EXPECT_FALSE(PriceKeyFilter(QChar(13), style));
        EXPECT_FALSE(PriceKeyFilter(QChar(0x0661), style)); // Arabic-Indic digit one
    }
}

} // namespace
