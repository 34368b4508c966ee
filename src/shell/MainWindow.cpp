// MainWindow: frame window with its toolbar strip, score labels and the services it offers the other windows.
#include "shell/MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>

#include "app/AppState.h"
#include "app/ChildFont.h"
#include "app/GameList.h"
#include "app/ArtPaths.h"
#include "app/LeadingInt.h"
#include "app/SettingsStore.h"
#include "audio/SoundModule.h"
#include "controls/ButtonFaces.h"
#include "controls/ClickLabel.h"
#include "controls/ControlAccessible.h"
#include "controls/KeyMoves.h"
#include "controls/ToolbarButton.h"
#include "players/PlayerRegistry.h"
#include "score/ScoreModel.h"
#include "forms/ChildForm.h"
#include "forms/Forms.h"
#include "forms/GameForm.h"
#include "shell/GameTable.h"
#include "shell/GameMenu.h"
#include "shell/HomeScreen.h"
#include "grownups/GrownUpDialog.h"
#include "grownups/SettingsDialog.h"
#include "shell/Placement.h"
#include "grownups/PlayerFace.h"
#include "shell/ShellForms.h"
#include "shell/ShellHooks.h"
#include "grownups/WhoIsPlayingDialog.h"

namespace {

QPointer<MainWindow> theMainWindow;

// The window position is stored under the name the first versions gave this window; settings files
// written by them keep their place.
const QString StoredPlacementName = QStringLiteral("mdb_IDX");

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

// After the game windows (the game list's), the shell's own windows in this order.
const char* const UnloadOrder[] = {"HomeScreen", "GameMenu", "AboutBox", "SettingsDialog", "ResultDialog", "MismatchDialog",
                                   "PictureHolder"};

} // namespace

MainWindow* mainWindow() {
    return theMainWindow.data();
}

ShellFrame* shellFrame() {
    return theMainWindow.data();
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    static const bool keyboardReady = [] {
        ControlAccessible::install();
        KeyMoves::watchInput();
        return true;
    }();
    Q_UNUSED(keyboardReady);
    setObjectName(QStringLiteral("MainWindow"));
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
    // Escape goes one step back, as the toolbar would: from a game to the menu, from the menu home.
    auto* back = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(back, &QShortcut::activated, this, &MainWindow::goBack);

    theMainWindow = this;
    registerShellForms();
    forms().setChildArea(childArea_);
    forms().setDialogOwner(this);
    connect(&scoreModel(), &ScoreModel::changed, this, &MainWindow::refreshScoreLabels);
    refreshScoreLabels();
    connect(&playerRegistry(), &PlayerRegistry::changed, this, &MainWindow::refreshPlayer);
    connect(&playerRegistry(), &PlayerRegistry::currentChanged, this, &MainWindow::refreshPlayer);
    refreshPlayer();
}

MainWindow::~MainWindow() {
    if (!unloaded_) forms().unloadAll();
    if (forms().childArea() == childArea_) forms().setChildArea(nullptr);
    if (forms().dialogOwner() == this) forms().setDialogOwner(nullptr);
}

