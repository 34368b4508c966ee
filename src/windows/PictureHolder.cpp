// mdb_STR: holder window; loaded at start-up, never shown.
#include "windows/PictureHolder.h"

#include <QLabel>

#include "app/ArtPaths.h"
#include "controls/ButtonFaces.h"
#include "windows/Forms.h"
#include "windows/ShellForms.h"

mdb_STR::mdb_STR(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mdb_STR"));
    setWindowTitle(QStringLiteral("Archive"));
    imgSCREEN = new QLabel(this);
    imgSCREEN->setObjectName(QStringLiteral("imgSCREEN"));
    imgSCREEN->setPixmap(ButtonFaces::cachedArt(Art::Screen, devicePixelRatioF()));
    imgCONGRATS = new QLabel(this);
    imgCONGRATS->setObjectName(QStringLiteral("imgCONGRATS"));
    imgCONGRATS->setPixmap(ButtonFaces::cachedArt(Art::Congrats, devicePixelRatioF()));
}

QPixmap mdb_STR::screenPicture() const {
    return imgSCREEN->pixmap();
}
QPixmap mdb_STR::congratsPicture() const {
    return imgCONGRATS->pixmap();
}

mdb_STR* mdb_STR::holder() {
    registerShellForms();
    return forms().load<mdb_STR>(QStringLiteral("mdb_STR"));
}

QPixmap mdb_STR::screen() {
    mdb_STR* h = holder();
    return h ? h->screenPicture() : QPixmap();
}

QPixmap mdb_STR::congrats() {
    mdb_STR* h = holder();
    return h ? h->congratsPicture() : QPixmap();
}
