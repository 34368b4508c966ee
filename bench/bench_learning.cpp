// bench_learning: how fast a simulated child learns a 20-word subject in the listening game, with the
// uniform draw and with missed words coming back. Prints medians over many seeds; asserts nothing.
#include "app/AppState.h"
#include "app/GameList.h"
#include "app/Random.h"
#include "games/common/GameHost.h"
#include "games/common/PracticeSource.h"
#include "games/listening/ListeningRules.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int Words = 20;
constexpr int DefaultSeeds = 200;
constexpr int SittingTurns = 30;
// A run that has not got there by then counts as this many turns.
constexpr int MaxTurns = 6000;
constexpr double GuessRight = 0.25;   // an unknown word: one card in four
constexpr double KnownRight = 0.95;
constexpr double LearnWhenShown = 0.3;
constexpr int ForgetAfter = 40;
constexpr double ForgetChance = 0.2;
constexpr qint64 Day = 24LL * 3600 * 1000;

QString wordName(int i) {
    return QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0'));
}

// The answer log and the clock of the simulation: every judged answer moves its word, as the writer does.
class SimulatedLog final : public PracticeSource {
public:
    bool practise = false;
    qint64 now = QDateTime(QDate(2026, 1, 5), QTime(9, 0)).toMSecsSinceEpoch();
    WordStates states;
    bool enabled() const override { return practise; }
    int player() const override { return 1; }
    WordStates load(int, const QString&) override { return states; }
    qint64 nowMs() const override { return now; }
    int learned() const {
        int n = 0;
        for (const WordState& s : states)
            n += s.learned() ? 1 : 0;
        return n;
    }
};

// A window that shows nothing; the answers go to the simulated log.
class SilentHost final : public GameHost {
public:
    explicit SilentHost(SimulatedLog& log) : log_(log) {}
    void playEffect(Effect) override {}
    void playSoundFile(const QString&) override {}
    void spellWord(const QString&, const QString&) override {}
    void showResult(const DialogPicture&, const QString&, const QString&, const QString&, const QString&) override {}
    void showMismatch(const QString&, const QString&, const QString&, const QString&, const QString&,
                      const QString&, const QString&) override {}
    void addScore(qint32) override {}
    void explain(const QString&, const QString&) override {}
    void answerJudged(const QString& word, bool right, qint32) override { log_.states[word].apply(right, log_.now); }

private:
    SimulatedLog& log_;
};

struct Run {
    int allKnown = MaxTurns;
    int allLearned = MaxTurns;
    std::vector<int> missGaps; // turns from a miss to the word's next asking
};

Run play(std::uint64_t seed, bool practise) {
    SimulatedLog log;
    log.practise = practise;
    SilentHost host(log);
    SeededRandom random(seed);
    std::mt19937_64 child(seed * 7919 + 1);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    AppState app;
    app.section = QStringLiteral("farm animals");
    app.language = QStringLiteral("BRITISH");
    QStringList names;
    for (int i = 0; i < Words; ++i)
        names << wordName(i) + QStringLiteral(".edi");
    const GameEnv env{host, random, app, [&](const QString&) { return names; }, gameByName("listening"), &log};

    std::vector<bool> known(Words, false);
    std::vector<int> lastAsked(Words, 0);
    std::vector<int> missedAt(Words, -1);
    Run run;
    const qint64 start = log.now;
    for (int turn = 0; turn < MaxTurns && (run.allKnown == MaxTurns || run.allLearned == MaxTurns);) {
        // A sitting a day: the game opens again and reads what the log knows.
        log.now = start + (turn / SittingTurns) * Day;
        ListeningRules rules(env);
        rules.activate();
        for (int k = 0; k < SittingTurns && turn < MaxTurns; ++k, ++turn) {
            log.now += 8000;
            const int w = rules.targetWord().mid(1).toInt();
            if (missedAt[w] >= 0) run.missGaps.push_back(turn - missedAt[w]);
            missedAt[w] = -1;
            for (int i = 0; i < Words; ++i) {
                if (i == w || !known[i]) continue;
                if ((turn - lastAsked[i]) > 0 && (turn - lastAsked[i]) % ForgetAfter == 0 && chance(child) < ForgetChance)
                    known[i] = false;
            }
            lastAsked[w] = turn;
            const bool right = chance(child) < (known[w] ? KnownRight : GuessRight);
            int card = -1;
            for (int i = 0; i < ListeningRules::CardCount && card < 0; ++i)
                if ((rules.cards()[i].word == rules.targetWord()) == right) card = i;
            const QString before = rules.targetWord();
            rules.clickCard(card);
            if (!right) missedAt[w] = turn;
            // The word is shown after every answer.
            if (!known[w] && chance(child) < LearnWhenShown) known[w] = true;
            // The tenth right answer keeps the cards until Pass.
            if (right && rules.targetWord() == before) rules.pass();
            if (run.allKnown == MaxTurns && std::count(known.begin(), known.end(), true) == Words)
                run.allKnown = turn + 1;
            if (run.allLearned == MaxTurns && log.learned() == Words) run.allLearned = turn + 1;
        }
    }
    return run;
}

double median(std::vector<int> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // bench_learning [SEEDS]
    const int Seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : DefaultSeeds;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("simulated child, listening game, %d words, sittings of %d turns (a day apart), %d seeds\n", Words,
                SittingTurns, Seeds);
    double known[2] = {}, learned[2] = {};
    for (int mode = 0; mode < 2; ++mode) {
        std::vector<int> allKnown, allLearned, gaps;
        for (int seed = 1; seed <= Seeds; ++seed) {
            const Run run = play(std::uint64_t(seed), mode == 1);
            allKnown.push_back(run.allKnown);
            allLearned.push_back(run.allLearned);
            gaps.insert(gaps.end(), run.missGaps.begin(), run.missGaps.end());
        }
        known[mode] = median(allKnown);
        learned[mode] = median(allLearned);
        std::printf("%-22s all known: %7.1f turns   all learned (top box): %7.1f turns   miss -> asked again: "
                    "%5.1f turns later (median)\n",
                    mode == 0 ? "uniform draw" : "missed words come back", known[mode], learned[mode], median(gaps));
    }
    std::printf("ratio (come back / uniform): all known %.2f, all learned %.2f\n", known[1] / known[0],
                learned[1] / learned[0]);
    return 0;
}
