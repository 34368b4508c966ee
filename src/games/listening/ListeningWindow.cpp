// ListeningWindow: the listening game window.
#include "games/listening/ListeningWindow.h"

#include <QKeyEvent>
#include <QLabel>

#include "app/ArtPaths.h"
#include "app/ChildFont.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "games/common/FitText.h"
#include "games/common/GameButtons.h"
#include "shell/MainWindow.h"

namespace {
// Four 4:3 cards in a row, left of the meter.
constexpr int CardWidth = 208;
constexpr int CardHeight = 156;
constexpr int CardTop = 172;
constexpr int CardLeft = 36;
constexpr int CardGap = 16;
constexpr int CardInset = 5;
constexpr int PromptPoints = 18;

} // namespace

ListeningWindow::ListeningWindow(const GameDescriptor& game, QWidget* parent)
    : GameWindow(game, parent),
      rules_(env()) {
    setRevealInterval(RevealMs);
    // The arrow keys, Enter and Space play the game without a mouse.
    setFocusPolicy(Qt::StrongFocus);

    // Room for the longer prompt after "Another word", with the button beside it, not over it.
    promptLabel_ = addLabel(QStringLiteral("promptLabel"), rules_.prompt(), QRect(38, 114, 440, 40), PromptPoints, true);
    promptLabel_->setStyleSheet(QStringLiteral("color: #24457a;"));
    playAgainButton_ = GameButtons::make(this, QStringLiteral("playAgainButton"), QStringLiteral("Hear the Word"),
                                 QRect(492, 112, 180, 44));
    playAgainButton_->setCaption(QStringLiteral("Play again"));
    trackHover(playAgainButton_);
    connect(playAgainButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.playWord(); }); });

    for (int i = 0; i < ListeningRules::CardCount; ++i) {
        auto* card = new ClickLabel(this);
        card->setObjectName(QStringLiteral("card%1").arg(i));
        card->setGeometry(CardLeft + i * (CardWidth + CardGap), CardTop, CardWidth, CardHeight);
        card->setAlignment(Qt::AlignCenter);
        card->setStyleSheet(QStringLiteral("background: white; border-radius: 12px;"));
        // Named by place, never by word: the word is what the child has to find.
        card->setAccessibleName(QStringLiteral("Picture %1 of %2").arg(i + 1).arg(ListeningRules::CardCount));
        card->hide();
        trackHover(card);
        connect(card, &ClickLabel::clicked, this, [this, i] {
            hideFrame();
            act([this, i] { rules_.clickCard(i); });
        });
        cards_[i] = card;
    }

    // The word row, centred under the cards.
    const int rowCentre = CardLeft + (4 * CardWidth + 3 * CardGap) / 2;
    wordLabel_ = new ClickLabel(QStringLiteral("      "), this);
    wordLabel_->setObjectName(QStringLiteral("wordLabel"));
    QFont wordFont(ChildFont::family());
    wordFont.setPointSize(28);
    wordFont.setBold(true);
    wordLabel_->setFont(wordFont);
    wordLabel_->setAlignment(Qt::AlignCenter);
    wordLabel_->setStyleSheet(QStringLiteral("color: #c0392b;"));
    wordLabel_->setGeometry(rowCentre - 200, 344, 400, 60);
    // Named by the word it shows; before that, by what a click on it does.
    wordLabel_->setAccessibleName(QStringLiteral("Hear the word"));
    previousPicture_ = GameButtons::picture(this, QStringLiteral("previousPicture"), Art::Prev, QPoint(rowCentre - 262, 356),
                                   QStringLiteral("Hear the card before"));
    nextPicture_ = GameButtons::picture(this, QStringLiteral("nextPicture"), Art::Next, QPoint(rowCentre + 213, 356),
                                   QStringLiteral("Hear the next card"));
    playPicture_ = GameButtons::picture(this, QStringLiteral("playPicture"), Art::Play, QPoint(rowCentre + 278, 356),
                                   QStringLiteral("Hear the word"));
    connect(wordLabel_, &ClickLabel::clicked, this, [this] { act([this] { rules_.playWord(); }); });
    connect(playPicture_, &ClickLabel::clicked, this, [this] { act([this] { rules_.playWord(); }); });
    connect(previousPicture_, &ClickLabel::clicked, this, [this] { act([this] { rules_.browsePrevious(); }); });
    connect(nextPicture_, &ClickLabel::clicked, this, [this] { act([this] { rules_.browseNext(); }); });

    // Its caption is empty in the window's design; a child needs to know what it does.
    selectButton_ = GameButtons::make(this, QStringLiteral("selectButton"), QStringLiteral("Another word"),
                                  QRect(rowCentre - 95, 420, 190, 44));
    selectButton_->hide();
    connect(selectButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.sayAnotherWord(); }); });

    passButton_ =
        GameButtons::make(this, QStringLiteral("passButton"), QStringLiteral("Pass >"), GameButtons::passRect());
    connect(passButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.pass(); }); });

    if (MainWindow* main = mainWindow()) main->setTitles();
}

void ListeningWindow::activateGame() {
    setFocus(Qt::OtherFocusReason);
    rules_.activate();
}

void ListeningWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        act([this] { rules_.browsePrevious(); });
        break;
    case Qt::Key_Right:
        act([this] { rules_.browseNext(); });
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) act([this] { rules_.answerHighlighted(); });
        break;
    default:
        GameWindow::keyPressEvent(event);
    }
}

void ListeningWindow::showCardPictures() {
    QStringList paths;
    bool changed = false;
    for (int i = 0; i < ListeningRules::CardCount; ++i) {
        paths << rules_.cards()[i].picture;
        changed = changed || paths.last() != shownPictures_[i];
    }
    const qreal dpr = devicePixelRatioF();
    if (changed) {
        // A new turn: its pictures decode in the background while the cards turn up one by one, so the
        // deal itself never waits for a picture the learner sees only later.
        const QSize box(CardWidth - 2 * CardInset, CardHeight - 2 * CardInset);
        fetch_.start(paths, (QSizeF(box) * dpr).toSize());
        for (int i = 0; i < ListeningRules::CardCount; ++i) {
            shownPictures_[i] = paths.at(i);
            pictureSet_[i] = false;
            cards_[i]->clear();
        }
    }
    for (int i = 0; i < ListeningRules::CardCount; ++i) {
        if (pictureSet_[i] || !rules_.cards()[i].visible) continue;
        QPixmap pm = QPixmap::fromImage(fetch_.take(i));
        if (!pm.isNull()) pm.setDevicePixelRatio(dpr);
        cards_[i]->setPixmap(pm);
        pictureSet_[i] = true;
    }
}

void ListeningWindow::redraw() {
    showCardPictures();
    for (int i = 0; i < ListeningRules::CardCount; ++i)
        cards_[i]->setVisible(rules_.cards()[i].visible);
    setFittedText(promptLabel_, rules_.prompt(), PromptPoints);
    wordLabel_->setText(rules_.shownWord());
    selectButton_->setVisible(rules_.selectVisible());
    // The arrows' highlight is the hover frame around its card.
    const int highlighted = rules_.highlighted();
    if (highlighted >= 0 && rules_.cards()[highlighted].visible) frameAround(cards_[highlighted]);
}
