// ArtPixmap: loads an embedded picture at the sharpness the screen needs.
#include "app/ArtPixmap.h"

#include "app/AppLog.h"

namespace {
QString doublePath(const char* path) {
    QString p = QString::fromLatin1(path);
    return p.left(p.size() - 4) + QStringLiteral("@2x.png");
}
} // namespace

QPixmap artPixmap(const ArtImage& art, qreal devicePixelRatio) {
    QPixmap pixmap;
    if (art.hasDouble && devicePixelRatio > 1.0 && pixmap.load(doublePath(art.path))) {
        pixmap.setDevicePixelRatio(2.0);
        return pixmap;
    }
    if (!pixmap.load(QString::fromLatin1(art.path))) qCWarning(lcApp) << "cannot load" << art.path;
    return pixmap;
}

QIcon programIcon() {
    QIcon icon;
    for (const ArtImage& art :
         {Art::Icon16, Art::Icon24, Art::Icon32, Art::Icon48, Art::Icon64, Art::Icon128, Art::Icon256})
        icon.addFile(QString::fromLatin1(art.path), QSize(art.width, art.height));
    return icon;
}
