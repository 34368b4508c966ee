// mdb_IDX: frame window with its toolbar strip, score labels and the services it offers the other windows.
#include "windows/mdb_IDX.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>

#include "app/AppState.h"
#include "app/ArtPaths.h"
#include "app/LeadingInt.h"
#include "app/SettingsStore.h"
#include "audio/mlib_AUD.h"
#include "controls/ButtonFaces.h"
#include "controls/ClickLabel.h"
#include "controls/uctl_BAR.h"
#include "players/PlayerRegistry.h"
#include "score/ScoreModel.h"
#include "windows/ChildForm.h"
#include "windows/Forms.h"
#include "windows/GameForm.h"
#include "windows/GameTable.h"
#include "windows/mdb_SBJ.h"
#include "windows/mdb_SET.h"
#include "windows/Placement.h"
#include "windows/PlayerFace.h"
#include "windows/ShellForms.h"
#include "windows/ShellHooks.h"
#include "windows/WhoIsPlayingDialog.h"

namespace {

QPointer<mdb_IDX> theMainWindow;

// The strip along the bottom, behind the toolbar.
class Strip : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QPixmap picture = ButtonFaces::cachedArt(Art::Strip, devicePixelRatioF());
        if (picture.isNull())
            p.fillRect(rect(), QColor(255, 214, 102));
        else
            p.drawPixmap(rect(), picture);
    }
};

const char* const UnloadOrder[] = {"fgam_CRD", "fgam_HID", "fgam_LIS", "fgam_MEM", "mdb_HOM",
                                   "mdb_SBJ",  "fgam_MIX", "fgam_CHS", "msys_ABT", "mdb_SET",
                                   "msg_WIN",  "msg_LOS",  "mdb_STR"};

} // namespace

mdb_IDX* mainWindow() {
    return theMainWindow.data();
}

mdb_IDX::mdb_IDX(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("mdb_IDX"));
    // No maximise: the size is fixed.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QLatin1String(AppIdentity::Title));
    setFixedSize(ClientWidth, ClientHeight);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    childArea_ = new QWidget(client);
    childArea_->setObjectName(QStringLiteral("childArea"));
    childArea_->setGeometry(0, 0, ClientWidth, ChildAreaHeight);
    buildStrip();

    theMainWindow = this;
    registerShellForms();
    forms().setChildArea(childArea_);
    forms().setDialogOwner(this);
    connect(&scoreModel(), &ScoreModel::changed, this, &mdb_IDX::refreshScoreLabels);
    refreshScoreLabels();
    connect(&playerRegistry(), &PlayerRegistry::changed, this, &mdb_IDX::refreshPlayer);
    connect(&playerRegistry(), &PlayerRegistry::currentChanged, this, &mdb_IDX::refreshPlayer);
    refreshPlayer();
}

mdb_IDX::~mdb_IDX() {
    if (!unloaded_) forms().unloadAll();
    if (forms().childArea() == childArea_) forms().setChildArea(nullptr);
    if (forms().dialogOwner() == this) forms().setDialogOwner(nullptr);
}

