// Tests of the games' spoken instructions: asked for once per child and program start and on a title click, heard
// before the deal's word and cut by the child's own sounds, silent when the pack has none; and the game
// menu's hovered name.
#include <memory>
#include <QDir>
#include <QFile>
#include <QtTest>

#include "GameFixture.h"
#include "GamePlayFixture.h"
#include "MemorySettingsStore.h"
#include "catalogue/GameInstructions.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "games/cards/CardsRules.h"
#include "games/choose/ChooseRules.h"
#include "games/common/ExplainedGames.h"
#include "games/hidden/HiddenRules.h"
#include "games/listening/ListeningWindow.h"
#include "games/memory/MemoryRules.h"
#include "games/mixed/MixedRules.h"
#include "players/PlayerRegistry.h"

namespace {

template <class Rules> std::unique_ptr<GameRules> make(const GameEnv& env) {
    return std::make_unique<Rules>(env);
}
// By game number - 1.
std::unique_ptr<GameRules> (*const makeRules[])(const GameEnv&) = {
    make<ListeningRules>, make<CardsRules>, make<MemoryRules>, make<ChooseRules>, make<HiddenRules>, make<MixedRules>};

// Rules as a game window makes them: with the game's row.
std::unique_ptr<GameRules> rulesOf(int game, GameFixture& fx) {
    GameEnv env = fx.env();
    env.game = &GameList[game - 1];
    return makeRules[game - 1](env);
}

QString instructionsFolder() {
    return appState().programFolder + QStringLiteral("/files/Instructions/");
}

// A sound file the recording device "plays"; its content does not matter there.
void putSound(const QString& name) {
    QDir().mkpath(instructionsFolder());
    QFile file(instructionsFolder() + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("ID3");
}

void revealAll(GameWindow* game) {
    for (int i = 0; i < 10 && game->revealTimer()->isActive(); ++i)
        QMetaObject::invokeMethod(game->revealTimer(), "timeout");
}

} // namespace

class tst_GameInstructions : public QObject {
    Q_OBJECT
private slots:
    void init() { ExplainedGames::forgetAll(); }

