// bench_shell: how long switching home -> game menu -> home takes, and the CPU an idle home screen uses.
// Runs offscreen unless a display is given (QT_QPA_PLATFORM / DISPLAY); prints figures, asserts nothing.
#include <algorithm>
#include <sys/resource.h>

#include <cstdio>
#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QTimer>

#include "app/AppState.h"
#include "app/SettingsStore.h"
#include "forms/Forms.h"
#include "shell/HomeScreen.h"
#include "shell/MainWindow.h"

namespace {

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

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

// One step as the learner sees it: the handler, the deferred unloads and a full repaint of the frame.
double timed(MainWindow& main, const std::function<void()>& step) {
    QElapsedTimer clock;
    clock.start();
    step();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    main.repaint();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchStore store;
    setSettingsStore(&store);
    initGlobals();
    appState().section = QStringLiteral("Phonics a to z");

    auto* main = new MainWindow;
    main->load();
    QCoreApplication::processEvents();

    const int rounds = 60;
    QList<double> toMenu, toHome;
    for (int i = 0; i < rounds; ++i) {
        toMenu << timed(*main, [] {
            if (auto* home = forms().find<HomeScreen>(QStringLiteral("HomeScreen"))) home->openSubject(7);
        });
        toHome << timed(*main, [main] { main->goHome(); });
    }
    std::printf("platform %s, %d rounds\n", qPrintable(QGuiApplication::platformName()), rounds);
    std::printf("home -> game menu: median %.2f ms (max %.2f)\n", median(toMenu),
                *std::max_element(toMenu.begin(), toMenu.end()));
    std::printf("game menu -> home: median %.2f ms (max %.2f)\n", median(toHome),
                *std::max_element(toHome.begin(), toHome.end()));

    const int idleMs = qEnvironmentVariableIntValue("BENCH_IDLE_MS") > 0
                           ? qEnvironmentVariableIntValue("BENCH_IDLE_MS")
                           : 10000;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(idleMs, Qt::PreciseTimer, &app, &QCoreApplication::quit);
    app.exec();
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("idle home screen for %.1f s: CPU %.3f s = %.2f %%\n", wall.elapsed() / 1000.0, cpu,
                100.0 * cpu / (wall.elapsed() / 1000.0));

    delete main;
    setSettingsStore(nullptr);
    return 0;
}
