// MessageTexts: the message table and the two ways of showing it.
#include "dialogs/MessageTexts.h"

#include "app/AppState.h"
#include "dialogs/MessageBox.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPointer>

Q_LOGGING_CATEGORY(lcMessages, "lexikite.windows.messages")

namespace {
qint32 messageResult = 0;

qint32 runDialog(const MessageText& text, QWidget* owner) {
    // Cleared on every opening, so a box closed without a button never repeats an earlier answer.
    messageResult = 0;
    QPointer<MessageBox> dialog = new MessageBox(owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setMessage(text);
    // A caller may be showing the busy pointer; the learner needs the ordinary one to answer.
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy) QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    dialog->exec();
    if (busy) QGuiApplication::restoreOverrideCursor();
    if (messageResult == 0) messageResult = MessageAnswer::Cancel;
    return messageResult;
}
} // namespace

MessageText informationMessage(int number) {
    MessageText text;
    text.bar = MessageBar::Information;
    switch (number) {
    case MessageNumber::NoUpdates:
        text.title = QStringLiteral("There Are No Updates Available as Yet");
        text.description =
            QStringLiteral("If you are in need of updates due to bugs or whatever then let me know.");
        break;
    case MessageNumber::UpdatesNotChecked:
        text.title = QStringLiteral("Updates Come From Where You Got Lexikite");
        text.description = QStringLiteral("This copy of Lexikite does not look for updates on the web. "
                                          "Newer versions arrive the same way this one did.");
        break;
    case MessageNumber::CheckFailed:
        text.title = QStringLiteral("We Could Not Check for Updates");
        text.description = QStringLiteral("The Lexikite web site could not be reached just now. "
                                          "Nothing is wrong with this copy; please try again later.");
        break;
    default:
        break;
    }
    return text;
}

MessageText questionMessage(int number) {
    MessageText text;
    if (number == MessageNumber::NewerVersion) {
        text.title = QStringLiteral("You Can Now Download a Newer Version");
        text.description = QStringLiteral("Your current version: ") +
                           QString::number(appState().versionNumber) + QStringLiteral("\r\n") +
                           QStringLiteral("The changes can be found on the website. These include new "
                                          "features, great improvements to functionality and speed as "
                                          "well as UI Tweaks and fixes.");
        text.bar = MessageBar::YesNo;
        text.yesCaption = QStringLiteral("&Download");
        text.noCaption = QStringLiteral("&Ignore");
    }
    return text;
}

void showInfoMessage(int number, const QString& extra, QWidget* owner) {
    Q_UNUSED(extra);
    runDialog(informationMessage(number), owner);
}

qint32 askQuestion(int number, QWidget* owner) {
    const MessageText text = questionMessage(number);
    if (text.bar == MessageBar::None) {
        // A question without buttons could only be left with Escape; answer it as cancelled instead.
        qCWarning(lcMessages) << "no question numbered" << number;
        messageResult = MessageAnswer::Cancel;
        return messageResult;
    }
    return runDialog(text, owner);
}

qint32 lastMessageResult() {
    return messageResult;
}

void setLastMessageResult(qint32 value) {
    messageResult = value;
}
