// TestHttpServer: a small HTTP server on 127.0.0.1 that answers well or badly, for the network tests.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

class TestHttpServer : public QObject {
    Q_OBJECT
public:
    enum class Behaviour {
        Serve,        // status and body as set
        Silent,       // accepts, reads the request, never answers
        Drip,         // announces a small body and sends one byte per dripIntervalMs
        Flood,        // sends floodBytes with Content-Length announced
        FloodUnsized, // sends floodBytes with no length, ended by closing
        RedirectLoop, // every path redirects to itself
        Hangup,       // closes the connection without a word
    };

    explicit TestHttpServer(QObject* parent = nullptr);
    ~TestHttpServer() override;

    // Listens on 127.0.0.1 at a free port.
    bool start();
    // "http://127.0.0.1:<port>/"
    QString baseUrl() const;
    quint16 port() const;

    Behaviour behaviour = Behaviour::Serve;
    int status = 200;
    QByteArray body;
    int dripIntervalMs = 100;
    qint64 floodBytes = 10 * 1024 * 1024;

    // The heads of the requests received so far, in order.
    QList<QByteArray> requests;
    // Bytes the flooding answers managed to hand to the socket.
    qint64 bytesFlooded = 0;

private:
    void onConnection();
    void answer(QTcpSocket* socket, const QByteArray& head);
    void floodMore(QTcpSocket* socket);

    QTcpServer* server_;
};

// Frees a port on 127.0.0.1 and returns it: connections to it are refused.
quint16 refusedPort();
