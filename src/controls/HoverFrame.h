// HoverFrame: the yellow rounded frame laid around the hot spot under the pointer.
#pragma once

#include <QString>

class QFrame;
class QWidget;

// A hidden frame named name on parent; it lets clicks through to the spot beneath it.
QFrame* newHoverFrame(QWidget* parent, const QString& name);
