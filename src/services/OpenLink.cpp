// OpenLink: turns prefix and target into one address and opens it, with the busy pointer meanwhile.
#include "services/OpenLink.h"

#include "app/AppState.h"
#include "controls/BusyCursor.h"

#include <QDesktopServices>
#include <QDir>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcLinks, "lexikite.services.links")

namespace {
LinkOpener& installedOpener() {
    static LinkOpener opener;
    return opener;
}

LinkFailureNotice& installedNotice() {
    static LinkFailureNotice notice;
    return notice;
}

GrownUpGate& installedGate() {
    static GrownUpGate gate;
    return gate;
}

const char* const SchemeMarks[] = {"http://", "mailto:", "news:", "ftp:", "https:"};

bool carriesScheme(const QString& target) {
    for (const char* mark : SchemeMarks)
        if (target.startsWith(QLatin1String(mark), Qt::CaseInsensitive)) return true;
    return false;
}

bool allowedScheme(const QUrl& url) {
    static const QStringList allowed = {QStringLiteral("http"),   QStringLiteral("https"),
                                        QStringLiteral("mailto"), QStringLiteral("news"),
                                        QStringLiteral("ftp"),    QStringLiteral("file")};
    return allowed.contains(url.scheme().toLower());
}

QUrl addressFor(const QString& givenPrefix, const QString& target) {
    const QString prefix = givenPrefix.isEmpty() ? QStringLiteral("file://") : givenPrefix;
    if (prefix.compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0)
        return QUrl(carriesScheme(target) ? target : prefix + target);
    if (prefix.compare(QLatin1String("mailto:"), Qt::CaseInsensitive) == 0)
        return QUrl(target.startsWith(prefix, Qt::CaseInsensitive) ? target : prefix + target);
    if (carriesScheme(target)) return QUrl(target);
    if (prefix.compare(QLatin1String("file://"), Qt::CaseInsensitive) == 0)
        return QUrl::fromLocalFile(QDir(appState().programFolder).absoluteFilePath(target));
    return QUrl(prefix + target);
}
} // namespace

void setLinkOpener(LinkOpener opener) {
    installedOpener() = std::move(opener);
}

void setGrownUpGate(GrownUpGate gate) {
    installedGate() = std::move(gate);
}

void setLinkFailureNotice(LinkFailureNotice notice) {
    installedNotice() = std::move(notice);
}

void openLink(const QString& prefix, const QString& target) {
    if (target.trimmed().isEmpty()) return;
    const QUrl url = addressFor(prefix, target.trimmed());
    if (!url.isValid() || !allowedScheme(url)) {
        qCWarning(lcLinks) << "not opening" << prefix << target;
        return;
    }
    // Copied: the gate's dialog runs an event loop in which the gate could be replaced.
    const GrownUpGate gate = installedGate();
    if (!gate || !gate(url)) {
        qCInfo(lcLinks) << "not opening" << url << "without a grown-up";
        return;
    }
    bool opened = false;
    {
        BusyCursor busy;
        const LinkOpener& opener = installedOpener();
        opened = opener ? opener(url) : QDesktopServices::openUrl(url);
    }
    if (opened) return;
    qCWarning(lcLinks) << "the desktop could not open" << url;
    // Copied, as the gate: the message runs an event loop.
    const LinkFailureNotice notice = installedNotice();
    if (notice) notice(url);
}
