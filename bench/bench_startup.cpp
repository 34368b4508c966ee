// bench_startup: runs the real program again and again and prints how soon the splash and the home screen
// appear. Usage: bench_startup [path/to/lexikite] [runs]; offscreen and silent unless told otherwise.
#include <cstdio>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "BenchMachine.h"

namespace {

struct Run {
    double splashShown = -1;  // ms from process start
    double splashClosed = -1; // ms from Main's start
    double frameShown = -1;   // ms from Main's start
    double frameSeen = -1;    // ms from spawning, as the parent sees the log line
    QString output;
};

double figure(const QString& text, const QString& pattern) {
    const QRegularExpressionMatch m = QRegularExpression(pattern).match(text);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

Run runOnce(const QString& program, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer spawn;
    spawn.start();
    process.start(program, {});
    Run run;
    while (spawn.elapsed() < 30000 && process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(50);
        run.output += QString::fromLocal8Bit(process.readAll());
        if (run.output.contains(QLatin1String("main frame shown"))) {
            run.frameSeen = spawn.nsecsElapsed() / 1e6;
            break;
        }
    }
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
    run.splashShown = figure(run.output, QStringLiteral("splash shown after (-?\\d+) ms"));
    run.splashClosed = figure(run.output, QStringLiteral("splash closed after (\\d+) ms"));
    run.frameShown = figure(run.output, QStringLiteral("main frame shown after (\\d+) ms"));
    return run;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString program =
        args.size() > 1 ? args[1] : QCoreApplication::applicationDirPath() + QStringLiteral("/../lexikite");
    const int runs = args.size() > 2 ? qMax(1, args[2].toInt()) : 15;
    const QByteArray splashMs =
        qgetenv("LEXIKITE_SPLASH_MS").isEmpty() ? "200" : qgetenv("LEXIKITE_SPLASH_MS");

    bench::printMachine();
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")) && !env.contains(QStringLiteral("DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!env.contains(QStringLiteral("SDL_AUDIODRIVER")))
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("lexikite.timing=true"));
    env.insert(QStringLiteral("LEXIKITE_SPLASH_MS"), QString::fromLatin1(splashMs));
    // The update check at start must not wait on the network.
    env.insert(QStringLiteral("LEXIKITE_WEB_BASE"), QStringLiteral("http://127.0.0.1:9/"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    std::printf("program %s, %d runs after one warm-up, splash %s ms, platform %s\n", qPrintable(program),
                runs, splashMs.constData(),
                qPrintable(env.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("(display)"))));

    runOnce(program, env); // fills the disk cache
    QList<double> toSplash, splashToFrame, spawnToFrame;
    for (int i = 0; i < runs; ++i) {
        const Run run = runOnce(program, env);
        if (run.splashShown < 0 || run.splashClosed < 0 || run.frameShown < 0) {
            std::printf("run %d: timings missing; the program said:\n%s\n", i + 1, qPrintable(run.output));
            return 1;
        }
        toSplash << run.splashShown;
        splashToFrame << run.frameShown - run.splashClosed;
        spawnToFrame << run.frameSeen;
    }
    std::printf("process start -> splash shown:    median %6.1f ms (max %6.1f)  target <= 150 ms\n",
                bench::median(toSplash), bench::maximum(toSplash));
    std::printf("splash gone -> home screen shown: median %6.1f ms (max %6.1f)  target <= 150 ms\n",
                bench::median(splashToFrame), bench::maximum(splashToFrame));
    std::printf("spawn -> home screen shown, seen from outside (splash included): median %6.1f ms\n",
                bench::median(spawnToFrame));
    return 0;
}