    void eachGameExplainsItselfOncePerStartAndOnEveryTitleClick_data();
    void eachGameExplainsItselfOncePerStartAndOnEveryTitleClick();
    void instructionComesBeforeTheDealsWordAndTheChildCutsIt();
    void missingInstructionIsSilenceAndHoldsNothingBack();
    void menuShowsAndSaysTheHoveredGamesName();
};

void tst_GameInstructions::eachGameExplainsItselfOncePerStartAndOnEveryTitleClick_data() {
    QTest::addColumn<int>("game");
    QTest::addColumn<QString>("file");
    QTest::newRow("listening") << 1 << "listening.eda";
    QTest::newRow("flash cards") << 2 << "cards.eda";
    QTest::newRow("memory") << 3 << "memory.eda";
    QTest::newRow("choose") << 4 << "choose.eda";
    QTest::newRow("hidden letters") << 5 << "hidden.eda";
    QTest::newRow("mixed letters") << 6 << "mixed.eda";
}

// Catches a game that explains another game, explains on every opening (or never, or only once for all
// games, or only once for all children), or ignores the title.
void tst_GameInstructions::eachGameExplainsItselfOncePerStartAndOnEveryTitleClick() {
    QFETCH(int, game);
    QFETCH(QString, file);
    GameFixture fx(plainPictures(12));
    const auto rules = rulesOf(game, fx);
    rules->explainOnFirstOpening();
    QCOMPARE(fx.host.events, QStringList{"explain " + file});

    // The window unloaded and opened again gets new rules: still quiet.
    rules->explainOnFirstOpening();
    rulesOf(game, fx)->explainOnFirstOpening();
    QCOMPARE(fx.host.events.size(), 1);

    rules->explain();
    QCOMPARE(fx.host.events, (QStringList{"explain " + file, "explain " + file}));

    // Another game has not been explained yet.
    rulesOf(game % GameCount + 1, fx)->explainOnFirstOpening();
    QCOMPARE(fx.host.events.size(), 3);

    // The next child at the computer has not heard it yet either: once for them too.
    ScopedMemoryStore scoped;
    PlayerRegistry& players = playerRegistry();
    players.setCurrent(players.add(QStringLiteral("Bo"), QString()));
    rulesOf(game, fx)->explainOnFirstOpening();
    rulesOf(game, fx)->explainOnFirstOpening();
    players.setCurrent(PlayerRegistry::FirstId);
    QCOMPARE(fx.host.events.size(), 4);
    QCOMPARE(fx.host.events.last(), "explain " + file);
}

// Catches the deal's word cutting the instruction (or the instruction cutting the word), and a child's
// click waiting behind an instruction.
void tst_GameInstructions::instructionComesBeforeTheDealsWordAndTheChildCutsIt() {
    GamePlayFixture play({"cat", "cow", "dog", "duck", "goat", "hen"}, 20240501);
    putSound("listening.eda");
    const QString instruction = instructionsFolder() + "listening.eda";
    auto* lis = play.openFromMenu<ListeningWindow>(0);
    QVERIFY(lis);
    QCOMPARE(play.shell->openedPaths(), QStringList{instruction});
    QVERIFY(lis->noticeLabel()->isVisible());
    QCOMPARE(lis->noticeLabel()->text(), QString::fromLatin1(GameList[0].instruction));

    revealAll(lis);
    QCOMPARE(play.shell->openedPaths(), QStringList{instruction});
    play.shell->sound.finish();
    const QString word = play.wordSound(lis->game().targetWord());
    QCOMPARE(play.shell->openedPaths(), (QStringList{instruction, word}));

    // Asked again over the word; then the child's own "play again" is heard at once.
    QCOMPARE(lis->titlePanel()->cursor().shape(), Qt::PointingHandCursor);
    click(lis->titlePanel());
    QCOMPARE(play.shell->openedPaths().last(), instruction);
    QVERIFY(lis->noticeLabel()->isVisible());
    click(lis->againButton());
    QCOMPARE(play.shell->openedPaths().last(), word);
    QVERIFY(lis->noticeLabel()->isHidden());
}

// Catches an error or a stopped sound for a pack without instructions, and a word that waits for nothing.
void tst_GameInstructions::missingInstructionIsSilenceAndHoldsNothingBack() {
    GamePlayFixture play({"cat", "cow", "dog", "duck", "goat", "hen"}, 20240501);
    auto* lis = play.openFromMenu<ListeningWindow>(0);
    QVERIFY(lis);
    QVERIFY(play.shell->openedPaths().isEmpty());
    QVERIFY(lis->noticeLabel()->isVisible());
    revealAll(lis);
    QCOMPARE(play.shell->openedPaths(), QStringList{play.wordSound(lis->game().targetWord())});
}

// Catches a name said on every pointer move, a name left behind on the background, and an error for a
// name without a sound.
void tst_GameInstructions::menuShowsAndSaysTheHoveredGamesName() {
    GamePlayFixture play({"cat", "cow", "dog", "duck", "goat", "hen"}, 20240501);
    putSound("memory name.eda");
    GameMenu* menu = play.menu();
    QVERIFY(menu);
    HotSpot* memory = menu->spot(2);
    QTest::mouseMove(memory, memory->rect().center());
    QTRY_VERIFY(menu->gameNameLabel()->isVisible());
    QCOMPARE(menu->gameNameLabel()->text(), QStringLiteral("Memory"));
    QVERIFY(menu->gameNameLabel()->y() > memory->geometry().bottom());
    QCOMPARE(play.shell->openedPaths(), QStringList{instructionsFolder() + "memory name.eda"});
    QTest::mouseMove(memory, memory->rect().center() + QPoint(3, 1));
    QTest::mouseMove(menu->spot(0), menu->spot(0)->rect().center()); // no sound file: silence
    QTRY_COMPARE(menu->gameNameLabel()->text(), QStringLiteral("Listening"));
    QCOMPARE(play.shell->openedPaths().size(), 1);

    QTest::mouseMove(menu, QPoint(4, menu->height() - 4));
    QTRY_VERIFY(menu->gameNameLabel()->isHidden());
}

QTEST_MAIN(tst_GameInstructions)
#include "tst_GameInstructions.moc"
