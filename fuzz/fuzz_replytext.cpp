// Reading the reply either fails with its error or gives a piece of the reply.
#include "feedback/replytext.h"
#include "fuzzsupport.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString reply = FuzzText(data, size);
    try {
        const QString shown = FeedbackReplyText(reply);
        FUZZ_REQUIRE(shown.isEmpty() || reply.contains(shown));
        FUZZ_REQUIRE(reply.contains(QStringLiteral("</body>")));
    } catch (const AppError& e) {
        FUZZ_REQUIRE(e.Number() == 5 || e.Number() == 6);
    }
    return 0;
}
