// Tests of awards, the stored per-subject high score and the captions the main window shows.
#include "app/AppState.h"
#include "app/FileSettingsStore.h"
#include "score/ScoreModel.h"

#include "MemorySettingsStore.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>

using Awards = QList<qint32>;
Q_DECLARE_METATYPE(Awards)

namespace {
const QString Details = QStringLiteral("SOFTWARE\\Lexikite\\Settings\\Details");
constexpr qint32 Max = std::numeric_limits<qint32>::max();
constexpr qint32 Min = std::numeric_limits<qint32>::min();
} // namespace

class tst_ScoreModel : public QObject {
    Q_OBJECT
    std::unique_ptr<ScopedMemoryStore> scoped;
    MemorySettingsStore& store() { return scoped->store; }
    QString stored(const QString& name = QStringLiteral("SCORE-HIGH - farm animals")) {
        return store().readString(Details, name, QStringLiteral("<none>"));
    }

private slots:
    void init() {
        initGlobals(appState(), QStringLiteral("/opt/lexikite"), QDate(2031, 1, 1));
        appState().section = QStringLiteral("farm animals");
        scoped = std::make_unique<ScopedMemoryStore>();
    }
    void cleanup() { scoped.reset(); }

    // Fault: wrong sum, wrong singular/plural, an overflow wrapping round, a lowered or unstored high score.
    void awardsRaiseScoreAndHighScore_data() {
        QTest::addColumn<QString>("storedHigh"); // empty: nothing stored
        QTest::addColumn<Awards>("awards");
        QTest::addColumn<QString>("scoreCaption");
        QTest::addColumn<QString>("highCaption");
        QTest::newRow("two tens beat a stored 15") << "15" << Awards{10, 10} << "Score: 20 points"
                                                   << "High Score: 20 points";
        QTest::newRow("first run, exactly one") << "" << Awards{1} << "Score: 1 point"
                                                << "High Score: 1 point";
        QTest::newRow("a higher stored score stays") << "50" << Awards{10} << "Score: 10 points"
                                                     << "High Score: 50 points";
        QTest::newRow("an equal score leaves it") << "10" << Awards{10} << "Score: 10 points"
                                                  << "High Score: 10 points";
        QTest::newRow("a negative award never lowers it") << "" << Awards{10, -15} << "Score: -5 points"
                                                          << "High Score: 10 points";
        QTest::newRow("back to one after a loss") << "" << Awards{5, -4} << "Score: 1 point"
                                                  << "High Score: 5 points";
        QTest::newRow("zero from a pass") << "" << Awards{0} << "Score: 0 points"
                                          << "High Score: 0 points";
        QTest::newRow("overflow leaves the score") << "" << Awards{Max, 1} << "Score: 2147483647 points"
                                                   << "High Score: 2147483647 points";
        QTest::newRow("underflow leaves the score") << "" << Awards{Min, -1} << "Score: -2147483648 points"
                                                    << "High Score: 0 points";
        QTest::newRow("unreadable stored text counts as 0") << "lots" << Awards{5} << "Score: 5 points"
                                                            << "High Score: 5 points";
        QTest::newRow("stored text with words") << "30 points" << Awards{10} << "Score: 10 points"
                                                << "High Score: 30 points points";
    }
    void awardsRaiseScoreAndHighScore() {
        QFETCH(QString, storedHigh);
        QFETCH(Awards, awards);
        QFETCH(QString, scoreCaption);
        QFETCH(QString, highCaption);
        if (!storedHigh.isEmpty())
            store().writeString(Details, QStringLiteral("score-high - Farm Animals"), storedHigh);
        ScoreModel model;
        model.loadHighScore();
        const int writesBefore = store().writeCount;
        for (qint32 points : awards)
            model.addScore(points);

        QCOMPARE(model.scoreCaption(), scoreCaption);
        QCOMPARE(model.highScoreCaption(), highCaption);
        QCOMPARE(stored(), model.highScoreTag());
        QCOMPARE(store().lastWrittenValueName, QStringLiteral("SCORE-HIGH - farm animals"));
        QCOMPARE(store().writeCount - writesBefore, awards.size()); // stored on every award
    }

    // Fault: the reset touching the running score, or the next award not raising the high score again.
    void resetStoresZeroAndKeepsRunningScore() {
        ScoreModel model;
        model.addScore(30);
        model.resetHighScore();
        QCOMPARE(store().lastWrittenValueName, QStringLiteral("Score-High - farm animals"));
        QCOMPARE(stored(), QStringLiteral("0"));
        QCOMPARE(model.highScoreCaption(), QStringLiteral("High Score: 0 points"));
        QCOMPARE(model.scoreCaption(), QStringLiteral("Score: 30 points"));
        model.addScore(10);
        QCOMPARE(stored(), QStringLiteral("40"));
        QCOMPARE(model.highScoreCaption(), QStringLiteral("High Score: 40 points"));
    }

