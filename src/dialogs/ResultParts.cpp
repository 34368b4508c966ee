// ResultParts: shared layout of the result dialogs.
#include "dialogs/ResultParts.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>

#include "app/ChildFont.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "dialogs/DialogPictures.h"

namespace ResultParts {

ClickLabel* addPicture(QDialog* dialog, const QString& name, int x, int y) {
    auto* picture = new ClickLabel(dialog);
    picture->setObjectName(name);
    picture->setGeometry(x, y, PictureWidth, PictureHeight);
    picture->setAlignment(Qt::AlignCenter);
    picture->setStyleSheet(QStringLiteral("background: white; border: 1px solid #d8c8a0;"));
    return picture;
}

ClickLabel* addPlayButton(QDialog* dialog, const QString& name, int x, int y) {
    auto* play = new ClickLabel(dialog);
    play->setObjectName(name);
    play->setPixmap(DialogPictures::playButton(40, dialog->devicePixelRatioF()));
    play->setGeometry(x, y, 40, 40);
    play->setToolTip(QStringLiteral("Play"));
    return play;
}

QLabel* addMessage(QDialog* dialog, int y) {
    auto* message = new QLabel(dialog);
    message->setObjectName(QStringLiteral("messageLabel"));
    QFont f(ChildFont::family());
    f.setPointSize(12);
    message->setFont(f);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    message->setGeometry(16, y, dialog->width() - 32, 56);
    message->setAttribute(Qt::WA_TransparentForMouseEvents);
    return message;
}

ImageButton* addOkButton(QDialog* dialog) {
    auto* line = new QFrame(dialog);
    line->setObjectName(QStringLiteral("topSeparator"));
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: #e0c890;"));
    line->setGeometry(16, dialog->height() - 58, dialog->width() - 32, 2);

    auto* ok = new ImageButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("closeButton"));
    ok->setGeometry((dialog->width() - 148) / 2, dialog->height() - 48, 148, 37);
    QObject::connect(ok, &ImageButton::clicked, dialog, &QDialog::accept);
    return ok;
}

void showPicture(ClickLabel* picture, const QPixmap& source) {
    if (!picture || source.isNull()) return;
    picture->setPixmap(
        source.scaled(PictureWidth - 2, PictureHeight - 2, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace ResultParts
