// GameWindow: the shared part of the six game windows.
#include "games/common/GameWindow.h"

#include <algorithm>
#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "app/AppState.h"
#include "app/ArtPaths.h"
#include "app/ChildFont.h"
#include "app/LearnersEnglish.h"
#include "app/Random.h"
#include "app/WindowPlacement.h"
#include "audio/SoundModule.h"
#include "catalogue/PictureLoader.h"
#include "catalogue/Subjects.h"
#include "controls/ButtonFaces.h"
#include "controls/ClickLabel.h"
#include "controls/HoverFrame.h"
#include "controls/KeyMoves.h"
#include "controls/StatusLine.h"
#include "games/common/GameRules.h"
#include "games/common/GamesLog.h"
#include "games/common/LevelMeter.h"
#include "games/common/ProgramGameHost.h"
#include "games/common/ProgramPictures.h"
#include "games/common/ProgramPractice.h"
#include "forms/Forms.h"
#include "shell/MainWindow.h"
#include "shell/PictureHolder.h"
#include "dialogs/ResultDialogs.h"
#include "dialogs/ResultParts.h"

namespace {
const QSize DialogPictureBox(ResultParts::PictureWidth, ResultParts::PictureHeight);
// The panel behind the subject and game names.
const QRect HeaderPanel(16, 12, 470, 80);
// What the rules say when nothing could be dealt has the empty table to itself.
const QRect TableNotice(172, 236, 680, 96);
// A silent instruction stays long enough for a grown-up to read it out; a spoken one as long as it is heard,
// so it no longer covers the cards when the word comes.
constexpr int InstructionReadMs = 5000;
constexpr int InstructionAfterSoundMs = 500;
constexpr int InstructionShortestMs = 2500;

class PressWatcher final : public QObject {
public:
    PressWatcher(std::function<void()> onPress, QObject* parent) : QObject(parent), onPress_(std::move(onPress)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::KeyPress)
            onPress_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onPress_;
};
} // namespace

// The rules' way out: effects, sounds and points as everywhere; the dialogs show over a window that has
// already drawn what the rules just decided.
// Once the window is closing under an answer, the rest of the answer is silent and shows nothing, but the
// points it wins still count.
class GameWindow::Host final : public ProgramGameHost {
public:
    Host(GameWindow& window, const QString& gameName) : ProgramGameHost(gameName), window_(window) {}

    void playEffect(Effect effect) override {
        if (!window_.closing_) ProgramGameHost::playEffect(effect);
    }
    void playSoundFile(const QString& path) override {
        if (window_.closing_) return;
        // What the game says by itself while its instruction is spoken follows the instruction, the latest
        // sound only (a deal's word, not every reveal chime); afterwards sounds replace each other as always.
        if (window_.instructionLeads_ && soundFilePlaying()) {
            cancelSoundQueue();
            queueSoundFile(path);
            return;
        }
        window_.instructionLeads_ = false;
        ProgramGameHost::playSoundFile(path);
    }
    void spellWord(const QString& word, const QString& wordSoundPath) override {
        if (window_.closing_) return;
        window_.instructionLeads_ = false;
        ProgramGameHost::spellWord(word, wordSoundPath);
    }
    void explain(const QString& sentence, const QString& soundPath) override {
        if (window_.closing_) return;
        ProgramGameHost::explain(sentence, soundPath);
        window_.showInstruction(sentence, QFileInfo(soundPath).isFile());
    }

    void showResult(const DialogPicture& picture, const QString& title, const QString& text,
                    const QString& folder, const QString& word) override {
        if (window_.closing_) return;
        window_.beforeDialog();
        const QPixmap source =
            picture.congratulations ? PictureHolder::congrats() : window_.picture(picture.path, DialogPictureBox);
        showResultDialog(source, title, text, folder, word);
    }

    void showMismatch(const QString& picture1, const QString& picture2, const QString& title,
                      const QString& text, const QString& folder, const QString& word1,
                      const QString& word2) override {
        if (window_.closing_) return;
        window_.beforeDialog();
        showMismatchDialog(window_.picture(picture1, DialogPictureBox),
                       window_.picture(picture2, DialogPictureBox), title, text, folder, word1, word2);
    }

private:
    GameWindow& window_;
};

QSize GameWindow::area() {
    return QSize(MainWindow::ClientWidth, MainWindow::ChildAreaHeight);
}

QRect GameWindow::instructionBand() {
    const int left = HeaderPanel.right() + 14;
    return QRect(left, HeaderPanel.top(), area().width() - 16 - left, HeaderPanel.height());
}

