// FramelessDialog: top band with icon, heading and close cross; dragged by its background.
#include "dialogs/FramelessDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "app/ChildFont.h"
#include "controls/ClickLabel.h"
#include "controls/WindowHelpers.h"
#include "dialogs/DialogPictures.h"

FramelessDialog::FramelessDialog(const QString& name, const QString& heading, const QSize& size,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(name);
    setModal(true);
    setFixedSize(size);

    iconLabel_ = new QLabel(this);
    iconLabel_->setObjectName(QStringLiteral("iconLabel"));
    iconLabel_->setPixmap(DialogPictures::programIcon(28, devicePixelRatioF()));
    iconLabel_->setGeometry(10, 6, 28, 28);
    iconLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);

    heading_ = new QLabel(heading, this);
    heading_->setObjectName(QStringLiteral("headingLabel"));
    QFont f(ChildFont::family());
    f.setPointSize(12);
    f.setBold(true);
    heading_->setFont(f);
    heading_->setStyleSheet(QStringLiteral("color: white;"));
    heading_->setGeometry(46, 6, size.width() - 100, 28);
    heading_->setAttribute(Qt::WA_TransparentForMouseEvents);

    closeCross_ = new ClickLabel(this);
    closeCross_->setObjectName(QStringLiteral("closeCross"));
    closeCross_->setPixmap(DialogPictures::closeCross(26, devicePixelRatioF()));
    closeCross_->setGeometry(size.width() - 34, 7, 26, 26);
    closeCross_->setToolTip(QStringLiteral("Close"));
    connect(closeCross_, &ClickLabel::clicked, this, &QDialog::reject);

    new backgroundDragged(this, this);
}

void FramelessDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        enterPressed();
        return;
    }
    QDialog::keyPressEvent(event); // Escape rejects
}

void FramelessDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(255, 250, 232));
    p.fillRect(QRect(0, 0, width(), BandHeight), QColor(233, 120, 40)); // the top band
    p.setPen(QPen(QColor(200, 100, 30), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}
