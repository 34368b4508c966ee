// RegularFile: reads a file only when it is a regular one, and never more than a given number of bytes.
#pragma once

#include <QByteArray>
#include <QString>

namespace RegularFile {

struct Contents {
    enum Status { Read, Missing, NotRegular, Unreadable } status = Missing;
    QByteArray bytes; // at most the limit asked for
    qint64 size = 0;  // the file's size on disk; more than bytes.size() when the limit cut it short
    QString error;    // why it was not read, for the log
    bool cut() const { return size > bytes.size(); }
};

// A named pipe, a device or a folder is never opened for reading (a pipe would block, a device never
// end); a link counts as what it points to.
Contents read(const QString& path, qint64 maxBytes);

} // namespace RegularFile
