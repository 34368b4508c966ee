// GameMenu: the game menu.
#include "windows/GameMenu.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "app/AppState.h"
#include "app/ArtPaths.h"
#include "app/WindowPlacement.h"
#include "audio/SoundModule.h"
#include "controls/ButtonFaces.h"
#include "controls/HotSpot.h"
#include "controls/HoverFrame.h"
#include "score/ScoreModel.h"
#include "windows/Forms.h"
#include "windows/GameForm.h"
#include "windows/GameTable.h"
#include "windows/MainWindow.h"

namespace {

// The six pictures in the game table's order (index i opens game number i + 1), in twips.
const QRect GameSpots[GameMenu::GameCount] = {
    {825, 2760, 1605, 645},  {2865, 4770, 2505, 660}, {5580, 2040, 1680, 915},
    {7860, 4425, 2535, 885}, {9630, 2970, 2865, 705}, {12750, 4680, 2145, 675},
};

QRect px(const QRect& twips) {
    return QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                 twipsToPixels(twips.height()));
}

} // namespace

GameMenu::GameMenu(QWidget* parent) : ChildForm(QStringLiteral("GameMenu"), parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    hoverFrame_ = newHoverFrame(this, QStringLiteral("hoverFrame"));

    const auto& games = GameTable::entries();
    for (int i = 0; i < GameCount; ++i) {
        auto* spot = new HotSpot(i, this);
        spot->setObjectName(QStringLiteral("spot%1").arg(i));
        spot->setGeometry(px(GameSpots[i]));
        if (i < games.size()) spot->setToolTip(games[i].title);
        connect(spot, &HotSpot::hovered, this, &GameMenu::gameHovered);
        connect(spot, &HotSpot::clicked, this, &GameMenu::openGame);
        spots_[i] = spot;
    }

    titleLabel_ = new QLabel(QStringLiteral("Subject"), this);
    titleLabel_->setObjectName(QStringLiteral("titleLabel"));
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(14);
    f.setBold(true);
    titleLabel_->setFont(f);
    titleLabel_->setStyleSheet(QStringLiteral("color: white;"));
    // 1725 x 480 twips is too narrow for the longer subject names; widen it rather than cut them.
    titleLabel_->setGeometry(px(QRect(11640, 300, 1725, 480)).adjusted(0, 0, 120, 0));
    titleLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QString GameMenu::title() const {
    return titleLabel_->text();
}

void GameMenu::setTitle(const QString& title) {
    titleLabel_->setText(title);
    titleLabel_->adjustSize();
    if (titleLabel_->x() + titleLabel_->width() > width() - 8)
        titleLabel_->move(std::max(8, width() - 8 - titleLabel_->width()), titleLabel_->y());
}

void GameMenu::activate() {
    setTag(titleLabel_->text());
    MainWindow* main = mainWindow();
    if (main) {
        main->setScoreLabelsVisible(true);
        main->chooseSubject(appState().section);
    }
    scoreModel().loadHighScore();
}

void GameMenu::gameHovered(int i) {
    if (i < 0 || i >= GameCount) return;
    if (hoverFrame_->geometry() != spots_[i]->geometry()) hoverFrame_->setGeometry(spots_[i]->geometry());
    if (hoverFrame_->isHidden()) hoverFrame_->show();
}

void GameMenu::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!hoverFrame_->isHidden()) hoverFrame_->hide();
}

// Opens the game afresh for this menu's subject; a game whose window is not there does nothing.
void GameMenu::openGame(int i) {
    playClickGame();
    const GameEntry* game = GameTable::byNumber(i + 1);
    if (!game || !game->factory) return;
    forms().unload(game->windowName);
    auto* window = forms().load<GameForm>(game->windowName);
    if (!window) return;
    window->setSubject(titleLabel_->text());
    if (forms().show(game->windowName)) window->startFromMenu();
}

void GameMenu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPixmap picture = ButtonFaces::cachedArt(Art::Menu, devicePixelRatioF());
    if (picture.isNull())
        p.fillRect(rect(), QColor(70, 140, 90));
    else
        p.drawPixmap(rect(), picture);
}