QRect GameWindow::twips(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QRect GameWindow::inside(QRect rect, int margin) {
    const QRect bounds = QRect(QPoint(0, 0), area()).adjusted(margin, margin, -margin, -margin);
    rect.setWidth(std::min(rect.width(), bounds.width()));
    rect.setHeight(std::min(rect.height(), bounds.height()));
    if (rect.right() > bounds.right()) rect.moveRight(bounds.right());
    if (rect.bottom() > bounds.bottom()) rect.moveBottom(bounds.bottom());
    if (rect.left() < bounds.left()) rect.moveLeft(bounds.left());
    if (rect.top() < bounds.top()) rect.moveTop(bounds.top());
    return rect;
}

GameWindow::GameWindow(const GameDescriptor& game, QWidget* parent)
    : GameForm(QLatin1String(game.windowName), game.number, parent), game_(game),
      host_(std::make_unique<Host>(*this, QLatin1String(game.logName))) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The window itself takes keys in some games; a screen reader calls it by the game's name.
    setAccessibleName(QLatin1String(game.title));
    resize(area());
    background_ = PictureHolder::screen();

    subjectLabel_ =
        addLabel(QStringLiteral("subjectLabel"), QStringLiteral("Animals"), QRect(34, 18, 440, 40), 22, true);
    subjectLabel_->setStyleSheet(QStringLiteral("color: #24457a;"));
    gameLabel_ = addLabel(QStringLiteral("gameLabel"), QLatin1String(game.logName), QRect(36, 58, 440, 26), 13);
    gameLabel_->setStyleSheet(QStringLiteral("color: #5b6f96;"));

    levelMeter_ = new LevelMeter(this);
    levelMeter_->setGeometry(962, 236, 46, 156); // a well of 150 px: ten even steps
    scoreLabel_ = addLabel(QStringLiteral("scoreLabel"), QStringLiteral("0/10"), QRect(934, 396, 88, 36), 18, true);
    scoreLabel_->setAlignment(Qt::AlignCenter);
    scoreLabel_->setStyleSheet(QStringLiteral("color: #24457a;"));

    closeCross_ = new ClickLabel(this);
    closeCross_->setObjectName(QStringLiteral("closeCross"));
    closeCross_->setToolTip(QStringLiteral("Back to the games"));
    closeCross_->setPixmap(ButtonFaces::cachedArt(Art::Close, devicePixelRatioF()));
    closeCross_->setGeometry(inside(QRect(14, 477, Art::Close.width, Art::Close.height)));
    connect(closeCross_, &ClickLabel::clicked, this, &GameWindow::closeToMenu);

    // A screen reader reads the instruction line out whenever it changes.
    noticeLabel_ = new StatusLine(this);
    styleLabel(noticeLabel_, QStringLiteral("noticeLabel"), TableNotice, 16, true);
    noticeLabel_->setAlignment(Qt::AlignCenter);
    noticeLabel_->setWordWrap(true);
    noticeLabel_->setStyleSheet(
        QStringLiteral("#noticeLabel { color: #24457a; background: #fff8e1; border: 4px solid "
                       "#ffb400; border-radius: 18px; padding: 4px 12px; }"));
    noticeLabel_->hide();
    // It takes the presses on it (they end the instruction), so none reaches a control it might lie over.

    titlePanel_ = new ClickLabel(this);
    titlePanel_->setObjectName(QStringLiteral("titlePanel"));
    titlePanel_->setGeometry(HeaderPanel);
    titlePanel_->setToolTip(QStringLiteral("Click here to hear what to do"));
    connect(titlePanel_, &ClickLabel::clicked, this, [this] { act([this] { rules().explain(); }); });

    instructionTimer_ = new QTimer(this);
    instructionTimer_->setSingleShot(true);
    connect(instructionTimer_, &QTimer::timeout, this, &GameWindow::endInstruction);
    pressWatcher_ = new PressWatcher([this] { endInstruction(); }, this);

    hoverFrame_ = newHoverFrame(this, QStringLiteral("hoverFrame"), QStringLiteral("#ffb400"), 6);

    revealTimer_ = new QTimer(this);
    revealTimer_->setObjectName(QStringLiteral("revealTimer"));
    connect(revealTimer_, &QTimer::timeout, this, &GameWindow::onRevealTick);
}

GameWindow::~GameWindow() {
    // A spelling still queued belongs to this game; the sound playing ends by itself.
    cancelSoundQueue();
}

