// NonRegularFile: mkfifo and symlink.
#include "NonRegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace NonRegularFile {

bool make(const QString& path, const QString& kind) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("pipe")) return ::mkfifo(name.constData(), 0600) == 0;
    if (kind == QLatin1String("zero")) return ::symlink("/dev/zero", name.constData()) == 0;
    return false;
}

} // namespace NonRegularFile
