// bench_games: peak memory after every game has been played on a subject of 2 000 big photographs, and the
// CPU a game window uses while nothing happens. Usage: bench_games [picture folder]; the pictures (12
// megapixel JPEGs) are made once into that folder (default: $TMPDIR/lexikite-bench-2000) and reused.
#include <memory>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

#include <cstdio>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include "app/AppState.h"
#include "app/SettingsStore.h"
#include "audio/SoundModule.h"
#include "audio/SdlSoundDevice.h"
#include "BenchMachine.h"
#include "controls/HotSpot.h"
#include "E2EGames.h"
#include "forms/Forms.h"
#include "shell/GameTable.h"
#include "shell/HomeScreen.h"
#include "shell/MainWindow.h"
#include "shell/GameMenu.h"

namespace {

constexpr int PictureCount = 2000;
constexpr int PictureWidth = 4000, PictureHeight = 3000;
const QString Subject = QStringLiteral("farm animals");

class BenchStore final : public SettingsStore {
public:
    QString readString(const QString& k, const QString& n, const QString& d) override {
        return values_.value(k.toCaseFolded() + QLatin1Char('|') + n.toCaseFolded(), d);
    }
    bool writeString(const QString& k, const QString& n, const QString& t) override {
        values_.insert(k.toCaseFolded() + QLatin1Char('|') + n.toCaseFolded(), t);
        return true;
    }

private:
    QHash<QString, QString> values_;
};

// Letters only, all different: "baaa", "baab", ...
QString wordFor(int i) {
    QString word = QStringLiteral("b");
    for (int digit = 0, n = i; digit < 3; ++digit, n /= 26)
        word.insert(1, QChar(u'a' + n % 26));
    return word;
}

// A photograph-like picture: a sky gradient, soft shapes and grain, different for each i.
QImage photo(int i) {
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    QRandomGenerator random(quint32(i) * 7919u + 17u);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, PictureHeight);
    sky.setColorAt(0, QColor::fromHsv(int(random.bounded(360)), 90, 235));
    sky.setColorAt(1, QColor::fromHsv(int(random.bounded(360)), 140, 120));
    p.fillRect(image.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int s = 0; s < 12; ++s) {
        p.setBrush(QColor::fromHsv(int(random.bounded(360)), 160, 200, 180));
        const int w = 300 + int(random.bounded(1200)), h = 300 + int(random.bounded(1200));
        p.drawEllipse(int(random.bounded(PictureWidth)) - w / 2, int(random.bounded(PictureHeight)) - h / 2,
                      w, h);
    }
    p.end();
    // Camera grain, so the files are as big as a camera's (a few megabytes) and as slow to decode.
    quint32 grain = quint32(i) * 2654435761u + 1u;
    for (int y = 0; y < PictureHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < PictureWidth; ++x) {
            grain = grain * 1664525u + 1013904223u;
            line[x] ^= (grain >> 28) * 0x010101u;
        }
    }
    return image;
}

// Makes the pictures not there yet, on every core; returns how many exist afterwards.
int makePictures(const QString& folder) {
    QDir().mkpath(folder);
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i = next++; i < PictureCount; i = next++) {
            const QString path = folder + QLatin1Char('/') + wordFor(i) + QStringLiteral(".edi");
            if (QFile::exists(path)) continue;
            const QString part = path + QStringLiteral(".part");
            if (photo(i).save(part, "JPEG", 85)) QFile::rename(part, path);
        }
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < QThread::idealThreadCount(); ++t)
        workers.emplace_back(work);
    work();
    for (std::thread& t : workers)
        t.join();
    return int(QDir(folder).entryList({QStringLiteral("*.edi")}, QDir::Files).size());
}

// files/farm animals/ of links to the pictures, each with a word sound; files/Letters from the build's pack.
bool makeProgramFolder(const QString& programFolder, const QString& pictures, const QString& packFolder) {
    const QString subject = programFolder + QStringLiteral("/files/") + Subject;
    if (!QDir().mkpath(subject)) return false;
    const QString sound = packFolder + QStringLiteral("/farm animals/cow.eda");
    for (int i = 0; i < PictureCount; ++i) {
        const QString word = wordFor(i);
        if (!QFile::link(pictures + QLatin1Char('/') + word + QStringLiteral(".edi"),
                         subject + QLatin1Char('/') + word + QStringLiteral(".edi")))
            return false;
        if (QFile::exists(sound))
            QFile::link(sound, subject + QLatin1Char('/') + word + QStringLiteral(".eda"));
    }
    // The choose game's reveal chime.
    QFile::link(packFolder + QStringLiteral("/farm animals/1.eda"), subject + QStringLiteral("/1.eda"));
    QFile::link(packFolder + QStringLiteral("/Letters"), programFolder + QStringLiteral("/files/Letters"));
    return true;
}

qint64 statusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    return -1;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU time of each thread in ns, by thread name, from the scheduler's figures.
QHash<QString, qint64> threadCpuNs() {
    QHash<QString, qint64> byName;
    QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(tid + QStringLiteral("/comm"))),
            sched(tasks.filePath(tid + QStringLiteral("/schedstat")));
        if (!comm.open(QIODevice::ReadOnly) || !sched.open(QIODevice::ReadOnly)) continue;
        const QString name = QString::fromUtf8(comm.readAll()).trimmed() + QLatin1Char('/') + tid;
        byName[name] += sched.readAll().split(' ').value(0).toLongLong();
    }
    return byName;
}

