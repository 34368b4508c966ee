// MessageTexts: the numbered messages of the program's own message box.
#pragma once

#include <QString>

enum class MessageBar { None, Information, YesNo, YesNoCancel };

struct MessageText {
    QString title;
    QString description;
    MessageBar bar = MessageBar::None;
    QString yesCaption; // empty: the bar's own caption stays
    QString noCaption;
};

namespace MessageNumber {
inline constexpr int NoUpdates = 3;         // information
inline constexpr int UpdatesNotChecked = 4; // information: this build never looks on the web
inline constexpr int CheckFailed = 5;       // information: the web site could not be reached
inline constexpr int LinkNotOpened = 6;     // information: no browser or mail program; extra is the address
inline constexpr int NewerVersion = 1;      // question
} // namespace MessageNumber

// The standard results: yes, no, cancel (also a dialog closed without any button).
namespace MessageAnswer {
inline constexpr qint32 Yes = 6;
inline constexpr qint32 No = 7;
inline constexpr qint32 Cancel = 2;
} // namespace MessageAnswer

// Table lookups; a number without a row gives empty texts and no bar. extra fills the message's blank.
MessageText informationMessage(int number, const QString& extra = QString());
MessageText questionMessage(int number);
