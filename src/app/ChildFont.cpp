// ChildFont: finds the early readers' typeface once and hands it to every child's text.
#include "app/ChildFont.h"

#include "app/AppLog.h"

#include <QDir>
#include <QFontDatabase>

namespace ChildFont {

namespace {
QString& settled() {
    static QString family;
    return family;
}
} // namespace

bool load(const QStringList& folders, const QString& wanted) {
    for (const QString& folder : folders) {
        if (QFontDatabase::hasFamily(wanted)) break;
        const QDir dir(folder);
        for (const QString& file : dir.entryList({wanted + QStringLiteral("*.ttf")}, QDir::Files))
            if (QFontDatabase::addApplicationFont(dir.filePath(file)) < 0)
                qCWarning(lcApp) << "the font file" << dir.filePath(file) << "could not be loaded";
    }
    const bool found = QFontDatabase::hasFamily(wanted);
    if (!found) qCWarning(lcApp) << "the typeface" << wanted << "is not installed; the text uses" << Fallback;
    settled() = found ? wanted : QLatin1String(Fallback);
    return found;
}

QString family() {
    if (settled().isEmpty()) load({});
    return settled();
}

QFont font(int pointSize, bool bold) {
    QFont f(family());
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

} // namespace ChildFont
