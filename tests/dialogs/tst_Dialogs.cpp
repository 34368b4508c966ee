// Tests of the result dialogs, the settings dialog and the grown-up check: messages, play buttons, pictures,
// Save and Cancel, the keypad.
#include <memory>
#include <functional>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "FakeGame.h"
#include "ModalAnswers.h"
#include "ShellFixture.h"
#include "grownups/GrownUpDialog.h"
#include "services/GrownUpPause.h"
#include "grownups/SettingsDialog.h"
#include "dialogs/ResultDialogs.h"
#include "dialogs/MismatchDialog.h"
#include "dialogs/ResultDialog.h"

namespace {
void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Runs inspect on the modal dialog once it is up; inspect must close it.
template <class Dialog> void whenShown(std::function<void(Dialog*)> inspect) {
    QTimer::singleShot(0, [inspect] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
            QFAIL("the dialog was not shown modally");
        }
        inspect(dialog);
    });
}

QPixmap filled(const QColor& colour) {
    QPixmap pm(80, 60);
    pm.fill(colour);
    return pm;
}

QRgb centreOf(const QLabel* label) {
    const QImage image = label->pixmap().toImage();
    return image.isNull() ? 0 : image.pixel(image.width() / 2, image.height() / 2);
}
} // namespace

class tst_Dialogs : public QObject {
    Q_OBJECT
    qint64 now_ = 0;

private slots:
    // Each test starts with the question free, on a clock only the test moves.
    void init() { grownUpPause() = GrownUpPause([this] { return now_; }); }
    void winDialogShowsMessageAndReplaysTheWord_data();
    void winDialogShowsMessageAndReplaysTheWord();
    void winDialogWithoutPictureTakesTheWordsOwnPicture();
    void loseDialogEachPlayButtonSpeaksItsOwnWord();
    void settingsDialogOutcomes_data();
    void settingsDialogOutcomes();
    void anUnsavedLanguageHoldsAndIsTold();
    void grownUpCheckPassesOnlyOnTheNumberInWords_data();
    void grownUpCheckPassesOnlyOnTheNumberInWords();
    void aWrongAnswerPausesTheQuestion();
    void grownUpsWindowsAskFirst_data();
    void grownUpsWindowsAskFirst();
};

void tst_Dialogs::winDialogShowsMessageAndReplaysTheWord_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("closeWithEnter");
    QTest::newRow("well done") << "Well done!"
                               << " The word is cat."
                               << "farm animals"
                               << "cat"
                               << "Well done! The word is cat." << false;
    QTest::newRow("sorry") << "Sorry"
                           << ", the word is hen"
                           << "farm animals"
                           << "hen"
                           << "Sorry, the word is hen" << true;
    QTest::newRow("end of game, no folder or word") << "Congratulations!"
                                                    << " You have won 10 points."
                                                    << ""
                                                    << ""
                                                    << "Congratulations! You have won 10 points." << false;
}

// Catches a message with a space inserted or lost, a play button that closes the dialog or plays only once,
// and a dialog that is not modal over the main window.
void tst_Dialogs::winDialogShowsMessageAndReplaysTheWord() {
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, folder);
    QFETCH(QString, word);
    QFETCH(QString, message);
    QFETCH(bool, closeWithEnter);
    ShellFixture f;
    MainWindow* main = f.loadMain();
    f.sound.log.clear();
    QString shownMessage;
    bool hadPicture = false, ownedByMain = false, stillOpenAfterPlays = false;
    whenShown<ResultDialog>([&](ResultDialog* dialog) {
        shownMessage = dialog->message();
        hadPicture = dialog->hasPicture();
        ownedByMain = dialog->parentWidget() == main;
        click(dialog->playButton());
        click(dialog->picture());
        click(dialog->playButton());
        stillOpenAfterPlays = dialog->isVisible();
        if (closeWithEnter)
            QTest::keyClick(dialog, Qt::Key_Return);
        else
            click(dialog->okButton());
    });
    showResultDialog(filled(Qt::green), title, text, folder, word);

    QCOMPARE(shownMessage, message);
    QVERIFY(hadPicture);
    QVERIFY(ownedByMain);
    QVERIFY(stillOpenAfterPlays);
    const QStringList opened = f.openedPaths();
    QCOMPARE(opened.size(), 3);
    const QString expected = folder + QLatin1Char('/') + word + QStringLiteral(".eda");
    for (const QString& path : opened)
        QVERIFY2(path.endsWith(expected), qPrintable(path));
    QVERIFY(!QApplication::activeModalWidget());
}