void mdb_IDX::buildStrip() {
    picSECTIONS = new Strip(centralWidget());
    picSECTIONS->setObjectName(QStringLiteral("picSECTIONS"));
    picSECTIONS->setGeometry(0, ChildAreaHeight, ClientWidth, StripHeight);

    pfrbar = new QWidget(picSECTIONS);
    pfrbar->setObjectName(QStringLiteral("pfrbar"));
    pfrbar->setGeometry(4, 2, 5 * 60 + 4, 52);
    pfrbar->setStyleSheet(
        QStringLiteral("#pfrbar { background: rgba(255,255,255,70); border-radius: 12px; }"));

    auto addButton = [this](const char* name, const char* kind, int slot, void (mdb_IDX::*handler)()) {
        auto* b = new uctl_BAR(QLatin1String(kind), picSECTIONS);
        b->setObjectName(QLatin1String(name));
        b->move(6 + slot * 60, 2);
        connect(b, &uctl_BAR::Click, this, handler);
        return b;
    };
    btnHOME = addButton("btnHOME", "2", 0, &mdb_IDX::HomeClick);
    btnMENU = addButton("btnMENU", "3", 1, &mdb_IDX::MenuClick);
    btnSETTINGS = addButton("btnSETTINGS", "5", 2, &mdb_IDX::SettingsClick);
    btnABOUT = addButton("btnABOUT", "4", 3, &mdb_IDX::AboutClick);
    btnFACEBOOK = addButton("btnFACEBOOK", "1", 4, &mdb_IDX::SocialClick);

    QFont scoreFont(QStringLiteral("Verdana"));
    scoreFont.setPointSize(11);
    scoreFont.setBold(true);
    lablSCORE = new QLabel(picSECTIONS);
    lablSCORE->setObjectName(QStringLiteral("lablSCORE"));
    lablSCORE->setFont(scoreFont);
    lablSCORE->setGeometry(330, 4, 300, 24);
    lablSCORE->setStyleSheet(QStringLiteral("color: white;"));

    lablSCOREHIGH = new ClickLabel(picSECTIONS);
    lablSCOREHIGH->setObjectName(QStringLiteral("lablSCOREHIGH"));
    lablSCOREHIGH->setFont(scoreFont);
    lablSCOREHIGH->setGeometry(330, 28, 300, 24);
    lablSCOREHIGH->setStyleSheet(QStringLiteral("color: white;"));
    // A single stray click must not wipe a best score.
    connect(lablSCOREHIGH, &ClickLabel::DoubleClick, this, [] { scoreModel().ResetHighScore(); });

    lblUPDATE = new ClickLabel(QStringLiteral("check for updates"), picSECTIONS);
    lblUPDATE->setObjectName(QStringLiteral("lblUPDATE"));
    QFont linkFont(QStringLiteral("Verdana"));
    linkFont.setPointSize(9);
    linkFont.setUnderline(true);
    lblUPDATE->setFont(linkFont);
    lblUPDATE->setStyleSheet(QStringLiteral("color: #fff3b0;"));
    lblUPDATE->adjustSize();
    lblUPDATE->move(ClientWidth - lblUPDATE->width() - 12, (StripHeight - lblUPDATE->height()) / 2);
    connect(lblUPDATE, &ClickLabel::Click, this, &mdb_IDX::UpdateClick);

    // Kept for its name; nothing drives it.
    prgTEST = new QProgressBar(picSECTIONS);
    prgTEST->setObjectName(QStringLiteral("prgTEST"));
    prgTEST->hide();

    // Who is playing, when more than one child plays here: big enough for a child to find and click.
    playerPicture_ = new ClickLabel(picSECTIONS);
    playerPicture_->setObjectName(QStringLiteral("playerPicture"));
    playerPicture_->setGeometry(652, 3, 50, 50);
    playerName_ = new ClickLabel(picSECTIONS);
    playerName_->setObjectName(QStringLiteral("playerName"));
    QFont nameFont(QStringLiteral("Verdana"));
    nameFont.setPointSize(13);
    nameFont.setBold(true);
    playerName_->setFont(nameFont);
    playerName_->setStyleSheet(QStringLiteral("color: white;"));
    playerName_->setGeometry(708, 4, 168, 48);
    for (ClickLabel* label : {playerPicture_, playerName_}) {
        label->setToolTip(QStringLiteral("Who is playing?"));
        connect(label, &ClickLabel::Click, this, &mdb_IDX::whoIsPlayingClick);
    }
}

void mdb_IDX::refreshPlayer() {
    // One player: the strip stays as it always was.
    const bool several = playerRegistry().count() > 1;
    playerPicture_->setVisible(several);
    playerName_->setVisible(several);
    if (!several) return;
    const Player player = playerRegistry().current();
    playerPicture_->setPixmap(PlayerFace::face(player, 50, devicePixelRatioF()));
    playerName_->setText(playerName_->fontMetrics().elidedText(player.name, Qt::ElideRight, playerName_->width()));
}

void mdb_IDX::whoIsPlayingClick() {
    PlayClickHome();
    const int id = WhoIsPlayingDialog::ask(this);
    if (id == playerRegistry().currentId()) return;
    playerRegistry().setCurrent(id);
    startForCurrentPlayer();
}

void mdb_IDX::startForCurrentPlayer() {
    setValueString(0);
    if (ChildForm* active = forms().activeChild()) forms().unload(active->formName());
    if (shellHooks().unloadAbout) shellHooks().unloadAbout();
    forms().unload(QStringLiteral("mdb_SBJ"));
    forms().show(QStringLiteral("mdb_HOM"));
    scoreModel().LoadHighScore();
}

QLabel* mdb_IDX::scoreLabel() const {
    return lablSCORE;
}
QLabel* mdb_IDX::highScoreLabel() const {
    return lablSCOREHIGH;
}

