// Downloader: one request at a time over Qt Network, bounded in time and in size.
#include "controls/Downloader.h"

#include "app/AppState.h"
#include "controls/BusyCursor.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

Q_LOGGING_CATEGORY(lcWeb, "lexikite.controls.web")

namespace {
// Enough for any honest redirect chain; a loop ends here instead of running to the timeout.
constexpr int MaxRedirects = 5;
} // namespace

Downloader::Downloader(QObject* parent) : QObject(parent), manager_(new QNetworkAccessManager(this)) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        qCWarning(lcWeb) << "transfer timed out after" << timeoutMs_ << "ms";
        finish(false, QNetworkReply::TimeoutError, QStringLiteral("The transfer timed out"));
    });
}

Downloader::~Downloader() {
    dropReply();
}

QByteArray Downloader::userAgent() {
    return QStringLiteral("%1/%2.%3.%4")
        .arg(QLatin1String(AppIdentity::Title))
        .arg(AppIdentity::VersionMajor)
        .arg(AppIdentity::VersionMinor)
        .arg(AppIdentity::VersionRevision)
        .toLatin1();
}

void Downloader::startDownload(const QString& address, int Mode) {
    Q_UNUSED(Mode);
    BusyCursor busy;
    if (address.isEmpty()) return;
    if (busy_) cancelDownload();

    duration_ = 0;
    buffer_.clear();
    busy_ = true;
    clock_.start();
    const quint64 generation = ++generation_;

    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        qCWarning(lcWeb) << "refusing to fetch" << address;
        // Reported later, like any other failure, so the caller never hears back from inside its own call.
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == generation_ && busy_)
                finish(false, QNetworkReply::ProtocolUnknownError, QStringLiteral("Unsupported address"));
        });
        return;
    }

    QNetworkRequest request(url);
    request.setRawHeader("User-Agent", userAgent());
    // Qt would otherwise send the system's language; the program is English and says nothing more.
    request.setRawHeader("Accept-Language", "en");
    // A compressed body could expand far past the size cap before we see it.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    request.setTransferTimeout(timeoutMs_);

    reply_ = manager_->get(request);
    reply_->setReadBufferSize(sizeCap_ + 1);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &Downloader::onMetaData);
    connect(reply_, &QNetworkReply::readyRead, this, &Downloader::onReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &Downloader::onFinished);
    // Qt's own transfer timeout only notices silence; a server dripping bytes needs an overall deadline.
    deadline_.start(timeoutMs_);
}

void Downloader::cancelDownload() {
    dropReply();
    deadline_.stop();
    busy_ = false;
    ++generation_;
}

void Downloader::dropReply() {
    if (QNetworkReply* reply = reply_.data()) {
        reply_.clear();
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void Downloader::onMetaData() {
    if (!reply_) return;
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > sizeCap_) {
        qCWarning(lcWeb) << "announced body of" << length.toLongLong() << "bytes is over the cap";
        finish(false, QNetworkReply::UnknownContentError, QStringLiteral("The answer is too large"));
    }
}

void Downloader::onReadyRead() {
    if (!reply_) return;
    buffer_ += reply_->read(sizeCap_ + 1 - buffer_.size());
    if (buffer_.size() > sizeCap_) {
        qCWarning(lcWeb) << "body passed the cap of" << sizeCap_ << "bytes";
        finish(false, QNetworkReply::UnknownContentError, QStringLiteral("The answer is too large"));
    }
}

void Downloader::onFinished() {
    if (!reply_) return;
    if (reply_->error() != QNetworkReply::NoError) {
        qCWarning(lcWeb) << "fetch failed:" << reply_->errorString();
        finish(false, reply_->error(), reply_->errorString());
        return;
    }
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299) {
        qCWarning(lcWeb) << "fetch ended with HTTP status" << status;
        finish(false, QNetworkReply::UnknownServerError, QStringLiteral("HTTP status %1").arg(status));
        return;
    }
    onReadyRead();
    if (busy_) finish(true, 0, QString());
}

void Downloader::finish(bool ok, int errorNo, const QString& description) {
    dropReply();
    deadline_.stop();
    duration_ = static_cast<qint32>(qMin<qint64>(clock_.elapsed(), INT32_MAX));
    busy_ = false;
    ++generation_;
    // A failed fetch leaves nothing behind that could be mistaken for its answer.
    data_ = ok ? std::exchange(buffer_, {}) : QByteArray();
    buffer_.clear();
    // Emit last: a handler may start the next request or even delete this control.
    if (ok)
        emit downloadComplete(static_cast<qint32>(data_.size()));
    else
        emit downloadFailed(errorNo, description);
}
