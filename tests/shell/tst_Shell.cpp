// Tests of the shell's road: home screen hover and click, game menu, Home, chooseSubject and the registry.
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include "controls/ClickLabel.h"
#include "controls/HotSpot.h"
#include "controls/ToolbarButton.h"
#include "FakeGame.h"
#include "app/ChildFont.h"
#include "score/ScoreModel.h"
#include "ModalAnswers.h"
#include "ShellFixture.h"
#include "shell/HomeScreen.h"
#include "shell/GameMenu.h"

namespace {
void hover(QWidget* w) {
    QTest::mouseMove(w, w->rect().center());
}
void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
} // namespace

class tst_Shell : public QObject {
    Q_OBJECT
private slots:
    void init() { FakeGame::reset(); }
    void hoverShowsCaptionFrameAndStoredScore_data();
    void hoverShowsCaptionFrameAndStoredScore();
    void clickOpensGameMenuForHoveredSubject_data();
    void clickOpensGameMenuForHoveredSubject();
    void leavingTheScreenTakesHoverMarksAwayKeepsLabels();
    void backgroundClearsTheScoreLabels();
    void homeResetsRunningScoreAndUnloadsMenu();
    void highScoreResetsOnlyOnADoubleClickOverASubjectsScore_data();
    void highScoreResetsOnlyOnADoubleClickOverASubjectsScore();
    void sectionClick_data();
    void sectionClick();
    void gameMenuOpensRegisteredGameAfreshAndIgnoresMissingOnes();
    void activationRunsOnceEachTimeAFormBecomesActive();
    void closingStoresPositionInTwips();
    void subjectNamesFollowTheLearnersEnglish();
    void captionsAreOneNameInTheReadersTypeface();
};

void tst_Shell::hoverShowsCaptionFrameAndStoredScore_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("points");
    QTest::newRow("first hover, index 0, nothing stored") << 0 << ""
                                                          << "basic shapes"
                                                          << "basic shapes"
                                                          << "0 points";
    QTest::newRow("Big Numbers keeps its capitals") << 1 << "40"
                                                    << "Big Numbers"
                                                    << "big numbers"
                                                    << "40 points";
    QTest::newRow("one point") << 6 << "1"
                               << "farm animals"
                               << "farm animals"
                               << "1 point";
    QTest::newRow("stored text with junk after the number") << 15 << "12x"
                                                            << "phonics a to z"
                                                            << "phonics a to z"
                                                            << "12 points";
}

// Catches a first hover that is taken for "same as before" (index 0 against an initial 0), captions used as
// the subject name, and stored scores not shown or not counted right.
void tst_Shell::hoverShowsCaptionFrameAndStoredScore() {
    QFETCH(int, index);
    QFETCH(QString, stored);
    QFETCH(QString, title);
    QFETCH(QString, caption);
    QFETCH(QString, points);
    ShellFixture f;
    if (!stored.isEmpty()) f.writeHigh(title, stored);
    MainWindow* main = f.loadMain();
    auto* home = f.active<HomeScreen>();
    QVERIFY(home);
    QVERIFY(!main->scoreLabel()->isVisible());

    hover(home->spot(index));
    QCOMPARE(home->hoverIndex(), index);
    QCOMPARE(home->title(), title);
    QVERIFY(home->caption(index)->isVisible());
    QCOMPARE(home->caption(index)->text(), caption);
    QVERIFY(home->frame()->isVisible());
    QCOMPARE(home->frame()->geometry(), home->spot(index)->geometry());
    QVERIFY(main->scoreLabel()->isVisible());
    QCOMPARE(main->scoreLabel()->text(), title);
    QCOMPARE(main->highScoreLabel()->text(), points);

    // Moving on to another subject leaves only its caption.
    const int next = (index + 1) % HomeSubjectCount;
    hover(home->spot(next));
    QVERIFY(!home->caption(index)->isVisible());
    QVERIFY(home->caption(next)->isVisible());
}

void tst_Shell::clickOpensGameMenuForHoveredSubject_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("high");
    QTest::newRow("Big Numbers") << 1 << "Big Numbers"
                                 << "40"
                                 << "High Score: 40 points";
    QTest::newRow("food, nothing stored") << 7 << "food"
                                          << ""
                                          << "High Score: 0 points";
    QTest::newRow("Birds, one point") << 2 << "Birds"
                                      << "1"
                                      << "High Score: 1 point";
}

