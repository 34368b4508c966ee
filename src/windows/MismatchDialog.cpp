// msg_LOS: mismatch dialog with two pictures.
#include "windows/MismatchDialog.h"

#include <QLabel>

#include "audio/SoundModule.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "windows/ResultParts.h"

using namespace ResultParts;

msg_LOS::msg_LOS(QWidget* parent)
    : FramelessDialog(QStringLiteral("msg_LOS"), QStringLiteral("Games"), QSize(540, 340), parent) {
    picMAIN = addPicture(this, QStringLiteral("picMAIN"), 24, 54);
    imgPLAY = addPlayButton(this, QStringLiteral("imgPLAY"), picMAIN->geometry().right() + 6,
                            picMAIN->geometry().bottom() - 40);
    picMAIN2 = addPicture(this, QStringLiteral("picMAIN2"), 284, 54);
    imgPLAY2 = addPlayButton(this, QStringLiteral("imgPLAY2"), picMAIN2->geometry().right() + 6,
                             picMAIN2->geometry().bottom() - 40);
    lblMESSAGE = addMessage(this, 212);
    lblMESSAGE->setText(QStringLiteral("Sorry, you found"));
    btnCLOSE = addOkButton(this);
    connect(picMAIN, &ClickLabel::Click, this, [this] { PlaySoundFile(soundPath1_); });
    connect(imgPLAY, &ClickLabel::Click, this, [this] { PlaySoundFile(soundPath1_); });
    connect(picMAIN2, &ClickLabel::Click, this, [this] { PlaySoundFile(soundPath2_); });
    connect(imgPLAY2, &ClickLabel::Click, this, [this] { PlaySoundFile(soundPath2_); });
}

void msg_LOS::setPictures(const QPixmap& first, const QPixmap& second) {
    showPicture(picMAIN, first);
    showPicture(picMAIN2, second);
}

void msg_LOS::setMessage(const QString& message) {
    lblMESSAGE->setText(message);
}

QString msg_LOS::message() const {
    return lblMESSAGE->text();
}

void msg_LOS::setSoundPaths(const QString& first, const QString& second) {
    soundPath1_ = first;
    soundPath2_ = second;
}
