// ToolbarButton: toolbar picture button with five kinds and three faces.
#include "controls/ToolbarButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "app/LeadingInt.h"
#include "controls/ButtonFaces.h"
#include "controls/WindowHelpers.h"

ToolbarButton::ToolbarButton(const QString& kind, QWidget* parent) : QWidget(parent), caption_(kind) {
    setMouseTracking(true);
    setHandCursor(this);
    setFixedSize(sizeHint());
    setBarFace(Normal);
}

int ToolbarButton::kind() const {
    return leadingInt(caption_);
}

QString ToolbarButton::tooltipFor(int kind) {
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

void ToolbarButton::setCaption(const QString& kind) {
    caption_ = kind;
    setBarFace(face_);
}

// Another kind keeps the previous face and tooltip, as a missing picture does.
void ToolbarButton::setBarFace(int face) {
    const int k = kind();
    if (k >= 1 && k <= 5) setToolTip(tooltipFor(k));
    face_ = face;
    update();
}

void ToolbarButton::paintEvent(QPaintEvent*) {
    const QPixmap pm = ButtonFaces::toolbarButton(kind(), face_, devicePixelRatioF());
    if (pm.isNull()) return;
    QPainter p(this);
    p.drawPixmap(rect(), pm);
}

void ToolbarButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!pressed_) setBarFace(Highlighted);
}

// Leaving shows the normal face at once; no polling needed.
void ToolbarButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    afterDoubleClick_ = false;
    if (isEnabled() && !pressed_) setBarFace(Normal);
}

// While the left button is held the face stays, so a press dragged across the button stays pressed.
void ToolbarButton::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        afterDoubleClick_ = false;
        setBarFace(Highlighted);
    }
}

void ToolbarButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    setBarFace(Pressed);
}

void ToolbarButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (afterDoubleClick_) return;
    const bool inside = rect().contains(event->position().toPoint());
    setBarFace(inside ? Highlighted : Normal);
    if (wasPressed && inside) emit clicked();
}

void ToolbarButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = false;
    afterDoubleClick_ = true;
    QPointer<ToolbarButton> alive(this);
    emit clicked();
    if (alive) setBarFace(Pressed);
}
