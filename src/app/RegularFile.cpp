// RegularFile: stat before opening, open without blocking, and check again on the open descriptor.
#include "app/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

Contents read(const QString& path, qint64 maxBytes) {
    Contents out;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return out;
        out.status = Contents::Unreadable;
        out.error = QString::fromLocal8Bit(std::strerror(errno));
        return out;
    }
    out.status = Contents::NotRegular;
    out.error = QStringLiteral("not a regular file");
    if (!S_ISREG(st.st_mode)) return out;
    // Non-blocking, so a pipe put in its place since the stat cannot hold the open.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        out.status = Contents::Unreadable;
        out.error = QString::fromLocal8Bit(std::strerror(errno));
        return out;
    }
    QFile file;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return out;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        ::close(fd);
        out.status = Contents::Unreadable;
        out.error = file.errorString();
        return out;
    }
    out.size = st.st_size;
    const qint64 wanted = qMin(out.size, maxBytes);
    out.bytes = file.read(wanted);
    if (file.error() != QFileDevice::NoError) {
        out.status = Contents::Unreadable;
        out.error = file.errorString();
        out.bytes.clear();
        return out;
    }
    out.status = Contents::Read;
    if (out.bytes.size() < wanted) out.size = out.bytes.size(); // shrank since the stat
    out.error.clear();
    return out;
}

} // namespace RegularFile
