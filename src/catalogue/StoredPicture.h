// StoredPicture: reads a picture a grown-up chose and stores it shrunk to a word card's size.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace StoredPicture {

// Word pictures fit the game's 800 x 600 frame.
inline constexpr QSize Size{800, 600};
// A bigger file is refused before it is read: no camera photo a child's card needs comes near it.
inline constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;

// Reads a picture file, its format recognised by content and turned upright by its orientation tag. A null
// image, with the reason in words a grown-up understands, when it is missing, too big, damaged or no picture.
QImage read(const QString& path, QByteArray* format, QString* error);
// Whether a picture of this format is a photo (kept as JPEG) rather than a drawing (kept as PNG).
bool isPhotoFormat(const QByteArray& format);
// Fits the picture inside Size with its aspect kept; transparent parts become white, as on a card.
QImage fitted(const QImage& source);
// Stores fitted(image) at path through a temporary name, so the path holds the old picture or the new one.
bool save(const QImage& image, bool photo, const QString& path, QString* error);

} // namespace StoredPicture
