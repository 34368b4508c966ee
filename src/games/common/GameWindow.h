// GameWindow: what every game window shares: background, labels, counter and meter, hover frame, close
// picture, notice line, reveal timer, and the host through which its rules reach sounds, dialogs and points.
#pragma once

#include <functional>
#include <memory>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QStringList>

#include "app/GameList.h"
#include "controls/StatusLine.h"
#include "games/common/GameEnv.h"
#include "games/common/RunDisplay.h"
#include "forms/GameForm.h"

class ClickLabel;
class GameHost;
class GameRules;
class LevelMeter;
class QFrame;
class QLabel;
class QTimer;

class GameWindow : public GameForm {
    Q_OBJECT
public:
    // The child area every game lays itself out in, in pixels.
    static QSize area();
    // Where the instruction shows: right of the subject and game names, above everything a game deals.
    static QRect instructionBand();
    // A design rectangle in twips, in pixels.
    static QRect twips(int left, int top, int width, int height);
    // The rectangle moved (never shrunk unless it is larger) so all of it lies inside the child area, with a
    // margin: every control the learner uses stays visible.
    static QRect inside(QRect rect, int margin = 6);

    // The game's row names the window, its number and the name its answers are logged under.
    explicit GameWindow(const GameDescriptor& game, QWidget* parent = nullptr);
    ~GameWindow() override;

    void setSubject(const QString& title) override;
    QStringList pictureList() const override;

    // closeCross_: back to the game menu, no game remembered.
    void closeToMenu();
    bool closeWhenIdle() override;

    QLabel* subjectLabel() const { return subjectLabel_; }
    QLabel* gameLabel() const { return gameLabel_; }
    QLabel* scoreLabel() const { return scoreLabel_; }
    LevelMeter* meter() const { return levelMeter_; }
    QFrame* hoverFrame() const { return hoverFrame_; }
    ClickLabel* closePicture() const { return closeCross_; }
    QLabel* noticeLabel() const { return noticeLabel_; }
    QTimer* revealTimer() const { return revealTimer_; }
    // The subject and game names: a click tells the child again what the game wants.
    ClickLabel* titlePanel() const { return titlePanel_; }
    // The instruction in the notice line, empty once its time is over or the child has started.
    const QString& instructionNotice() const { return instructionNotice_; }

signals:
    // The window has drawn itself from its rules after an action, a tick or an activation.
    void refreshed();
    // A result dialog is about to open (the window shows the rules' state already).
    void dialogOpening();

protected:
    // The game's rules (made by the subclass with env()).
    virtual GameRules& rules() = 0;
    virtual const GameRules& rules() const = 0;
    // The counter and meter the rules show now.
    virtual RunDisplay runDisplay() const = 0;
    // The rules' activation (a new turn, for most games).
    virtual void activateGame() = 0;
    // Draws the game's own controls from the rules' state.
    virtual void redraw() = 0;
    // Whether the rules are revealing a turn, and one step of it; the base window ticks while pending.
    virtual bool revealPending() const { return false; }
    virtual void revealStep() {}

    // What the subclass builds its rules with: this window's host, the program's generator and record.
    GameEnv env();
    GameHost& host();

    // Runs a learner's action on the rules, then redraws and drives the reveal. An action arriving while
    // the rules are still running is refused.
    void act(const std::function<void()>& action);
    // The same for steps the learner does not start (activation, a reveal tick): run at once.
    void run(const std::function<void()>& step);
    // Lists the subject again and starts a new game: what the letter games and memory do from the menu.
    template <class Rules> void startListed(Rules& rules) {
        act([&rules] {
            rules.loadPictureList();
            rules.startNewGame();
        });
    }
    // Draws everything from the rules again and starts or stops the reveal timer.
    void refresh();
    void setRevealInterval(int ms);

    // The hover frame hoverFrame_ around a control: 2 px left and above, 5 px wider and taller; thicker for
    // the keyboard's focus.
    void frameAround(const QWidget* control, bool focus = false);
    void hideFrame();
    // The frame follows the pointer onto this control.
    void trackHover(QWidget* control);

    // Word pictures decoded to fit box, through the shared cache; several at once decode side by side.
    QPixmap picture(const QString& path, const QSize& box) const;
    QList<QPixmap> pictures(const QStringList& paths, const QSize& box) const;

    // The turn's big picture on a white card (border, picture_), as the choose and flash-card games show it.
    struct FramedPicture {
        QWidget* border = nullptr;
        ClickLabel* label = nullptr;
        QString shown;
    };
    FramedPicture addFramedPicture();
    // Decodes only when the file changed; the card hides when there is no picture to frame.
    void showFramedPicture(FramedPicture& framed, const QString& path);

    // A label in the child's typeface, the size in points.
    static void styleLabel(QLabel* label, const QString& name, const QRect& geometry, int pointSize, bool bold);
    QLabel* addLabel(const QString& name, const QString& text, const QRect& geometry, int pointSize,
                     bool bold = false);

    void activate() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Host;
    friend class Host;
    void beforeDialog();
    void syncReveal();
    void onRevealTick();
    void showInstruction(const QString& sentence, bool spoken);
    void endInstruction();
    void showNotice();
    void showRun(const RunDisplay& run);

    const GameDescriptor& game_;
    std::unique_ptr<Host> host_;
    QPixmap background_; // the holder's backgroundPicture_, copied on load
    QLabel* subjectLabel_ = nullptr;
    QLabel* gameLabel_ = nullptr;
    QLabel* scoreLabel_ = nullptr;
    LevelMeter* levelMeter_ = nullptr;
    QFrame* hoverFrame_ = nullptr;
    ClickLabel* closeCross_ = nullptr;
    StatusLine* noticeLabel_ = nullptr;
    QTimer* revealTimer_ = nullptr;
    ClickLabel* titlePanel_ = nullptr;
    QString instructionNotice_;
    QTimer* instructionTimer_ = nullptr;
    // Ends the instruction at the child's first press or key anywhere.
    QObject* pressWatcher_ = nullptr;
    // The instruction is being spoken and nothing has happened since: what the game says by itself waits.
    bool instructionLeads_ = false;
    QList<QPointer<QWidget>> tracked_;
    // How deep the rules' code is on the stack, and whether the window was unloaded meanwhile.
    int busy_ = 0;
    bool closing_ = false;
};
