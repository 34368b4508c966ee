// Downloader: the invisible downloader that fetches one web resource into memory and reports by signal.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;

class Downloader : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultMode = 512;
    static constexpr int DefaultTransferTimeoutMs = 10000;
    static constexpr qint64 DefaultSizeCap = 64 * 1024;

    explicit Downloader(QObject* parent = nullptr);
    ~Downloader() override;

    // Starts fetching address (http or https); a running request is cancelled first and never reports.
    // An empty address changes nothing. Mode is accepted for callers' sake: there is no cache to revalidate.
    void startDownload(const QString& address, int Mode = DefaultMode);
    // Drops the running request without reporting; the control is idle afterwards.
    void cancelDownload();

    QByteArray dataBytes() const { return data_; }
    qint32 duration() const { return duration_; }
    bool isBusy() const { return busy_; }

    // The whole transfer, redirects included, must end within this time.
    void setTransferTimeout(int ms) { timeoutMs_ = ms; }
    // Bodies larger than this fail rather than grow in memory.
    void setSizeCap(qint64 bytes) { sizeCap_ = bytes; }

    // What the program tells servers about itself: its name and version, nothing else.
    static QByteArray userAgent();

signals:
    void downloadComplete(qint32 byteCount);
    void downloadFailed(qint32 errorNumber, const QString& errorText);

private:
    void onReadyRead();
    void onMetaData();
    void onFinished();
    void finish(bool ok, int errorNo, const QString& description);
    void dropReply();

    QNetworkAccessManager* manager_;
    QPointer<QNetworkReply> reply_;
    QTimer deadline_;
    QElapsedTimer clock_;
    QByteArray buffer_;
    QByteArray data_;
    qint32 duration_ = 0;
    bool busy_ = false;
    quint64 generation_ = 0;
    int timeoutMs_ = DefaultTransferTimeoutMs;
    qint64 sizeCap_ = DefaultSizeCap;
};
