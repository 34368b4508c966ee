// ResultDialogs: fills and shows the result dialogs.
#include "dialogs/ResultDialogs.h"

#include <QPointer>

#include "catalogue/Catalogue.h"
#include "catalogue/PictureLoader.h"
#include "forms/Forms.h"
#include "forms/GameForm.h"
#include "dialogs/MismatchDialog.h"
#include "dialogs/ResultDialog.h"
#include "dialogs/ResultParts.h"

namespace {

// When the game named no picture: the word's own picture in the active game's list (see
// Catalogue::pictureNamingWord).
QPixmap pictureFromActiveGame(const QString& folder, const QString& word) {
    auto* game = qobject_cast<GameForm*>(forms().activeChild());
    if (!game) return {};
    const QString file = Catalogue::pictureNamingWord(game->pictureList(), word);
    if (file.isEmpty()) return {};
    const QString path = Catalogue::picturePath(folder, file);
    return PictureLoader::shared().pixmap(path, QSize(ResultParts::PictureWidth, ResultParts::PictureHeight));
}

} // namespace

QString resultSoundPath(const QString& folder, const QString& word) {
    return Catalogue::wordSoundPath(folder, word);
}

void showResultDialog(const QPixmap& source, const QString& title, const QString& text, const QString& folder,
                   const QString& word) {
    // On the heap and guarded: the owner may be gone by the time the modal loop returns.
    QPointer<ResultDialog> dialog = new ResultDialog(forms().dialogOwner());
    dialog->setPicture(source.isNull() ? pictureFromActiveGame(folder, word) : source);
    dialog->setMessage(title + text);
    dialog->setSoundPath(resultSoundPath(folder, word));
    dialog->exec();
    delete dialog.data();
}

void showMismatchDialog(const QPixmap& picture1, const QPixmap& picture2, const QString& title,
                    const QString& text, const QString& folder, const QString& word1, const QString& word2) {
    QPointer<MismatchDialog> dialog = new MismatchDialog(forms().dialogOwner());
    dialog->setPictures(picture1, picture2);
    dialog->setMessage(title + text);
    dialog->setSoundPaths(resultSoundPath(folder, word1), resultSoundPath(folder, word2));
    dialog->exec();
    delete dialog.data();
}
