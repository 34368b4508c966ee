// ResultDialogs: the result dialogs every game shows, modal over the main window.
#pragma once

#include <QPixmap>
#include <QString>

// Shows ResultDialog with the source's picture (or, when it has none, the first picture of the active game's list
// whose name contains the word), the message title & text and a play button for folder/word; returns when
// the learner has closed it.
void showResultDialog(const QPixmap& source, const QString& title, const QString& text, const QString& folder,
                   const QString& word);

// Shows MismatchDialog with the two cards' pictures, the message title & text and a play button for each word.
void showMismatchDialog(const QPixmap& picture1, const QPixmap& picture2, const QString& title,
                    const QString& text, const QString& folder, const QString& word1, const QString& word2);

// The sound a result dialog's play button speaks: files/<folder>/<word>.eda.
QString resultSoundPath(const QString& folder, const QString& word);
