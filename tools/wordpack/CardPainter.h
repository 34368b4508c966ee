// CardPainter: turns a picture description into an 800 x 600 picture on a soft coloured card.
#pragma once

#include "PictureRecipe.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;
class QRectF;

class CardPainter {
public:
    static constexpr QSize kSize{800, 600};

    explicit CardPainter(const QString& emojiFolder);

    // The card colour of a subject; every subject has its own hue, colours a neutral one.
    static QColor tintFor(const QString& subject);
    // The artwork file an emoji glyph is drawn from.
    QString emojiPath(const QString& codePoints) const;
    // Whether everything the picture needs exists; otherwise says what is missing.
    bool canDraw(const PictureRecipe& recipe, QString* error) const;
    // Draws the picture; false (with the reason) when its artwork cannot be read.
    bool render(const PictureRecipe& recipe, const QColor& tint, QImage* image, QString* error) const;
    // An empty card of the given tint.
    static QImage blankCard(const QColor& tint);

private:
    bool drawGlyph(QPainter& painter, const Glyph& glyph, const QRectF& box, QString* error) const;

    QString emojiFolder_;
};
