// SplashScreen: a small warm frameless window with the kite, the maker and the version.
#include "shell/SplashScreen.h"

#include "app/AppLog.h"
#include "app/AppState.h"
#include "app/ProcessClock.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int DefaultDisplayMs = 3000;
const QColor Cream(0xFF, 0xF6, 0xE3);
const QColor Apricot(0xFF, 0xDD, 0xB0);
const QColor Bark(0x6B, 0x3E, 0x26);
const QColor BorderOrange(0xF0, 0x8A, 0x3C);

QPixmap drawnKite(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    const QPointF top(w * 0.50, h * 0.02), right(w * 0.88, h * 0.24), bottom(w * 0.50, h * 0.54),
        left(w * 0.12, h * 0.24), centre(w * 0.50, h * 0.24);

    // Tail first, so the kite sits over it: a soft wave with three bows.
    QPainterPath tail(bottom);
    tail.cubicTo(QPointF(w * 0.28, h * 0.62), QPointF(w * 0.74, h * 0.68), QPointF(w * 0.40, h * 0.79));
    p.setPen(QPen(Bark, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    const QColor bowColours[] = {QColor(0xF2, 0x6B, 0x5B), QColor(0x4D, 0xB6, 0xE8),
                                 QColor(0xF9, 0xC8, 0x46)};
    for (int i = 0; i < 3; ++i) {
        const QPointF at = tail.pointAtPercent(0.25 + 0.3 * i);
        const qreal s = w * 0.05;
        p.setPen(Qt::NoPen);
        p.setBrush(bowColours[i]);
        p.drawPolygon(QPolygonF({at, at + QPointF(-s, -s * 0.6), at + QPointF(-s, s * 0.6)}));
        p.drawPolygon(QPolygonF({at, at + QPointF(s, -s * 0.6), at + QPointF(s, s * 0.6)}));
    }

    // Four bright panels meeting at the cross of the spars.
    const QColor panels[] = {QColor(0xF2, 0x6B, 0x5B), QColor(0xF9, 0xC8, 0x46), QColor(0x7B, 0xC9, 0x6F),
                             QColor(0x4D, 0xB6, 0xE8)};
    const QPointF corners[] = {top, right, bottom, left};
    p.setPen(QPen(Bark, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i < 4; ++i) {
        p.setBrush(panels[i]);
        p.drawPolygon(QPolygonF({centre, corners[i], corners[(i + 1) % 4]}));
    }
    p.setPen(QPen(Bark, 1.5));
    p.drawLine(top, bottom);
    p.drawLine(left, right);

    QFont font = p.font();
    font.setPixelSize(qMax(12, size.height() / 8));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Bark);
    p.drawText(QRectF(0, h * 0.81, w, h * 0.19), Qt::AlignCenter, QLatin1String(AppIdentity::Title));
    return pixmap;
}
} // namespace

SplashScreen::SplashScreen(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("SplashScreen"));
    setModal(true);
    setFixedSize(480, 270);

    iconLabel_ = new QLabel(this);
    iconLabel_->setObjectName(QStringLiteral("iconLabel"));
    iconLabel_->setPixmap(picture(QSize(180, 230)));

    companyLabel_ = new QLabel(QStringLiteral("Brightmoor Learning"), this);
    companyLabel_->setObjectName(QStringLiteral("companyLabel"));
    QFont companyFont = companyLabel_->font();
    companyFont.setPointSizeF(companyFont.pointSizeF() * 1.5);
    companyFont.setBold(true);
    companyLabel_->setFont(companyFont);

    copyrightLabel_ = new QLabel(this);
    copyrightLabel_->setObjectName(QStringLiteral("copyrightLabel"));
    versionLabel_ = new QLabel(QStringLiteral("Version 1.0"), this);
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));
    for (QLabel* label : {companyLabel_, copyrightLabel_, versionLabel_}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Bark);
        label->setPalette(palette);
        label->setWordWrap(true);
    }

    auto* texts = new QVBoxLayout;
    texts->addStretch(1);
    texts->addWidget(companyLabel_);
    texts->addSpacing(12);
    texts->addWidget(copyrightLabel_);
    texts->addWidget(versionLabel_);
    texts->addStretch(1);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(20, 18, 24, 18);
    row->setSpacing(18);
    row->addWidget(iconLabel_);
    row->addLayout(texts, 1);

    versionLabel_->setText(appState().versionText);
    copyrightLabel_->setText(appState().rightsText);

    closeTimer_ = new QTimer(this);
    closeTimer_->setObjectName(QStringLiteral("closeTimer"));
    closeTimer_->setSingleShot(true);
    closeTimer_->setTimerType(Qt::PreciseTimer); // a coarse timer may end the three seconds early
    closeTimer_->setInterval(displayMs());
    connect(closeTimer_, &QTimer::timeout, this, &QDialog::accept);
    closeTimer_->start();

    // Round the corners off, so nothing square shows outside the border.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), 16, 16);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

int SplashScreen::displayMs() {
    bool ok = false;
    const int ms = qEnvironmentVariable("LEXIKITE_SPLASH_MS").trimmed().toInt(&ok);
    return ok && ms >= 0 && ms <= 60000 ? ms : DefaultDisplayMs;
}

QPixmap SplashScreen::picture(const QSize& size) {
    const QString art = QStringLiteral(":/art/splash.png");
    if (QFile::exists(art)) {
        QPixmap pixmap(art);
        if (!pixmap.isNull()) return pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return drawnKite(size);
}

void SplashScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient warm(0, 0, 0, height());
    warm.setColorAt(0, Cream);
    warm.setColorAt(1, Apricot);
    p.fillRect(rect(), warm);
    // border: a rounded frame just inside the edge.
    p.setPen(QPen(BorderOrange, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 14, 14);
}

void SplashScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    qCInfo(lcTiming) << "splash shown after" << msSinceProcessStart() << "ms from process start";
}
