// HoverFrame: the yellow rounded frame laid around the hot spot under the pointer or the keyboard's focus.
#pragma once

#include <QString>

class QFrame;
class QWidget;

// A hidden frame named name on parent; it lets clicks through to the spot beneath it.
QFrame* newHoverFrame(QWidget* parent, const QString& name, const QString& colour = QStringLiteral("#ffd23f"),
                      int radius = 8);
// The keyboard's focus wears the same frame, thicker, to be seen from across a room.
void setFrameForFocus(QFrame* frame, bool focus);
bool frameShowsFocus(const QFrame* frame);
