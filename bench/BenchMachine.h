// BenchMachine: what every benchmark prints first (cores, CPU model, load) and the median it reports.
#pragma once

#include <algorithm>
#include <cstdio>
#include <QFile>
#include <QList>
#include <QString>
#include <QThread>

namespace bench {

inline QString cpuModel() {
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (!info.open(QIODevice::ReadOnly)) return QStringLiteral("unknown CPU");
    for (const QByteArray& line : info.readAll().split('\n'))
        if (line.startsWith("model name"))
            return QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
    return QStringLiteral("unknown CPU");
}

inline QString loadAverage() {
    QFile load(QStringLiteral("/proc/loadavg"));
    if (!load.open(QIODevice::ReadOnly)) return QStringLiteral("?");
    return QString::fromUtf8(load.readAll()).section(QLatin1Char(' '), 0, 2);
}

// One line naming the machine, so figures from different runs can be told apart.
inline void printMachine() {
    std::printf("machine: %d cores, %s, load average %s\n", QThread::idealThreadCount(),
                qPrintable(cpuModel()), qPrintable(loadAverage()));
}

inline double median(QList<double> v) {
    if (v.isEmpty()) return 0;
    std::sort(v.begin(), v.end());
    const qsizetype n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline double maximum(const QList<double>& v) {
    return v.isEmpty() ? 0 : *std::max_element(v.begin(), v.end());
}

} // namespace bench
