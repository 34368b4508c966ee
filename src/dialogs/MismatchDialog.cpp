// MismatchDialog: mismatch dialog with two pictures.
#include "dialogs/MismatchDialog.h"

#include <QLabel>

#include "audio/SoundModule.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "dialogs/ResultParts.h"

using namespace ResultParts;

MismatchDialog::MismatchDialog(QWidget* parent)
    : FramelessDialog(QStringLiteral("MismatchDialog"), QStringLiteral("Games"), QSize(540, 340), parent) {
    picture_ = addPicture(this, QStringLiteral("picture"), 24, 54);
    playPicture_ = addPlayButton(this, QStringLiteral("playPicture"), picture_->geometry().right() + 6,
                            picture_->geometry().bottom() - 40);
    secondPicture_ = addPicture(this, QStringLiteral("secondPicture"), 284, 54);
    secondPlayPicture_ = addPlayButton(this, QStringLiteral("secondPlayPicture"), secondPicture_->geometry().right() + 6,
                             secondPicture_->geometry().bottom() - 40);
    messageLabel_ = addMessage(this, 212);
    messageLabel_->setText(QStringLiteral("Sorry, you found"));
    closeButton_ = addOkButton(this);
    connect(picture_, &ClickLabel::clicked, this, [this] { playSoundFile(soundPath1_); });
    connect(playPicture_, &ClickLabel::clicked, this, [this] { playSoundFile(soundPath1_); });
    connect(secondPicture_, &ClickLabel::clicked, this, [this] { playSoundFile(soundPath2_); });
    connect(secondPlayPicture_, &ClickLabel::clicked, this, [this] { playSoundFile(soundPath2_); });
}

void MismatchDialog::setPictures(const QPixmap& first, const QPixmap& second) {
    showPicture(picture_, first);
    showPicture(secondPicture_, second);
}

void MismatchDialog::setMessage(const QString& message) {
    messageLabel_->setText(message);
}

QString MismatchDialog::message() const {
    return messageLabel_->text();
}

void MismatchDialog::setSoundPaths(const QString& first, const QString& second) {
    soundPath1_ = first;
    soundPath2_ = second;
}
