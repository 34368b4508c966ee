// ResultDialog: result dialog with one picture.
#include "dialogs/ResultDialog.h"

#include <QLabel>

#include "audio/SoundModule.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "dialogs/ResultParts.h"

using namespace ResultParts;

ResultDialog::ResultDialog(QWidget* parent)
    : FramelessDialog(QStringLiteral("ResultDialog"), QStringLiteral("Games"), QSize(340, 340), parent) {
    picture_ = addPicture(this, QStringLiteral("picture"), (width() - PictureWidth) / 2 - 14, 54);
    playPicture_ = addPlayButton(this, QStringLiteral("playPicture"), picture_->geometry().right() + 10,
                            picture_->geometry().bottom() - 40);
    messageLabel_ = addMessage(this, 212);
    messageLabel_->setText(QStringLiteral("Well done. You found"));
    closeButton_ = addOkButton(this);
    // The word can be heard as often as the learner likes; the dialog stays open.
    connect(picture_, &ClickLabel::clicked, this, &ResultDialog::play);
    connect(playPicture_, &ClickLabel::clicked, this, &ResultDialog::play);
}

void ResultDialog::play() {
    playSoundFile(soundPath_);
}

void ResultDialog::setPicture(const QPixmap& picture) {
    showPicture(picture_, picture);
}

bool ResultDialog::hasPicture() const {
    return !picture_->pixmap().isNull();
}

void ResultDialog::setMessage(const QString& message) {
    messageLabel_->setText(message);
}

QString ResultDialog::message() const {
    return messageLabel_->text();
}