void GameWindow::styleLabel(QLabel* label, const QString& name, const QRect& geometry, int pointSize, bool bold) {
    label->setObjectName(name);
    label->setFont(ChildFont::font(pointSize, bold));
    label->setGeometry(geometry);
}

QLabel* GameWindow::addLabel(const QString& name, const QString& text, const QRect& geometry, int pointSize,
                             bool bold) {
    auto* label = new QLabel(text, this);
    styleLabel(label, name, geometry, pointSize, bold);
    return label;
}

void GameWindow::setSubject(const QString& title) {
    GameForm::setSubject(title);
    subjectLabel_->setText(Subjects::shownName(title, britishEnglish()));
    rules().setSubjectTitle(title);
}

QStringList GameWindow::pictureList() const {
    return rules().pictures().names();
}

GameEnv GameWindow::env() {
    return GameEnv{*host_, randomSource(), appState(), {}, &game_, &ProgramPractice::instance(),
                   &ProgramPictures::instance()};
}

GameHost& GameWindow::host() {
    return *host_;
}

void GameWindow::closeToMenu() {
    revealTimer_->stop();
    if (MainWindow* main = mainWindow()) main->setValueString(0);
    forms().unload(formName());
    forms().show(QStringLiteral("GameMenu"));
}

void GameWindow::activate() {
    // The window holds the focus, so the first Tab goes to its first control; each control the keyboard
    // reaches wears the hover frame while it has the focus.
    setFocus(Qt::OtherFocusReason);
    for (QWidget* w : findChildren<QWidget*>())
        if (w->focusPolicy() & Qt::TabFocus) w->installEventFilter(this);
    if (MainWindow* main = mainWindow()) main->setTitles();
    run([this] {
        rules().explainOnFirstOpening();
        activateGame();
    });
}

void GameWindow::showInstruction(const QString& sentence, bool spoken) {
    instructionNotice_ = sentence;
    instructionLeads_ = spoken;
    instructionTimer_->start(
        spoken ? std::max(InstructionShortestMs, soundLength() + InstructionAfterSoundMs) : InstructionReadMs);
    qApp->removeEventFilter(pressWatcher_);
    qApp->installEventFilter(pressWatcher_);
}

void GameWindow::endInstruction() {
    if (instructionNotice_.isEmpty() && !instructionLeads_) return;
    qApp->removeEventFilter(pressWatcher_);
    instructionTimer_->stop();
    instructionNotice_.clear();
    instructionLeads_ = false;
    showNotice();
}

bool GameWindow::closeWhenIdle() {
    if (busy_ == 0) return false;
    closing_ = true;
    revealTimer_->stop();
    return true;
}

void GameWindow::act(const std::function<void()>& action) {
    // Nothing yields during an answer, so input waits in the queue until the answer is over. Only a
    // dialog's own loop can still deliver an action meanwhile; it is refused, leaving the control as it
    // was, rather than judged against a turn that is about to change.
    if (busy_ > 0) {
        qCInfo(lcGames) << "action refused while an answer is played out";
        return;
    }
    run(action);
}

void GameWindow::run(const std::function<void()>& step) {
    QPointer<GameWindow> alive(this);
    ++busy_;
    step();
    if (!alive) return;
    --busy_;
    if (closing_) {
        // Unloaded while its rules were running: the window goes once nothing of it is on the stack.
        if (busy_ == 0) deleteLater();
        return;
    }
    refresh();
}

void GameWindow::showNotice() {
    // What the rules have to say (no pictures to play with) comes before the instruction.
    const bool fromRules = !rules().notice().isEmpty();
    const QString notice = fromRules ? rules().notice() : instructionNotice_;
    // The instruction sits in the band beside the game's name, over no picture, key or button a child
    // answers with.
    QFont font = noticeLabel_->font();
    font.setPointSize(fromRules ? 16 : 14);
    noticeLabel_->setFont(font);
    noticeLabel_->setGeometry(fromRules ? TableNotice : instructionBand());
    noticeLabel_->say(notice);
    noticeLabel_->setVisible(!notice.isEmpty());
    if (!notice.isEmpty()) noticeLabel_->raise();
}

void GameWindow::showRun(const RunDisplay& run) {
    scoreLabel_->setText(run.label());
    levelMeter_->setTenths(run.meterTenths);
    levelMeter_->setAccessibleName(QStringLiteral("%1 of %2").arg(run.count).arg(run.goal));
}

void GameWindow::refresh() {
    showNotice();
    showRun(runDisplay());
    redraw();
    syncReveal();
    emit refreshed();
}

