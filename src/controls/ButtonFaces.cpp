// ButtonFaces: embedded faces through the pixmap cache, so a repaint never decodes a picture again.
#include "controls/ButtonFaces.h"

#include <QPixmapCache>

#include "app/ArtPixmap.h"

namespace ButtonFaces {

QPixmap cachedArt(const ArtImage& art, qreal devicePixelRatio) {
    const qreal dpr = devicePixelRatio > 1.0 ? 2.0 : 1.0;
    const QString key = QStringLiteral("lexikite-art:%1@%2").arg(QLatin1String(art.path)).arg(dpr);
    QPixmap pm;
    if (QPixmapCache::find(key, &pm)) return pm;
    pm = artPixmap(art, dpr);
    if (!pm.isNull()) QPixmapCache::insert(key, pm);
    return pm;
}

QPixmap textButton(int face, qreal devicePixelRatio) {
    static const ArtImage* const faces[] = {&Art::ButtonNormal, &Art::ButtonHover, &Art::ButtonPressed};
    return cachedArt(*faces[qBound(0, face, 2)], devicePixelRatio);
}

QPixmap disabledTextButton(qreal devicePixelRatio) {
    return cachedArt(Art::ButtonDisabled, devicePixelRatio);
}

QPixmap toolbarButton(int kind, int face, qreal devicePixelRatio) {
    if (kind < 1 || kind > 5) return {};
    return cachedArt(Art::BarFaces[kind - 1][qBound(0, face, 2)], devicePixelRatio);
}

} // namespace ButtonFaces
