// Encoding the longest feedback request and reading a large reply.
#include "feedback/feedbackurl.h"
#include "feedback/replytext.h"
#include "feedback/urlencode.h"

#include <benchmark/benchmark.h>

namespace {

QString mixedText(qsizetype length) {
    const QString pattern = QStringLiteral("Retracement at 61.8 %, AT&T = great! Zürich 5€\r\n");
    QString text;
    while (text.size() < length)
        text += pattern;
    text.truncate(length);
    return text;
}

void BM_UrlEncodeLongestText(benchmark::State& state) {
    const QString text = mixedText(kUrlEncodeMaxLength);
    for (auto _ : state)
        benchmark::DoNotOptimize(UrlEncodeChars(text));
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_UrlEncodeLongestText)->Unit(benchmark::kMicrosecond);

void BM_EncodeFeedbackUrl(benchmark::State& state) {
    const QString base = QStringLiteral("http://www.quilmar.com/ApplicationFeedback.php?");
    FeedbackFields fields{QStringLiteral("ann@example.com"), QStringLiteral("Ann"),
                          QStringLiteral("Lee"), mixedText(30000)};
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeFeedbackUrl(base, fields));
}
BENCHMARK(BM_EncodeFeedbackUrl)->Unit(benchmark::kMicrosecond);

void BM_ReplyTextInMegabytes(benchmark::State& state) {
    const QString reply = QStringLiteral("<body>E-mail: Thanks</body>") + QString(8 << 20, u'z');
    for (auto _ : state)
        benchmark::DoNotOptimize(FeedbackReplyText(reply));
}
BENCHMARK(BM_ReplyTextInMegabytes)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
