// mdb_STR: holder window; loaded at start-up, never shown.
#include "windows/mdb_STR.h"

#include <cmath>
#include <functional>
#include <numbers>

#include <QFile>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "windows/Forms.h"
#include "windows/ShellForms.h"

namespace {

QPixmap artOr(const QString& path, const std::function<QPixmap()>& standIn) {
    if (QFile::exists(path)) {
        QPixmap pm(path);
        if (!pm.isNull()) return pm;
    }
    return standIn();
}

QPixmap drawnScreen() {
    QPixmap pm(1024, 567);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, pm.height());
    g.setColorAt(0, QColor(150, 210, 245));
    g.setColorAt(1, QColor(200, 235, 180));
    p.fillRect(pm.rect(), g);
    return pm;
}

QPixmap drawnCongrats() {
    QPixmap pm(200, 150);
    pm.fill(QColor(255, 246, 210));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath star;
    const QPointF c(100, 78);
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2) ? 26 : 62;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(220, 140, 0), 3));
    p.setBrush(QColor(255, 205, 40));
    p.drawPath(star);
    return pm;
}

} // namespace

mdb_STR::mdb_STR(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mdb_STR"));
    setWindowTitle(QStringLiteral("Archive"));
    imgSCREEN = new QLabel(this);
    imgSCREEN->setObjectName(QStringLiteral("imgSCREEN"));
    imgSCREEN->setPixmap(artOr(QStringLiteral(":/art/games/screen.png"), drawnScreen));
    imgCONGRATS = new QLabel(this);
    imgCONGRATS->setObjectName(QStringLiteral("imgCONGRATS"));
    imgCONGRATS->setPixmap(artOr(QStringLiteral(":/art/dialogs/congrats.png"), drawnCongrats));
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