void MainWindow::buildStrip() {
    strip_ = new Strip(centralWidget());
    strip_->setObjectName(QStringLiteral("strip"));
    strip_->setGeometry(0, ChildAreaHeight, ClientWidth, StripHeight);

    toolbar_ = new QWidget(strip_);
    toolbar_->setObjectName(QStringLiteral("toolbar_"));
    toolbar_->setGeometry(4, 2, 5 * 60 + 4, 52);
    toolbar_->setStyleSheet(
        QStringLiteral("#toolbar_ { background: rgba(255,255,255,70); border-radius: 12px; }"));

    auto addButton = [this](const char* name, const char* kind, int slot, void (MainWindow::*handler)()) {
        auto* b = new ToolbarButton(QLatin1String(kind), strip_);
        b->setObjectName(QLatin1String(name));
        b->move(6 + slot * 60, 2);
        connect(b, &ToolbarButton::clicked, this, handler);
        return b;
    };
    homeButton_ = addButton("homeButton", "2", 0, &MainWindow::goHome);
    menuButton_ = addButton("menuButton", "3", 1, &MainWindow::goToMenu);
    settingsButton_ = addButton("settingsButton", "5", 2, &MainWindow::openSettings);
    aboutButton_ = addButton("aboutButton", "4", 3, &MainWindow::openAbout);
    socialButton_ = addButton("socialButton", "1", 4, &MainWindow::openSocialPage);

    QFont scoreFont(ChildFont::family());
    scoreFont.setPointSize(11);
    scoreFont.setBold(true);
    scoreLabel_ = new QLabel(strip_);
    scoreLabel_->setObjectName(QStringLiteral("scoreLabel"));
    scoreLabel_->setFont(scoreFont);
    scoreLabel_->setGeometry(330, 4, 300, 24);
    scoreLabel_->setStyleSheet(QStringLiteral("color: white;"));

    highScoreLabel_ = new ClickLabel(strip_);
    highScoreLabel_->setObjectName(QStringLiteral("highScoreLabel"));
    highScoreLabel_->setFont(scoreFont);
    highScoreLabel_->setGeometry(330, 28, 300, 24);
    highScoreLabel_->setStyleSheet(QStringLiteral("color: white;"));
    // A single stray click must not wipe a best score; nor can a key.
    highScoreLabel_->setFocusPolicy(Qt::NoFocus);
    // A child's best is theirs: a grown-up clears it.
    connect(highScoreLabel_, &ClickLabel::doubleClicked, this, [this] {
        if (scoreModel().highScoreSubject().isEmpty()) return;
        if (GrownUpDialog::ask(this, GrownUpDialog::Reason::ClearsHighScore)) scoreModel().resetHighScore();
    });

    updateLink_ = new ClickLabel(QStringLiteral("check for updates"), strip_);
    updateLink_->setObjectName(QStringLiteral("updateLink"));
    QFont linkFont(ChildFont::family());
    linkFont.setPointSize(9);
    linkFont.setUnderline(true);
    updateLink_->setFont(linkFont);
    updateLink_->setStyleSheet(QStringLiteral("color: #fff3b0;"));
    updateLink_->adjustSize();
    updateLink_->move(ClientWidth - updateLink_->width() - 12, (StripHeight - updateLink_->height()) / 2);
    connect(updateLink_, &ClickLabel::clicked, this, &MainWindow::askForUpdateCheck);

    // Kept for its name; nothing drives it.
    downloadProgress_ = new QProgressBar(strip_);
    downloadProgress_->setObjectName(QStringLiteral("downloadProgress"));
    downloadProgress_->hide();

    // Who is playing, when more than one child plays here: big enough for a child to find and click.
    playerPicture_ = new ClickLabel(strip_);
    playerPicture_->setObjectName(QStringLiteral("playerPicture"));
    playerPicture_->setGeometry(652, 3, 50, 50);
    playerName_ = new ClickLabel(strip_);
    playerName_->setObjectName(QStringLiteral("playerName"));
    QFont nameFont(ChildFont::family());
    nameFont.setPointSize(13);
    nameFont.setBold(true);
    playerName_->setFont(nameFont);
    playerName_->setStyleSheet(QStringLiteral("color: white;"));
    playerName_->setGeometry(708, 4, 168, 48);
    for (ClickLabel* label : {playerPicture_, playerName_}) {
        label->setToolTip(QStringLiteral("Who is playing?"));
        connect(label, &ClickLabel::clicked, this, &MainWindow::whoIsPlayingClick);
    }
}

void MainWindow::refreshPlayer() {
    // One player: the strip stays as it always was.
    const bool several = playerRegistry().count() > 1;
    playerPicture_->setVisible(several);
    playerName_->setVisible(several);
    if (!several) return;
    const Player player = playerRegistry().current();
    playerPicture_->setPixmap(PlayerFace::face(player, 50, devicePixelRatioF()));
    playerName_->setText(playerName_->fontMetrics().elidedText(player.name, Qt::ElideRight, playerName_->width()));
}

void MainWindow::whoIsPlayingClick() {
    playClickHome();
    const int id = WhoIsPlayingDialog::ask(this);
    if (id == playerRegistry().currentId()) return;
    playerRegistry().setCurrent(id);
    startForCurrentPlayer();
}

void MainWindow::startForCurrentPlayer() {
    setValueString(0);
    if (ChildForm* active = forms().activeChild()) forms().unload(active->formName());
    if (shellHooks().unloadAbout) shellHooks().unloadAbout();
    forms().unload(QStringLiteral("GameMenu"));
    scoreModel().loadHighScore();
    forms().show(QStringLiteral("HomeScreen"));
}

QLabel* MainWindow::scoreLabel() const {
    return scoreLabel_;
}
QLabel* MainWindow::highScoreLabel() const {
    return highScoreLabel_;
}

