// bench_settings: how long the first read of a settings file takes as the file grows (it should grow in
// step). Prints figures, asserts nothing.
#include <cstdio>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "app/FileSettingsStore.h"
#include "BenchMachine.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bench::printMachine();
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/settings.ini");
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QByteArray(argv[i]).toInt();
    if (sizes.isEmpty()) sizes = {1000, 4000, 16000, 32000};
    for (const int keys : sizes) {
        // Half the lines are key paths, half are values, as many high scores under many keys would be.
        QByteArray text;
        for (int i = 0; i < keys; ++i)
            text += "[SOFTWARE\\Lexikite\\Subject " + QByteArray::number(i) + "]\nSCORE-HIGH - subject " +
                    QByteArray::number(i) + "=" + QByteArray::number(i % 500) + "\n";
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) return 1;
        file.close();
        QList<double> ms;
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer clock;
            clock.start();
            FileSettingsStore store(path);
            store.readString(QStringLiteral("software\\lexikite\\subject 1"),
                             QStringLiteral("score-high - subject 1"), QString());
            ms << clock.nsecsElapsed() / 1e6;
        }
        std::printf("%6d keys (%7lld bytes): first read %8.2f ms median, %8.2f ms max\n", keys,
                    static_cast<long long>(text.size()), bench::median(ms), bench::maximum(ms));
    }
    return 0;
}
