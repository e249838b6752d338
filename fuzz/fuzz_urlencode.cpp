// URLEncode writes only kept characters, "+" and "%XX".
#include "feedback/urlencode.h"
#include "fuzzsupport.h"

namespace {
bool kept(QChar c) {
    for (const char16_t* k = kUrlKeptSet; *k; ++k)
        if (c == QChar(*k))
            return true;
    return false;
}
bool hexDigit(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'); }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzText(data, size);
    const QString encoded = UrlEncodeChars(text);
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const QChar c = encoded[i];
        if (c == u'%') {
            FUZZ_REQUIRE(i + 2 < encoded.size());
            FUZZ_REQUIRE(hexDigit(encoded[i + 1]) && hexDigit(encoded[i + 2]));
            i += 2;
        } else {
            FUZZ_REQUIRE(c == u'+' || kept(c));
        }
    }
    // One character in gives one to three out.
    FUZZ_REQUIRE(encoded.size() >= text.size() && encoded.size() <= 3 * text.size());
    return 0;
}
