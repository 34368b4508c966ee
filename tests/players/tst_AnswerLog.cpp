// Tests of the answer log: each game's answers arrive through the host; damaged, locked and unwritable
// files cost nothing on screen; names and words come back out of the database and the CSV file unharmed.
#include "../e2e/E2EGames.h"
#include "../games/GamePlayFixture.h"
#include "players/AnswerDatabase.h"
#include "players/AnswerHistory.h"
#include "players/AnswerLog.h"
#include "players/PlayerRegistry.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {
const QStringList Animals = {QStringLiteral("cat"),   QStringLiteral("cow"),  QStringLiteral("dog"),
                             QStringLiteral("duck"),  QStringLiteral("goat"), QStringLiteral("hen"),
                             QStringLiteral("horse"), QStringLiteral("pig"),  QStringLiteral("sheep")};

Answer answerAt(qint64 atMs, const QString& word, bool right, int player = 7) {
    return {player, atMs, QStringLiteral("farm animals"), QStringLiteral("listening game"), word, right, 0};
}

// Rows of the log as "player game word right", read by a connection of the test's own.
QStringList rows(const QString& path, const QString& where = QStringLiteral("1")) {
    QStringList result;
    {
        QSqlDatabase db = AnswerDatabase::connect(path, QStringLiteral("test-reader"), true);
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("SELECT player, subject, game, word, right FROM answers WHERE %1 ORDER BY id")
                       .arg(where));
            while (q.next())
                result << QStringLiteral("%1 %2/%3/%4 %5")
                              .arg(q.value(0).toInt())
                              .arg(q.value(1).toString(), q.value(2).toString(), q.value(3).toString())
                              .arg(q.value(4).toInt());
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-reader"));
    return result;
}

QStringList brokenCopies(const QString& path) {
    const QFileInfo info(path);
    return info.dir().entryList({info.fileName() + QStringLiteral(".broken-*")}, QDir::Files);
}
} // namespace

class tst_AnswerLog : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    int caseNumber = 0;
    QString path;

