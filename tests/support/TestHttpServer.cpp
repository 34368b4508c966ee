// TestHttpServer: answers each request according to the chosen behaviour.
#include "TestHttpServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {
QByteArray head(int status, const QByteArray& extra) {
    return "HTTP/1.1 " + QByteArray::number(status) + " Test\r\n" + extra + "Connection: close\r\n\r\n";
}
constexpr qint64 FloodChunk = 64 * 1024;
} // namespace

TestHttpServer::TestHttpServer(QObject* parent) : QObject(parent), server_(new QTcpServer(this)) {
    connect(server_, &QTcpServer::newConnection, this, &TestHttpServer::onConnection);
}

TestHttpServer::~TestHttpServer() = default;

bool TestHttpServer::start() {
    return server_->listen(QHostAddress::LocalHost, 0);
}

quint16 TestHttpServer::port() const {
    return server_->serverPort();
}

QString TestHttpServer::baseUrl() const {
    return QStringLiteral("http://127.0.0.1:%1/").arg(port());
}

void TestHttpServer::onConnection() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, received] {
            if (received->contains("\r\n\r\n")) {
                socket->readAll();
                return;
            }
            *received += socket->readAll();
            const qsizetype end = received->indexOf("\r\n\r\n");
            if (end >= 0) answer(socket, received->left(end));
        });
    }
}

void TestHttpServer::answer(QTcpSocket* socket, const QByteArray& requestHead) {
    requests.append(requestHead);
    switch (behaviour) {
    case Behaviour::Serve:
        socket->write(head(status, "Content-Type: text/plain\r\nContent-Length: " +
                                       QByteArray::number(body.size()) + "\r\n") +
                      body);
        socket->disconnectFromHost();
        break;
    case Behaviour::Silent:
        break;
    case Behaviour::Drip: {
        socket->write(head(200, "Content-Length: 1000\r\n"));
        auto* timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket, [socket] { socket->write("8"); });
        timer->start(dripIntervalMs);
        break;
    }
    case Behaviour::Flood:
        socket->write(head(200, "Content-Length: " + QByteArray::number(floodBytes) + "\r\n"));
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { floodMore(socket); });
        floodMore(socket);
        break;
    case Behaviour::FloodUnsized:
        socket->write(head(200, ""));
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { floodMore(socket); });
        floodMore(socket);
        break;
    case Behaviour::RedirectLoop: {
        const QByteArray path = requestHead.split(' ').value(1, "/");
        socket->write(head(302, "Location: " + path + "\r\nContent-Length: 0\r\n"));
        socket->disconnectFromHost();
        break;
    }
    case Behaviour::Hangup:
        socket->abort();
        break;
    }
}

void TestHttpServer::floodMore(QTcpSocket* socket) {
    // Keep a little queued, so the server itself never holds megabytes.
    if (socket->state() != QAbstractSocket::ConnectedState || socket->bytesToWrite() > FloodChunk) return;
    const qint64 left = floodBytes - bytesFlooded;
    if (left <= 0) {
        socket->disconnectFromHost();
        return;
    }
    const qint64 n = qMin(left, FloodChunk);
    socket->write(QByteArray(n, 'x'));
    bytesFlooded += n;
}

quint16 refusedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
