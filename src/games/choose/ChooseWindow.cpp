// ChooseWindow: the choose game window.
#include "games/choose/ChooseWindow.h"

#include <QLabel>

#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "games/common/GameButtons.h"

namespace {
// The picture in a white frame on the left; the words in two columns on the right.
constexpr int WordWidth = 214;
constexpr int WordHeight = 66;
// Index order of the word buttons: down the left column's first place, across, and so on.
constexpr int WordColumn[ChooseRules::ButtonCount] = {0, 1, 1, 0, 0, 1};
constexpr int WordRow[ChooseRules::ButtonCount] = {0, 0, 1, 1, 2, 2};
} // namespace

ChooseWindow::ChooseWindow(const GameDescriptor& game, QWidget* parent)
    : GameWindow(game, parent),
      rules_(env()) {
    setRevealInterval(RevealMs);

    main_ = addFramedPicture();
    picture_ = main_.label;
    picture_->setToolTip(QStringLiteral("Hear the word"));
    connect(picture_, &ClickLabel::clicked, this, [this] { act([this] { rules_.playWord(); }); });

    spokenWordLabel_ = new QLabel(this);
    spokenWordLabel_->setObjectName(QStringLiteral("spokenWordLabel"));
    spokenWordLabel_->hide();

    for (int i = 0; i < ChooseRules::ButtonCount; ++i) {
        const QRect r(470 + WordColumn[i] * (WordWidth + 18), 128 + WordRow[i] * (WordHeight + 24), WordWidth,
                      WordHeight);
        ImageButton* b = GameButtons::make(this, QStringLiteral("wordButton%1").arg(i), QString(), r, 20);
        b->hide();
        trackHover(b);
        connect(b, &ImageButton::clicked, this, [this, i] {
            hideFrame();
            act([this, i] { rules_.clickButton(i); });
        });
        wordButtons_[i] = b;
    }

    playAgainButton_ = GameButtons::make(this, QStringLiteral("playAgainButton"), QStringLiteral("Hear the Word"),
                                     QRect(122, 420, 200, 46));
    connect(playAgainButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.playWord(); }); });

    passButton_ =
        GameButtons::make(this, QStringLiteral("passButton"), QStringLiteral("Pass >"), GameButtons::passRect());
    connect(passButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.pass(); }); });
}

void ChooseWindow::startFromMenu() {
    run([this] { rules_.loadList(); });
}

void ChooseWindow::redraw() {
    showFramedPicture(main_, rules_.mainPicture());
    spokenWordLabel_->setText(rules_.turnWord());
    for (int i = 0; i < ChooseRules::ButtonCount; ++i) {
        wordButtons_[i]->setCaption(rules_.buttons()[i].word);
        wordButtons_[i]->setVisible(rules_.buttons()[i].visible);
    }
}
