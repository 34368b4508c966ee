// Tests of the answer log's versions and word states: the box moves, an old file upgraded in place with every
// answer kept, and a newer version's file left alone while its answers wait.
#include "players/AnswerDatabase.h"
#include "players/AnswerHistory.h"
#include "players/AnswerLog.h"
#include "players/AnswerSchema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// One number from the file, read by a connection of the test's own.
qint64 scalar(const QString& path, const QString& statement) {
    qint64 value = -1;
    {
        QSqlDatabase db = AnswerDatabase::connect(path, QStringLiteral("test-scalar"), false);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(statement) && q.next()) value = q.value(0).toLongLong();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-scalar"));
    return value;
}

Answer answer(const QString& word, bool right) {
    return {1, QDateTime::currentMSecsSinceEpoch(), QStringLiteral("farm animals"), QStringLiteral("listening game"),
            word, right, 0};
}

} // namespace

class tst_AnswerSchema : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path;
    int caseNumber = 0;

private slots:
    void init() {
        path = dir.path() + QStringLiteral("/%1.db").arg(++caseNumber);
        QVERIFY(QFile::copy(QFINDTESTDATA("../data/answers-first-release.db"), path));
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    // Fault: a word learned in one sitting, a miss that keeps the box, or the keeps-missing flag on the
    // wrong count. Answers: r right, m missed, "|" the next day.
    void boxesMoveOneStepADayBeyondTwo_data() {
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("box");
        QTest::addColumn<bool>("keepsMissing");
        QTest::newRow("ten right in one sitting") << "r r r r r r r r r r" << 3 << false;
        QTest::newRow("a day apart to the top") << "r r r | r | r" << 5 << false;
        QTest::newRow("a miss at the top") << "r r r | r | r m" << 1 << false;
        QTest::newRow("three of the last five missed") << "m m r r m" << 1 << true;
        QTest::newRow("the fourth miss back is gone") << "m m r r r m" << 1 << false;
    }
    void boxesMoveOneStepADayBeyondTwo() {
        QFETCH(QString, answers);
        QFETCH(int, box);
        QFETCH(bool, keepsMissing);
        qint64 at = QDateTime(QDate(2026, 1, 5), QTime(10, 0)).toMSecsSinceEpoch();
        WordState state;
        for (const QString& a : answers.split(u' ')) {
            if (a == u"|")
                at += 24LL * 3600 * 1000;
            else
                state.apply(a == u"r", at += 5000);
        }
        QCOMPARE(state.box, box);
        QCOMPARE(state.learned(), box == WordState::TopBox);
        QCOMPARE(state.keepsBeingMissed(), keepsMissing);
    }

    // Fault: an upgrade that loses answers, leaves the file unversioned, starts the words from nothing, or
    // keeps a memory mismatch as a missed word.
    void oldFileIsUpgradedInPlaceKeepingEveryAnswer() {
        QCOMPARE(scalar(path, QStringLiteral("PRAGMA user_version")), 0);
        const qint64 before = scalar(path, QStringLiteral("SELECT COUNT(*) FROM answers"));
        QCOMPARE(before, 13);
        {
            AnswerLog log(path);
            log.record(answer(QStringLiteral("goose"), true), QStringLiteral("Ann"));
            QVERIFY(log.waitUntilWritten(5000));
            QCOMPARE(log.writtenCount(), 1);
        }
        QCOMPARE(scalar(path, QStringLiteral("PRAGMA user_version")), AnswerSchema::CurrentVersion);
        QCOMPARE(scalar(path, QStringLiteral("SELECT COUNT(*) FROM answers")), before + 1);
        AnswerHistory history(path);
        const WordStates farm = history.wordStates(1, QStringLiteral("farm animals"));
        // cow: right twice on the first day, then once on each of two more days.
        QCOMPARE(farm.value(QStringLiteral("cow")).box, 4);
        QCOMPARE(farm.value(QStringLiteral("cow")).asked, 4);
        // goose: missed, missed, right, missed on the next day, and right today.
        QCOMPARE(farm.value(QStringLiteral("goose")).missed, 3);
        QCOMPARE(farm.value(QStringLiteral("goose")).box, 2);
        QCOMPARE(history.keepsMissing(1).size(), 1);
        QCOMPARE(history.keepsMissing(1).first().word, QStringLiteral("goose"));
        // sheep: a memory mismatch only, which is no missed word.
        QVERIFY(!farm.contains(QStringLiteral("sheep")));
        for (const AnswerHistory::Missed& missed : history.missedWords(1, 0))
            QVERIFY(missed.word != u"sheep");
        QCOMPARE(history.wordStates(2, QStringLiteral("farm animals")).value(QStringLiteral("=horse")).box, 1);
        QDir folder(dir.path());
        QVERIFY(folder.entryList({QStringLiteral("*.broken-*")}).isEmpty());
    }

    // Fault: a newer version's file written over, moved aside or its answers dropped at once.
    void newerFileIsLeftAloneWhileAnswersWait() {
        scalar(path, QStringLiteral("PRAGMA user_version = 99"));
        {
            AnswerLog log(path);
            log.record(answer(QStringLiteral("pig"), false), QStringLiteral("Ann"));
            QVERIFY(!log.waitUntilWritten(600));
            QCOMPARE(log.waitingAnswers(1, QStringLiteral("farm animals")).size(), 1);
            // The progress window still reads it.
            QCOMPARE(AnswerHistory(path).subjects(1).size(), 2);
        }
        QCOMPARE(scalar(path, QStringLiteral("PRAGMA user_version")), 99);
        QCOMPARE(scalar(path, QStringLiteral("SELECT COUNT(*) FROM answers")), 13);
        QVERIFY(QDir(dir.path()).entryList({QStringLiteral("*.broken-*")}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_AnswerSchema)
#include "tst_AnswerSchema.moc"