void MainWindow::refreshScoreLabels() {
    scoreLabel_->setText(scoreModel().scoreCaption());
    highScoreLabel_->setText(scoreModel().highScoreCaption());
    // Only a subject's own score can be reset; the home screen's hover shows no such score.
    const bool resettable = !scoreModel().highScoreSubject().isEmpty();
    highScoreLabel_->setCursor(resettable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    highScoreLabel_->setToolTip(resettable ? QStringLiteral("Double Click to reset") : QString());
}

void MainWindow::setScoreLabelsVisible(bool visible) {
    scoreLabel_->setVisible(visible);
    highScoreLabel_->setVisible(visible);
}

void MainWindow::load() {
    if (shellHooks().checkForUpdate) shellHooks().checkForUpdate(false);
    // The first run opens centred on the primary screen; later runs where the window was closed.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(ClientWidth / 2, ClientHeight / 2));
    restoreWindowPlacement(this, StoredPlacementName);
    updateTitles();
    if (shellHooks().checkLocalVersionFile) shellHooks().checkLocalVersionFile(false);
    setFixedSize(ClientWidth, ClientHeight);
    hide();
    forms().show(QStringLiteral("HomeScreen"));
    setWindowTitle(QLatin1String(AppIdentity::Title));
    show();
}

void MainWindow::disableMaximizeButton() {
    if (!(windowFlags() & Qt::WindowMaximizeButtonHint)) return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    if (wasVisible) show();
}

void MainWindow::updateTitles() {
    setWindowTitle(QLatin1String(AppIdentity::Title) + QLatin1Char(' '));
    disableMaximizeButton();
    // The subjects' names follow the learner's English (a game's follow when it deals again).
    if (auto* home = forms().find<HomeScreen>(QStringLiteral("HomeScreen"))) home->nameSubjects();
    auto* menu = forms().find<GameMenu>(QStringLiteral("GameMenu"));
    if (menu && !menu->title().isEmpty()) menu->setTitle(menu->title());
}

void MainWindow::setTitles() {
    // A choice that could not be saved is never undone by the old stored value.
    if (!appState().languageUnsaved)
        appState().language =
            readSetting(detailsKey(), QStringLiteral("Language"), QStringLiteral("AMERICAN"));
    updateTitles();
}

void MainWindow::chooseSubject(const QString& name) {
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
                    window->startFromSubjectChoice();
                    opened = true;
                }
            }
        }
        // Any other number, or a game that cannot be opened: the game menu, so the area is never left empty.
        if (!opened) forms().show(QStringLiteral("GameMenu"));
    }
    if (auto* menu = forms().load<GameMenu>(QStringLiteral("GameMenu"))) menu->setTitle(name);
    forms().fitActiveChild();
}

void MainWindow::goHome() {
    setValueString(0);
    playClickHome();
    if (ChildForm* active = forms().activeChild()) forms().unload(active->formName());
    if (shellHooks().unloadAbout) shellHooks().unloadAbout();
    forms().unload(QStringLiteral("GameMenu"));
    forms().show(QStringLiteral("HomeScreen"));
}

void MainWindow::goBack() {
    ChildForm* active = forms().activeChild();
    if (qobject_cast<GameForm*>(active))
        menuButton_->click();
    else if (active && active->formName() == QLatin1String("GameMenu"))
        homeButton_->click();
}

void MainWindow::goToMenu() {
    setValueString(0);
    playClickHome();
    if (ChildForm* active = forms().activeChild()) forms().unload(active->formName());
    if (shellHooks().unloadAbout) shellHooks().unloadAbout();
    forms().show(QStringLiteral("GameMenu"));
    if (auto* menu = forms().find<GameMenu>(QStringLiteral("GameMenu"))) menu->setTitle(appState().section);
}

void MainWindow::openSettings() {
    playClickHome();
    const QString language = appState().language;
    QPointer<SettingsDialog> dialog = newSettingsDialog();
    dialog->exec();
    delete dialog.data();
    // A saved language applies at once: an open game deals again with the pictures of that English.
    if (appState().language != language) {
        auto* game = qobject_cast<GameForm*>(forms().activeChild());
        if (game && isVisible()) chooseSubject(game->subject());
    }
}

SettingsDialog* MainWindow::newSettingsDialog() {
    auto* dialog = new SettingsDialog(this);
    connect(dialog, &SettingsDialog::languageSaved, this, &MainWindow::updateTitles);
    connect(dialog, &SettingsDialog::playingChildRemoved, this, &MainWindow::startForCurrentPlayer);
    connect(dialog, &SettingsDialog::wordsChanged, this, [] {
        if (auto* home = forms().find<HomeScreen>(QStringLiteral("HomeScreen"))) home->showMyWords();
    });
    return dialog;
}

void MainWindow::openAbout() {
    playClickHome();
    if (shellHooks().showAbout) shellHooks().showAbout(this);
}

void MainWindow::openSocialPage() {
    playClickHome();
    if (shellHooks().openSocialPage) shellHooks().openSocialPage(this);
}

void MainWindow::askForUpdateCheck() {
    if (shellHooks().checkForUpdate) shellHooks().checkForUpdate(true);
}

void MainWindow::unload() {
    if (unloaded_) return;
    unloaded_ = true;
    for (const GameDescriptor& game : GameList) forms().unload(QLatin1String(game.windowName), Forms::Now);
    for (const char* name : UnloadOrder) {
        if (qstrcmp(name, "AboutBox") == 0 && shellHooks().unloadAbout) shellHooks().unloadAbout();
        forms().unload(QLatin1String(name), Forms::Now);
    }
    forms().unloadAll();
    saveWindowPlacement(this, StoredPlacementName);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}
