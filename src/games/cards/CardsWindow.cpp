// CardsWindow: the flash cards window.
#include "games/cards/CardsWindow.h"

#include <QLabel>

#include "app/ArtPaths.h"
#include "app/ChildFont.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "games/common/GameButtons.h"

namespace {
// The picture in a white frame on the left; the turned side of the card the same size on its right.
const QRect CardRect(452, 104, 396, 303);
} // namespace

CardsWindow::CardsWindow(const GameDescriptor& game, QWidget* parent)
    : GameWindow(game, parent),
      rules_(env()) {
    main_ = addFramedPicture();
    picture_ = main_.label;
    picture_->unsetCursor(); // a picture to look at, not to click
    picture_->setFocusPolicy(Qt::NoFocus);

    questionLabel_ = addLabel(QStringLiteral("questionLabel"), QStringLiteral("What can you see?"),
                            QRect(CardRect.x() + 10, 130, 380, 44), 22, true);
    questionLabel_->setStyleSheet(QStringLiteral("color: #24457a;"));
    noteLabel_ = addLabel(QStringLiteral("noteLabel"), QStringLiteral("Guess the word and then click to see."),
                       QRect(CardRect.x() + 10, 180, 380, 56), 14);
    noteLabel_->setWordWrap(true);
    noteLabel_->setStyleSheet(QStringLiteral("color: #41557c;"));
    showButton_ = GameButtons::make(this, QStringLiteral("showButton"), QStringLiteral("Show the word"),
                                QRect(CardRect.x() + 70, 262, 250, 56), 16);
    trackHover(showButton_);
    connect(showButton_, &ImageButton::clicked, this, [this] {
        hideFrame();
        act([this] { rules_.showWord(); });
    });

    // The turned side: a cream card face with the word, the question and Yes / No.
    cardPanel_ = new QWidget(this);
    cardPanel_->setObjectName(QStringLiteral("cardPanel"));
    cardPanel_->setGeometry(CardRect);
    cardPicture_ = new QLabel(cardPanel_);
    cardPicture_->setObjectName(QStringLiteral("cardPicture"));
    cardPicture_->setStyleSheet(
        QStringLiteral("#cardPicture { background: #fff8e1; border: 4px solid #ffb400; border-radius: 16px; }"));
    cardPicture_->setGeometry(cardPanel_->rect());
    wordLabel_ = new QLabel(cardPanel_);
    wordLabel_->setObjectName(QStringLiteral("wordLabel"));
    QFont wordFont(ChildFont::family());
    wordFont.setPointSize(34);
    wordFont.setBold(true);
    wordLabel_->setFont(wordFont);
    wordLabel_->setAlignment(Qt::AlignCenter);
    wordLabel_->setStyleSheet(QStringLiteral("color: #c0392b;"));
    wordLabel_->setGeometry(10, 40, CardRect.width() - 20, 90);
    correctLabel_ = new QLabel(QStringLiteral("Are you correct?"), cardPanel_);
    correctLabel_->setObjectName(QStringLiteral("correctLabel"));
    QFont askFont(ChildFont::family());
    askFont.setPointSize(16);
    correctLabel_->setFont(askFont);
    correctLabel_->setAlignment(Qt::AlignCenter);
    correctLabel_->setStyleSheet(QStringLiteral("color: #24457a;"));
    correctLabel_->setGeometry(10, 146, CardRect.width() - 20, 36);
    yesButton_ = GameButtons::make(cardPanel_, QStringLiteral("yesButton"), QStringLiteral("Yes"),
                               QRect(58, 206, 130, 54), 18);
    noButton_ = GameButtons::make(cardPanel_, QStringLiteral("noButton"), QStringLiteral("No"),
                              QRect(208, 206, 130, 54), 18);
    connect(yesButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.yes(); }); });
    connect(noButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.no(); }); });
    cardPanel_->hide();

    // The card browser under the picture.
    previousPicture_ = GameButtons::picture(this, QStringLiteral("previousPicture"), Art::Prev, QPoint(64, 424),
                                   QStringLiteral("Previous card"));
    letterLabel_ =
        addLabel(QStringLiteral("letterLabel"), rules_.letterCaption(), QRect(120, 414, 110, 56), 24, true);
    letterLabel_->setAlignment(Qt::AlignCenter);
    letterLabel_->setStyleSheet(QStringLiteral("color: #24457a;"));
    nextPicture_ = GameButtons::picture(this, QStringLiteral("nextPicture"), Art::Next, QPoint(236, 424),
                                   QStringLiteral("Next card"));
    playPicture_ = GameButtons::picture(this, QStringLiteral("playPicture"), Art::Play, QPoint(302, 424),
                                   QStringLiteral("Hear the word"));
    connect(previousPicture_, &ClickLabel::clicked, this, [this] { act([this] { rules_.previousCard(); }); });
    connect(nextPicture_, &ClickLabel::clicked, this, [this] { act([this] { rules_.nextCard(); }); });
    connect(playPicture_, &ClickLabel::clicked, this, [this] { act([this] { rules_.playShownWord(); }); });

    passButton_ =
        GameButtons::make(this, QStringLiteral("passButton"), QStringLiteral("Pass >"), GameButtons::passRect());
    connect(passButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.pass(); }); });
}

void CardsWindow::activateGame() {
    yesButton_->setCaption(QStringLiteral("Yes"));
    noButton_->setCaption(QStringLiteral("No"));
    showButton_->setCaption(QStringLiteral("Show the word"));
    rules_.activate();
}

void CardsWindow::startFromMenu() {
    run([this] { rules_.loadCardsList(); });
}

void CardsWindow::redraw() {
    showFramedPicture(main_, rules_.mainPicture());
    const bool turned = rules_.cardTurned();
    if (turned) cardPicture_->setGeometry(QRect(QPoint(0, 0), CardRect.size()));
    cardPanel_->setVisible(turned);
    if (turned) cardPanel_->raise();
    wordLabel_->setText(rules_.cardWord());
    correctLabel_->setVisible(rules_.answerVisible());
    yesButton_->setVisible(rules_.answerVisible());
    noButton_->setVisible(rules_.answerVisible());
    showButton_->setVisible(rules_.showVisible());
    letterLabel_->setText(rules_.letterCaption());
}
