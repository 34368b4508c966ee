// bench_answer_log: what recording an answer costs the UI thread, and reading a log of 100 000 answers.
#include "BenchMachine.h"
#include "app/FileSettingsStore.h"
#include "players/PlayerRegistry.h"
#include "players/AnswerHistory.h"
#include "players/AnswerLog.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {
constexpr int Answers = 100000;
constexpr int Learner = 2;

// Play spread over the last 60 days: sittings of answers 8 s apart, every fourth answer missed.
void fill(AnswerLog& log, qint64 nowMs) {
    const QStringList subjects = {QStringLiteral("farm animals"), QStringLiteral("food"),
                                  QStringLiteral("transport"), QStringLiteral("vowels")};
    const qint64 start = nowMs - 60LL * 24 * 3600 * 1000;
    for (int i = 0; i < Answers; ++i) {
        const qint64 at = start + qint64(i / 100) * 5'000'000 + qint64(i % 100) * 8000;
        log.record({Learner, at, subjects.at(i % 4), QStringLiteral("listening game"),
                    QStringLiteral("word%1").arg(i % 37), i % 4 != 0, 0},
                   QStringLiteral("Ann"));
        // Never more waiting than the log keeps in memory.
        if (i % 5000 == 4999) log.waitUntilWritten(60000);
    }
}
} // namespace

// The window's opening is timed by the caller, which may show the progress window (see main).
double timeProgressWindow(const QString& path, int player);

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bench::printMachine();
    QTemporaryDir dir;
    // The progress window lists the players of the settings store; the second one is Learner.
    FileSettingsStore store(dir.path() + QStringLiteral("/settings.ini"));
    setSettingsStore(&store);
    if (playerRegistry().add(QStringLiteral("Ann"), QString()) != Learner) std::printf("unexpected player id\n");
    const QString path = dir.path() + QStringLiteral("/answers.db");
    AnswerLog log(path);

    // The UI thread's cost: one record() call per answer, the writer busy behind it.
    QList<double> costs;
    QElapsedTimer clock;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (int i = 0; i < 2000; ++i) {
        clock.start();
        log.record({1, now + i, QStringLiteral("food"), QStringLiteral("memory game"), QStringLiteral("apple"),
                    true, 0},
                   QStringLiteral("Bo"));
        costs << clock.nsecsElapsed() / 1e6;
        // About as often as a quick child answers, scaled down: let the writer keep up.
        if (i % 50 == 0) log.waitUntilWritten(5000);
    }
    std::sort(costs.begin(), costs.end());
    std::printf("record(): median %.4f ms, 99th percentile %.4f ms, max %.4f ms over %lld answers (UI thread)\n",
                bench::median(costs), costs.at(costs.size() * 99 / 100), bench::maximum(costs),
                qint64(costs.size()));

    clock.start();
    fill(log, now);
    log.waitUntilWritten(600000);
    std::printf("%d answers written in %lld ms by the writer thread (%lld dropped)\n", Answers,
                qint64(clock.elapsed()), log.droppedCount());

    QList<double> minutes, subjects, missed;
    for (int run = 0; run < 5; ++run) {
        AnswerHistory history(path);
        clock.start();
        history.minutesPerDay(Learner, QDate::currentDate());
        minutes << clock.nsecsElapsed() / 1e6;
        clock.start();
        history.subjects(Learner);
        subjects << clock.nsecsElapsed() / 1e6;
        clock.start();
        history.missedWords(Learner, now - 14LL * 24 * 3600 * 1000);
        missed << clock.nsecsElapsed() / 1e6;
    }
    std::printf("on %d answers, medians: minutes per day %.1f ms, subjects %.1f ms, missed words %.1f ms\n",
                Answers, bench::median(minutes), bench::median(subjects), bench::median(missed));
    QList<double> windows;
    for (int run = 0; run < 5; ++run)
        windows << timeProgressWindow(path, Learner);
    if (windows.first() >= 0)
        std::printf("progress window shown on %d answers: median %.1f ms, max %.1f ms (target 150 ms)\n", Answers,
                    bench::median(windows), bench::maximum(windows));
    setSettingsStore(nullptr);
    return 0;
}

#if __has_include("grownups/ProgressWindow.h")
#include "grownups/ProgressWindow.h"
double timeProgressWindow(const QString& path, int player) {
    QElapsedTimer clock;
    clock.start();
    ProgressWindow window(path, player);
    window.show();
    QCoreApplication::processEvents();
    return clock.nsecsElapsed() / 1e6;
}
#else
double timeProgressWindow(const QString&, int) {
    return -1;
}
#endif
