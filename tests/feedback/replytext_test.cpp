#include "feedback/replytext.h"
#include "platform/errors.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct ReplyCase {
    QString reply;
    std::optional<QString> shown;  // nullopt: the extraction fails
    int error = 0;
};

TEST(FeedbackReplyText, takes_the_text_between_the_markers) {
    const ReplyCase cases[] = {
        {QStringLiteral("E-mail: Thanks</body>"), QStringLiteral("Thanks")},
        {QStringLiteral("<html><body>E-mail: Thank you, Ann.</body></html>"),
         QStringLiteral("Thank you, Ann.")},
        // The blank after the marker is skipped whatever it is.
        {QStringLiteral("E-mail:XThanks</body>"), QStringLiteral("Thanks")},
        {QStringLiteral("E-mail: </body>"), QString()},
        // The first of each marker counts.
        {QStringLiteral("E-mail: one</body>E-mail: two</body>"), QStringLiteral("one")},
        // Without "E-mail:" the text starts at the 8th character.
        {QStringLiteral("1234567Thanks</body>"), QStringLiteral("Thanks")},
        // Case matters: "e-mail:" is no marker, "</BODY>" is no end.
        {QStringLiteral("1234567e-mail: Hi</body>"), QStringLiteral("e-mail: Hi")},
        {QStringLiteral("E-mail: Hi</BODY>"), std::nullopt, ErrorNumbers::InvalidProcedureCall},
        {QStringLiteral("E-mail: no end"), std::nullopt, ErrorNumbers::InvalidProcedureCall},
        {QStringLiteral(""), std::nullopt, ErrorNumbers::InvalidProcedureCall},
        {QStringLiteral("</body>E-mail: late"), std::nullopt, ErrorNumbers::InvalidProcedureCall},
        // "</body>" inside the 8 skipped characters: a negative length.
        {QStringLiteral("E-mail:</body>"), std::nullopt, ErrorNumbers::InvalidProcedureCall},
        // Ends exactly where the text starts: nothing to show.
        {QStringLiteral("E-mail:x</body>"), QString()},
    };
    for (const auto& row : cases) {
        try {
            const QString shown = FeedbackReplyText(row.reply);
            ASSERT_TRUE(row.shown.has_value()) << "no failure for: " << row.reply.toStdString();
            EXPECT_EQ(shown, *row.shown) << row.reply.toStdString();
        } catch (const AppError& e) {
            ASSERT_FALSE(row.shown.has_value()) << "failed for: " << row.reply.toStdString();
            EXPECT_EQ(e.Number(), row.error) << row.reply.toStdString();
        }
    }
}

TEST(FeedbackReplyText, holds_positions_in_sixteen_bits) {
    const auto padded = [](qsizetype before, const QString& rest) {
        return QString(before, u'.') + rest;
    };
    // "</body>" at position 32767 is the last one that fits.
    const QString atLimit = QStringLiteral("E-mail: ") + QString(32766 - 8, u'x') + "</body>";
    EXPECT_EQ(FeedbackReplyText(atLimit).size(), 32766 - 8);
    EXPECT_THROW(FeedbackReplyText(QStringLiteral("E-mail: ") + QString(32767 - 8, u'x') + "</body>"),
                 AppError);
    // "E-mail:" found at 32760 puts the start at 32768.
    EXPECT_THROW(FeedbackReplyText(padded(32759, QStringLiteral("E-mail: x</body>"))), AppError);
    EXPECT_THROW(FeedbackReplyText(padded(40000, QStringLiteral("E-mail: x</body>"))), AppError);
    // Markers early in a long reply are fine.
    EXPECT_EQ(FeedbackReplyText(QStringLiteral("E-mail: Thanks</body>") + QString(5'000'000, u'z')),
              QStringLiteral("Thanks"));
}

} // namespace
