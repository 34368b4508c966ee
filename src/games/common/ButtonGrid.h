// ButtonGrid: a row-by-row grid of image buttons, as the letter games lay out their 26 letters or tiles.
#pragma once

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

class QWidget;
class ImageButton;

struct ButtonGrid {
    QPoint origin;
    QSize button;
    int columns = 9;
    int gap = 6;

    QPoint place(int index) const;
    // count buttons named name_0, name_1, ..., with a large bold caption a child reads at a glance.
    QList<ImageButton*> make(QWidget* parent, const QString& name, int count) const;
};
