// ToolbarButton: toolbar picture button with five kinds and three faces.
#include "controls/ToolbarButton.h"

#include <QPainter>

#include "app/LeadingInt.h"
#include "controls/ButtonFaces.h"
#include "controls/WindowHelpers.h"

ToolbarButton::ToolbarButton(const QString& kind, QWidget* parent) : PressableWidget(parent), caption_(kind) {
    setMouseTracking(true);
    setPressedFaceHeld(true);
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

QString ToolbarButton::nameFor(int kind) {
    switch (kind) {
    case 1:
        return QStringLiteral("Our page");
    case 2:
        return QStringLiteral("Home");
    case 3:
        return QStringLiteral("Games");
    case 4:
        return QStringLiteral("About");
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
    if (k >= 1 && k <= 5) {
        setToolTip(tooltipFor(k));
        setAccessibleName(nameFor(k));
    }
    face_ = face;
    update();
}

void ToolbarButton::paintEvent(QPaintEvent*) {
    const QPixmap pm = ButtonFaces::toolbarButton(kind(), face_, devicePixelRatioF());
    if (pm.isNull()) return;
    QPainter p(this);
    p.drawPixmap(rect(), pm);
}

void ToolbarButton::showLook(Look look) {
    setBarFace(look == Look::Pressed ? Pressed : look == Look::Highlighted ? Highlighted : Normal);
}
