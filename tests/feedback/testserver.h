#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 that runs in the test's own thread: the
// synchronous fetch's event loop serves it. It answers every request the
// same way and remembers the request targets it saw.
class TestHttpServer : public QObject {
    Q_OBJECT
public:
    enum class Mode { Answer, Silent };

    TestHttpServer();
    ~TestHttpServer() override;

    Mode mode = Mode::Answer;
    int status = 200;
    QByteArray body;
    QByteArray contentType = "text/html";

    // "127.0.0.1:<port>", for SetWebSiteHost().
    QString hostAndPort() const;
    quint16 port() const { return server_.serverPort(); }
    // Request targets ("/path?query") in the order received.
    QStringList targets;

    // A port on 127.0.0.1 that nothing listens on.
    static quint16 closedPort();

private:
    void serve(class QTcpSocket* socket);
    QTcpServer server_;
};

// One query value as a server reads it: "+" as blank, %XX as a byte in the
// ANSI code page.
QString DecodeQueryValue(const QString& encoded);

// The keys and decoded values of a request target's query, in order.
QList<std::pair<QString, QString>> QueryPairs(const QString& target);
