// Tests of the progress window's wording and layout, the file its export offers and writes, and the picture
// picker's subjects.
#include "ShellFixture.h"
#include "grownups/PicturePickerDialog.h"
#include "grownups/ProgressWindow.h"
#include "players/AnswerLog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>

class tst_Progress : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    int logs_ = 0;

    // Player 1's answers in food: a word and whether it was right, at the times given (ms after start).
    QString logAnswers(const QList<std::tuple<qint64, const char*, bool>>& answers) {
        AnswerLog log(dir.filePath(QStringLiteral("log%1.db").arg(++logs_)));
        const qint64 start = QDateTime::currentMSecsSinceEpoch() - 20 * 60 * 1000;
        for (const auto& [at, word, right] : answers)
            log.record({1, start + at, QStringLiteral("food"), QStringLiteral("listening game"), QLatin1String(word),
                        right, 0},
                       QStringLiteral("Mia"));
        if (!log.waitUntilWritten(5000)) qWarning("answers not written");
        return log.databasePath();
    }

private slots:
    // Catches a quote that makes the file dialog read a list of files, a filter character, a name that
    // leaves the folder, or no name at all.
    void offeredFileNameIsOneFile_data() {
        QTest::addColumn<QString>("player");
        QTest::addColumn<QString>("offered");
        QTest::newRow("plain") << "Mia" << "Mia answers.csv";
        QTest::newRow("quotes") << "Mia \"Bee\" Jones" << "Mia -Bee- Jones answers.csv";
        QTest::newRow("filter and folder characters") << "a*b?c[d]/e\\f" << "a-b-c-d--e-f answers.csv";
        QTest::newRow("hidden or empty") << " .. " << "answers.csv";
    }
    void offeredFileNameIsOneFile() {
        QFETCH(QString, player);
        QFETCH(QString, offered);
        QCOMPARE(ProgressWindow::offeredFileName(player), offered);
    }

    // Catches an export written under a name typed without ".csv".
    void exportWritesACsvFile() {
        ShellFixture shell;
        ProgressWindow window(logAnswers({{0, "egg", false}}), 1);
        const QString typed = dir.filePath(QStringLiteral("for the teacher"));
        QTimer::singleShot(0, [typed] {
            QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            dialog->selectFile(typed);
            static_cast<QDialog*>(dialog)->accept();
        });
        QVERIFY(window.exportAnswers());
        QVERIFY(QFileInfo::exists(typed + QStringLiteral(".csv")));
        QVERIFY(!QFileInfo::exists(typed));
    }

    // Catches "1 minutes".
    void minutesAreCountedInWords_data() {
        QTest::addColumn<qint64>("gap");
        QTest::addColumn<QString>("totals");
        // A sitting's first answer counts half a minute, then the time to each next answer.
        QTest::newRow("one") << qint64(30000) << "1 minute in the last 14 days";
        QTest::newRow("two") << qint64(90000) << "2 minutes in the last 14 days";
    }
    void minutesAreCountedInWords() {
        QFETCH(qint64, gap);
        QFETCH(QString, totals);
        ShellFixture shell;
        ProgressWindow window(logAnswers({{0, "egg", true}, {gap, "jam", true}}), 1);
        QCOMPARE(window.totalsLabel()->text(), totals);
    }

    // Catches the instructions' sounds offered as a subject, or "colors" to a British grown-up.
    void picturePickerListsTheSubjectsInTheLearnersEnglish() {
        for (const char* folder : {"colors", "food", "Instructions", "Letters"})
            QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("pack/files/%1").arg(QLatin1String(folder)))));
        ShellFixture shell(dir.filePath(QStringLiteral("pack")));
        appState().language = QStringLiteral("BRITISH");
        PicturePickerDialog picker(QStringLiteral("food/egg.edi"));
        auto* subjects = picker.findChild<QComboBox*>(QStringLiteral("pictureSubjects"));
        QStringList shown;
        for (int i = 0; i < subjects->count(); ++i)
            shown << subjects->itemText(i);
        QCOMPARE(shown, (QStringList{QStringLiteral("colours"), QStringLiteral("food")}));
        QCOMPARE(subjects->currentData().toString(), QStringLiteral("food"));
    }
};

QTEST_MAIN(tst_Progress)
#include "tst_Progress.moc"