// Catches the caption ("big numbers") taken as Section, a menu titled with the old subject, a stale running
// score label, and a home screen that stays loaded behind the menu.
void tst_Shell::clickOpensGameMenuForHoveredSubject() {
    QFETCH(int, index);
    QFETCH(QString, subject);
    QFETCH(QString, stored);
    QFETCH(QString, high);
    ShellFixture f;
    if (!stored.isEmpty()) f.writeHigh(subject, stored);
    MainWindow* main = f.loadMain();
    auto* home = f.active<HomeScreen>();
    QPointer<HomeScreen> homeAlive(home);
    hover(home->spot(index));
    f.sound.log.clear();
    click(home->spot(index));
    settle();

    QCOMPARE(f.sounds(), QStringList{QStringLiteral("effect CLICKHOME")});
    QCOMPARE(appState().section, subject);
    auto* menu = f.active<GameMenu>();
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->geometry(), main->childArea()->rect());
    QCOMPARE(menu->title(), subject);
    QVERIFY(!homeAlive);
    QVERIFY(main->scoreLabel()->isVisible());
    QCOMPARE(main->scoreLabel()->text(), QString());
    QCOMPARE(main->highScoreLabel()->text(), high);
}

// Catches hover marks left standing when the pointer leaves the screen for the toolbar.
void tst_Shell::leavingTheScreenTakesHoverMarksAwayKeepsLabels() {
    ShellFixture f;
    MainWindow* main = f.loadMain();
    auto* home = f.active<HomeScreen>();
    hover(home->spot(7));
    QVERIFY(home->frame()->isVisible());
    QTest::mouseMove(main, QPoint(700, MainWindow::ChildAreaHeight + 20));
    QTRY_VERIFY(!home->frame()->isVisible());
    QVERIFY(!home->caption(7)->isVisible());
    QCOMPARE(main->scoreLabel()->text(), QStringLiteral("food"));
    QCOMPARE(home->hoverIndex(), 7);
}

// Catches the background move not clearing the labels or not forgetting the hovered subject.
void tst_Shell::backgroundClearsTheScoreLabels() {
    ShellFixture f;
    MainWindow* main = f.loadMain();
    auto* home = f.active<HomeScreen>();
    hover(home->spot(3));
    QTest::mouseMove(home, QPoint(400, 200)); // open sky between the subjects
    QCOMPARE(home->hoverIndex(), int(HomeScreen::NoHover));
    QVERIFY(!home->frame()->isVisible());
    QCOMPARE(main->scoreLabel()->text(), QString());
    QCOMPARE(main->highScoreLabel()->text(), QString());
}

// Catches a running score that survives the return to the home screen, and a menu that stays loaded.
void tst_Shell::homeResetsRunningScoreAndUnloadsMenu() {
    ShellFixture f;
    MainWindow* main = f.loadMain();
    auto* home = f.active<HomeScreen>();
    hover(home->spot(7));
    click(home->spot(7));
    settle();
    scoreModel().addScore(20);
    QCOMPARE(main->scoreLabel()->text(), QStringLiteral("Score: 20 points"));
    QPointer<GameMenu> menu(f.active<GameMenu>());

    click(main->findChild<ToolbarButton*>(QStringLiteral("homeButton")));
    settle();
    QVERIFY(f.active<HomeScreen>());
    QVERIFY(!menu);
    QCOMPARE(scoreModel().scoreTag(), QStringLiteral("0"));
    QVERIFY(!main->scoreLabel()->isVisible());
    QCOMPARE(main->gameNumber(), 0);
}

void tst_Shell::highScoreResetsOnlyOnADoubleClickOverASubjectsScore_data() {
    QTest::addColumn<bool>("onMenu"); // else the home screen, hovering another subject
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<bool>("grownUpRight");
    QTest::addColumn<bool>("resets");
    QTest::newRow("menu, one click") << true << false << true << false;
    QTest::newRow("menu, double-click, grown-up") << true << true << true << true;
    QTest::newRow("menu, double-click, wrong number") << true << true << false << false;
    QTest::newRow("home hover, one click") << false << false << true << false;
    QTest::newRow("home hover, double-click") << false << true << true << false;
}

