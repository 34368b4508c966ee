// Tests of the practising word draw: a miss comes back after two to four other turns, an earlier sitting's
// misses before new words, learned words now and then, each game's own rules kept, and the switch off
// drawing exactly as the uniform draw.
#include "GameFixture.h"
#include "games/cards/CardsRules.h"
#include "games/common/PracticeSource.h"
#include "games/hidden/HiddenRules.h"
#include "games/listening/ListeningRules.h"
#include "games/memory/MemoryRules.h"

#include <QSet>
#include <QtTest>

namespace {

constexpr qint64 Day = 24LL * 3600 * 1000;
const qint64 Now = QDateTime(QDate(2026, 3, 10), QTime(12, 0)).toMSecsSinceEpoch();

class FakePractice final : public PracticeSource {
public:
    bool on = true;
    WordStates states;
    int loads = 0;
    bool enabled() const override { return on; }
    int player() const override { return 1; }
    WordStates load(int, const QString&) override {
        ++loads;
        return states;
    }
    qint64 nowMs() const override { return Now; }
};

WordState stateOf(std::initializer_list<bool> answers, qint64 atMs) {
    WordState s;
    for (bool right : answers)
        s.apply(right, atMs);
    return s;
}

// Plays the listening game: turn t answered wrong when missed(t); the targets in order.
QStringList playListening(const GameEnv& env, int turns, const std::function<bool(int)>& missed) {
    ListeningRules rules(env);
    rules.activate();
    QStringList targets;
    for (int t = 0; t < turns; ++t) {
        targets << rules.targetWord();
        const bool miss = missed(t);
        for (int i = 0; i < ListeningRules::CardCount; ++i)
            if ((rules.cards()[i].word == rules.targetWord()) != miss) {
                rules.clickCard(i);
                break;
            }
    }
    return targets;
}

} // namespace

class tst_WordDraw : public QObject {
    Q_OBJECT
private slots:
    void missedWordComesBackAfterTwoToFourOtherTurns();
    void earlierMissesComeFirstAndLearnedWordsRarely();
    void gamesKeepTheirOwnRulesWhilePractising_data();
    void gamesKeepTheirOwnRulesWhilePractising();
    void switchedOffDrawsExactlyAsTheUniformDraw();
};

void tst_WordDraw::missedWordComesBackAfterTwoToFourOtherTurns() {
    // Catches: a missed word asked again at once (answered from short-term memory) or lost for many turns,
    // and the word states read on every deal instead of once.
    FakePractice practice;
    GameFixture f(plainPictures(12));
    auto env = f.env();
    env.practice = &practice;
    // Most answers wrong, as a child clicking at random would give them.
    const auto missed = [](int t) { return t % 4 != 3; };
    const QStringList targets = playListening(env, 60, missed);
    QCOMPARE(practice.loads, 1);
    for (int t = 0; t + 5 < targets.size(); ++t) {
        if (!missed(t)) continue;
        const qsizetype next = targets.indexOf(targets[t], t + 1);
        QVERIFY2(next >= t + 3 && next <= t + 5, qPrintable(QStringLiteral("turn %1: %2 back at %3")
                                                                 .arg(t).arg(targets[t]).arg(next)));
    }
}

void tst_WordDraw::earlierMissesComeFirstAndLearnedWordsRarely() {
    // Catches: yesterday's misses waiting behind new words, and learned words asked as often as any.
    FakePractice practice;
    const QStringList names = plainPictures(20);
    for (int i = 0; i < 16; ++i) // w00 .. w15 learned long ago
        practice.states.insert(QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0')),
                               WordState{5, 5, 0, Now - 30 * Day, WordState::TopBox, 0, 0});
    for (const char* word : {"w16", "w17"})
        practice.states.insert(QLatin1String(word), stateOf({false}, Now - Day));
    GameFixture f(names);
    auto env = f.env();
    env.practice = &practice;
    CardsRules rules(env);
    rules.activate();
    QStringList first;
    for (int i = 0; i < 4; ++i) {
        first << rules.cardWord();
        rules.pass();
    }
    // A learned word may take its turn in eight; the two misses of yesterday are in the first four.
    QVERIFY2(first.contains(QStringLiteral("w16")) && first.contains(QStringLiteral("w17")), qPrintable(first.join(u' ')));
    int learned = 0;
    const int turns = 400;
    for (int i = 0; i < turns; ++i) {
        if (practice.states.value(rules.cardWord()).learned()) ++learned;
        rules.pass();
    }
    // Four words to practise and sixteen learned: a learned word about one turn in eight, not four in five.
    QVERIFY2(learned > turns / 16 && learned < turns / 4, qPrintable(QString::number(learned)));
}

void tst_WordDraw::gamesKeepTheirOwnRulesWhilePractising_data() {
    QTest::addColumn<int>("pictures");
    QTest::newRow("thin subject") << 4;
    QTest::newRow("twenty words") << 20;
}

void tst_WordDraw::gamesKeepTheirOwnRulesWhilePractising() {
    // Catches: practice that asks the word just asked, deals a target that is not on the table, or stops
    // a thin subject from playing.
    QFETCH(int, pictures);
    FakePractice practice;
    GameFixture f(plainPictures(pictures));
    auto env = f.env();
    env.practice = &practice;
    ListeningRules listening(env);
    HiddenRules hidden(env);
    hidden.loadPictureList();
    QString lastTarget, lastHidden;
    for (int t = 0; t < 40; ++t) {
        listening.deal();
        QVERIFY(!listening.targetWord().isEmpty());
        QVERIFY(listening.targetWord() != lastTarget);
        bool onTable = false;
        for (const auto& card : listening.cards())
            onTable = onTable || card.word == listening.targetWord();
        QVERIFY(onTable);
        lastTarget = listening.targetWord();
        // A missed word, to tempt the draw into asking it at once.
        listening.clickCard(listening.cards()[0].word == lastTarget ? 1 : 0);
        hidden.next();
        QVERIFY(hidden.playing());
        QVERIFY(hidden.hiddenWord() != lastHidden);
        QVERIFY(hidden.wordIndex() != 0);
        lastHidden = hidden.hiddenWord();
    }
    MemoryRules memory(env);
    memory.startNewGame();
    QCOMPARE(memory.playing(), pictures >= MemoryRules::MinimumFiles);
}

void tst_WordDraw::switchedOffDrawsExactlyAsTheUniformDraw() {
    // Catches: "Missed words come back" off still steering the draw, or spending random numbers of its own.
    FakePractice off;
    off.on = false;
    off.states.insert(QStringLiteral("w03"), stateOf({false}, Now - Day));
    GameFixture plain(plainPictures(10));
    GameFixture switched(plainPictures(10));
    auto env = switched.env();
    env.practice = &off;
    const auto always = [](int) { return true; };
    const QStringList withSwitch = playListening(env, 30, always);
    const QStringList uniform = playListening(plain.env(), 30, always);
    QCOMPARE(withSwitch, uniform);
    QCOMPARE(off.loads, 0);
}

QTEST_GUILESS_MAIN(tst_WordDraw)
#include "tst_WordDraw.moc"