    // Fault: the reset wiping the last chosen subject's score instead of the one shown, or wiping one while
    // the label shows only the home screen's hover.
    void resetClearsOnlyTheSubjectTheLabelShows_data() {
        QTest::addColumn<QString>("shownBy"); // how the label came to show what it shows
        QTest::addColumn<bool>("wipesFarmAnimals");
        QTest::newRow("game menu") << "load" << true;
        QTest::newRow("an award") << "award" << true;
        QTest::newRow("home hover after the menu") << "hover" << false;
        QTest::newRow("home screen, nothing shown yet") << "" << false;
    }
    void resetClearsOnlyTheSubjectTheLabelShows() {
        QFETCH(QString, shownBy);
        QFETCH(bool, wipesFarmAnimals);
        for (const char* subject : {"SCORE-HIGH - farm animals", "SCORE-HIGH - food"})
            store().writeString(Details, QLatin1String(subject), QStringLiteral("50"));
        ScoreModel model;
        if (shownBy == QLatin1String("award")) model.addScore(5);
        if (shownBy == QLatin1String("load") || shownBy == QLatin1String("hover")) model.loadHighScore();
        if (shownBy == QLatin1String("hover")) model.setHighScoreCaption(QStringLiteral("50 points"));
        // The last subject chosen moves on while the label still shows the earlier one.
        appState().section = QStringLiteral("food");
        model.resetHighScore();
        QCOMPARE(stored(), wipesFarmAnimals ? QStringLiteral("0") : QStringLiteral("50"));
        QCOMPARE(stored(QStringLiteral("SCORE-HIGH - food")), QStringLiteral("50"));
    }

    // Fault: a failed save dropping the award from the labels, or a later good save losing it.
    void failedStoreWriteStillShowsTheAward() {
        store().writeString(Details, QStringLiteral("SCORE-HIGH - farm animals"), QStringLiteral("15"));
        ScoreModel model;
        model.loadHighScore();
        store().failWrites = true;
        model.addScore(20);
        QCOMPARE(stored(), QStringLiteral("15"));
        QCOMPARE(model.highScoreCaption(), QStringLiteral("High Score: 20 points"));
        store().failWrites = false;
        model.addScore(0);
        QCOMPARE(stored(), QStringLiteral("20"));
    }

    // Fault: a copy of the program that loaded the high score earlier lowering what another copy stored
    // since (it compared with the value it loaded).
    void anotherCopysHigherScoreIsNeverLowered() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        FileSettingsStore mine(path), other(path);
        setSettingsStore(&mine);
        ScoreModel model;
        model.loadHighScore();
        QVERIFY(
            other.writeString(Details, QStringLiteral("SCORE-HIGH - farm animals"), QStringLiteral("20")));
        model.addScore(10);
        setSettingsStore(&store());
        QCOMPARE(FileSettingsStore(path).readString(Details, QStringLiteral("SCORE-HIGH - farm animals"), {}),
                 QStringLiteral("20"));
        QCOMPARE(model.highScoreTag(), QStringLiteral("20"));
    }

    // Fault: the running score surviving a return to the home screen, or its caption left stale.
    void homeScreenStartsTheScoreAgain() {
        ScoreModel model;
        model.addScore(10);
        model.resetRunningScore();
        QCOMPARE(model.scoreCaption(), QStringLiteral("Score: 0 points"));
        model.addScore(1);
        QCOMPARE(model.scoreCaption(), QStringLiteral("Score: 1 point"));
    }

    // Fault: a subject's high score read under the wrong name or with the wrong default, or "1 points".
    void loadingTheHighScore_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("storedHigh");
        QTest::addColumn<QString>("caption");
        QTest::newRow("nothing stored") << "Phonics a to z"
                                        << ""
                                        << "High Score: 0 points";
        QTest::newRow("one, other spelling") << "Phonics a to z"
                                             << "1"
                                             << "High Score: 1 point";
        QTest::newRow("one with a leading zero") << "vowels"
                                                 << "01"
                                                 << "High Score: 01 point";
        QTest::newRow("forty") << "vowels"
                               << "40"
                               << "High Score: 40 points";
    }
    void loadingTheHighScore() {
        QFETCH(QString, section);
        QFETCH(QString, storedHigh);
        QFETCH(QString, caption);
        appState().section = section;
        if (!storedHigh.isEmpty())
            store().writeString(Details, QStringLiteral("SCORE-HIGH - ") + section.toLower(), storedHigh);
        ScoreModel model;
        model.loadHighScore();
        QCOMPARE(model.highScoreTag(), storedHigh.isEmpty() ? QStringLiteral("0") : storedHigh);
        QCOMPARE(model.highScoreCaption(), caption);
    }
};

QTEST_GUILESS_MAIN(tst_ScoreModel)
#include "tst_ScoreModel.moc"
