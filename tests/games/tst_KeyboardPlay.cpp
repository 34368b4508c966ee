// Tests of playing by keyboard alone: Tab and the arrows reach every subject, game and answer, Enter
// answers as a click does, the focus wears the hover frame, and Escape leads back to the menu and home.
#include <functional>
#include <optional>
#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QtTest>

#include "GamePlayFixture.h"
#include "catalogue/GameInstructions.h"
#include "catalogue/HomeSubjects.h"
#include "controls/ClickLabel.h"
#include "controls/HoverFrame.h"
#include "controls/ImageButton.h"
#include "games/cards/CardsWindow.h"
#include "games/choose/ChooseWindow.h"
#include "games/hidden/HiddenWindow.h"
#include "games/listening/ListeningWindow.h"
#include "games/memory/MemoryCard.h"
#include "games/memory/MemoryWindow.h"
#include "games/mixed/MixedWindow.h"
#include "shell/HomeScreen.h"

namespace {

const QStringList Words = {QStringLiteral("cat"),  QStringLiteral("cow"),   QStringLiteral("duck"),
                           QStringLiteral("goat"), QStringLiteral("horse"), QStringLiteral("lamb"),
                           QStringLiteral("pig"),  QStringLiteral("sheep")};

QWidget* focused() {
    return QApplication::focusWidget();
}

QString visited;

// Presses the key until the target has the focus: false when it never comes.
bool keyTo(QWidget* target, Qt::Key key = Qt::Key_Tab) {
    visited.clear();
    // The offscreen platform has no window manager to give the window back its focus after a dialog.
    if (!target->window()->isActiveWindow()) {
        target->window()->activateWindow();
        if (!QTest::qWaitForWindowActive(target->window())) return false;
    }
    for (int i = 0; i < 80 && focused() != target; ++i) {
        visited += (focused() ? focused()->objectName() : QStringLiteral("-")) + u' ';
        QTest::keyClick(focused() ? focused() : target->window(), key);
    }
    return focused() == target;
}

// Reaches the control with Tab and presses Enter on it.
void enter(QWidget* target, Qt::Key by = Qt::Key_Tab) {
    QVERIFY2(target && keyTo(target, by), qPrintable(visited));
    QTest::keyClick(target, Qt::Key_Return);
    settle();
}

void tickAll(GameWindow* game) {
    for (int i = 0; i < 30 && game->revealTimer()->isActive(); ++i)
        QMetaObject::invokeMethod(game->revealTimer(), "timeout");
}

struct Play : GamePlayFixture {
    Play() : GamePlayFixture(Words, 20240611) {
        shell->main->activateWindow();
        if (!QTest::qWaitForWindowActive(shell->main.get())) qWarning("main window not active");
    }
    GameWindow* openByKeys(int spot) {
        GameMenu* m = menu();
        if (!m) return nullptr;
        enter(m->spot(spot));
        auto* game = dynamic_cast<GameWindow*>(forms().activeChild());
        if (game) tickAll(game);
        return game;
    }
};

// One answer in a game, given its window and whether to answer right.
using Answer = std::function<void(GameWindow*, bool right)>;

// Whether the effects of the answer say right (true) or wrong (false); none of them: neither.
std::optional<bool> judged(const QStringList& effects) {
    for (qsizetype i = effects.size() - 1; i >= 0; --i) {
        if (effects[i] == QLatin1String("effect CORRECT") || effects[i] == QLatin1String("effect CONGRATS"))
            return true;
        if (effects[i] == QLatin1String("effect INCORRECT") || effects[i] == QLatin1String("effect LOOSE"))
            return false;
    }
    return std::nullopt;
}

void listening(GameWindow* w, bool right) {
    auto* game = static_cast<ListeningWindow*>(w);
    for (int i = 0; i < ListeningRules::CardCount; ++i)
        if ((game->game().cards()[i].word == game->game().targetWord()) == right) return enter(game->card(i));
}

void cards(GameWindow* w, bool right) {
    auto* game = static_cast<CardsWindow*>(w);
    enter(game->showButton());
    enter(right ? game->yesButton() : game->noButton());
}

void choose(GameWindow* w, bool right) {
    auto* game = static_cast<ChooseWindow*>(w);
    for (int i = 0; i < ChooseRules::ButtonCount; ++i)
        if (game->game().buttons()[i].visible && (game->game().buttons()[i].word == game->game().turnWord()) == right)
            return enter(game->wordButton(i));
}

// Memory: the arrow keys walk the board to each card of a pair, or of two words.
void memory(GameWindow* w, bool right) {
    auto* game = static_cast<MemoryWindow*>(w);
    const auto& table = game->game().cards();
    int first = -1, second = -1;
    for (int i = 0; i < MemoryRules::CardCount && second < 0; ++i) {
        if (!table[i].enabled || table[i].faceUp) continue;
        if (first < 0)
            first = i;
        else if ((table[i].word == table[first].word) == right)
            second = i;
    }
    for (int card : {first, second}) {
        QVERIFY(keyTo(game->card(card), Qt::Key_Right) || keyTo(game->card(card), Qt::Key_Left));
        QTest::keyClick(game->card(card), Qt::Key_Return);
        settle();
    }
}

// Hidden letters: a right turn finds every letter of the word; a wrong one is a letter not in it.
void hidden(GameWindow* w, bool right) {
    auto* game = static_cast<HiddenWindow*>(w);
    const QString word = game->game().hiddenWord().toLower();
    for (char16_t c = u'a'; c <= u'z'; ++c) {
        if (word.contains(QChar(c)) != right) continue;
        enter(game->letterButton(c - u'a'));
        if (!right) return;
    }
}

void mixed(GameWindow* w, bool right) {
    auto* game = static_cast<MixedWindow*>(w);
    QVERIFY(keyTo(game->textBox()));
    QTest::keyClicks(game->textBox(), right ? game->game().word() : QStringLiteral("zzz"));
    enter(game->checkButton());
}

} // namespace

