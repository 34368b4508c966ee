// UpdateCheck: compares the published version file with this program's version and offers the newer one.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class Downloader;

// How the check talks to the learner; the program shows its message box, tests record.
class UpdatePrompts {
public:
    virtual ~UpdatePrompts() = default;
    // The newer-version question; true only for "&Download".
    virtual bool askToDownload() = 0;
    // "There Are No Updates Available as Yet".
    virtual void tellNoUpdates() = 0;
    // The web site could not be reached (or sent no version): try again later.
    virtual void tellCheckFailed() = 0;
    // Whether a question the learner did not ask for may appear now (not in the middle of a game, not over
    // another window's question).
    virtual bool learnerIsFree() { return true; }
    // This build does not look on the web.
    virtual void tellChecksAreOff() = 0;
    // The platform's own warning box.
    virtual void showNotice(const QString& title, const QString& text) = 0;
};

class UpdateCheck : public QObject {
    Q_OBJECT
public:
    // `web` is the holder window's downloader; both outlive this object or take it with them.
    UpdateCheck(Downloader& web, UpdatePrompts& prompts, QObject* parent = nullptr);
    ~UpdateCheck() override;

    // Starts a check; `report` asks for a message when nothing is new. A running check is replaced.
    void checkForUpdate(bool report);
    // The comparison once the fetch has ended either way; public so the holder window can drive it.
    void compareWebVersion();
    // Reads, compares and deletes a version file put beside the program from outside. Unasked, it waits
    // (file and all) until the learner is free, as the web question does.
    void checkLocalVersionFile(bool report);
    // The learner may have reached a place where a held-back question can be asked; asks it if so.
    void askHeldQuestion();

    bool reportNoUpdate() const { return reportNoUpdate_; }
    bool isRunning() const;

    // Whether this build may look on the web at all (the LEXIKITE_UPDATE_CHECK build option); tests flip it.
    static bool buildAllowsNetwork();
    void setNetworkAllowed(bool allowed) { networkAllowed_ = allowed; }

signals:
    // Every check ends here exactly once, after any question or message it shows at once.
    void checkEnded();

private:
    void onComplete();
    void onFailed();
    // The question, then the update page on "&Download".
    void askToDownload();

    Downloader& web_;
    UpdatePrompts& prompts_;
    QString webLinkText_;
    bool fetchFailed_ = false;
    bool reportNoUpdate_ = false;
    bool prompting_ = false;
    bool questionHeld_ = false;
    bool localFileHeld_ = false;
    bool networkAllowed_ = buildAllowsNetwork();
};

// The program's one check, installed by whoever builds the holder window; none in most tests.
void setUpdateCheck(UpdateCheck* check);
UpdateCheck* updateCheck();

// What the main window and the about box call; without an installed check they do nothing.
void checkForUpdate(bool report);
void checkLocalVersionFile(bool report);