void GameWindow::beforeDialog() {
    // The reveal waits while the learner reads the dialog, so no card turns up or word is spoken behind it.
    revealTimer_->stop();
    hideFrame();
    showRun(runDisplay());
    redraw();
    emit dialogOpening();
}

void GameWindow::setRevealInterval(int ms) {
    revealTimer_->setInterval(ms);
}

void GameWindow::syncReveal() {
    if (!revealPending())
        revealTimer_->stop();
    else if (!revealTimer_->isActive())
        revealTimer_->start();
}

void GameWindow::onRevealTick() {
    run([this] { revealStep(); });
}

void GameWindow::frameAround(const QWidget* control, bool focus) {
    if (!control || !control->isVisible()) return;
    setFrameForFocus(hoverFrame_, focus);
    const QRect r(control->mapTo(this, QPoint(0, 0)), control->size());
    const QRect framed = r.adjusted(-2, -2, 3, 3); // -30/-30 twips, +75 twips wider and taller
    if (hoverFrame_->geometry() != framed) hoverFrame_->setGeometry(framed);
    hoverFrame_->show();
    hoverFrame_->raise();
}

void GameWindow::hideFrame() {
    hoverFrame_->hide();
}

void GameWindow::trackHover(QWidget* control) {
    control->setMouseTracking(true);
    control->installEventFilter(this);
    tracked_.append(control);
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
        if (KeyMoves::byKeyboard(static_cast<QFocusEvent*>(event))) frameAround(static_cast<QWidget*>(watched), true);
    } else if (event->type() == QEvent::FocusOut && frameShowsFocus(hoverFrame_)) {
        hideFrame();
    }
    if ((event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (tracked_.contains(w)) frameAround(w);
    }
    return GameForm::eventFilter(watched, event);
}

void GameWindow::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    // A label passes its moves on to here; only the background itself hides the frame.
    for (QWidget* w = childAt(event->position().toPoint()); w && w != this; w = w->parentWidget())
        if (tracked_.contains(w)) return;
    if (!hoverFrame_->isHidden()) hideFrame();
    // The pointer takes over from the keyboard: no focus is left where the frame no longer is.
    QWidget* focused = QApplication::focusWidget();
    if (focused && focused != this && isAncestorOf(focused) && !qobject_cast<QLineEdit*>(focused))
        setFocus(Qt::OtherFocusReason);
}

void GameWindow::leaveEvent(QEvent* event) {
    // Only sent when the pointer leaves the whole window (moving onto a control is no leave): a frame left
    // behind would point at a control the pointer is no longer near.
    hideFrame();
    GameForm::leaveEvent(event);
}

QPixmap GameWindow::picture(const QString& path, const QSize& box) const {
    if (path.isEmpty()) return {};
    return PictureLoader::shared().pixmap(path, box, devicePixelRatioF());
}

QList<QPixmap> GameWindow::pictures(const QStringList& paths, const QSize& box) const {
    const qreal dpr = devicePixelRatioF();
    const QList<QImage> images = PictureLoader::shared().images(paths, (QSizeF(box) * dpr).toSize());
    QList<QPixmap> out;
    out.reserve(images.size());
    for (const QImage& image : images) {
        QPixmap pm = QPixmap::fromImage(image);
        if (!pm.isNull()) pm.setDevicePixelRatio(dpr);
        out.append(pm);
    }
    return out;
}

void GameWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (background_.isNull())
        p.fillRect(rect(), QColor(220, 238, 250));
    else
        p.drawPixmap(rect(), background_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawRoundedRect(QRectF(HeaderPanel), 18, 18); // the header panel behind subject and game name
}

GameWindow::FramedPicture GameWindow::addFramedPicture() {
    const QRect border(24, 104, 396, 303);
    FramedPicture framed;
    framed.border = new QWidget(this);
    framed.border->setObjectName(QStringLiteral("border"));
    framed.border->setGeometry(border);
    framed.border->setAttribute(Qt::WA_StyledBackground);
    framed.border->setStyleSheet(QStringLiteral("#border { background: white; border-radius: 16px; }"));
    framed.label = new ClickLabel(this);
    framed.label->setObjectName(QStringLiteral("picture"));
    framed.label->setGeometry(border.adjusted(12, 12, -12, -12));
    framed.label->setAlignment(Qt::AlignCenter);
    return framed;
}

void GameWindow::showFramedPicture(FramedPicture& framed, const QString& path) {
    if (path != framed.shown) {
        framed.shown = path;
        framed.label->setPixmap(picture(path, framed.label->size()));
    }
    // No frame around nothing: a subject without pictures shows only the notice.
    framed.border->setVisible(!path.isEmpty());
}
