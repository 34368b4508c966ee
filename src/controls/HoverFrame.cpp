// HoverFrame: one look for the hover frame of the home screen, the game menu and the games.
#include "controls/HoverFrame.h"

#include <QFrame>

QFrame* newHoverFrame(QWidget* parent, const QString& name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Scoped to the frame's own name so the children of the parent keep their looks.
    frame->setStyleSheet(QStringLiteral("#%1 { border: 3px solid #ffd23f; border-radius: 8px; }").arg(name));
    frame->hide();
    return frame;
}
