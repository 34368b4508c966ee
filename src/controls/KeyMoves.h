// KeyMoves: the keyboard's way over a set of controls: reading order, arrow keys and a visible focus.
#pragma once

#include <QList>
#include <QRect>

class QFocusEvent;
class QKeyEvent;
class QWidget;

namespace KeyMoves {
// The indexes of the rectangles in reading order: rows from the top, each from the left. Controls made in
// this order are also reached by Tab in it.
QList<int> readingOrder(const QList<QRect>& places);
// Where an arrow key leads from `from` among the ordered widgets that can take the focus now: left and
// right step through the reading order, up and down to the nearest one that way. From nothing, the first.
// Null when the key is no arrow or nothing lies that way.
QWidget* arrowTarget(const QList<QWidget*>& ordered, const QWidget* from, int key);
// Moves the focus as arrowTarget says, as a Tab would; false when the key was not used.
bool moveFocus(const QList<QWidget*>& ordered, const QKeyEvent* event);
// Enter, Return or Space, pressed (not held): what a click is from the keyboard.
bool isPress(const QKeyEvent* event);
// The focus came from the keyboard (Tab, Shift+Tab, an arrow, or back from a dialog) after a key was the
// last thing pressed, so it is shown; a window's own focus moves after a click show nothing.
bool byKeyboard(const QFocusEvent* event);
// Starts noting whether a key or a pointer button was pressed last; once, before the first window.
void watchInput();
} // namespace KeyMoves