// Catches a search that shows another word's picture ("chat" for "hat"), ignores the active game's list,
// or shows no picture at all.
void tst_Dialogs::winDialogWithoutPictureTakesTheWordsOwnPicture() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QDir(dir.path()).mkpath(QStringLiteral("files/farm animals"));
    const QString folder = dir.path() + QStringLiteral("/files/farm animals/");
    QVERIFY(filled(Qt::red).save(folder + QStringLiteral("chat.edi"), "PNG"));
    QVERIFY(filled(Qt::blue).save(folder + QStringLiteral("hat.edi"), "PNG"));

    ShellFixture f(dir.path());
    GameTable::registerGame(1, [] {
        auto* game = new FakeGame(1, QStringLiteral("ListeningWindow"));
        game->pictures = {QStringLiteral("Hat.edi"), QStringLiteral("chat.edi"), QStringLiteral("hat.edi")};
        return game;
    });
    f.loadMain();
    forms().show(QStringLiteral("ListeningWindow"));
    QRgb shown = 0;
    whenShown<ResultDialog>([&](ResultDialog* dialog) {
        shown = centreOf(dialog->picture());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    showResultDialog(QPixmap(), QStringLiteral("Well done!"), QStringLiteral(" The word is hat."),
                  QStringLiteral("farm animals"), QStringLiteral("hat"));
    QCOMPARE(QColor(shown), QColor(Qt::blue));
}

// Catches the second play button speaking the first word, and pictures swapped between the two sides.
void tst_Dialogs::loseDialogEachPlayButtonSpeaksItsOwnWord() {
    ShellFixture f;
    f.loadMain();
    f.sound.log.clear();
    QString shownMessage;
    QRgb left = 0, right = 0;
    whenShown<MismatchDialog>([&](MismatchDialog* dialog) {
        shownMessage = dialog->message();
        left = centreOf(dialog->picture(1));
        right = centreOf(dialog->picture(2));
        click(dialog->playButton(2));
        click(dialog->playButton(1));
        click(dialog->picture(2));
        click(dialog->closeCross());
    });
    showMismatchDialog(filled(Qt::yellow), filled(Qt::cyan), QStringLiteral("Sorry, "),
                   QStringLiteral("cow and pig do not match."), QStringLiteral("farm animals"),
                   QStringLiteral("cow"), QStringLiteral("pig"));
    QCOMPARE(shownMessage, QStringLiteral("Sorry, cow and pig do not match."));
    QCOMPARE(QColor(left), QColor(Qt::yellow));
    QCOMPARE(QColor(right), QColor(Qt::cyan));
    QStringList words;
    for (const QString& path : f.openedPaths())
        words << path.section(QLatin1Char('/'), -1);
    QCOMPARE(words,
             (QStringList{QStringLiteral("pig.eda"), QStringLiteral("cow.eda"), QStringLiteral("pig.eda")}));
}

void tst_Dialogs::settingsDialogOutcomes_data() {
    QTest::addColumn<QString>("language");   // the record's language when the dialog opens
    QTest::addColumn<QString>("selected");   // the option checked on opening: UK, US or none
    QTest::addColumn<QString>("choose");     // the option the learner clicks: UK, US or none
    QTest::addColumn<QString>("close");      // save, cancel, enter, escape
    QTest::addColumn<QString>("stored");     // value in the store afterwards; <none> when never written
    QTest::addColumn<QString>("afterwards"); // the record's language afterwards
    QTest::newRow("choose British, Save") << "AMERICAN"
                                          << "US"
                                          << "UK"
                                          << "save"
                                          << "BRITISH"
                                          << "BRITISH";
    QTest::newRow("untouched Save rewrites the value") << "BRITISH"
                                                       << "UK"
                                                       << "none"
                                                       << "save"
                                                       << "BRITISH"
                                                       << "BRITISH";
    QTest::newRow("neither selected, Save stores empty") << "KLINGON"
                                                         << "none"
                                                         << "none"
                                                         << "save"
                                                         << ""
                                                         << "";
    QTest::newRow("Cancel after choosing changes nothing") << "AMERICAN"
                                                           << "US"
                                                           << "UK"
                                                           << "cancel"
                                                           << "<none>"
                                                           << "AMERICAN";
    QTest::newRow("Escape is Cancel") << "BRITISH"
                                      << "UK"
                                      << "US"
                                      << "escape"
                                      << "<none>"
                                      << "BRITISH";
    QTest::newRow("Enter is Save") << "BRITISH"
                                   << "UK"
                                   << "US"
                                   << "enter"
                                   << "AMERICAN"
                                   << "AMERICAN";
}

// Catches a dialog that opens on the wrong option, stores on Cancel, keeps an old choice, or leaves the
// main window's title unrefreshed after Save.
void tst_Dialogs::settingsDialogOutcomes() {
    QFETCH(QString, language);
    QFETCH(QString, selected);
    QFETCH(QString, choose);
    QFETCH(QString, close);
    QFETCH(QString, stored);
    QFETCH(QString, afterwards);
    ShellFixture f;
    MainWindow* main = f.loadMain();
    appState().language = language;

    std::unique_ptr<SettingsDialog> owned(main->newSettingsDialog());
    SettingsDialog& dialog = *owned;
    dialog.open();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.britishOption()->isChecked(), selected == QLatin1String("UK"));
    QCOMPARE(dialog.americanOption()->isChecked(), selected == QLatin1String("US"));
    if (choose == QLatin1String("UK")) click(dialog.britishOption());
    if (choose == QLatin1String("US")) click(dialog.americanOption());
    if (close == QLatin1String("save")) click(dialog.saveButton());
    if (close == QLatin1String("cancel")) click(dialog.cancelButton());
    if (close == QLatin1String("enter")) QTest::keyClick(&dialog, Qt::Key_Enter);
    if (close == QLatin1String("escape")) QTest::keyClick(&dialog, Qt::Key_Escape);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.readDetails(QStringLiteral("language")), stored);
    QCOMPARE(appState().language, afterwards);
    const bool saved = stored != QLatin1String("<none>");
    QCOMPARE(main->windowTitle(), saved ? QStringLiteral("Lexikite ") : QStringLiteral("Lexikite"));
}

