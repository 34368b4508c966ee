// mdb_SBJ: the game menu.
#include "windows/mdb_SBJ.h"

#include <algorithm>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "app/AppState.h"
#include "app/ArtPaths.h"
#include "app/WindowPlacement.h"
#include "audio/mlib_AUD.h"
#include "catalogue/Catalogue.h"
#include "catalogue/GameInstructions.h"
#include "controls/ButtonFaces.h"
#include "controls/HotSpot.h"
#include "controls/HoverFrame.h"
#include "score/ScoreModel.h"
#include "windows/Forms.h"
#include "windows/GameForm.h"
#include "windows/GameTable.h"
#include "windows/mdb_IDX.h"

namespace {

// The six pictures in the game table's order (index i opens game number i + 1), in twips.
const QRect GameSpots[mdb_SBJ::GameCount] = {
    {825, 2760, 1605, 645},  {2865, 4770, 2505, 660}, {5580, 2040, 1680, 915},
    {7860, 4425, 2535, 885}, {9630, 2970, 2865, 705}, {12750, 4680, 2145, 675},
};

QRect px(const QRect& twips) {
    return QRect(twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
                 twipsToPixels(twips.height()));
}

} // namespace

mdb_SBJ::mdb_SBJ(QWidget* parent) : ChildForm(QStringLiteral("mdb_SBJ"), parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    shpSELECT = NewHoverFrame(this, QStringLiteral("shpSELECT"));

    const auto& games = GameTable::entries();
    for (int i = 0; i < GameCount; ++i) {
        auto* spot = new HotSpot(i, this);
        spot->setObjectName(QStringLiteral("imgSUBJECT_%1").arg(i));
        spot->setGeometry(px(GameSpots[i]));
        if (i < games.size()) spot->setToolTip(games[i].title);
        connect(spot, &HotSpot::Hover, this, &mdb_SBJ::GameHover);
        connect(spot, &HotSpot::Click, this, &mdb_SBJ::GameClick);
        imgSUBJECT[i] = spot;
    }

    lblTITLE = new QLabel(QStringLiteral("Subject"), this);
    lblTITLE->setObjectName(QStringLiteral("lblTITLE"));
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(14);
    f.setBold(true);
    lblTITLE->setFont(f);
    lblTITLE->setStyleSheet(QStringLiteral("color: white;"));
    // 1725 x 480 twips is too narrow for the longer subject names; widen it rather than cut them.
    lblTITLE->setGeometry(px(QRect(11640, 300, 1725, 480)).adjusted(0, 0, 120, 0));
    lblTITLE->setAttribute(Qt::WA_TransparentForMouseEvents);

    gameName_ = new QLabel(this);
    gameName_->setObjectName(QStringLiteral("gameName"));
    QFont nameFont(QStringLiteral("Verdana"));
    nameFont.setPointSize(20);
    nameFont.setBold(true);
    gameName_->setFont(nameFont);
    gameName_->setAlignment(Qt::AlignCenter);
    gameName_->setStyleSheet(QStringLiteral("#gameName { color: #24457a; background: #fff8e1; border: 3px solid "
                                            "#ffb400; border-radius: 14px; padding: 4px 16px; }"));
    gameName_->setAttribute(Qt::WA_TransparentForMouseEvents);
    gameName_->hide();
}

QString mdb_SBJ::title() const {
    return lblTITLE->text();
}

void mdb_SBJ::setTitle(const QString& title) {
    lblTITLE->setText(title);
    lblTITLE->adjustSize();
    if (lblTITLE->x() + lblTITLE->width() > width() - 8)
        lblTITLE->move(std::max(8, width() - 8 - lblTITLE->width()), lblTITLE->y());
}

void mdb_SBJ::Activate() {
    setTag(lblTITLE->text());
    mdb_IDX* main = mainWindow();
    if (main) {
        main->setScoreLabelsVisible(true);
        main->SectionClick(appState().Section);
    }
    scoreModel().LoadHighScore();
    hideGameName();
}

void mdb_SBJ::GameHover(int i) {
    if (i < 0 || i >= GameCount) return;
    if (shpSELECT->geometry() != imgSUBJECT[i]->geometry()) shpSELECT->setGeometry(imgSUBJECT[i]->geometry());
    if (shpSELECT->isHidden()) shpSELECT->show();
    if (namedGame_ != i) nameGame(i);
}

void mdb_SBJ::nameGame(int i) {
    namedGame_ = i;
    const GameInstruction* game = GameInstructions::byNumber(i + 1);
    if (!game) return;
    gameName_->setText(QString::fromLatin1(game->name));
    gameName_->adjustSize();
    // Centred under the picture; above it when there is no room below.
    const QRect spot = imgSUBJECT[i]->geometry();
    QRect r(QPoint(0, 0), gameName_->size());
    r.moveCenter(QPoint(spot.center().x(), 0));
    r.moveTop(spot.bottom() + 10);
    if (r.bottom() > height() - 4) r.moveBottom(spot.top() - 10);
    r.moveLeft(std::clamp(r.left(), 4, std::max(4, width() - 4 - r.width())));
    gameName_->move(r.topLeft());
    gameName_->show();
    gameName_->raise();
    const QString sound = Catalogue::instructionSoundPath(GameInstructions::nameFile(*game));
    if (QFileInfo(sound).isFile()) PlaySoundFile(sound);
}

void mdb_SBJ::hideGameName() {
    namedGame_ = -1;
    gameName_->hide();
}

void mdb_SBJ::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!shpSELECT->isHidden()) shpSELECT->hide();
    if (namedGame_ >= 0) hideGameName();
}

void mdb_SBJ::leaveEvent(QEvent* event) {
    if (namedGame_ >= 0) hideGameName();
    ChildForm::leaveEvent(event);
}

// Opens the game afresh for this menu's subject; a game whose window is not there does nothing.
void mdb_SBJ::GameClick(int i) {
    PlayClickGame();
    const GameEntry* game = GameTable::byNumber(i + 1);
    if (!game || !game->factory) return;
    forms().unload(game->windowName);
    auto* window = forms().load<GameForm>(game->windowName);
    if (!window) return;
    window->setSubject(lblTITLE->text());
    if (forms().show(game->windowName)) window->StartFromMenu();
}

void mdb_SBJ::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPixmap picture = ButtonFaces::cachedArt(Art::Menu, devicePixelRatioF());
    if (picture.isNull())
        p.fillRect(rect(), QColor(70, 140, 90));
    else
        p.drawPixmap(rect(), picture);
}
