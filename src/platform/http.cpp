#include "platform/http.h"

#include "platform/ansicodepage.h"
#include "platform/errors.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

namespace {
std::optional<bool>& connectedOverride() {
    static std::optional<bool> value;
    return value;
}

int& timeoutMs() {
    static int value = kDefaultHttpTimeoutMs;
    return value;
}

QNetworkInformation* networkInformation() {
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (!QNetworkInformation::instance())
            QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    }
    return QNetworkInformation::instance();
}

// The body as the server labels it; unlabelled bodies are read as UTF-8 when
// they are valid UTF-8 and in the ANSI code page otherwise.
QString bodyText(const QByteArray& body, const QByteArray& contentType) {
    const QByteArray type = contentType.toLower();
    const bool saysUtf8 = type.contains("charset=utf-8");
    if (!saysUtf8 && type.contains("charset="))
        return FromAnsi(body);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(body);
    if (!saysUtf8 && utf8.hasError())
        return FromAnsi(body);
    return text;
}
} // namespace

bool IsConnected() {
    if (connectedOverride())
        return *connectedOverride();
    QNetworkInformation* info = networkInformation();
    if (!info || !info->supports(QNetworkInformation::Feature::Reachability))
        return true;
    return info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

void SetConnectedOverride(std::optional<bool> connected) { connectedOverride() = connected; }

int HttpTimeoutMs() { return timeoutMs(); }

void SetHttpTimeoutMs(int milliseconds) {
    timeoutMs() = milliseconds > 0 ? milliseconds : kDefaultHttpTimeoutMs;
}

QString HttpGet(const QString& url) {
    // Tolerant: the braces the encoder keeps are escaped here, not refused.
    const QUrl target(url, QUrl::TolerantMode);
    if (url.isEmpty() || !target.isValid() || target.host().isEmpty())
        RaiseError(HttpErrors::RequestFailed, QStringLiteral("Invalid URL"));

    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(HttpTimeoutMs());

    auto* manager = new QNetworkAccessManager;
    QNetworkReply* reply = manager->get(request);

    // The whole fetch, not only a silent stretch of it, is bounded: a server
    // that trickles bytes must not hold the window forever.
    bool timedOut = false;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(HttpTimeoutMs());
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();

    const QNetworkReply::NetworkError error = reply->error();
    const QString errorText = reply->errorString();
    const QByteArray contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    const QByteArray body = error == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    reply->deleteLater();
    manager->deleteLater();

    if (timedOut || error == QNetworkReply::OperationCanceledError ||
        error == QNetworkReply::TimeoutError)
        RaiseError(HttpErrors::TimedOut, QStringLiteral("Request timed out"));
    // The access manager reports every status from 400 up as an error too.
    if (error != QNetworkReply::NoError)
        RaiseError(HttpErrors::RequestFailed, errorText);
    return bodyText(body, contentType);
}
