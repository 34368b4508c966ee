// StoredPicture: reads a picture a grown-up chose and stores it shrunk to a word card's size.
#include "catalogue/StoredPicture.h"

#include "catalogue/PictureLoader.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>

namespace StoredPicture {

QImage read(const QString& path, QByteArray* format, QString* error) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        *error = QStringLiteral("the picture file is not there");
        return {};
    }
    if (info.size() == 0) {
        *error = QStringLiteral("the file is empty");
        return {};
    }
    if (info.size() > MaxFileBytes) {
        *error = QStringLiteral("the picture is too big (%1 MB); choose one under %2 MB")
                     .arg(info.size() / (1024 * 1024))
                     .arg(MaxFileBytes / (1024 * 1024));
        return {};
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > PictureLoader::MaxPixels) {
        *error = QStringLiteral("the picture has too many pixels");
        return {};
    }
    if (format) *format = reader.format();
    QImage image = reader.read();
    if (image.isNull()) *error = QStringLiteral("this file is not a picture that can be read, or it is damaged");
    return image;
}

bool isPhotoFormat(const QByteArray& format) {
    return format == "jpeg" || format == "jpg";
}

QImage fitted(const QImage& source) {
    const QImage scaled = source.scaled(Size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage flat(scaled.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, scaled);
    return flat;
}

bool save(const QImage& image, bool photo, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !fitted(image).save(&file, photo ? "JPG" : "PNG", photo ? 90 : -1) ||
        !file.commit()) {
        *error = QStringLiteral("the picture cannot be written to %1").arg(QFileInfo(path).absolutePath());
        return false;
    }
    return true;
}

} // namespace StoredPicture
