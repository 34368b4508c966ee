// bench_games_deal: how long one deal of the listening, choose and flash cards windows takes on a subject of
// 2 000 twelve-megapixel pictures: the list, the draw, the pictures at shown size and the window's layout.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

#include "app/AppState.h"
#include "app/Random.h"
#include "catalogue/Catalogue.h"
#include "catalogue/PictureLoader.h"
#include "controls/ImageButton.h"
#include "games/cards/CardsWindow.h"
#include "games/choose/ChooseWindow.h"
#include "games/listening/ListeningWindow.h"

namespace {
constexpr int Pictures = 2000;
constexpr int DistinctPhotos = 8;
constexpr int Runs = 21;
const QString Subject = QStringLiteral("bench subject");

// A generator that can be set back, so later deals can replay turns whose pictures are cached.
class ReplayRandom final : public RandomSource {
public:
    void reset(std::uint64_t seed) { engine_ = SeededRandom(seed); }
    int drawIndex(int n) override { return engine_.drawIndex(n); }

private:
    SeededRandom engine_{1};
};

// A photo-like 12-megapixel picture: gradients, fine noise and a shape, so it compresses like a photo.
QImage photo(int seed) {
    QImage img(4000, 3000, QImage::Format_RGB32);
    QRandomGenerator rng(seed);
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = int(rng.bounded(24));
            row[x] = qRgb((x / 16 + n + seed * 40) & 255, (y / 12 + n) & 255, ((x + y) / 28 + n) & 255);
        }
    }
    QPainter p(&img);
    p.setBrush(QColor::fromHsv(seed * 45 % 360, 200, 230));
    p.drawEllipse(QPoint(2000, 1500), 900 + seed * 60, 700);
    return img;
}

