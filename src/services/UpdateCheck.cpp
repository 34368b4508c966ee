// UpdateCheck: the web route through the downloader and the local-file route, both ending in one answer.
#include "services/UpdateCheck.h"

#include "app/AppState.h"
#include "app/RegularFile.h"
#include "app/TextNumber.h"
#include "controls/BusyCursor.h"
#include "controls/Downloader.h"
#include "services/OpenLink.h"

#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>

Q_LOGGING_CATEGORY(lcUpdate, "lexikite.services.update")

namespace {
// A version file is a few bytes; read no more than this of a local one.
constexpr qint64 LocalFileCap = 64 * 1024;

QPointer<UpdateCheck>& installed() {
    static QPointer<UpdateCheck> check;
    return check;
}
} // namespace

UpdateCheck::UpdateCheck(Downloader& web, UpdatePrompts& prompts, QObject* parent)
    : QObject(parent), web_(web), prompts_(prompts) {
    connect(&web_, &Downloader::downloadComplete, this, &UpdateCheck::onComplete);
    connect(&web_, &Downloader::downloadFailed, this, &UpdateCheck::onFailed);
}

UpdateCheck::~UpdateCheck() {
    if (installed() == this) installed() = nullptr;
}

bool UpdateCheck::buildAllowsNetwork() {
#ifdef LEXIKITE_UPDATE_CHECK
    return true;
#else
    return false;
#endif
}

bool UpdateCheck::isRunning() const {
    return web_.isBusy();
}

void UpdateCheck::checkForUpdate(bool report) {
    if (!networkAllowed_) {
        // This build never looks on the web; say so only when the learner asked.
        if (report) prompts_.tellChecksAreOff();
        emit checkEnded();
        return;
    }
    reportNoUpdate_ = report;
    BusyCursor busy;
    web_.startDownload(appState().versionFileUrl);
}

void UpdateCheck::onComplete() {
    // The version file is plain single-byte text.
    webLinkText_ = QString::fromLatin1(web_.dataBytes());
    fetchFailed_ = false;
    compareWebVersion();
}

void UpdateCheck::onFailed() {
    webLinkText_.clear();
    fetchFailed_ = true;
    compareWebVersion();
}

namespace {
// A version file starts with its number; anything else (a portal's page, an empty answer) tells nothing.
bool holdsAVersion(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*\\.?\\d"));
    return number.match(text).hasMatch();
}
} // namespace

void UpdateCheck::compareWebVersion() {
    const double published = leadingNumber(webLinkText_);
    const bool failed = fetchFailed_ || !holdsAVersion(webLinkText_);
    webLinkText_.clear();
    fetchFailed_ = false;
    // A question is already waiting for the learner: a second answer from the web adds nothing.
    if (prompting_) {
        emit checkEnded();
        return;
    }
    prompting_ = true;
    // The prompts run their own event loop; the program may be closing by the time they return.
    const QPointer<UpdateCheck> alive(this);
    if (!failed && published > appState().versionNumber) {
        qCInfo(lcUpdate) << "version" << published << "is published";
        if (reportNoUpdate_ || prompts_.learnerIsFree()) {
            askToDownload();
            if (!alive) return;
        } else {
            // The silent check must not open its question over a game; it waits for home or the menu.
            questionHeld_ = true;
        }
    } else if (reportNoUpdate_) {
        if (failed)
            prompts_.tellCheckFailed();
        else
            prompts_.tellNoUpdates();
        if (!alive) return;
    }
    prompting_ = false;
    emit checkEnded();
}

void UpdateCheck::askToDownload() {
    questionHeld_ = false;
    const QPointer<UpdateCheck> alive(this);
    const bool download = prompts_.askToDownload();
    if (alive && download) openLink(QStringLiteral("http://"), appState().updatePageUrl);
}

void UpdateCheck::askHeldQuestion() {
    if (prompting_ || !prompts_.learnerIsFree()) return;
    const QPointer<UpdateCheck> alive(this);
    if (questionHeld_) {
        prompting_ = true;
        askToDownload();
        if (!alive) return;
        prompting_ = false;
    }
    if (localFileHeld_ && prompts_.learnerIsFree()) checkLocalVersionFile(false);
}

void UpdateCheck::checkLocalVersionFile(bool report) {
    if (!networkAllowed_) return;
    localFileHeld_ = !report && !prompts_.learnerIsFree();
    if (localFileHeld_) return;
    BusyCursor busy;
    const QString path = appState().localVersionFile;
    // Without a known program folder the path would point somewhere else entirely.
    if (appState().programFolder.isEmpty() || path.isEmpty()) return;

    // Only a regular file: a named pipe would block the start, a device would never end.
    const RegularFile::Contents file = RegularFile::read(path, LocalFileCap);
    if (file.status == RegularFile::Contents::NotRegular || file.status == RegularFile::Contents::Unreadable)
        qCWarning(lcUpdate) << "cannot read" << path << file.error;
    if (file.status == RegularFile::Contents::Read) {
        const QString text = QString::fromLatin1(file.bytes);
        QString lastField;
        for (const QString& field : text.split(QRegularExpression(QStringLiteral("[,\\r\\n]")))) {
            const QString trimmed = field.trimmed();
            if (!trimmed.isEmpty()) lastField = trimmed;
        }
        if (lastField.size() >= 2 && lastField.startsWith(QLatin1Char('"')) &&
            lastField.endsWith(QLatin1Char('"')))
            lastField = lastField.mid(1, lastField.size() - 2);
        const double current = leadingNumber(QString::number(appState().versionNumber));
        if (leadingNumber(lastField) > current)
            openLink(QStringLiteral("http://"), appState().updatePageUrl);
        else if (report)
            prompts_.showNotice(
                QStringLiteral("Checked for Updates"),
                QStringLiteral("There are no updates available as yet. Please try again later."));
    }
    if (QFile::exists(path) && !QFile::remove(path)) qCWarning(lcUpdate) << "could not delete" << path;
}

void setUpdateCheck(UpdateCheck* check) {
    installed() = check;
}

UpdateCheck* updateCheck() {
    return installed().data();
}

void checkForUpdate(bool report) {
    if (UpdateCheck* check = updateCheck()) check->checkForUpdate(report);
}

void checkLocalVersionFile(bool report) {
    if (UpdateCheck* check = updateCheck()) check->checkLocalVersionFile(report);
}
