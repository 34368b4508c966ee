// uctl_BAR: toolbar picture button with five kinds and three faces.
#include "controls/ToolbarButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "app/LeadingInt.h"
#include "controls/ButtonFaces.h"
#include "controls/WindowHelpers.h"

uctl_BAR::uctl_BAR(const QString& kind, QWidget* parent) : QWidget(parent), caption_(kind) {
    setMouseTracking(true);
    SetHandCursor(this);
    setFixedSize(sizeHint());
    SetBarFace(Normal);
}

int uctl_BAR::kind() const {
    return leadingInt(caption_);
}

QString uctl_BAR::tooltipFor(int kind) {
    switch (kind) {
    case 1:
        return QStringLiteral("Facebook");
    case 2:
        return QStringLiteral("Choose a Subject");
    case 3:
        return QStringLiteral("Choose a Game");
    case 4:
        return QStringLiteral("About Us");
    case 5:
        return QStringLiteral("Settings");
    default:
        return {};
    }
}

void uctl_BAR::setTextCaption(const QString& kind) {
    caption_ = kind;
    SetBarFace(face_);
}

// Another kind keeps the previous face and tooltip, as a missing picture does.
void uctl_BAR::SetBarFace(int face) {
    const int k = kind();
    if (k >= 1 && k <= 5) setToolTip(tooltipFor(k));
    face_ = face;
    update();
}

void uctl_BAR::paintEvent(QPaintEvent*) {
    const QPixmap pm = ButtonFaces::toolbarButton(kind(), face_, devicePixelRatioF());
    if (pm.isNull()) return;
    QPainter p(this);
    p.drawPixmap(rect(), pm);
}

void uctl_BAR::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!pressed_) SetBarFace(Highlighted);
}

// Leaving shows the normal face at once; no polling needed.
void uctl_BAR::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    afterDoubleClick_ = false;
    if (isEnabled() && !pressed_) SetBarFace(Normal);
}

// While the left button is held the face stays, so a press dragged across the button stays pressed.
void uctl_BAR::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        afterDoubleClick_ = false;
        SetBarFace(Highlighted);
    }
}

void uctl_BAR::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    SetBarFace(Pressed);
}

void uctl_BAR::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (afterDoubleClick_) return;
    const bool inside = rect().contains(event->position().toPoint());
    SetBarFace(inside ? Highlighted : Normal);
    if (wasPressed && inside) emit Click();
}

void uctl_BAR::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = false;
    afterDoubleClick_ = true;
    QPointer<uctl_BAR> alive(this);
    emit Click();
    if (alive) SetBarFace(Pressed);
}