QString loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll().trimmed()) : QStringLiteral("unknown");
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Median ms of deal(), with before() run untimed ahead of each.
double timeIt(const std::function<void()>& deal, const std::function<void()>& before) {
    std::vector<double> ms;
    for (int i = 0; i < Runs; ++i) {
        before();
        QElapsedTimer t;
        t.start();
        deal();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(ms);
}

void report(const char* game, const char* what, double ms, double target) {
    std::printf("%-12s %-44s %8.2f ms  (target <= %.0f ms)%s\n", game, what, ms, target,
                ms <= target ? "" : "  OVER");
}

// One deal as the learner's Pass brings it, laid out and painted with its turn on the table.
template <class Window>
void benchGame(const char* name, const char* game, ReplayRandom& random, ImageButton* (Window::*pass)() const,
               const std::function<void(Window&)>& finish) {
    Window window(*gameByName(game));
    window.setSubject(Subject);
    window.resize(GameWindow::area());
    QPixmap canvas(GameWindow::area());
    const auto deal = [&] {
        emit(window.*pass)()->clicked();
        finish(window);
        window.render(&canvas);
    };
    int seed = 1000;
    const double first = timeIt(deal, [&] {
        PictureLoader::shared().clear();
        random.reset(++seed);
    });
    report(name, "first deal (nothing cached)", first, 60);
    // Two turns dealt in turn: after one round each deal finds its pictures in the cache.
    int turn = 0;
    for (int i = 0; i < 4; ++i) {
        random.reset(1 + turn++ % 2);
        deal();
    }
    const double later = timeIt(deal, [&] { random.reset(1 + turn++ % 2); });
    report(name, "later deal (pictures cached)", later, 16);
}
void tick(GameWindow& w) {
    QMetaObject::invokeMethod(w.revealTimer(), "timeout");
}

// The listening deal in its parts: the deal itself (the cards face down, their pictures decoding in the
// background), the first card turning up (its reveal comes 100 ms after the deal), all four shown at once.
void benchListening(ReplayRandom& random) {
    ListeningWindow window(*gameByName("listening"));
    window.setSubject(Subject);
    QPixmap canvas(GameWindow::area());
    std::vector<double> dealt, firstCard, allCards;
    const auto measure = [&](std::vector<double>* a, std::vector<double>* b, std::vector<double>* c) {
        QElapsedTimer t;
        t.start();
        emit window.passButton()->clicked();
        window.render(&canvas);
        if (a) a->push_back(t.nsecsElapsed() / 1e6);
        tick(window);
        window.render(&canvas);
        if (b) b->push_back(t.nsecsElapsed() / 1e6);
        while (window.game().revealing())
            tick(window);
        window.render(&canvas);
        if (c) c->push_back(t.nsecsElapsed() / 1e6);
    };
    for (int i = 0; i < Runs; ++i) {
        PictureLoader::shared().clear();
        random.reset(5000 + i);
        measure(&dealt, &firstCard, &allCards);
    }
    report("listening", "first deal: cards dealt face down", median(dealt), 60);
    report("listening", "first deal: + first card shown", median(firstCard), 60);
    std::printf("%-12s %-44s %8.2f ms  (the fourth card is due 400 ms after the deal)\n", "listening",
                "first deal: all four shown at once", median(allCards));
    dealt.clear();
    allCards.clear();
    for (int i = 0; i < 4; ++i) {
        random.reset(1 + i % 2);
        measure(nullptr, nullptr, nullptr);
    }
    for (int i = 0; i < Runs; ++i) {
        random.reset(1 + i % 2);
        measure(&dealt, nullptr, &allCards);
    }
    report("listening", "later deal (pictures cached), dealt", median(dealt), 16);
    report("listening", "later deal (pictures cached), all shown", median(allCards), 16);
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir program;
    if (!program.isValid()) return 1;
#ifndef NDEBUG
    std::printf("warning: not a release build; figures are pessimistic\n");
#endif

    // A few distinct photos, linked under 2 000 names: each name is its own file to the program (its own
    // path to list, read and decode), without writing gigabytes.
    const QString folder = program.path() + QStringLiteral("/files/") + Subject;
    QDir().mkpath(folder);
    QStringList sources;
    qint64 bytes = 0;
    for (int i = 0; i < DistinctPhotos; ++i) {
        const QString path = program.filePath(QStringLiteral("photo%1.jpg").arg(i));
        photo(i).save(path, "JPG", 90);
        bytes += QFileInfo(path).size();
        sources << path;
    }
    for (int i = 0; i < Pictures; ++i) {
        const QString name = folder + QStringLiteral("/animal %1.edi").arg(i, 4, 10, QLatin1Char('0'));
        if (::link(QFile::encodeName(sources.at(i % DistinctPhotos)).constData(),
                   QFile::encodeName(name).constData()))
            QFile::copy(sources.at(i % DistinctPhotos), name);
    }
    // Every subject carries the choose game's reveal sound.
    QFile(folder + QStringLiteral("/1.eda")).open(QIODevice::WriteOnly);
    std::printf("%d pictures of 4000x3000 (JPEG, %.1f MB each on average), %d cores, load average %s, "
                "medians of %d runs\n",
                Pictures, bytes / 1e6 / DistinctPhotos, QThread::idealThreadCount(),
                qPrintable(loadAverage()), Runs);

    initGlobals(appState(), program.path(), QDate::currentDate());
    appState().section = Subject;
    appState().language = QStringLiteral("AMERICAN");
    ReplayRandom random;
    setRandomSource(&random);

    std::vector<double> listing;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer t;
        t.start();
        Catalogue::listPictures(Catalogue::subjectFolder(Subject));
        listing.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("%-12s %-44s %8.2f ms\n", "(part)", "listing the subject alone", median(listing));

    benchListening(random);
    benchGame<ChooseWindow>("choose", "choose", random, &ChooseWindow::passButton, [](ChooseWindow& w) {
        while (w.game().revealing())
            QMetaObject::invokeMethod(w.revealTimer(), "timeout");
    });
    benchGame<CardsWindow>("flash cards", "cards", random, &CardsWindow::passButton, [](CardsWindow&) {});
    setRandomSource(nullptr);
    return 0;
}
