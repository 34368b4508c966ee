// Tests of the players in the settings store: the first player's old scores, scores kept apart, odd names.
#include "app/AppState.h"
#include "app/FileSettingsStore.h"
#include "players/AnswerLog.h"
#include "players/PlayerRegistry.h"
#include "score/ScoreModel.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

namespace {
const QString Details = QStringLiteral("SOFTWARE\\Lexikite\\Settings\\Details");
} // namespace

class tst_PlayerRegistry : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path;
    std::unique_ptr<FileSettingsStore> store;
    int caseNumber = 0;

    // A fresh store on the same file: what the next run of the program reads.
    void reopen() {
        setSettingsStore(nullptr);
        store = std::make_unique<FileSettingsStore>(path);
        setSettingsStore(store.get());
    }
    void writeFile(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void init() {
        initGlobals(appState(), QStringLiteral("/opt/lexikite"), QDate(2031, 1, 1));
        path = dir.path() + QStringLiteral("/%1/settings.ini").arg(++caseNumber);
        reopen();
        playerRegistry().setCurrent(PlayerRegistry::FirstId);
    }
    void cleanup() {
        scoreModel().setHighScoresKey(QString());
        setSettingsStore(nullptr);
        store.reset();
    }

    // Fault: an upgrade loses the household's scores, or moves them where the first player no longer reads.
    void firstPlayerKeepsAnOldFilesScores() {
        writeFile("[SOFTWARE\\Lexikite\\Settings\\Details]\nLanguage=BRITISH\nSCORE-HIGH - food=40\n");
        reopen();
        PlayerRegistry& registry = playerRegistry();
        QCOMPARE(registry.count(), 1);
        QVERIFY(registry.add(QStringLiteral("Ann"), QString()) > 0);
        reopen();
        QCOMPARE(registry.count(), 2);
        registry.setCurrent(registry.players().first().id);
        appState().section = QStringLiteral("Food");
        scoreModel().loadHighScore();
        QCOMPARE(scoreModel().highScoreCaption(), QStringLiteral("High Score: 40 points"));
        QCOMPARE(store->readString(Details, QStringLiteral("Language"), QString()), QStringLiteral("BRITISH"));
    }

    // Fault: two children overwrite each other's best; a removed child's scores reappear for a new one.
    void twoPlayersHighScoresAreKeptApart() {
        PlayerRegistry& registry = playerRegistry();
        const int ann = registry.add(QStringLiteral("Ann"), QStringLiteral("farm animals/cow.edi"));
        appState().section = QStringLiteral("food");
        scoreModel().resetRunningScore();
        scoreModel().loadHighScore();
        scoreModel().addScore(30);
        registry.setCurrent(ann);
        scoreModel().resetRunningScore();
        scoreModel().loadHighScore();
        QCOMPARE(scoreModel().highScoreCaption(), QStringLiteral("High Score: 0 points"));
        scoreModel().addScore(10);
        reopen();
        const QString name = QStringLiteral("SCORE-HIGH - food");
        QCOMPARE(store->readString(Details, name, QString()), QStringLiteral("30"));
        QCOMPARE(store->readString(PlayerRegistry::scoresKey(ann), name, QString()), QStringLiteral("10"));
        QCOMPARE(registry.player(ann).picture, QStringLiteral("farm animals/cow.edi"));

        QVERIFY(registry.remove(ann, {QStringLiteral("food")}));
        QCOMPARE(registry.currentId(), PlayerRegistry::FirstId);
        QVERIFY(!registry.remove(PlayerRegistry::FirstId, {}));
        const int bo = registry.add(QStringLiteral("Bo"), QString());
        QVERIFY(bo != ann);
        QCOMPARE(store->readString(Details, name, QString()), QStringLiteral("30"));
        // Nothing of the removed child stays behind, not even an empty section.
        QVERIFY(!store->hasKey(PlayerRegistry::playerKey(ann)));
    }

    // Fault: after the settings are reset, or a removed child's id is given again, a new child finds the
    // old one's answers in the log.
    void aNewPlayerNeverGetsAnIdTheAnswerLogHasSeen() {
        AnswerLog log(dir.path() + QStringLiteral("/%1/answers.db").arg(caseNumber));
        for (int id : {2, 3}) {
            Answer answer;
            answer.player = id;
            answer.subject = QStringLiteral("food");
            answer.game = QStringLiteral("choose");
            answer.word = QStringLiteral("bread");
            log.record(answer, QStringLiteral("Old %1").arg(id));
        }
        log.forgetPlayer(3);
        QVERIFY(log.waitUntilWritten(10000));
        setAnswerLog(&log);
        const int id = playerRegistry().add(QStringLiteral("New"), QString());
        setAnswerLog(nullptr);
        QVERIFY2(id > 3, qPrintable(QString::number(id)));
    }

    // Fault: a hand-edited list longer than one read shows one player and the next save drops the rest;
    // an id at the integer limit overflows and the new player overwrites another.
    void handEditedListsKeepEveryPlayer_data() {
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("next");
        QList<int> twenty;
        for (int id = 1; id <= 20; ++id)
            twenty << id;
        QTest::newRow("longer than one read") << twenty << QStringLiteral(",           ") << QString();
        const int max = std::numeric_limits<int>::max();
        QTest::newRow("ids at the integer limit") << QList<int>{1, max - 1, max} << QStringLiteral(",")
                                                  << QStringLiteral("-2147483648");
    }
    void handEditedListsKeepEveryPlayer() {
        QFETCH(QList<int>, ids);
        QFETCH(QString, separator);
        QFETCH(QString, next);
        QStringList entries;
        QByteArray text = "[SOFTWARE\\Lexikite\\Players]\nNext=" + next.toUtf8() + "\nList=";
        for (int id : ids)
            entries << QString::number(id);
        text += entries.join(separator).toUtf8() + '\n';
        for (int id : ids)
            text += QStringLiteral("[SOFTWARE\\Lexikite\\Players\\%1]\nName=P%1\n").arg(id).toUtf8();
        writeFile(text);
        reopen();
        PlayerRegistry& registry = playerRegistry();
        QCOMPARE(registry.count(), qMin(int(ids.size()), PlayerRegistry::MaxPlayers));
        const int added = registry.add(QStringLiteral("New"), QString());
        QCOMPARE(added > 0, ids.size() < PlayerRegistry::MaxPlayers);
        QVERIFY(!ids.contains(added));
        for (int id : ids)
            QCOMPARE(registry.player(id).name, QStringLiteral("P%1").arg(id));
        QVERIFY(registry.remove(ids[1], {}));
        const QString stored = store->readWholeString(PlayerRegistry::listKey(), QStringLiteral("List"), QString());
        for (int id : ids)
            QCOMPARE(stored.contains(QRegularExpression(QStringLiteral("(^|,\\s*)%1(,|$)").arg(id))), id != ids[1]);
    }

    // Fault: a name with key-path characters breaks the file, or comes back changed after a restart.
    void oddNamesRoundTrip_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("slashes") << QStringLiteral("A/B\\C");
        QTest::newRow("quotes and brackets") << QStringLiteral("\"Jo\" 'Li' [x] (y) {z}");
        QTest::newRow("equals, percent, hash") << QStringLiteral("a=b %41 #1 ;c");
        QTest::newRow("newline and tab inside") << QStringLiteral("Mia\nLou\tX");
        QTest::newRow("non-Latin letters") << QStringLiteral("Мария 李小龙 Ελένη أحمد");
        QTest::newRow("emoji, forty characters") << QString(39, u'x') + QString::fromUtf8("\xF0\x9F\x98\x80");
    }
    void oddNamesRoundTrip() {
        QFETCH(QString, name);
        PlayerRegistry& registry = playerRegistry();
        const int id = registry.add(name, QString());
        QVERIFY(id > 0);
        reopen();
        QCOMPARE(registry.player(id).name, name);
        QCOMPARE(registry.count(), 2);
    }

    // Fault: a blank, over-long or same-but-for-case name is let in, or a thirteenth player.
    void badNamesAndAFullListAreRefused() {
        PlayerRegistry& registry = playerRegistry();
        QVERIFY(registry.add(QStringLiteral("  Élodie  "), QString()) > 0);
        QCOMPARE(registry.players().last().name, QStringLiteral("Élodie"));
        QCOMPARE(registry.checkName(QStringLiteral("élodie")), PlayerRegistry::NameCheck::Taken);
        QCOMPARE(registry.checkName(QStringLiteral(" \n ")), PlayerRegistry::NameCheck::Empty);
        QCOMPARE(registry.checkName(QString(41, u'a')), PlayerRegistry::NameCheck::TooLong);
        QCOMPARE(registry.checkName(QStringLiteral("Élodie"), registry.players().last().id),
                 PlayerRegistry::NameCheck::Fine);
        for (int i = registry.count(); i < PlayerRegistry::MaxPlayers; ++i)
            QVERIFY(registry.add(QStringLiteral("P%1").arg(i), QString()) > 0);
        QCOMPARE(registry.add(QStringLiteral("One too many"), QString()), 0);
    }
};

QTEST_GUILESS_MAIN(tst_PlayerRegistry)
#include "tst_PlayerRegistry.moc"
