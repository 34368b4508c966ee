// MessageBoxPrompts: maps the update check's needs onto numbered messages.
#include "dialogs/MessageBoxPrompts.h"

#include "controls/Downloader.h"
#include "forms/Forms.h"
#include "dialogs/MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

MessageBoxPrompts::MessageBoxPrompts(std::function<QWidget*()> mainWindow, QObject* parent)
    : QObject(parent), mainWindow_(std::move(mainWindow)) {}

QWidget* MessageBoxPrompts::owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return mainWindow_ ? mainWindow_() : nullptr;
}

bool MessageBoxPrompts::askToDownload() {
    return askQuestion(MessageNumber::NewerVersion, owner()) == MessageAnswer::Yes;
}

void MessageBoxPrompts::tellNoUpdates() {
    showInfoMessage(MessageNumber::NoUpdates, QString(), owner());
}

void MessageBoxPrompts::tellCheckFailed() {
    showInfoMessage(MessageNumber::CheckFailed, QString(), owner());
}

bool MessageBoxPrompts::learnerIsFree() {
    // "Who is playing?", a grown-up's window or another question is still open.
    if (QApplication::activeModalWidget()) return false;
    const ChildForm* active = forms().activeChild();
    if (!active || !active->isVisible()) return false;
    const QString name = active->formName();
    return name.compare(QLatin1String("HomeScreen"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("GameMenu"), Qt::CaseInsensitive) == 0;
}

void MessageBoxPrompts::tellChecksAreOff() {
    showInfoMessage(MessageNumber::UpdatesNotChecked, QString(), owner());
}

void MessageBoxPrompts::showNotice(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, owner());
    box.exec();
}

UpdateCheck* installUpdateCheck(QObject* holder, std::function<QWidget*()> mainWindow) {
    auto* web = new Downloader;
    web->setObjectName(QStringLiteral("updateDownloader"));
    auto* prompts = new MessageBoxPrompts(std::move(mainWindow));
    auto* check = new UpdateCheck(*web, *prompts, holder);
    // The check owns both, so neither can go before it.
    web->setParent(check);
    prompts->setParent(check);
    setUpdateCheck(check);
    // After the activation has run, from the event loop: never a modal box inside a click's handler.
    forms().setActivationListener([check = QPointer<UpdateCheck>(check)](ChildForm*) {
        if (check) QTimer::singleShot(0, check, &UpdateCheck::askHeldQuestion);
    });
    return check;
}
