// FramelessDialog: top band with icon, heading and close cross; dragged by its background.
#include "windows/FramelessDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "controls/ClickLabel.h"
#include "controls/WindowHelpers.h"
#include "windows/DialogPictures.h"

FramelessDialog::FramelessDialog(const QString& name, const QString& heading, const QSize& size,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(name);
    setModal(true);
    setFixedSize(size);

    imgICON = new QLabel(this);
    imgICON->setObjectName(QStringLiteral("imgICON"));
    imgICON->setPixmap(DialogPictures::programIcon(28, devicePixelRatioF()));
    imgICON->setGeometry(10, 6, 28, 28);
    imgICON->setAttribute(Qt::WA_TransparentForMouseEvents);

    heading_ = new QLabel(heading, this);
    heading_->setObjectName(QStringLiteral("lablWIN"));
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(12);
    f.setBold(true);
    heading_->setFont(f);
    heading_->setStyleSheet(QStringLiteral("color: white;"));
    heading_->setGeometry(46, 6, size.width() - 100, 28);
    heading_->setAttribute(Qt::WA_TransparentForMouseEvents);

    imgCLOSE = new ClickLabel(this);
    imgCLOSE->setObjectName(QStringLiteral("imgCLOSE"));
    imgCLOSE->setPixmap(DialogPictures::closeCross(26, devicePixelRatioF()));
    imgCLOSE->setGeometry(size.width() - 34, 7, 26, 26);
    imgCLOSE->setToolTip(QStringLiteral("Close"));
    connect(imgCLOSE, &ClickLabel::Click, this, &QDialog::reject);

    new BackgroundDrag(this, this);
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
    p.fillRect(QRect(0, 0, width(), BandHeight), QColor(233, 120, 40)); // shpTOP
    p.setPen(QPen(QColor(200, 100, 30), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}
