// msg_WIN: result dialog with one picture.
#include "windows/ResultDialog.h"

#include <QLabel>

#include "audio/SoundModule.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "windows/ResultParts.h"

using namespace ResultParts;

msg_WIN::msg_WIN(QWidget* parent)
    : FramelessDialog(QStringLiteral("msg_WIN"), QStringLiteral("Games"), QSize(340, 340), parent) {
    picMAIN = addPicture(this, QStringLiteral("picMAIN"), (width() - PictureWidth) / 2 - 14, 54);
    imgPLAY = addPlayButton(this, QStringLiteral("imgPLAY"), picMAIN->geometry().right() + 10,
                            picMAIN->geometry().bottom() - 40);
    lblMESSAGE = addMessage(this, 212);
    lblMESSAGE->setText(QStringLiteral("Well done. You found"));
    btnCLOSE = addOkButton(this);
    // The word can be heard as often as the learner likes; the dialog stays open.
    connect(picMAIN, &ClickLabel::Click, this, &msg_WIN::play);
    connect(imgPLAY, &ClickLabel::Click, this, &msg_WIN::play);
}

void msg_WIN::play() {
    PlaySoundFile(soundPath_);
}

void msg_WIN::setPicture(const QPixmap& picture) {
    showPicture(picMAIN, picture);
}

bool msg_WIN::hasPicture() const {
    return !picMAIN->pixmap().isNull();
}

void msg_WIN::setMessage(const QString& message) {
    lblMESSAGE->setText(message);
}

QString msg_WIN::message() const {
    return lblMESSAGE->text();
}