// The threads that ran meanwhile, busiest first ("SDLAudioP2/123 4.1 ms").
QString busyThreads(const QHash<QString, qint64>& before, const QHash<QString, qint64>& after) {
    QList<QPair<qint64, QString>> busy;
    for (auto it = after.begin(); it != after.end(); ++it) {
        const qint64 ns = it.value() - before.value(it.key());
        if (ns > 0) busy.append({ns, it.key()});
    }
    std::sort(busy.begin(), busy.end(), std::greater<>());
    QStringList parts;
    for (const auto& [ns, name] : busy)
        parts << QStringLiteral("%1 %2 ms").arg(name).arg(ns / 1e6, 0, 'f', 1);
    return parts.join(QStringLiteral(", "));
}

void settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

int fail(const char* what) {
    std::printf("%s\n", what);
    return 1;
}

GameForm* openGame(GameMenu* menu, const GameEntry& entry) {
    QTest::mouseClick(menu->spot(entry.number - 1), Qt::LeftButton);
    return qobject_cast<GameForm*>(forms().activeChild());
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    qputenv("LEXIKITE_WEB_BASE", "http://127.0.0.1:9/");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const QStringList args = app.arguments();
    const QString pictures =
        args.size() > 1 ? args[1] : QDir::tempPath() + QStringLiteral("/lexikite-bench-2000");
    const int rounds =
        qEnvironmentVariableIntValue("BENCH_ROUNDS") > 0 ? qEnvironmentVariableIntValue("BENCH_ROUNDS") : 5;
    const int idleMs = qEnvironmentVariableIntValue("BENCH_IDLE_MS") > 0
                           ? qEnvironmentVariableIntValue("BENCH_IDLE_MS")
                           : 10000;
    bench::printMachine();

    QElapsedTimer making;
    making.start();
    const int made = makePictures(pictures);
    std::printf("%d pictures of %dx%d in %s (%.1f s to make the missing ones)\n", made, PictureWidth,
                PictureHeight, qPrintable(pictures), making.elapsed() / 1000.0);
    if (made < PictureCount) return fail("could not make the pictures");
    QTemporaryDir program;
    if (!makeProgramFolder(program.path(), pictures,
                           QCoreApplication::applicationDirPath() + QStringLiteral("/../files")))
        return fail("could not make the program folder");

    BenchStore store;
    setSettingsStore(&store);
    SdlSoundDevice sound;
    setSoundDevice(&sound);
    e2e::registerGames();
    initGlobals(appState(), program.path(), QDate::currentDate());
    appState().section = QStringLiteral("Phonics a to z");
    appState().language = QStringLiteral("AMERICAN");
    const qint64 startKb = statusKb("VmHWM:");

    auto* main = new MainWindow;
    main->load();
    main->move(100, 100);
    QCursor::setPos(2, 2);
    settle(200);
    auto* home = forms().find<HomeScreen>(QStringLiteral("HomeScreen"));
    for (int i = 0; i < HomeSubjectCount; ++i)
        if (home->spot(i)->toolTip() == Subject) QTest::mouseClick(home->spot(i), Qt::LeftButton);
    auto* menu = qobject_cast<GameMenu*>(forms().activeChild());
    if (!menu) return fail("the game menu did not open");

    QElapsedTimer playing;
    playing.start();
    int played = 0;
    auto dialogs = std::make_unique<DialogCloser>();
    for (const GameEntry& entry : GameTable::entries()) {
        if (!entry.factory) continue;
        GameForm* game = openGame(menu, entry);
        if (!game) continue;
        e2e::playRounds(*game, rounds);
        e2e::closeGame(*game);
        settle(50);
        menu = qobject_cast<GameMenu*>(forms().activeChild());
        if (!menu) return fail("a game did not return to the game menu");
        ++played;
    }
    dialogs.reset(); // its polling would count as work below
    std::printf("played %d games, %d rounds each, in %.1f s\n", played, rounds, playing.elapsed() / 1000.0);
    std::printf(
        "peak memory (VmHWM): %.1f MB after all games (%.1f MB before the main window); target <= 120 MB\n",
        statusKb("VmHWM:") / 1024.0, startKb / 1024.0);
    std::printf("resident now (VmRSS): %.1f MB\n", statusKb("VmRSS:") / 1024.0);

    for (const GameEntry& entry : GameTable::entries()) {
        if (!entry.factory) continue;
        GameForm* game = openGame(menu, entry);
        if (!game) continue;
        settle(3000); // the dealing and reveal timers run their course
        // The sound output rests once the last sound has been silent for a while; measure after that.
        QElapsedTimer resting;
        resting.start();
        while (!sound.isResting() && resting.elapsed() < SdlSoundDevice::DefaultIdleRestMs + 5000)
            settle(100);
        std::printf("sound output %s %.1f s after the deal had settled\n",
                    sound.isResting() ? "resting" : "still mixing", resting.elapsed() / 1000.0);
        const double before = cpuSeconds();
        const QHash<QString, qint64> threadsBefore = threadCpuNs();
        QElapsedTimer wall;
        wall.start();
        // A local loop: once the application's own loop has ended, it takes no more input.
        QEventLoop idle;
        QTimer::singleShot(idleMs, Qt::PreciseTimer, &idle, &QEventLoop::quit);
        idle.exec();
        const double cpu = cpuSeconds() - before;
        std::printf("idle %-8s for %.1f s: CPU %.3f s = %.2f %%  target 0 %%\n", qPrintable(entry.windowName),
                    wall.elapsed() / 1000.0, cpu, 100.0 * cpu / (wall.elapsed() / 1000.0));
        std::printf("    busy threads: %s\n", qPrintable(busyThreads(threadsBefore, threadCpuNs())));
        e2e::closeGame(*game);
        settle(50);
        menu = qobject_cast<GameMenu*>(forms().activeChild());
        if (!menu) return fail("a game did not return to the game menu");
    }

    delete main;
    setSoundDevice(nullptr);
    setSettingsStore(nullptr);
    return 0;
}
