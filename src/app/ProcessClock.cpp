// ProcessClock: reads the process's start time from /proc/self/stat.
#include "app/ProcessClock.h"

#include <ctime>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <unistd.h>

qint64 msSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray line = stat.readAll();
    // The command name may hold spaces and parentheses; the fields after it start past the last ')'.
    const qsizetype nameEnd = line.lastIndexOf(')');
    if (nameEnd < 0) return -1;
    const QList<QByteArray> fields = line.mid(nameEnd + 2).split(' ');
    // starttime is field 22 of the line, the 20th after the name.
    constexpr int StartTimeField = 22 - 3;
    if (fields.size() <= StartTimeField) return -1;
    bool ok = false;
    const qint64 startTicks = fields[StartTimeField].toLongLong(&ok);
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (!ok || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1;
    const qint64 nowMs = qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
    return nowMs - startTicks * 1000 / ticksPerSecond;
}
