// PictureHolder: holder window; loaded at start-up, never shown.
#include "shell/PictureHolder.h"

#include <QLabel>

#include "app/ArtPaths.h"
#include "controls/ButtonFaces.h"
#include "forms/Forms.h"

PictureHolder::PictureHolder(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PictureHolder"));
    setWindowTitle(QStringLiteral("Archive"));
    backgroundPicture_ = new QLabel(this);
    backgroundPicture_->setObjectName(QStringLiteral("backgroundPicture"));
    backgroundPicture_->setPixmap(ButtonFaces::cachedArt(Art::Screen, devicePixelRatioF()));
    congratulationsPicture_ = new QLabel(this);
    congratulationsPicture_->setObjectName(QStringLiteral("congratulationsPicture"));
    congratulationsPicture_->setPixmap(ButtonFaces::cachedArt(Art::Congrats, devicePixelRatioF()));
}

QPixmap PictureHolder::screenPicture() const {
    return backgroundPicture_->pixmap();
}
QPixmap PictureHolder::congratsPicture() const {
    return congratulationsPicture_->pixmap();
}

PictureHolder* PictureHolder::holder() {
    Forms& f = forms();
    if (!f.isRegistered(QStringLiteral("PictureHolder")))
        f.registerForm(QStringLiteral("PictureHolder"), [] { return new PictureHolder; });
    return forms().load<PictureHolder>(QStringLiteral("PictureHolder"));
}

QPixmap PictureHolder::screen() {
    PictureHolder* h = holder();
    return h ? h->screenPicture() : QPixmap();
}

QPixmap PictureHolder::congrats() {
    PictureHolder* h = holder();
    return h ? h->congratsPicture() : QPixmap();
}
