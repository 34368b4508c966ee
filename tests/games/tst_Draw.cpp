// Tests of the games' shared draws and meter: fair picks, distinct turns, no endless loops.
#include "app/Random.h"
#include "games/common/Draw.h"
#include "games/common/RunDisplay.h"

#include <QSet>
#include <QtTest>

class tst_Draw : public QObject {
    Q_OBJECT
private slots:
    void pickIsFairAmongAcceptedIndices();
    void turnFilesAreDistinctUsableWithTargetFirst();
    void dealOutPlacesEveryEntryOnce();
    void meterStepRoundsHalvesToEven_data();
    void meterStepRoundsHalvesToEven();
};

void tst_Draw::pickIsFairAmongAcceptedIndices() {
    // Catches: a pick that favours some accepted indices, returns a rejected one, or loops when none fits.
    SeededRandom random(7);
    QList<int> hits(10, 0);
    const int draws = 6000;
    for (int i = 0; i < draws; ++i) {
        const int k = Draw::pickWhere(random, 10, [](int j) { return j % 3 == 0; });
        QVERIFY(k % 3 == 0);
        ++hits[k];
    }
    for (int k : {0, 3, 6, 9})
        QVERIFY2(qAbs(hits[k] - draws / 4) < draws / 20, qPrintable(QString::number(hits[k])));
    QCOMPARE(Draw::pickWhere(random, 10, [](int) { return false; }), -1);
    QCOMPARE(Draw::pickWhere(random, 0, [](int) { return true; }), -1);
}

void tst_Draw::turnFilesAreDistinctUsableWithTargetFirst() {
    // Catches: a file twice in a turn, an unusable file dealt, or the word on show dealt again needlessly.
    SeededRandom random(11);
    const QStringList names{"a.edi", "b.edi", "c.edi", "d.edi", "e.edi", "x.edi"};
    const auto usable = [](const QString& name) { return name != u"x.edi"; };
    const auto word = [](const QString& name) { return name.left(1); };
    for (int i = 0; i < 200; ++i) {
        const QStringList turn = Draw::turnFiles(random, names, 4, usable, word, QStringLiteral("a"));
        QCOMPARE(turn.size(), 4);
        QCOMPARE(QSet<QString>(turn.begin(), turn.end()).size(), 4);
        QVERIFY(!turn.contains(QStringLiteral("x.edi")));
        QVERIFY(turn.first() != u"a.edi");
    }
    QVERIFY(Draw::turnFiles(random, names, 6, usable, word, QString()).isEmpty());
    // Duplicate names are one file.
    QVERIFY(
        Draw::turnFiles(random, {"a.edi", "a.edi", "b.edi", "c.edi"}, 4, usable, word, QString()).isEmpty());
}

void tst_Draw::dealOutPlacesEveryEntryOnce() {
    // Catches: a shuffle that loses or repeats an entry, or never moves the first one.
    SeededRandom random(3);
    const QStringList entries{"a", "b", "c", "d", "e", "f"};
    QSet<QString> firsts;
    for (int i = 0; i < 100; ++i) {
        QStringList placed = Draw::dealOut(random, entries);
        firsts.insert(placed.first());
        placed.sort();
        QCOMPARE(placed, entries);
    }
    QCOMPARE(firsts.size(), 6);
}

void tst_Draw::meterStepRoundsHalvesToEven_data() {
    QTest::addColumn<int>("innerHeight");
    QTest::addColumn<int>("tenths");
    QTest::addColumn<int>("top");
    QTest::newRow("empty") << 1545 << 0 << 0;
    QTest::newRow("154.5 down to even") << 1545 << 1 << -154;
    QTest::newRow("155.5 up to even") << 1555 << 1 << -156;
    QTest::newRow("full") << 1545 << 10 << -1540;
    QTest::newRow("pixels") << 103 << 10 << -100;
}

void tst_Draw::meterStepRoundsHalvesToEven() {
    // Catches: rounding halves away from zero, which drifts the full meter by ten units.
    QFETCH(int, innerHeight);
    QFETCH(int, tenths);
    QFETCH(int, top);
    QCOMPARE(meterCoverTop(innerHeight, tenths), top);
}

QTEST_GUILESS_MAIN(tst_Draw)
#include "tst_Draw.moc"