private slots:
    void init() { path = dir.path() + QStringLiteral("/%1/lexikite/answers.db").arg(++caseNumber); }

    // Fault: a game whose answers never reach the log, or reach it under another player, subject or game.
    void eachGameRecordsItsAnswersThroughTheHost_data() {
        QTest::addColumn<int>("spot");
        QTest::addColumn<QString>("game");
        QTest::newRow("listening") << 0 << "listening game";
        QTest::newRow("flash cards") << 1 << "flash cards";
        QTest::newRow("memory") << 2 << "memory game";
        QTest::newRow("choose") << 3 << "choose a word";
        QTest::newRow("hidden letters") << 4 << "hidden words";
        QTest::newRow("mixed letters") << 5 << "mixed up words";
    }
    void eachGameRecordsItsAnswersThroughTheHost() {
        QFETCH(int, spot);
        QFETCH(QString, game);
        GamePlayFixture play(Animals, 20240501);
        AnswerLog log(path);
        setAnswerLog(&log);
        const int ann = playerRegistry().add(QStringLiteral("Ann"), QString());
        playerRegistry().setCurrent(ann);
        auto* window = play.openFromMenu<GameForm>(spot);
        QVERIFY(window);
        e2e::playTurns(*window, 3, false);
        setAnswerLog(nullptr);
        QVERIFY(log.waitUntilWritten(5000));
        const QStringList written = rows(path);
        QVERIFY(written.size() >= 3);
        for (const QString& row : written) {
            const QString word = row.section(u'/', 2).section(u' ', 0, 0);
            QVERIFY2(row.startsWith(QStringLiteral("%1 %2/%3/").arg(ann).arg(PlaySubject, game)), qPrintable(row));
            QVERIFY2(Animals.contains(word) && row.endsWith(QStringLiteral(" 1")), qPrintable(row));
        }
        playerRegistry().setCurrent(PlayerRegistry::FirstId);
    }

    // Fault: a missed word is logged as right, or not at all, so the progress window never shows it.
    void aWrongAnswerIsLoggedAsMissed() {
        GamePlayFixture play(Animals, 7);
        AnswerLog log(path);
        setAnswerLog(&log);
        auto* game = play.openFromMenu<ListeningWindow>(0);
        QVERIFY(game);
        QVERIFY(QTest::qWaitFor([&] { return !game->game().revealing(); }, 5000));
        const QString target = game->game().targetWord();
        int wrong = -1;
        for (int i = 0; i < ListeningRules::CardCount && wrong < 0; ++i)
            if (game->game().cards()[i].word != target) wrong = i;
        QVERIFY(wrong >= 0);
        click(game->card(wrong));
        setAnswerLog(nullptr);
        QVERIFY(log.waitUntilWritten(5000));
        QCOMPARE(rows(path), QStringList{QStringLiteral("1 %1/listening game/%2 0").arg(PlaySubject, target)});
    }

    // Fault: a damaged file stops the log for good, or is deleted instead of kept.
    void aDamagedFileIsKeptAsideAndANewOneStarted_data() {
        QTest::addColumn<bool>("validHeader");
        QTest::newRow("not a database") << false;
        QTest::newRow("pages scribbled over") << true;
    }
    void aDamagedFileIsKeptAsideAndANewOneStarted() {
        QFETCH(bool, validHeader);
        if (validHeader) {
            AnswerLog first(path);
            for (int i = 0; i < 500; ++i)
                first.record(answerAt(1000 + i, QStringLiteral("cow"), true), QStringLiteral("Ann"));
            QVERIFY(first.waitUntilWritten(5000));
        }
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile::remove(path + QStringLiteral("-wal"));
        QFile::remove(path + QStringLiteral("-shm"));
        QFile file(path);
        QVERIFY(file.open(validHeader ? QIODevice::ReadWrite : QIODevice::WriteOnly));
        // A valid first page keeps the header; everything after it is noise.
        if (validHeader) file.seek(4096);
        file.write(QByteArray(validHeader ? 16384 : 3000, '\x5a'));
        file.close();
        const QByteArray damaged = [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();

        AnswerLog log(path);
        log.record(answerAt(5000, QStringLiteral("pig"), false), QStringLiteral("Ann"));
        QVERIFY(log.waitUntilWritten(5000));
        QCOMPARE(rows(path), QStringList{QStringLiteral("7 farm animals/listening game/pig 0")});
        const QStringList aside = brokenCopies(path);
        QCOMPARE(aside.size(), 1);
        QFile kept(QFileInfo(path).dir().filePath(aside.first()));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), damaged);
    }

    // Fault: a second copy's lock delays the game, loses the answers, or makes the program hang at exit.
    void aLockedFileDelaysNothingAndTheAnswersWait() {
        auto log = std::make_unique<AnswerLog>(path);
        log->record(answerAt(1, QStringLiteral("cat"), true), QStringLiteral("Ann"));
        QVERIFY(log->waitUntilWritten(5000));
        {
            QSqlDatabase other = AnswerDatabase::connect(path, QStringLiteral("other copy"), false);
            QVERIFY(other.open());
            QSqlQuery lock(other);
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));

            QElapsedTimer clock;
            qint64 slowestNs = 0;
            for (int i = 0; i < 50; ++i) {
                clock.start();
                log->record(answerAt(10 + i, QStringLiteral("dog"), true), QStringLiteral("Ann"));
                slowestNs = qMax(slowestNs, clock.nsecsElapsed());
            }
            QVERIFY2(slowestNs < 20'000'000, qPrintable(QString::number(slowestNs)));
            QVERIFY(!log->waitUntilWritten(2 * AnswerLog::RetryMs));
            QVERIFY(lock.exec(QStringLiteral("COMMIT")));
            QVERIFY(log->waitUntilWritten(5000));
            QCOMPARE(log->writtenCount(), 51);

            // Still locked when the program ends: the exit waits a bounded time, then drops with a log line.
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            log->record(answerAt(100, QStringLiteral("hen"), true), QStringLiteral("Ann"));
            clock.start();
            log.reset();
            QVERIFY(clock.elapsed() < AnswerLog::ExitWaitMs + 2000);
            QVERIFY(lock.exec(QStringLiteral("COMMIT")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other copy"));
        QCOMPARE(rows(path).size(), 51);
    }

    // Fault: a full queue dropping a player's name or removal and counting them as answers, or, while the
    // writer holds a batch, then removing answers it never wrote instead of the ones it did.
    void aFullQueueDropsOnlyTheOldestAnswers() {
        constexpr int Cap = 40, Answers = 3 * Cap;
        AnswerLog log(path, Cap);
        log.record(answerAt(1, QStringLiteral("cow"), true, 8), QStringLiteral("Bo"));
        QVERIFY(log.waitUntilWritten(5000));
        QStringList sent;
        {
            QSqlDatabase other = AnswerDatabase::connect(path, QStringLiteral("other copy"), false);
            QVERIFY(other.open());
            QSqlQuery lock(other);
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            log.forgetPlayer(8);
            for (int i = 0; i < Answers; ++i) {
                const Answer answer = answerAt(100 + i, Animals[i % Animals.size()], i % 3 != 0);
                log.record(answer, QStringLiteral("Ann"));
                sent << QStringLiteral("7 farm animals/listening game/%1 %2")
                            .arg(answer.word)
                            .arg(int(answer.right));
            }
            // Past the writer's first try (it gave up on the lock), so what it holds is no longer the removal.
            QTest::qWait(AnswerLog::RetryMs * 4 / 5);
            QVERIFY(lock.exec(QStringLiteral("COMMIT")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other copy"));
        QVERIFY(log.waitUntilWritten(5000));
        const QStringList written = rows(path);
        QCOMPARE(log.writtenCount() + log.droppedCount(), 1 + Answers);
        QCOMPARE(written.size(), log.writtenCount() - 1); // Bo's answer went with Bo
        QVERIFY(written.size() >= Cap - 2); // the name and the removal take two places
        QCOMPARE(written.last(), sent.last());
        // In order, each once: what the writer held when the queue overflowed, then the newest.
        for (qsizetype at = 0; const QString& row : written) {
            at = sent.indexOf(row, at) + 1;
            QVERIFY2(at > 0, qPrintable(row));
        }
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QVERIFY(AnswerHistory(path).exportCsv(7, csv));
        QVERIFY(csv.data().contains("\r\nAnn,"));
    }

    // Fault: a home the program cannot write to costs more than the log.
    void anUnwritableFolderCostsOnlyTheLog() {
        QDir().mkpath(dir.path() + QStringLiteral("/home"));
        QFile blocker(dir.path() + QStringLiteral("/home/lexikite"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        AnswerLog log(dir.path() + QStringLiteral("/home/lexikite/answers.db"));
        for (int i = 0; i < 3; ++i)
            log.record(answerAt(i, QStringLiteral("cow"), true), QStringLiteral("Ann"));
        QVERIFY(log.waitUntilWritten(5000));
        QCOMPARE(log.droppedCount(), 3);
    }

    // Fault: a name or word with quotes, commas, newlines or other scripts is changed on the way, or an
    // export cell starting with "=" is run as a formula by the spreadsheet.
    void oddNamesComeBackOutOfTheLogAndTheCsv() {
        const QString name = QStringLiteral("\"Zoë\", [Мария]\n=1+1 / 李");
        AnswerLog log(path);
        log.record(answerAt(1000, QStringLiteral("ice cream"), false), name);
        log.record(answerAt(2000, QStringLiteral("=cmd"), true), name);
        QVERIFY(log.waitUntilWritten(5000));
        AnswerHistory history(path);
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QVERIFY(history.exportCsv(7, csv));
        QVERIFY(csv.data().startsWith("\xEF\xBB\xBFplayer,time,subject,game,word,result,points\r\n"));
        const QString text = QString::fromUtf8(csv.data());
        QCOMPARE(text.count(QStringLiteral("\r\n")), 3);
        QVERIFY(text.contains(QStringLiteral("\"\"\"Zoë\"\", [Мария]\n=1+1 / 李\",")));
        QVERIFY(text.contains(QStringLiteral(",ice cream,wrong,0\r\n")));
        QVERIFY(text.contains(QStringLiteral(",'=cmd,right,0\r\n")));
    }

    // Fault: pauses counted as play, answers put on the wrong day, or the missed words in the wrong order.
    void progressCountsPlayAndTheWordsMissedMost() {
        const QDate today(2031, 5, 20);
        const qint64 morning = QDateTime(today, QTime(9, 0)).toMSecsSinceEpoch();
        const qint64 yesterday = QDateTime(today.addDays(-1), QTime(18, 0)).toMSecsSinceEpoch();
        AnswerLog log(path);
        // Yesterday: 3 answers one minute apart (30 s + 2 min). Today: 2 min of play, a pause, one answer.
        for (int i = 0; i < 3; ++i)
            log.record(answerAt(yesterday + i * 60000, QStringLiteral("cow"), false), QStringLiteral("Ann"));
        log.record(answerAt(morning, QStringLiteral("pig"), false), QStringLiteral("Ann"));
        log.record(answerAt(morning + 120000, QStringLiteral("pig"), false), QStringLiteral("Ann"));
        log.record(answerAt(morning + 3600000, QStringLiteral("hen"), true), QStringLiteral("Ann"));
        log.record(answerAt(morning, QStringLiteral("goat"), false, 8), QStringLiteral("Bo"));
        QVERIFY(log.waitUntilWritten(5000));

        AnswerHistory history(path);
        const auto days = history.minutesPerDay(7, today);
        QCOMPARE(days.size(), 14);
        QCOMPARE(days.last().date, today);
        QCOMPARE(days.at(12).minutes, 2.5);
        QCOMPARE(days.last().minutes, 3.0);
        QCOMPARE(days.first().minutes, 0.0);
        const auto missed = history.missedWords(7, yesterday - 1);
        QCOMPARE(missed.size(), 2);
        QCOMPARE(missed.at(0).word, QStringLiteral("cow"));
        QCOMPARE(missed.at(0).misses, 3);
        QCOMPARE(missed.at(1).word, QStringLiteral("pig"));
        QCOMPARE(history.subjects(7).value(0).answers, 6);

        log.forgetPlayer(7);
        QVERIFY(log.waitUntilWritten(5000));
        QCOMPARE(rows(path).size(), 1);
    }
};

QTEST_MAIN(tst_AnswerLog)
#include "tst_AnswerLog.moc"
