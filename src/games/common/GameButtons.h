// GameButtons: the buttons and small pictures the game windows put where the learner clicks.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class ClickLabel;
class QWidget;
class ImageButton;
struct ArtImage;

namespace GameButtons {
// An image button with a bold caption of the given size.
ImageButton* make(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
               int pointSize = 14);
// A clickable embedded picture (play, back, next) at its own size.
ClickLabel* picture(QWidget* parent, const QString& name, const ArtImage& art, const QPoint& at,
                    const QString& toolTip);
// Where every game puts "Pass >": bottom right, under the meter.
QRect passRect();
} // namespace GameButtons