class tst_KeyboardPlay : public QObject {
    Q_OBJECT
private slots:
    void eachGameAnswersRightAndWrongByKeys_data();
    void eachGameAnswersRightAndWrongByKeys();
    void homeAndMenuByKeysAndEscapeBack();
    void focusWearsTheFrameAndThePointerLeavesNone();
};

void tst_KeyboardPlay::eachGameAnswersRightAndWrongByKeys_data() {
    QTest::addColumn<int>("spot");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("listening") << 0 << Answer(listening);
    QTest::newRow("flash cards") << 1 << Answer(cards);
    QTest::newRow("memory") << 2 << Answer(memory);
    QTest::newRow("choose") << 3 << Answer(choose);
    QTest::newRow("hidden") << 4 << Answer(hidden);
    QTest::newRow("mixed") << 5 << Answer(mixed);
}

// Fault: a control a child answers with that no key reaches, or a key doing other than the click.
void tst_KeyboardPlay::eachGameAnswersRightAndWrongByKeys() {
    QFETCH(int, spot);
    QFETCH(Answer, answer);
    Play play;
    for (const bool right : {true, false}) {
        auto* game = right ? play.openByKeys(spot) : dynamic_cast<GameWindow*>(forms().activeChild());
        QVERIFY(game);
        tickAll(game);
        const qsizetype before = play.shell->sounds().size();
        answer(game, right);
        const QStringList effects = play.shell->sounds().mid(before);
        QVERIFY2(judged(effects) == std::optional<bool>(right), qPrintable(effects.join(u'|')));
    }
}

