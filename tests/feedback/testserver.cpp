#include "testserver.h"

#include "platform/ansicodepage.h"

#include <QTcpSocket>
#include <gtest/gtest.h>

TestHttpServer::TestHttpServer() {
    const bool listening = server_.listen(QHostAddress::LocalHost, 0);
    EXPECT_TRUE(listening) << server_.errorString().toStdString();
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

TestHttpServer::~TestHttpServer() { server_.close(); }

QString TestHttpServer::hostAndPort() const {
    return QStringLiteral("127.0.0.1:%1").arg(server_.serverPort());
}

quint16 TestHttpServer::closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void TestHttpServer::serve(QTcpSocket* socket) {
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("served").toBool())
        return;
    socket->setProperty("served", true);
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    targets.append(requestLine.size() > 1 ? QString::fromLatin1(requestLine.at(1)) : QString());
    if (mode == Mode::Silent)
        return;

    QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + " Test\r\n";
    response += "Content-Type: " + contentType + "\r\n";
    response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    response += "Connection: close\r\n\r\n";
    response += body;
    socket->write(response);
    socket->disconnectFromHost();
}

QString DecodeQueryValue(const QString& encoded) {
    QByteArray bytes = encoded.toLatin1();
    bytes.replace('+', ' ');
    return FromAnsi(QByteArray::fromPercentEncoding(bytes));
}

QList<std::pair<QString, QString>> QueryPairs(const QString& target) {
    QList<std::pair<QString, QString>> pairs;
    const qsizetype question = target.indexOf(u'?');
    if (question < 0)
        return pairs;
    for (const QString& part : target.mid(question + 1).split(u'&')) {
        const qsizetype equals = part.indexOf(u'=');
        pairs.append({part.left(equals), DecodeQueryValue(part.mid(equals + 1))});
    }
    return pairs;
}
