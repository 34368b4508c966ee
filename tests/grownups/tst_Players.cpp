// Tests of the players' windows: the strip's player, "Who is playing?", removing a player, the progress
// window's missed words and export.
#include "ShellFixture.h"
#include "controls/ClickLabel.h"
#include "players/AnswerLog.h"
#include "players/PlayerRegistry.h"
#include "score/ScoreModel.h"
#include "catalogue/HomeSubjects.h"
#include "grownups/PlayersDialog.h"
#include "grownups/ProgressWindow.h"
#include "grownups/WhoIsPlayingDialog.h"
#include "shell/GameMenu.h"
#include "shell/HomeScreen.h"

#include <QListWidget>
#include <QTableWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

namespace {
// Runs once the next modal window is up, as the learner or grown-up answering it.
void whenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        answer(QApplication::activeModalWidget());
    });
}
} // namespace

class tst_Players : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void cleanup() {
        setAnswerLog(nullptr);
        playerRegistry().setCurrent(PlayerRegistry::FirstId);
    }

    // Fault: a lone player gets a strip they never had, or a second child picked on "Who is playing?" is
    // not the one whose picture shows and whose scores count, or keeps the running score of the first.
    void pickingAnotherPlayerStartsAfreshOnTheStrip() {
        ShellFixture shell;
        shell.writeHigh(QStringLiteral("Phonics a to z"), QStringLiteral("40"));
        MainWindow* main = shell.loadMain();
        playerRegistry().setCurrent(PlayerRegistry::FirstId);
        QVERIFY(!main->playerName()->isVisible());
        const int ann = playerRegistry().add(QStringLiteral("Ann"), QString());
        QVERIFY(main->playerName()->isVisible());
        scoreModel().addScore(10);

        whenModal([](QWidget* modal) {
            auto* who = qobject_cast<WhoIsPlayingDialog*>(modal);
            QVERIFY(who);
            QCOMPARE(who->playerButtons().size(), 2);
            QTest::mouseClick(who->playerButtons().last(), Qt::LeftButton);
        });
        QTest::mouseClick(main->playerPicture(), Qt::LeftButton);
        QCOMPARE(playerRegistry().currentId(), ann);
        QCOMPARE(main->playerName()->text(), QStringLiteral("Ann"));
        QCOMPARE(scoreModel().scoreTag(), QStringLiteral("0"));
        QCOMPARE(scoreModel().highScoreCaption(), QStringLiteral("High Score: 0 points"));
        QVERIFY(forms().activeChild() && forms().activeChild()->formName() == QLatin1String("HomeScreen"));
    }

    // Fault: a player removed without asking, or their answers left behind for the next export.
    void removingAPlayerAsksFirstAndForgetsTheirAnswers() {
        ShellFixture shell;
        AnswerLog log(dir.filePath(QStringLiteral("remove.db")));
        setAnswerLog(&log);
        const int bo = playerRegistry().add(QStringLiteral("Bo"), QString());
        log.record({bo, 1000, QStringLiteral("food"), QStringLiteral("memory game"), QStringLiteral("egg"), false, 0},
                   QStringLiteral("Bo"));
        PlayersDialog dialog;
        QListWidget* list = dialog.playerList();
        list->setCurrentRow(list->count() - 1);

        QString question;
        for (bool yes : {false, true}) {
            whenModal([&question, yes](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                question = box->text() + u' ' + box->informativeText();
                for (QAbstractButton* b : box->buttons())
                    if ((box->buttonRole(b) == QMessageBox::DestructiveRole) == yes) b->click();
            });
            dialog.removePlayer();
            QCOMPARE(playerRegistry().count(), yes ? 1 : 2);
        }
        QCOMPARE(question, QStringLiteral("Remove Bo? Bo's high scores and the record of 1 answer will be lost. "
                                          "This cannot be undone."));
        QVERIFY(log.waitUntilWritten(5000));
        ProgressWindow window(log.databasePath(), bo);
        QVERIFY(window.missedWords().isEmpty());
    }

    // Fault: the missed words or the exported file miss the answers the log holds.
    void progressShowsMissedWordsAndExports() {
        ShellFixture shell;
        AnswerLog log(dir.filePath(QStringLiteral("progress.db")));
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        for (const char* word : {"egg", "egg", "jam", "tea"})
            log.record({1, now, QStringLiteral("food"), QStringLiteral("listening game"), QLatin1String(word),
                        QByteArray(word) == "tea", 0},
                       QStringLiteral("Mia"));
        QVERIFY(log.waitUntilWritten(5000));
        ProgressWindow window(log.databasePath(), 1);
        QCOMPARE(window.missedWords(), (QStringList{QStringLiteral("egg"), QStringLiteral("jam")}));
        QCOMPARE(window.speakButtons().size(), 2);
        QCOMPARE(window.subjectTable()->item(0, 2)->text(), QStringLiteral("4"));
        const QString csv = dir.filePath(QStringLiteral("mia.csv"));
        QVERIFY(window.exportAnswersTo(csv));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), 5);
    }

    // Fault: learned counts on the home screen, the game menu or the progress window that disagree with the
    // log, a word that keeps being missed left out, or an export without the words' states.
    void learnedWordsShowAlikeEverywhere() {
        QDir files(dir.filePath(QStringLiteral("learned/files/farm animals")));
        QVERIFY(files.mkpath(QStringLiteral(".")));
        for (const char* name : {"cow.edi", "hen.edi", "pig.edi"})
            QFile(files.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
        ShellFixture shell(dir.filePath(QStringLiteral("learned")));
        AnswerLog log(dir.filePath(QStringLiteral("learned.db")));
        setAnswerLog(&log);
        const qint64 day = 24LL * 3600 * 1000, start = QDateTime::currentMSecsSinceEpoch() - 5 * day;
        // cow: right on three days is learned; hen: missed three times in a row.
        const QList<std::tuple<qint64, const char*, bool>> answers = {
            {start, "cow", true}, {start + 1, "cow", true}, {start + 2, "cow", true}, {start + day, "cow", true},
            {start + 2 * day, "cow", true}, {start + 3, "hen", false}, {start + 4, "hen", false},
            {start + 5, "hen", false}};
        for (const auto& [at, word, right] : answers)
            log.record({1, at, QStringLiteral("farm animals"), QStringLiteral("listening game"), QLatin1String(word),
                        right, 0},
                       QStringLiteral("Mia"));
        QVERIFY(log.waitUntilWritten(5000));
        MainWindow* main = shell.loadMain();
        const int farm = int(std::find_if(HomeSubjects.begin(), HomeSubjects.end(),
                                          [](const HomeSubject& s) { return qstrcmp(s.name, "farm animals") == 0; }) -
                             HomeSubjects.begin());
        forms().find<HomeScreen>(QStringLiteral("HomeScreen"))->subjectHovered(farm);
        QCOMPARE(main->highScoreLabel()->text(), QStringLiteral("0 points, 1 of 3 words learned"));
        appState().section = QStringLiteral("farm animals");
        forms().show(QStringLiteral("GameMenu"));
        QCOMPARE(forms().find<GameMenu>(QStringLiteral("GameMenu"))->learnedLabel()->text(),
                 QStringLiteral("1 of 3 words learned"));

        ProgressWindow window(log.databasePath(), 1);
        QStringList counts;
        for (int column = 3; column < 6; ++column)
            counts << window.subjectTable()->item(0, column)->text();
        QCOMPARE(counts, (QStringList{"1", "2", "3"}));
        QCOMPARE(window.keepsMissingWords(), QStringList{QStringLiteral("hen")});
        const QString csv = dir.filePath(QStringLiteral("learned.csv"));
        QVERIFY(window.exportAnswersTo(csv));
        QFile words(ProgressWindow::wordsFileName(csv));
        QVERIFY(words.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = words.readAll().split('\n');
        QCOMPARE(lines.size(), 4); // header, cow, hen, and the empty end
        QVERIFY(lines.at(1).contains("cow,5,5,0,") && lines.at(1).contains(",5,yes,no"));
        QVERIFY(lines.at(2).contains(",1,no,yes"));
    }
};

QTEST_MAIN(tst_Players)
#include "tst_Players.moc"