// Fault: subjects or games out of reach of the keys, or Escape not leading back.
void tst_KeyboardPlay::homeAndMenuByKeysAndEscapeBack() {
    Play play;
    // Each subject's name is said from the word pack when the focus reaches it.
    const QString sounds = play.dir.path() + QStringLiteral("/files/Instructions/");
    QDir().mkpath(sounds);
    const bool british = appState().language == QLatin1String("BRITISH");
    for (const HomeSubject& subject : HomeSubjects) {
        QFile file(sounds + GameInstructions::subjectNameFile(subject, british));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    forms().show(QStringLiteral("HomeScreen"));
    auto* home = play.shell->active<HomeScreen>();
    QVERIFY(home);
    // Tab starts at the top left subject; the arrows go right along the row and down to the next.
    QCOMPARE(focused(), home);
    QTest::keyClick(focused(), Qt::Key_Tab);
    auto* first = qobject_cast<HotSpot*>(focused());
    QVERIFY(first);
    for (int i = 0; i < HomeSubjectCount; ++i)
        QVERIFY2(home->spot(i)->geometry().bottom() >= first->geometry().top(),
                 qPrintable(QStringLiteral("%1 above %2").arg(i).arg(first->index())));
    QCOMPARE(home->hoverIndex(), first->index());
    QTest::keyClick(focused(), Qt::Key_Right);
    QVERIFY(focused() != first && focused()->x() > first->x());
    QTest::keyClick(focused(), Qt::Key_Down);
    QVERIFY(focused()->geometry().center().y() > first->geometry().bottom());
    // Every subject on the Tab road from the first, its name said when reached.
    QVERIFY(keyTo(first, Qt::Key_Backtab));
    QSet<QWidget*> reached;
    for (int i = 0; i < 40 && qobject_cast<HotSpot*>(focused()); ++i) {
        reached.insert(focused());
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    const QString said = play.shell->sounds().join(u'|');
    for (const HomeSubject& subject : HomeSubjects)
        QVERIFY2(said.contains(GameInstructions::subjectNameFile(subject, british)), qPrintable(said));
    QVERIFY(keyTo(home->spot(6), Qt::Key_Backtab));
    QTest::keyClick(focused(), Qt::Key_Space);
    settle();
    auto* menu = play.shell->active<GameMenu>();
    QVERIFY(menu);
    QCOMPARE(menu->title(), QString::fromLatin1(HomeSubjects[6].name));
    enter(menu->spot(3));
    QVERIFY(dynamic_cast<ChooseWindow*>(forms().activeChild()));
    QTest::keyClick(focused() ? focused() : play.shell->main.get(), Qt::Key_Escape);
    settle();
    QVERIFY(play.shell->active<GameMenu>());
    QTest::keyClick(focused() ? focused() : play.shell->main.get(), Qt::Key_Escape);
    settle();
    QVERIFY(play.shell->active<HomeScreen>());
    QCOMPARE(reached.size(), HomeSubjectCount);
}

// Fault: a focus no one can see, or a pointer leaving focus marks behind where it never used to.
void tst_KeyboardPlay::focusWearsTheFrameAndThePointerLeavesNone() {
    Play play;
    auto* game = play.openFromMenu<ChooseWindow>(3);
    QVERIFY(game);
    tickAll(game);
    // The pointer alone: clicks leave no focus on a control and no thick frame.
    click(game->playAgainButton());
    click(game->wordButton(0));
    settle();
    tickAll(game);
    QVERIFY(!qobject_cast<ImageButton*>(focused()));
    QVERIFY(!frameShowsFocus(game->hoverFrame()));
    // The keyboard: the focused control wears the thick frame and its highlighted face.
    ImageButton* word = game->wordButton(1);
    QVERIFY(keyTo(word));
    QVERIFY(game->hoverFrame()->isVisible());
    QVERIFY(frameShowsFocus(game->hoverFrame()));
    QVERIFY(game->hoverFrame()->geometry().contains(word->geometry()));
    QCOMPARE(word->face(), ImageButton::Face::Highlighted);
}

QTEST_MAIN(tst_KeyboardPlay)
#include "tst_KeyboardPlay.moc"
