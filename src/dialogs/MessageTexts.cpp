// MessageTexts: the message table.
#include "dialogs/MessageTexts.h"

#include "app/AppState.h"




MessageText informationMessage(int number, const QString& extra) {
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
    case MessageNumber::LinkNotOpened:
        text.title = QStringLiteral("This Link Could Not Be Opened");
        text.description = QStringLiteral("No web browser or mail program could be opened on this computer. "
                                          "You can type the address yourself:\r\n") +
                           extra;
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