// Catches a single stray click wiping a best score, a child's double-click wiping it without the grown-up
// question, a reset from the home screen's hover (of the last chosen subject, not the one shown), and a
// reset that touches the running score or another subject.
void tst_Shell::highScoreResetsOnlyOnADoubleClickOverASubjectsScore() {
    QFETCH(bool, onMenu);
    QFETCH(bool, doubleClick);
    QFETCH(bool, grownUpRight);
    QFETCH(bool, resets);
    ShellFixture f;
    f.writeHigh(QStringLiteral("food"), QStringLiteral("35"));
    f.writeHigh(QStringLiteral("fruit"), QStringLiteral("50"));
    MainWindow* main = f.loadMain();
    auto* home = f.active<HomeScreen>();
    hover(home->spot(7));
    click(home->spot(7));
    settle();
    scoreModel().addScore(10);
    QCOMPARE(main->highScoreLabel()->text(), QStringLiteral("High Score: 35 points"));
    if (!onMenu) {
        click(main->findChild<ToolbarButton*>(QStringLiteral("homeButton")));
        settle();
        hover(f.active<HomeScreen>()->spot(8));
        QCOMPARE(main->highScoreLabel()->text(), QStringLiteral("50 points"));
    }
    const QString before = main->highScoreLabel()->text();

    ModalAnswers answers(grownUpRight);
    if (doubleClick)
        QTest::mouseDClick(main->highScoreLabel(), Qt::LeftButton);
    else
        click(main->highScoreLabel());
    QCOMPARE(answers.met, onMenu && doubleClick ? QStringList{"GrownUpDialog"} : QStringList{});
    QCOMPARE(f.readDetails(QStringLiteral("SCORE-HIGH - food")),
             resets ? QStringLiteral("0") : QStringLiteral("35"));
    QCOMPARE(f.readDetails(QStringLiteral("SCORE-HIGH - fruit")), QStringLiteral("50"));
    QCOMPARE(main->highScoreLabel()->text(), resets ? QStringLiteral("High Score: 0 points") : before);
    if (onMenu) QCOMPARE(main->scoreLabel()->text(), QStringLiteral("Score: 10 points"));
}

void tst_Shell::sectionClick_data() {
    QTest::addColumn<bool>("gameActive");
    QTest::addColumn<int>("gameNumber");
    QTest::newRow("active game with tag 4 is opened afresh") << true << 4;
    QTest::newRow("menu active and no game remembered shows the menu") << false << 0;
}

// Catches chooseSubject that reuses the old game window, forgets the game number, or leaves the area empty.
void tst_Shell::sectionClick() {
    QFETCH(bool, gameActive);
    QFETCH(int, gameNumber);
    ShellFixture f;
    GameTable::registerGame(4, [] { return new FakeGame(4, QStringLiteral("ChooseWindow")); });
    MainWindow* main = f.loadMain();
    QPointer<QWidget> before;
    if (gameActive) {
        forms().load<GameForm>(QStringLiteral("ChooseWindow"))->setSubject(QStringLiteral("fruit"));
        before = forms().show(QStringLiteral("ChooseWindow"));
    } else {
        forms().unload(QStringLiteral("HomeScreen"));
        forms().show(QStringLiteral("GameMenu"));
        forms().find<GameMenu>(QStringLiteral("GameMenu"))->setTag(QStringLiteral("farm animals"));
    }
    main->chooseSubject(QStringLiteral("food"));
    settle();

    QCOMPARE(main->gameNumber(), gameNumber);
    QVERIFY(forms().activeChild()->isVisible());
    QCOMPARE(forms().find<GameMenu>(QStringLiteral("GameMenu"))->title(), QStringLiteral("food"));
    if (gameActive) {
        auto* game = f.active<FakeGame>();
        QVERIFY(game);
        QVERIFY(!before);
        QCOMPARE(game->subject(), QStringLiteral("food"));
        QCOMPARE(FakeGame::sectionStarts, 1);
        QCOMPARE(FakeGame::menuStarts, 0);
    } else {
        QVERIFY(f.active<GameMenu>());
    }
}

// Catches a menu click that reuses a running game, skips the start calls, or breaks on a game not built yet.
void tst_Shell::gameMenuOpensRegisteredGameAfreshAndIgnoresMissingOnes() {
    ShellFixture f;
    GameTable::registerGame(1, [] { return new FakeGame(1, QStringLiteral("ListeningWindow")); });
    MainWindow* main = f.loadMain();
    auto* home = f.active<HomeScreen>();
    hover(home->spot(8));
    click(home->spot(8));
    settle();
    auto* menu = f.active<GameMenu>();
    QVERIFY(menu);

    f.sound.log.clear();
    click(menu->spot(5)); // Mixed Up: no window registered
    QCOMPARE(f.sounds(), QStringList{QStringLiteral("effect CLICKGAME")});
    QCOMPARE(f.active<GameMenu>(), menu);
    QVERIFY(menu->isVisible());

    click(menu->spot(0));
    auto* game = f.active<FakeGame>();
    QVERIFY(game);
    QCOMPARE(game->subject(), QStringLiteral("fruit"));
    QCOMPARE(game->tag(), QStringLiteral("1"));
    QCOMPARE(game->geometry(), main->childArea()->rect());
    QVERIFY(!menu->isVisible());
    QCOMPARE(FakeGame::menuStarts, 1);

    // The game's close picture: back to the menu, then the same game again starts from a new window.
    main->setValueString(0);
    forms().unload(QStringLiteral("ListeningWindow"));
    forms().show(QStringLiteral("GameMenu"));
    QCOMPARE(f.active<GameMenu>(), menu);
    QCOMPARE(main->gameNumber(), 0);
    click(menu->spot(0));
    settle();
    QCOMPARE(FakeGame::created, 2);
    QCOMPARE(FakeGame::activations, 2);
}

