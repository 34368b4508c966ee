// ButtonGrid: the letter games' grid of buttons.
#include "games/common/ButtonGrid.h"

#include "games/common/GameButtons.h"

QPoint ButtonGrid::place(int index) const {
    return origin +
           QPoint((index % columns) * (button.width() + gap), (index / columns) * (button.height() + gap));
}

QList<ImageButton*> ButtonGrid::make(QWidget* parent, const QString& name, int count) const {
    QList<ImageButton*> buttons;
    for (int i = 0; i < count; ++i)
        buttons.append(GameButtons::make(parent, name + u'_' + QString::number(i), QString(),
                                         QRect(place(i), button), 15));
    return buttons;
}
