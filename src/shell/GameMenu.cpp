// GameMenu: the game menu.
#include "shell/GameMenu.h"

#include <algorithm>
#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "app/AppState.h"
#include "app/ArtPaths.h"
#include "app/ChildFont.h"
#include "app/LearnersEnglish.h"
#include "app/WindowPlacement.h"
#include "audio/SoundModule.h"
#include "catalogue/Catalogue.h"
#include "catalogue/GameInstructions.h"
#include "catalogue/Subjects.h"
#include "controls/ButtonFaces.h"
#include "controls/HotSpot.h"
#include "controls/HoverFrame.h"
#include "controls/KeyMoves.h"
#include "players/SubjectProgress.h"
#include "score/ScoreModel.h"
#include "forms/Forms.h"
#include "forms/GameForm.h"
#include "shell/GameTable.h"
#include "shell/ShellFrame.h"

namespace {

QRect px(const QRect& twips) {
    return QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                 twipsToPixels(twips.height()));
}

} // namespace

GameMenu::GameMenu(QWidget* parent) : ChildForm(QStringLiteral("GameMenu"), parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    hoverFrame_ = newHoverFrame(this, QStringLiteral("hoverFrame"));

    // Made in reading order, which is then the order Tab takes.
    QList<QRect> places;
    for (const GameDescriptor& game : GameList) places << px(game.menuSpot);
    for (const int i : KeyMoves::readingOrder(places)) {
        auto* spot = new HotSpot(i, this);
        spot->setObjectName(QStringLiteral("spot%1").arg(i));
        spot->setGeometry(px(GameList[i].menuSpot));
        spot->setToolTip(QLatin1String(GameList[i].title));
        spot->setAccessibleName(QLatin1String(GameList[i].title));
        connect(spot, &HotSpot::hovered, this, &GameMenu::gameHovered);
        connect(spot, &HotSpot::clicked, this, &GameMenu::openGame);
        connect(spot, &HotSpot::left, this, &GameMenu::spotLeft);
        spots_[i] = spot;
        readingOrder_ << spot;
    }

    titleLabel_ = new QLabel(QStringLiteral("Subject"), this);
    titleLabel_->setObjectName(QStringLiteral("titleLabel"));
    QFont f(ChildFont::family());
    f.setPointSize(14);
    f.setBold(true);
    titleLabel_->setFont(f);
    titleLabel_->setStyleSheet(QStringLiteral("color: white;"));
    // 1725 x 480 twips is too narrow for the longer subject names; widen it rather than cut them.
    titleLabel_->setGeometry(px(QRect(11640, 300, 1725, 480)).adjusted(0, 0, 120, 0));
    titleLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Under the subject's name: how many of its words the child playing has learned.
    learnedLabel_ = new QLabel(this);
    learnedLabel_->setObjectName(QStringLiteral("learnedLabel"));
    QFont small(ChildFont::family());
    small.setPointSize(10);
    small.setBold(true);
    learnedLabel_->setFont(small);
    learnedLabel_->setStyleSheet(QStringLiteral("color: white;"));
    learnedLabel_->setGeometry(titleLabel_->x(), titleLabel_->geometry().bottom() + 2, titleLabel_->width(), 20);
    learnedLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);

    gameName_ = new QLabel(this);
    gameName_->setObjectName(QStringLiteral("gameName"));
    QFont nameFont(ChildFont::family());
    nameFont.setPointSize(20);
    nameFont.setBold(true);
    gameName_->setFont(nameFont);
    gameName_->setAlignment(Qt::AlignCenter);
    gameName_->setStyleSheet(QStringLiteral("#gameName { color: #24457a; background: #fff8e1; border: 3px solid "
                                            "#ffb400; border-radius: 14px; padding: 4px 16px; }"));
    gameName_->setAttribute(Qt::WA_TransparentForMouseEvents);
    gameName_->hide();
}

QString GameMenu::title() const {
    return subject_;
}