// Catches activation run again for a form showing itself from its own activation, run on a form that was
// already active, or run when a modal dialog closes over it.
void tst_Shell::activationRunsOnceEachTimeAFormBecomesActive() {
    ShellFixture f;
    GameTable::registerGame(2, [] { return new FakeGame(2, QStringLiteral("CardsWindow")); });
    f.loadMain();
    forms().show(QStringLiteral("CardsWindow"));
    QCOMPARE(FakeGame::activations, 1);
    forms().show(QStringLiteral("CardsWindow"));
    QCOMPARE(FakeGame::activations, 1);

    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    QDialog dialog(forms().dialogOwner());
    dialog.exec();
    QCOMPARE(FakeGame::activations, 1);

    forms().unload(QStringLiteral("HomeScreen"));
    forms().show(QStringLiteral("GameMenu")); // its activation shows the menu again through chooseSubject
    QVERIFY(f.active<GameMenu>());
    QVERIFY(f.active<GameMenu>()->isVisible());
    forms().show(QStringLiteral("CardsWindow"));
    QCOMPARE(FakeGame::activations, 2);
}

// Catches positions stored in pixels instead of twips, or under another key.
void tst_Shell::closingStoresPositionInTwips() {
    ShellFixture f;
    MainWindow* main = f.loadMain();
    main->move(40, 30);
    const QPoint pos = main->pos();
    main->close();
    // The first release's name for the main window: stored files keep using it.
    const QString key = appState().registryBase + QStringLiteral("mdb_IDX\\Window");
    QCOMPARE(f.store.store.readString(key, QStringLiteral("left"), {}), QString::number(pos.x() * 15));
    QCOMPARE(f.store.store.readString(key, QStringLiteral("TOP"), {}), QString::number(pos.y() * 15));
}

QTEST_MAIN(tst_Shell)
#include "tst_Shell.moc"

// Catches "colors" before a British learner on the home screen's caption, tooltip and score line or the game
// menu's title, a stored key respelled with them, and names left in the old English after the setting changes.
void tst_Shell::subjectNamesFollowTheLearnersEnglish() {
    ShellFixture f;
    MainWindow* main = f.loadMain();
    auto* home = f.active<HomeScreen>();
    constexpr int colors = 3;
    QCOMPARE(home->caption(colors)->text(), QStringLiteral("colors"));
    appState().language = QStringLiteral("BRITISH");
    main->updateTitles(); // what saving the language does
    hover(home->spot(colors));
    QCOMPARE(home->caption(colors)->text(), QStringLiteral("colours"));
    QCOMPARE(home->spot(colors)->toolTip(), QStringLiteral("colours"));
    QCOMPARE(main->scoreLabel()->text(), QStringLiteral("colours"));
    click(home->spot(colors));
    settle();
    auto* menu = f.active<GameMenu>();
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("colors"));
    QCOMPARE(appState().section, QStringLiteral("colors"));
    QVERIFY(menu->findChild<QLabel*>(QStringLiteral("titleLabel"))->text() == QStringLiteral("colours"));
    appState().language = QStringLiteral("AMERICAN");
    main->updateTitles();
    QCOMPARE(menu->findChild<QLabel*>(QStringLiteral("titleLabel"))->text(), QStringLiteral("colors"));
}

// Catches "phonics a to" over "z", and a caption in a typeface where "Ll" reads as "LI".
void tst_Shell::captionsAreOneNameInTheReadersTypeface() {
    ShellFixture f;
    f.loadMain();
    auto* home = f.active<HomeScreen>();
    const int phonics = int(std::find_if(HomeSubjects.begin(), HomeSubjects.end(),
                                         [](const HomeSubject& s) { return qstrcmp(s.name, "phonics a to z") == 0; }) -
                            HomeSubjects.begin());
    QLabel* caption = home->caption(phonics);
    QCOMPARE(caption->font().family(), QLatin1String(ChildFont::Family));
    const QFontMetrics fm(caption->font());
    QVERIFY2(caption->contentsRect().height() < 2 * fm.lineSpacing(), "the caption wraps");
    QVERIFY(home->spot(phonics)->geometry().contains(caption->geometry()));
}
