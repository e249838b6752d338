#include "feedback/urlencode.h"

#include "platform/ansicodepage.h"
#include "platform/errors.h"

#include <array>

namespace {
constexpr std::array<bool, 128> makeKeptTable() {
    std::array<bool, 128> table{};
    for (const char16_t* p = kUrlKeptSet; *p; ++p)
        table[*p] = true;
    return table;
}
constexpr std::array<bool, 128> kKept = makeKeptTable();
constexpr char kHex[] = "0123456789ABCDEF";
} // namespace

QString UrlEncodeChars(QStringView text) {
    QString out;
    out.reserve(text.size() * 3);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 128 && kKept[u]) {
            out.append(c);
            continue;
        }
        int code = AnsiCode(c);
        if (code < 0)
            code = '?';
        if (code == ' ') {
            out.append(u'+');
            continue;
        }
        out.append(u'%');
        out.append(QLatin1Char(kHex[code >> 4]));
        out.append(QLatin1Char(kHex[code & 0xF]));
    }
    return out;
}

QString UrlEncodeChecked(QStringView text) {
    if (text.size() > kUrlEncodeMaxLength)
        RaiseOverflow();
    return UrlEncodeChars(text);
}
