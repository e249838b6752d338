#include "feedback/replytext.h"

#include "platform/errors.h"

#include <limits>

namespace {
constexpr qsizetype kMaxPosition = std::numeric_limits<qint16>::max();

// 1-based position of the first `marker`, 0 when absent.
qsizetype position(const QString& reply, QLatin1StringView marker) {
    const qsizetype index = reply.indexOf(marker, 0, Qt::CaseSensitive);
    const qsizetype pos = index < 0 ? 0 : index + 1;
    if (pos > kMaxPosition)
        RaiseOverflow();
    return pos;
}
} // namespace

QString FeedbackReplyText(const QString& reply) {
    const qsizetype start = position(reply, QLatin1StringView("E-mail:")) + 8;
    if (start > kMaxPosition)
        RaiseOverflow();
    const qsizetype end = position(reply, QLatin1StringView("</body>"));
    const qsizetype length = end - start;
    if (length < 0)
        RaiseError(ErrorNumbers::InvalidProcedureCall, QStringLiteral("Invalid procedure call or argument"));
    if (start > reply.size())
        return {};
    return reply.mid(start - 1, length);
}
