// MessageBoxPrompts: the update check's questions and messages, shown in the program's message box.
#pragma once

#include "services/UpdateCheck.h"

#include <functional>
#include <QObject>
#include <QWidget>

class MessageBoxPrompts : public QObject, public UpdatePrompts {
public:
    // Boxes are owned by the dialog the learner is in (the about box), else by the main window, asked for
    // each time because it is built after the check.
    explicit MessageBoxPrompts(std::function<QWidget*()> mainWindow, QObject* parent = nullptr);

    bool askToDownload() override;
    void tellNoUpdates() override;
    void tellCheckFailed() override;
    // On the home screen or the game menu with no other window's question open, never in a game.
    bool learnerIsFree() override;
    void tellChecksAreOff() override;
    void showNotice(const QString& title, const QString& text) override;

private:
    QWidget* owner() const;
    std::function<QWidget*()> mainWindow_;
};

// Builds the program's update check on `holder` (the hidden holder window): its downloader updateDownloader,
// its prompts, and installs it for checkForUpdate and checkLocalVersionFile. A question held back during a
// game is asked when the home screen or the game menu next becomes active.
UpdateCheck* installUpdateCheck(QObject* holder, std::function<QWidget*()> mainWindow);
