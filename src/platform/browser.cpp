#include "platform/browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
BrowserHook& hook() {
    static BrowserHook h;
    return h;
}
} // namespace

void SetBrowserHook(BrowserHook h) { hook() = std::move(h); }

void OpenInBrowser(const QString& url) {
    if (hook()) {
        hook()(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}
