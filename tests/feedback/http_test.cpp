#include "platform/errors.h"
#include "platform/http.h"
#include "testserver.h"

#include <gtest/gtest.h>

namespace {

// Shortens the fetch's time-out for one test.
struct ShortTimeout {
    explicit ShortTimeout(int ms) { SetHttpTimeoutMs(ms); }
    ~ShortTimeout() { SetHttpTimeoutMs(0); }
};

int fetchError(const QString& url) {
    try {
        HttpGet(url);
    } catch (const AppError& e) {
        return e.Number();
    }
    return 0;
}

TEST(HttpGet, returns_the_whole_body_as_text) {
    TestHttpServer server;
    server.body = "<body>E-mail: Thanks</body>";
    const QString url = QStringLiteral("http://%1/ApplicationFeedback.php?email=a%40b").arg(server.hostAndPort());
    EXPECT_EQ(HttpGet(url), QStringLiteral("<body>E-mail: Thanks</body>"));
    ASSERT_EQ(server.targets.size(), 1);
    EXPECT_EQ(server.targets.at(0), QStringLiteral("/ApplicationFeedback.php?email=a%40b"));
}

TEST(HttpGet, passes_the_encoded_query_through_untouched) {
    TestHttpServer server;
    server.body = "ok";
    const QString query = QStringLiteral("?c=AT%26T+%3D+great%0D%0A%E9%80%3F&x={y}");
    HttpGet(QStringLiteral("http://%1/p").arg(server.hostAndPort()) + query);
    ASSERT_EQ(server.targets.size(), 1);
    // Braces may travel escaped; everything else arrives byte for byte.
    QString target = server.targets.at(0);
    target.replace(QStringLiteral("%7B"), QStringLiteral("{")).replace(QStringLiteral("%7D"), QStringLiteral("}"));
    EXPECT_EQ(target, QStringLiteral("/p") + query);
}

TEST(HttpGet, reads_bodies_in_their_declared_or_likely_encoding) {
    TestHttpServer server;
    const QString url = QStringLiteral("http://%1/").arg(server.hostAndPort());
    server.body = "caf\xC3\xA9";
    server.contentType = "text/html; charset=UTF-8";
    EXPECT_EQ(HttpGet(url), QStringLiteral("café"));
    server.contentType = "text/html";
    EXPECT_EQ(HttpGet(url), QStringLiteral("café"));
    server.body = "caf\xE9 \x80";
    EXPECT_EQ(HttpGet(url), QStringLiteral("café €"));
    server.contentType = "text/html; charset=windows-1252";
    EXPECT_EQ(HttpGet(url), QStringLiteral("café €"));
}

TEST(HttpGet, counts_an_http_error_status_as_a_failure) {
    TestHttpServer server;
    server.body = "E-mail: Thanks</body>";
    for (int status : {400, 404, 500, 503}) {
        server.status = status;
        EXPECT_EQ(fetchError(QStringLiteral("http://%1/").arg(server.hostAndPort())),
                  HttpErrors::RequestFailed)
            << status;
    }
}

TEST(HttpGet, fails_on_a_refused_connection_and_on_bad_urls) {
    EXPECT_EQ(fetchError(QStringLiteral("http://127.0.0.1:%1/").arg(TestHttpServer::closedPort())),
              HttpErrors::RequestFailed);
    EXPECT_EQ(fetchError(QString()), HttpErrors::RequestFailed);
    EXPECT_EQ(fetchError(QStringLiteral("not a url")), HttpErrors::RequestFailed);
}

TEST(HttpGet, gives_up_on_a_silent_server_after_the_time_out) {
    TestHttpServer server;
    server.mode = TestHttpServer::Mode::Silent;
    ShortTimeout timeout(400);
    EXPECT_EQ(fetchError(QStringLiteral("http://%1/").arg(server.hostAndPort())), HttpErrors::TimedOut);
    EXPECT_EQ(server.targets.size(), 1);
}

} // namespace
