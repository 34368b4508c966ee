// ImageButton: picture push button.
#include "controls/ImageButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "controls/ButtonFaces.h"
#include "controls/WindowHelpers.h"

ImageButton::ImageButton(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
    setMouseTracking(true);
    setHandCursor(this);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(12);
    setFont(f);
    resize(sizeHint());
}

void ImageButton::setCaption(const QString& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    update();
}

void ImageButton::setFace(Face face, const QColor& caption) {
    if (face_ == face && captionColor_ == caption) return;
    face_ = face;
    captionColor_ = caption;
    update();
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The faces have see-through corners: the window behind shows there, not a square of colour.
    const qreal dpr = devicePixelRatioF();
    // The pressed state of a disabled button is drawn flat, so its caption really vanishes.
    p.drawPixmap(rect(), ownEnabled() ? ButtonFaces::textButton(static_cast<int>(face_), dpr)
                                      : ButtonFaces::disabledTextButton(dpr));
    p.setPen(captionColor_);
    p.setFont(font());
    p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

void ImageButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        pressed_ = false;
        afterDoubleClick_ = false;
        if (ownEnabled()) {
            setFace(Face::Normal, Qt::black);
            setHandCursor(this);
        } else {
            setFace(Face::Pressed, backgroundColor());
            unsetCursor();
        }
    }
    QWidget::changeEvent(event);
}

void ImageButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!pressed_ && !afterDoubleClick_) setFace(Face::Highlighted, Qt::black);
}

// Leaving puts the normal face back at once; no polling needed.
void ImageButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    afterDoubleClick_ = false;
    if (isEnabled()) setFace(Face::Normal, Qt::black);
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_) {
        afterDoubleClick_ = false;
        setFace(Face::Highlighted, Qt::black);
    }
    emit mouseMoved(event->buttons(), event->modifiers(), event->position());
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    setFace(Face::Pressed, Qt::white);
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (afterDoubleClick_) return; // the double-click already raised its Click and keeps the pressed face
    setFace(Face::Highlighted, Qt::black);
    if (wasPressed && rect().contains(event->position().toPoint())) emit clicked();
}

// The second click of a pair raises Click too, then shows the pressed face until the pointer moves on.
void ImageButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = false;
    afterDoubleClick_ = true;
    QPointer<ImageButton> alive(this);
    emit clicked();
    if (alive && isEnabled()) setFace(Face::Pressed, Qt::white);
}
