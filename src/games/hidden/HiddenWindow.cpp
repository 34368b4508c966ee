// HiddenWindow: the hidden letters game window.
#include "games/hidden/HiddenWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

#include "app/AppState.h"
#include "app/ArtPaths.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "games/common/ButtonGrid.h"
#include "games/common/FitText.h"
#include "games/common/GameButtons.h"
#include "games/common/WordPicture.h"

namespace {
const QRect PictureBox(40, 110, 320, 240);
const ButtonGrid Letters{QPoint(390, 184), QSize(56, 44), 9, 6};
} // namespace

HiddenWindow::HiddenWindow(const GameDescriptor& game, QWidget* parent)
    : GameWindow(game, parent),
      rules_(env()) {
    setFocusPolicy(Qt::StrongFocus);

    picture_ = new WordPicture(this);
    picture_->setGeometry(PictureBox);
    connect(picture_, &ClickLabel::clicked, this, [this] { act([this] { rules_.playWord(); }); });

    maskedWordLabel_ =
        addLabel(QStringLiteral("maskedWordLabel"), QStringLiteral(" "), QRect(390, 104, 552, 66), 34, true);
    maskedWordLabel_->setAlignment(Qt::AlignCenter);
    maskedWordLabel_->setStyleSheet(QStringLiteral("color: #24457a;"));

    letterButtons_ = Letters.make(this, QStringLiteral("letterButtons"), HiddenRules::LetterCount);
    for (int i = 0; i < letterButtons_.size(); ++i) {
        ImageButton* letter = letterButtons_[i];
        letter->setCaption(HiddenRules::letterCaption(i));
        trackHover(letter);
        connect(letter, &ImageButton::clicked, this, [this, i] {
            hideFrame();
            act([this, i] { rules_.chooseLetter(i); });
        });
    }

    chosenCaption_ = addLabel(QStringLiteral("chosenCaption"), QStringLiteral("Letters chosen:"),
                         QRect(390, 338, 180, 32), 13, true);
    chosenCaption_->setStyleSheet(QStringLiteral("color: #24457a;"));
    chosenLabel_ = addLabel(QStringLiteral("chosenLabel"), QString(), QRect(572, 338, 370, 32), 15, true);
    chosenLabel_->setStyleSheet(QStringLiteral("color: #c0392b;"));

    playAgainButton_ = GameButtons::make(this, QStringLiteral("playAgainButton"), QStringLiteral("Hear the Word"),
                                     QRect(PictureBox.center().x() - 90, PictureBox.bottom() + 14, 180, 44));
    trackHover(playAgainButton_);
    connect(playAgainButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.playWord(); }); });

    passButton_ =
        GameButtons::make(this, QStringLiteral("passButton"), QStringLiteral("Pass >"), GameButtons::passRect());
    trackHover(passButton_);
    connect(passButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.pass(); }); });

    const QRect pass = GameButtons::passRect();
    nextPicture_ = GameButtons::picture(
        this, QStringLiteral("nextPicture"), Art::Next,
        QPoint(pass.left() - Art::Next.width - 14, pass.center().y() - Art::Next.height / 2),
        QStringLiteral("Go to Next Word"));
    connect(nextPicture_, &ClickLabel::clicked, this, [this] { act([this] { rules_.next(); }); });

    refresh();
}

void HiddenWindow::startFromMenu() {
    startListed(rules_);
}

RunDisplay HiddenWindow::runDisplay() const {
    return rules_.display();
}

void HiddenWindow::activateGame() {
    // Letter keys reach the window without a click first.
    setFocus(Qt::OtherFocusReason);
}

void HiddenWindow::redraw() {
    // The round's word is program-wide state, as the mixed letters game keeps it too.
    appState().gameWord = rules_.hiddenWord();
    picture_->showFile(rules_.picture());
    setFittedText(maskedWordLabel_, rules_.maskedWord().isEmpty() ? QStringLiteral(" ") : rules_.maskedWord(),
                  34);
    chosenLabel_->setText(rules_.lettersChosen());
    const bool playing = rules_.playing();
    for (int i = 0; i < letterButtons_.size(); ++i) {
        letterButtons_[i]->setVisible(rules_.letterVisible(i));
        letterButtons_[i]->setEnabled(playing);
    }
}

void HiddenWindow::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((event->modifiers() & chords) || event->text().isEmpty()) {
        GameWindow::keyPressEvent(event);
        return;
    }
    // Each character as a click on its button; a dialog may close the window between two of them.
    const QString text = event->text();
    QPointer<HiddenWindow> alive(this);
    for (QChar key : text)
        if (alive) act([this, key] { rules_.typeKey(key); });
}
