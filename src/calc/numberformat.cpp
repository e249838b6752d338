#include "calc/numberformat.h"

#include "platform/errors.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace {

enum class ParseStatus { Ok, NotANumber, Overflow };

struct Parsed {
    ParseStatus status = ParseStatus::NotANumber;
    double value = 0.0;
};

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Reads the text strictly; never falls back to a leading part of it.
Parsed parse(const QString& text, NumberStyle style) {
    const QChar sep = DecimalSeparator(style);
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    bool negative = false;
    if (begin < end && (text[begin] == u'+' || text[begin] == u'-')) {
        negative = text[begin] == u'-';
        ++begin;
    }

    std::string whole, fraction;
    bool seenSeparator = false;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            (seenSeparator ? fraction : whole).push_back(char(c.unicode()));
        } else if (c == sep && !seenSeparator) {
            seenSeparator = true;
        } else {
            return {};
        }
    }
    if (whole.empty() && fraction.empty())
        return {};

    std::string digits = (whole.empty() ? std::string("0") : whole) + "." +
                         (fraction.empty() ? std::string("0") : fraction);
    double value = 0.0;
    const auto [ptr, ec] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value,
                        std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Too many whole digits overflow; a vanishing fraction is simply zero.
        const auto firstNonZero = whole.find_first_not_of('0');
        if (firstNonZero != std::string::npos && whole.size() - firstNonZero > 300)
            return {ParseStatus::Overflow, 0.0};
        value = 0.0;
    } else if (ec != std::errc() || ptr != digits.data() + digits.size()) {
        return {};
    }
    if (!std::isfinite(value))
        return {ParseStatus::Overflow, 0.0};
    return {ParseStatus::Ok, negative ? -value : value};
}

constexpr std::uint64_t kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// |value| * 10^places rounded half-even, computed exactly on the binary value.
// Returns false when |value| is so large that it has no fraction to round.
bool scaledHalfEven(double magnitude, int places, unsigned __int128& scaled) {
    int exponent = 0;
    const double mantissa = std::frexp(magnitude, &exponent); // magnitude = mantissa * 2^exponent
    const auto m = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    const int shift = 53 - exponent; // magnitude = m / 2^shift
    if (shift <= 0)
        return false;
    const unsigned __int128 numerator = static_cast<unsigned __int128>(m) * kPowersOfTen[places];
    if (shift >= 127) {
        scaled = 0; // below half of the last place
        return true;
    }
    const unsigned __int128 one = 1;
    unsigned __int128 quotient = numerator >> shift;
    const unsigned __int128 remainder = numerator & ((one << shift) - 1);
    const unsigned __int128 half = one << (shift - 1);
    if (remainder > half || (remainder == half && (quotient & 1)))
        ++quotient;
    scaled = quotient;
    return true;
}

std::string integerText(unsigned __int128 v) {
    if (v == 0)
        return "0";
    std::string s;
    while (v > 0) {
        s.insert(s.begin(), char('0' + int(v % 10)));
        v /= 10;
    }
    return s;
}

int clampPlaces(int places) { return places < 0 ? 0 : (places > 6 ? 6 : places); }

} // namespace

NumberStyle StyleFromLanguage(long language) {
    return language == 0 ? NumberStyle::Point : NumberStyle::Comma;
}

QChar DecimalSeparator(NumberStyle style) { return style == NumberStyle::Point ? u'.' : u','; }

bool IsPriceText(const QString& text, NumberStyle style) {
    return parse(text, style).status == ParseStatus::Ok;
}

double ParsePrice(const QString& text, NumberStyle style) {
    const Parsed p = parse(text, style);
    if (p.status == ParseStatus::Overflow)
        RaiseOverflow();
    if (p.status != ParseStatus::Ok)
        RaiseTypeMismatch();
    return p.value;
}

double RoundHalfEven(double value, int places) {
    if (!std::isfinite(value) || value == 0.0)
        return value;
    places = clampPlaces(places);
    unsigned __int128 scaled = 0;
    if (!scaledHalfEven(std::fabs(value), places, scaled))
        return value;
    const double rounded = static_cast<double>(scaled) / static_cast<double>(kPowersOfTen[places]);
    return value < 0 ? -rounded : rounded;
}

QString MaskText(double value, int places, NumberStyle style) {
    places = clampPlaces(places);
    const bool negative = value < 0;
    std::string whole, fraction;
    unsigned __int128 scaled = 0;
    if (std::isfinite(value) && scaledHalfEven(std::fabs(value), places, scaled)) {
        whole = integerText(scaled / kPowersOfTen[places]);
        fraction = integerText(scaled % kPowersOfTen[places]);
        fraction.insert(0, std::size_t(places) - fraction.size(), '0');
    } else {
        char buffer[400];
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                     std::chars_format::fixed, 0);
        whole.assign(buffer, r.ptr);
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (whole == "0")
        whole.clear();
    QString text;
    if (negative && (!whole.empty() || !fraction.empty()))
        text += u'-';
    text += QString::fromStdString(whole);
    text += DecimalSeparator(style);
    text += QString::fromStdString(fraction);
    return text;
}

QString PlainText(double value, NumberStyle style) {
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0.0)
        return QStringLiteral("0");
    // d.dddddddddddddde±X: fifteen significant digits, correctly rounded.
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                 std::chars_format::scientific, 14);
    const std::string sci(buffer, r.ptr);
    const auto ePos = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);
    const int exponent = std::stoi(sci.substr(ePos + 1));
    // Near the largest Double, rounding up would write a number too large to
    // read back; the fifteen digits then stop at the largest that fits.
    if (exponent == 308 && digits > "179769313486231")
        digits = "179769313486231";
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string whole, fraction;
    const int wholeDigits = exponent + 1;
    if (wholeDigits <= 0) {
        whole = "0";
        fraction = std::string(std::size_t(-wholeDigits), '0') + digits;
    } else if (std::size_t(wholeDigits) >= digits.size()) {
        whole = digits + std::string(std::size_t(wholeDigits) - digits.size(), '0');
    } else {
        whole = digits.substr(0, std::size_t(wholeDigits));
        fraction = digits.substr(std::size_t(wholeDigits));
    }
    QString text;
    if (value < 0)
        text += u'-';
    text += QString::fromStdString(whole);
    if (!fraction.empty()) {
        text += DecimalSeparator(style);
        text += QString::fromStdString(fraction);
    }
    return text;
}

bool PriceKeyFilter(QChar ch, NumberStyle style) {
    if (ch == QChar(8))
        return true;
    if (ch >= u'0' && ch <= u'9')
        return true;
    return ch == DecimalSeparator(style);
}
