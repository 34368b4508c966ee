// MixedWindow: the mixed letters game window.
#include "games/mixed/MixedWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/AppState.h"
#include "app/ChildFont.h"
#include "controls/ImageButton.h"
#include "games/common/ButtonGrid.h"
#include "games/common/FitText.h"
#include "games/common/GameButtons.h"
#include "games/common/WordPicture.h"

namespace {
const QRect PictureBox(40, 110, 320, 240);
const ButtonGrid Tiles{QPoint(390, 172), QSize(56, 44), 9, 6};
constexpr int ScrambledPoints = 30;
constexpr int RebuiltPoints = 28;
} // namespace

MixedWindow::MixedWindow(const GameDescriptor& game, QWidget* parent)
    : GameWindow(game, parent),
      rules_(env()) {
    picture_ = new WordPicture(this);
    picture_->setGeometry(PictureBox);
    connect(picture_, &ClickLabel::clicked, this, [this] { act([this] { rules_.playWord(); }); });

    scrambledLabel_ =
        addLabel(QStringLiteral("scrambledLabel"), QString(), QRect(390, 104, 552, 60), ScrambledPoints, true);
    scrambledLabel_->setAlignment(Qt::AlignCenter);
    scrambledLabel_->setStyleSheet(QStringLiteral("color: #d35400;"));

    letterButtons_ = Tiles.make(this, QStringLiteral("letterButtons"), MixedRules::TileCount);
    for (int i = 0; i < letterButtons_.size(); ++i) {
        trackHover(letterButtons_[i]);
        connect(letterButtons_[i], &ImageButton::clicked, this, [this, i] {
            hideFrame();
            // The text box is read when the click's turn comes: the caret may have moved since the last
            // edit, and an answer before it may have rewritten the box.
            act([this, i] {
                reportText();
                rules_.clickTile(i);
            });
        });
    }

    maskedWordLabel_ =
        addLabel(QStringLiteral("maskedWordLabel"), QString(), QRect(390, 326, 552, 54), RebuiltPoints, true);
    maskedWordLabel_->setAlignment(Qt::AlignCenter);
    maskedWordLabel_->setStyleSheet(QStringLiteral(
        "#maskedWordLabel { color: #1e8449; background: rgba(255,255,255,150); border-radius: 10px; }"));

    textBox_ = new QLineEdit(this);
    textBox_->setObjectName(QStringLiteral("textBox"));
    textBox_->setAccessibleName(QStringLiteral("Type the word"));
    QFont typed(ChildFont::family());
    typed.setPointSize(20);
    textBox_->setFont(typed);
    textBox_->setGeometry(390, 392, 340, 46);
    textBox_->setStyleSheet(QStringLiteral("#textBox { background: white; border: 3px solid "
                                                 "#f3c55a; border-radius: 8px; padding: 0 8px; }"));
    textBox_->installEventFilter(this);
    connect(textBox_, &QLineEdit::textEdited, this, &MixedWindow::reportText);
    connect(textBox_, &QLineEdit::cursorPositionChanged, this, &MixedWindow::reportText);
    connect(textBox_, &QLineEdit::selectionChanged, this, &MixedWindow::reportText);

    selectButton_ = GameButtons::make(this, QStringLiteral("selectButton"), QStringLiteral("Check"),
                                  QRect(742, 393, 150, 44));
    trackHover(selectButton_);
    connect(selectButton_, &ImageButton::clicked, this, [this] { act([this] { checkTypedWord(); }); });

    playAgainButton_ = GameButtons::make(this, QStringLiteral("playAgainButton"), QStringLiteral("Hear the Word"),
                                     QRect(PictureBox.center().x() - 90, PictureBox.bottom() + 14, 180, 44));
    trackHover(playAgainButton_);
    connect(playAgainButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.playWord(); }); });

    passButton_ =
        GameButtons::make(this, QStringLiteral("passButton"), QStringLiteral("Pass >"), GameButtons::passRect());
    trackHover(passButton_);
    connect(passButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.pass(); }); });

    // On load the window lists the subject and deals once; the opener deals again.
    rules_.loadPictureList();
    if (rules_.pictures().count() > 0) rules_.startNewGame();
    refresh();
}

void MixedWindow::startFromMenu() {
    startListed(rules_);
}

void MixedWindow::activateGame() {
    // A child who knows the word can type it at once.
    textBox_->setFocus(Qt::OtherFocusReason);
}

void MixedWindow::reportText() {
    const QLineEdit* box = textBox_;
    int from = box->cursorPosition();
    int to = from;
    if (box->hasSelectedText()) {
        from = box->selectionStart();
        to = box->selectionEnd();
    }
    rules_.setTypedText(box->text(), from, to);
}

void MixedWindow::checkTypedWord() {
    reportText();
    rules_.check();
}

void MixedWindow::redraw() {
    // The round's word is program-wide state, as the hidden letters game keeps it too.
    appState().gameWord = rules_.word();
    picture_->showFile(rules_.picture());
    setFittedText(scrambledLabel_, rules_.scrambled(), ScrambledPoints);
    const bool playing = rules_.playing();
    const auto& tiles = rules_.tiles();
    for (int i = 0; i < letterButtons_.size(); ++i) {
        letterButtons_[i]->setCaption(tiles[i].caption);
        letterButtons_[i]->setVisible(tiles[i].visible);
        letterButtons_[i]->setEnabled(playing);
    }
    setFittedText(maskedWordLabel_, rules_.rebuilt(), RebuiltPoints);
    selectButton_->setEnabled(playing);

    // Written back without echoing to the rules, and only when the rules changed it, so the learner's
    // selection survives a redraw.
    const QString& typed = rules_.typedText();
    const QSignalBlocker quiet(textBox_);
    if (textBox_->text() != typed) {
        textBox_->setText(typed);
        textBox_->setCursorPosition(rules_.caret());
    } else if (!textBox_->hasSelectedText() && textBox_->cursorPosition() != rules_.caret()) {
        textBox_->setCursorPosition(rules_.caret());
    }
}

bool MixedWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == textBox_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && !key->isAutoRepeat()) {
            if (event->type() == QEvent::KeyPress) {
                enterDown_ = true;
            } else if (enterDown_) {
                // The Enter that closed a result dialog is released here too; it must not check again.
                enterDown_ = false;
                act([this] { checkTypedWord(); });
                return true;
            }
        }
    }
    return GameWindow::eventFilter(watched, event);
}