void GameMenu::setTitle(const QString& title) {
    subject_ = title;
    titleLabel_->setText(Subjects::shownName(title, britishEnglish()));
    titleLabel_->adjustSize();
    if (titleLabel_->x() + titleLabel_->width() > width() - 8)
        titleLabel_->move(std::max(8, width() - 8 - titleLabel_->width()), titleLabel_->y());
}

void GameMenu::activate() {
    setTag(subject_);
    ShellFrame* frame = shellFrame();
    if (frame) {
        frame->setScoreLabelsVisible(true);
        frame->chooseSubject(appState().section);
    }
    scoreModel().loadHighScore();
    learnedLabel_->setText(SubjectProgress::current(appState().section).learnedCaption());
    hideGameName();
    // The menu holds the focus, so the first Tab goes to the first game. Taken last: choosing the subject
    // hides and shows the menu again, which drops a focus taken before.
    setFocus(Qt::OtherFocusReason);
}

void GameMenu::gameHovered(int i) {
    if (i < 0 || i >= GameCount) return;
    if (hoverFrame_->geometry() != spots_[i]->geometry()) hoverFrame_->setGeometry(spots_[i]->geometry());
    if (hoverFrame_->isHidden()) hoverFrame_->show();
    setFrameForFocus(hoverFrame_, spots_[i]->hasFocus());
    if (namedGame_ != i) nameGame(i);
}

void GameMenu::nameGame(int i) {
    namedGame_ = i;
    const GameDescriptor* game = gameByNumber(i + 1);
    if (!game) return;
    gameName_->setText(QLatin1String(game->title));
    gameName_->adjustSize();
    // Centred under the picture; above it when there is no room below.
    const QRect spot = spots_[i]->geometry();
    QRect r(QPoint(0, 0), gameName_->size());
    r.moveCenter(QPoint(spot.center().x(), 0));
    r.moveTop(spot.bottom() + 10);
    if (r.bottom() > height() - 4) r.moveBottom(spot.top() - 10);
    r.moveLeft(std::clamp(r.left(), 4, std::max(4, width() - 4 - r.width())));
    gameName_->move(r.topLeft());
    gameName_->show();
    gameName_->raise();
    const QString sound = Catalogue::instructionSoundPath(GameInstructions::nameFile(*game));
    if (QFileInfo(sound).isFile()) playSoundFile(sound);
}

void GameMenu::hideGameName() {
    namedGame_ = -1;
    gameName_->hide();
}

void GameMenu::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    pointerTakesOver();
}

// The pointer on the background takes over from the keyboard: no focus is left where no frame is.
void GameMenu::pointerTakesOver() {
    if (readingOrder_.contains(QApplication::focusWidget())) setFocus(Qt::OtherFocusReason);
    if (!hoverFrame_->isHidden()) hoverFrame_->hide();
    if (namedGame_ >= 0) hideGameName();
}

// The keyboard moved on, and not to another game: the marks go, unless the pointer is on the spot.
void GameMenu::spotLeft(int i) {
    if (spots_[i]->underMouse() || readingOrder_.contains(QApplication::focusWidget())) return;
    pointerTakesOver();
}

void GameMenu::keyPressEvent(QKeyEvent* event) {
    if (!KeyMoves::moveFocus(readingOrder_, event)) ChildForm::keyPressEvent(event);
}

void GameMenu::leaveEvent(QEvent* event) {
    if (namedGame_ >= 0) hideGameName();
    ChildForm::leaveEvent(event);
}

// Opens the game afresh for this menu's subject; a game whose window is not there does nothing.
void GameMenu::openGame(int i) {
    playClickGame();
    const GameEntry* game = GameTable::byNumber(i + 1);
    if (!game || !game->factory) return;
    forms().unload(game->windowName);
    auto* window = forms().load<GameForm>(game->windowName);
    if (!window) return;
    window->setSubject(subject_);
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