void mdb_IDX::refreshScoreLabels() {
    lablSCORE->setText(scoreModel().scoreCaption());
    lablSCOREHIGH->setText(scoreModel().highScoreCaption());
    // Only a subject's own score can be reset; the home screen's hover shows no such score.
    const bool resettable = !scoreModel().highScoreSubject().isEmpty();
    lablSCOREHIGH->setCursor(resettable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    lablSCOREHIGH->setToolTip(resettable ? QStringLiteral("Double Click to reset") : QString());
}

void mdb_IDX::setScoreLabelsVisible(bool visible) {
    lablSCORE->setVisible(visible);
    lablSCOREHIGH->setVisible(visible);
}

void mdb_IDX::Load() {
    if (shellHooks().checkForUpdate) shellHooks().checkForUpdate(false);
    // The first run opens centred on the primary screen; later runs where the window was closed.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(ClientWidth / 2, ClientHeight / 2));
    RestoreWindowPlacement(this, objectName());
    TitleUpdate();
    if (shellHooks().checkLocalVersionFile) shellHooks().checkLocalVersionFile(false);
    setFixedSize(ClientWidth, ClientHeight);
    hide();
    forms().show(QStringLiteral("mdb_HOM"));
    setWindowTitle(QLatin1String(AppIdentity::Title));
    show();
}

void mdb_IDX::DisableMaxButton() {
    if (!(windowFlags() & Qt::WindowMaximizeButtonHint)) return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    if (wasVisible) show();
}

void mdb_IDX::TitleUpdate() {
    setWindowTitle(QLatin1String(AppIdentity::Title) + QLatin1Char(' '));
    DisableMaxButton();
}

void mdb_IDX::TitleSet() {
    appState().Language = RegReadString(detailsKey(), QStringLiteral("Language"), QStringLiteral("AMERICAN"));
    TitleUpdate();
}

void mdb_IDX::SectionClick(const QString& name) {
    ChildForm* active = forms().activeChild();
    if (active) {
        const qint32 number = leadingInt(active->tag());
        if (number > 0) gameNumber_ = number;
        active->hide();
    }
    if (isVisible()) {
        bool opened = false;
        const GameEntry* game = GameTable::byNumber(gameNumber_);
        if (game && game->factory) {
            forms().unload(game->windowName);
            if (auto* window = forms().load<GameForm>(game->windowName)) {
                window->setSubject(name);
                if (forms().show(game->windowName)) {
                    window->StartFromSectionClick();
                    opened = true;
                }
            }
        }
        // Any other number, or a game that cannot be opened: the game menu, so the area is never left empty.
        if (!opened) forms().show(QStringLiteral("mdb_SBJ"));
    }
    if (auto* menu = forms().load<mdb_SBJ>(QStringLiteral("mdb_SBJ"))) menu->setTitle(name);
    forms().fitActiveChild();
}

void mdb_IDX::HomeClick() {
    setValueString(0);
    PlayClickHome();
    if (ChildForm* active = forms().activeChild()) forms().unload(active->formName());
    if (shellHooks().unloadAbout) shellHooks().unloadAbout();
    forms().unload(QStringLiteral("mdb_SBJ"));
    forms().show(QStringLiteral("mdb_HOM"));
}

void mdb_IDX::MenuClick() {
    setValueString(0);
    PlayClickHome();
    if (ChildForm* active = forms().activeChild()) forms().unload(active->formName());
    if (shellHooks().unloadAbout) shellHooks().unloadAbout();
    forms().show(QStringLiteral("mdb_SBJ"));
    if (auto* menu = forms().find<mdb_SBJ>(QStringLiteral("mdb_SBJ"))) menu->setTitle(appState().Section);
}

void mdb_IDX::SettingsClick() {
    PlayClickHome();
    const QString language = appState().Language;
    QPointer<mdb_SET> dialog = new mdb_SET(this);
    dialog->exec();
    delete dialog.data();
    // A saved language applies at once: an open game deals again with the pictures of that English.
    if (appState().Language != language) {
        auto* game = qobject_cast<GameForm*>(forms().activeChild());
        if (game && isVisible()) SectionClick(game->subject());
    }
}

void mdb_IDX::AboutClick() {
    PlayClickHome();
    if (shellHooks().showAbout) shellHooks().showAbout(this);
}

void mdb_IDX::SocialClick() {
    PlayClickHome();
    if (shellHooks().openSocialPage) shellHooks().openSocialPage(this);
}

void mdb_IDX::UpdateClick() {
    if (shellHooks().checkForUpdate) shellHooks().checkForUpdate(true);
}

void mdb_IDX::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    for (const char* name : UnloadOrder) {
        if (qstrcmp(name, "msys_ABT") == 0 && shellHooks().unloadAbout) shellHooks().unloadAbout();
        forms().unload(QLatin1String(name), Forms::Now);
    }
    forms().unloadAll();
    SaveWindowPlacement(this, objectName());
}

void mdb_IDX::closeEvent(QCloseEvent* event) {
    Unload();
    event->accept();
}
