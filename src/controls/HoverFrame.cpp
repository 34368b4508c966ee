// HoverFrame: one look for the hover frame of the home screen, the game menu and the games.
#include "controls/HoverFrame.h"

#include <QFrame>
#include <QStyle>
#include <QVariant>

namespace {
const char* const FocusProperty = "keyboardFocus";
} // namespace

QFrame* newHoverFrame(QWidget* parent, const QString& name, const QString& colour, int radius) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Scoped to the frame's own name so the children of the parent keep their looks.
    frame->setStyleSheet(QStringLiteral("#%1 { border: 3px solid %2; border-radius: %3px; }"
                                        "#%1[keyboardFocus=\"true\"] { border-width: 7px; }")
                             .arg(name, colour)
                             .arg(radius));
    frame->hide();
    return frame;
}

void setFrameForFocus(QFrame* frame, bool focus) {
    if (frame->property(FocusProperty).toBool() == focus) return;
    frame->setProperty(FocusProperty, focus);
    frame->style()->unpolish(frame);
    frame->style()->polish(frame);
    frame->update();
}

bool frameShowsFocus(const QFrame* frame) {
    return frame->property(FocusProperty).toBool();
}
