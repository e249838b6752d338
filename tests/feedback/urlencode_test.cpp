#include "feedback/feedbackurl.h"
#include "feedback/urlencode.h"
#include "platform/ansicodepage.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

namespace {

struct EncodeCase {
    const char16_t* raw;
    const char* encoded;
};

TEST(UrlEncodeChars, writes_each_character_as_the_request_expects) {
    const EncodeCase cases[] = {
        {u"", ""},
        {u"1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz:/.?=_-$(){}~&",
         "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz:/.?=_-$(){}~&"},
        {u"a b", "a+b"},
        {u"\r\n", "%0D%0A"},
        {u"\t", "%09"},
        {u"@", "%40"},
        {u",", "%2C"},
        {u"%", "%25"},
        {u"+", "%2B"},
        {u"#", "%23"},
        {u"\"'<>;!*", "%22%27%3C%3E%3B%21%2A"},
        {u"[]|\\^`", "%5B%5D%7C%5C%5E%60"},
        {u"\u007F", "%7F"},
        {u"\u00A0", "%A0"},
        {u"é", "%E9"},
        {u"ÿ", "%FF"},
        {u"€", "%80"},
        {u"…™Ÿ", "%85%99%9F"},
        {u"Ω", "%3F"},
        {u"日本", "%3F%3F"},
        {u"\U0001F600", "%3F%3F"},  // both halves of a surrogate pair lack a code
        {u"\u0081", "%3F"},         // a C1 control the code page does not place
        {u"Mr. O'Neil, Zürich @ 5€", "Mr.+O%27Neil%2C+Z%FCrich+%40+5%80"},
    };
    for (const auto& row : cases)
        EXPECT_EQ(UrlEncodeChars(QStringView(row.raw)).toStdString(), row.encoded)
            << QString::fromUtf16(row.raw).toStdString();
}

TEST(UrlEncodeChars, pads_codes_below_sixteen_with_a_zero) {
    EXPECT_EQ(UrlEncodeChars(QString(QChar(0))), QStringLiteral("%00"));
    EXPECT_EQ(UrlEncodeChars(QString(QChar(0x0F))), QStringLiteral("%0F"));
    EXPECT_EQ(UrlEncodeChars(QString(QChar(0x10))), QStringLiteral("%10"));
}

TEST(UrlEncodeChars, keeps_no_character_outside_the_kept_set) {
    // Every character of the first 256 either stays as it is (kept set only)
    // or becomes "+" or a three-character escape.
    const QString kept = QString::fromUtf16(kUrlKeptSet);
    for (int u = 0; u < 256; ++u) {
        const QChar c(u);
        const QString encoded = UrlEncodeChars(QString(c));
        if (kept.contains(c))
            EXPECT_EQ(encoded, QString(c)) << u;
        else if (u == ' ')
            EXPECT_EQ(encoded, QStringLiteral("+"));
        else if (u >= 0x80 && u < 0xA0)  // the code page puts other characters there
            EXPECT_EQ(encoded, QStringLiteral("%3F")) << u;
        else
            EXPECT_EQ(encoded, QStringLiteral("%%1").arg(u, 2, 16, QChar(u'0')).toUpper()) << u;
    }
}

TEST(UrlEncodeChecked, takes_texts_up_to_32767_characters_and_overflows_beyond) {
    const QString longest(kUrlEncodeMaxLength, u'a');
    EXPECT_EQ(UrlEncodeChecked(longest), longest);
    try {
        UrlEncodeChecked(longest + u'a');
        FAIL() << "no overflow";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), ErrorNumbers::Overflow);
    }
}

TEST(AnsiCodePage, round_trips_every_character_that_has_a_code) {
    for (int u = 0; u < 0x10000; ++u) {
        const QChar c(static_cast<char16_t>(u));
        const int code = AnsiCode(c);
        if (code < 0)
            continue;
        ASSERT_LT(code, 256);
        EXPECT_EQ(FromAnsi(QByteArray(1, static_cast<char>(code))), QString(c)) << u;
    }
    EXPECT_EQ(AnsiCode(QChar(0x20AC)), 0x80);
    EXPECT_EQ(AnsiCode(QChar(0x0178)), 0x9F);
    EXPECT_EQ(AnsiCode(QChar(0x0100)), -1);
}

FeedbackFields sample() {
    return {QStringLiteral("ann@example.com"), QStringLiteral("Ann"), QStringLiteral("Lee"),
            QStringLiteral("Nice tool")};
}

const QString kBase = QStringLiteral("http://127.0.0.1:1/ApplicationFeedback.php?");

TEST(FeedbackUrl, lays_out_the_keys_in_order_after_the_base) {
    EXPECT_EQ(FeedbackUrlText(kBase, sample()),
              kBase + QStringLiteral("email=ann@example.com&firstname=Ann&lastname=Lee"
                                     "&productname=Dorvex 2.1&comments=Nice tool"));
    EXPECT_EQ(EncodeFeedbackUrl(kBase, sample()),
              kBase + QStringLiteral("email=ann%40example.com&firstname=Ann&lastname=Lee"
                                     "&productname=Dorvex+2.1&comments=Nice+tool"));
}

TEST(FeedbackUrl, escapes_ampersands_and_equals_signs_typed_in_a_value) {
    FeedbackFields fields = sample();
    fields.comments = QStringLiteral("AT&T = great");
    fields.firstName = QStringLiteral("a=b");
    fields.lastName = QStringLiteral("&");
    fields.email = QStringLiteral("x&y=z@q");
    EXPECT_EQ(EncodeFeedbackUrl(kBase, fields),
              kBase + QStringLiteral("email=x%26y%3Dz%40q&firstname=a%3Db&lastname=%26"
                                     "&productname=Dorvex+2.1&comments=AT%26T+%3D+great"));
}

TEST(FeedbackUrl, matches_whole_url_encoding_wherever_no_ampersand_or_equals_was_typed) {
    FeedbackFields fields = sample();
    fields.comments = QStringLiteral("Line one\r\nLine two: 5€ (ok) {x} ~ é ÿ Ω");
    fields.lastName = QStringLiteral("  O'Brien ");
    EXPECT_EQ(EncodeFeedbackUrl(kBase, fields), UrlEncodeChars(FeedbackUrlText(kBase, fields)));
}

TEST(FeedbackUrl, overflows_when_the_whole_url_passes_the_encoder_limit) {
    FeedbackFields fields = sample();
    const qsizetype room = kUrlEncodeMaxLength - FeedbackUrlText(kBase, fields).size();
    fields.comments += QString(room, u'x');
    EXPECT_NO_THROW(EncodeFeedbackUrl(kBase, fields));
    fields.comments += u'x';
    EXPECT_THROW(EncodeFeedbackUrl(kBase, fields), AppError);
}

} // namespace
