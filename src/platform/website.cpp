#include "platform/website.h"

namespace {
QString& hostOverride() {
    static QString host;
    return host;
}

QString siteRoot() { return QStringLiteral("http://") + WebSiteHost(); }
} // namespace

QString WebSiteHost() {
    const QString& host = hostOverride();
    return host.isEmpty() ? QString::fromLatin1(kWebSiteHost) : host;
}

void SetWebSiteHost(const QString& hostAndPort) { hostOverride() = hostAndPort; }

QString FeedbackUrlBase() { return siteRoot() + QStringLiteral("/ApplicationFeedback.php?"); }

QString HomePageUrl() { return siteRoot() + QStringLiteral("/Dorvex2.html"); }
