// ImageButton: picture push button.
#include "controls/ImageButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/ChildFont.h"
#include "controls/ButtonFaces.h"
#include "controls/WindowHelpers.h"

ImageButton::ImageButton(const QString& caption, QWidget* parent) : PressableWidget(parent), caption_(caption) {
    setMouseTracking(true);
    setHandCursor(this);
    QFont f(ChildFont::family());
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
        forgetPress();
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

void ImageButton::showLook(Look look) {
    // The caption turns white on the pressed face.
    switch (look) {
    case Look::Normal:
        setFace(Face::Normal, Qt::black);
        break;
    case Look::Highlighted:
        setFace(Face::Highlighted, Qt::black);
        break;
    case Look::Pressed:
        setFace(Face::Pressed, Qt::white);
        break;
    }
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    PressableWidget::mouseMoveEvent(event);
    emit mouseMoved(event->buttons(), event->modifiers(), event->position());
}
