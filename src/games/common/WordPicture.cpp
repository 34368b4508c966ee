// WordPicture: a framed picture box for a word's picture.
#include "games/common/WordPicture.h"

#include "catalogue/PictureLoader.h"

namespace {
constexpr int Frame = 6;
} // namespace

WordPicture::WordPicture(QWidget* parent) : ClickLabel(parent) {
    setObjectName(QStringLiteral("picture"));
    setAlignment(Qt::AlignCenter);
    // What a click does, not the word: that is what the child has to find.
    setAccessibleName(QStringLiteral("Hear the word"));
    setStyleSheet(
        QStringLiteral("#picture { background: white; border: %1px solid #f3c55a; border-radius: 10px; }")
            .arg(Frame - 2));
}

void WordPicture::showFile(const QString& path) {
    if (path == file_) return;
    file_ = path;
    if (path.isEmpty()) {
        clear();
        return;
    }
    // A picture that cannot be loaded leaves the frame empty, never the previous word's picture.
    const QPixmap picture =
        PictureLoader::shared().pixmap(path, size() - QSize(2 * Frame, 2 * Frame), devicePixelRatioF());
    if (picture.isNull())
        clear();
    else
        setPixmap(picture);
}