// Catches a language that could not be saved (another copy holds the file, the disk is full) going back
// to the stored one at the next activation, and the dialog closing as if it had been saved.
void tst_Dialogs::anUnsavedLanguageHoldsAndIsTold() {
    ShellFixture f;
    MainWindow* main = f.loadMain();
    std::unique_ptr<SettingsDialog> dialog(main->newSettingsDialog());
    dialog->open();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    click(dialog->britishOption());
    f.store.store.failWrites = true;
    click(dialog->saveButton());
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->notSavedNote()->isVisible());
    QVERIFY(dialog->rect().contains(dialog->notSavedNote()->geometry()));
    main->setTitles(); // what a game window's activation does
    QCOMPARE(appState().language, QStringLiteral("BRITISH"));

    f.store.store.failWrites = false;
    click(dialog->saveButton());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(f.readDetails(QStringLiteral("language")), QStringLiteral("BRITISH"));
}

void tst_Dialogs::grownUpCheckPassesOnlyOnTheNumberInWords_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("passes");
    QTest::newRow("keypad, right number") << "tap" << true;
    QTest::newRow("keyboard, right number") << "type" << true;
    QTest::newRow("one wrong digit") << "wrong" << false;
    QTest::newRow("Enter and Space") << "keys" << false;
}

// Catches the keypad or typed digits not reaching the check, a wrong tap leaving room for another guess
// (it leaves the keys resting instead), and Enter or Space (which a child presses anyway) getting past it.
void tst_Dialogs::grownUpCheckPassesOnlyOnTheNumberInWords() {
    QFETCH(QString, action);
    QFETCH(bool, passes);
    bool leftOpen = false;
    whenShown<GrownUpDialog>([&](GrownUpDialog* dialog) {
        const QString right = QString::number(dialog->check().number());
        if (action == QLatin1String("tap")) {
            for (QChar digit : right)
                click(dialog->digitButton(digit.digitValue()));
        } else if (action == QLatin1String("type")) {
            QTest::keyClicks(dialog, right);
        } else if (action == QLatin1String("wrong")) {
            click(dialog->digitButton((right.at(0).digitValue() + 1) % 10));
        } else {
            QTest::keyClick(dialog, Qt::Key_Return);
            QTest::keyClick(dialog, Qt::Key_Space);
        }
        leftOpen = dialog->isVisible();
        if (leftOpen) dialog->reject();
    });
    QCOMPARE(GrownUpDialog::ask(nullptr), passes);
    QCOMPARE(leftOpen, action == QLatin1String("keys") || action == QLatin1String("wrong"));
}

// Catches a question asked again at once after a wrong digit (every three random taps a fresh try), also
// when closed and opened again; a wait that says nothing; and no new number once the wait is over.
void tst_Dialogs::aWrongAnswerPausesTheQuestion() {
    ModalAnswers wrong(false);
    QVERIFY(!GrownUpDialog::ask(nullptr));
    wrong.timer.stop();
    QString shown;
    whenShown<GrownUpDialog>([&](GrownUpDialog* dialog) {
        shown = dialog->findChild<QLabel*>(QStringLiteral("numberLabel"))->text();
        QTest::keyClicks(dialog, QString::number(dialog->check().number()));
        QVERIFY(dialog->isVisible()); // the keys rest
        now_ += 5000;
        QMetaObject::invokeMethod(dialog->waitTimer(), "timeout");
        QTest::keyClicks(dialog, QString::number(dialog->check().number()));
    });
    QVERIFY(GrownUpDialog::ask(nullptr));
    QCOMPARE(shown, QStringLiteral("A new number comes in 5 seconds."));
}

void tst_Dialogs::grownUpsWindowsAskFirst_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QStringList>("met");
    QTest::newRow("players, wrong number") << "players" << false << QStringList{"GrownUpDialog"};
    QTest::newRow("progress, grown-up") << "progress" << true
                                        << QStringList{"GrownUpDialog", "ProgressWindow"};
}

// Catches a grown-up's window a child opens without the question: removing a sibling, or exporting their
// history.
void tst_Dialogs::grownUpsWindowsAskFirst() {
    QFETCH(QString, button);
    QFETCH(bool, right);
    QFETCH(QStringList, met);
    ShellFixture f;
    std::unique_ptr<SettingsDialog> dialog(f.loadMain()->newSettingsDialog());
    dialog->show();
    ModalAnswers answers(right);
    click(dialog->findChild<ImageButton*>(button + QStringLiteral("Button")));
    QCOMPARE(answers.met, met);
}

QTEST_MAIN(tst_Dialogs)
#include "tst_Dialogs.moc"
