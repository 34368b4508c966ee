// ArtKit: the drawing helpers every picture of the artwork shares.
#pragma once

#include <memory>
#include <QColor>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

class QSvgRenderer;

class ArtKit {
public:
    explicit ArtKit(QString emojiDir);
    ~ArtKit();

    // One emoji (file name without ".svg") drawn in the largest square centred in box.
    // A missing file draws a soft grey disc instead, so the pictures still build.
    void emoji(QPainter& p, const QString& code, const QRectF& box) const;
    // Rows of emoji centred in box, every emoji the same size, as large as the box allows.
    void emojiRows(QPainter& p, const QVector<QStringList>& rows, const QRectF& box, qreal gap = 4) const;
    // The emoji that could not be found, for the generator's report.
    QStringList missing() const { return missing_; }

    // A rounded card with a soft shadow and a white rim.
    static void tile(QPainter& p, const QRectF& r, const QColor& fill, qreal radius = 12, qreal rim = 2.5);
    static void shadow(QPainter& p, const QPainterPath& shape, QPointF offset, qreal strength = 1.0);
    static void cloud(QPainter& p, QPointF centre, qreal width,
                      const QColor& colour = QColor(255, 255, 255, 235));
    static void kite(QPainter& p, QPointF centre, qreal height, qreal angleDegrees, bool tail = true);
    static void flower(QPainter& p, QPointF centre, qreal size, const QColor& petals);
    static void tree(QPainter& p, QPointF foot, qreal height);
    // Sky fading to pale over rolling green hills that start at hillsTop.
    static void landscape(QPainter& p, const QRectF& area, qreal hillsTop, int hillLayers = 4);
    static void hills(QPainter& p, const QRectF& area, qreal top, const QVector<QColor>& colours);

    static QFont font(qreal pixelSize, bool bold = true);
    // Text as a filled outline, centred on the tight bounds of its glyphs.
    static void text(QPainter& p, const QRectF& box, const QString& s, qreal pixelSize, const QColor& fill,
                     const QColor& outline = Qt::transparent, qreal outlineWidth = 0);
    // Text whose characters take the colours in turn (blanks take none).
    static void rainbowText(QPainter& p, const QRectF& box, const QString& s, qreal pixelSize,
                            const QVector<QColor>& colours, const QColor& outline, qreal outlineWidth);

    // Basic shapes, drawn with a darker rim of their own colour.
    static QPainterPath star(QPointF centre, qreal outer, qreal inner, int points = 5);
    static QPainterPath heart(const QRectF& box);
    static QPainterPath polygon(QPointF centre, qreal radius, int corners, qreal rotationDegrees = -90);
    static void shape(QPainter& p, const QPainterPath& path, const QColor& fill);

private:
    QSvgRenderer* renderer(const QString& code) const;

    QString dir_;
    mutable QHash<QString, std::shared_ptr<QSvgRenderer>> cache_;
    mutable QStringList missing_;
};

// Calm, cheerful colours used across the pictures.
namespace Palette {
inline const QColor Ink(61, 90, 128);
inline const QColor SkyTop(126, 200, 242);
inline const QColor SkyBottom(222, 243, 252);
inline const QColor Red(255, 107, 107);
inline const QColor Yellow(255, 217, 61);
inline const QColor Green(107, 203, 119);
inline const QColor Blue(77, 150, 255);
inline const QColor Purple(157, 124, 216);
inline const QColor Orange(255, 159, 67);
inline const QColor Pink(255, 133, 192);
inline const QColor ButtonYellow(250, 220, 103);
} // namespace Palette
