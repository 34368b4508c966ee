// fgam_LIS: the listening game window.
#include "games/listening/ListeningWindow.h"

#include <QKeyEvent>
#include <QLabel>

#include "app/ArtPaths.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "games/common/FitText.h"
#include "games/common/GameButtons.h"
#include "windows/MainWindow.h"

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

fgam_LIS::fgam_LIS(QWidget* parent)
    : GameWindow(QStringLiteral("fgam_LIS"), GameNumber, QStringLiteral("listening game"), parent),
      rules_(env()) {
    setRevealInterval(RevealMs);
    // The arrow keys, Enter and Space play the game without a mouse.
    setFocusPolicy(Qt::StrongFocus);

    // Room for the longer prompt after "Another word", with the button beside it, not over it.
    lablMSG = addLabel(QStringLiteral("lablMSG"), rules_.prompt(), QRect(38, 114, 440, 40), PromptPoints, true);
    lablMSG->setStyleSheet(QStringLiteral("color: #24457a;"));
    pneAGAIN = GameButtons::make(this, QStringLiteral("pneAGAIN"), QStringLiteral("Hear the Word"),
                                 QRect(492, 112, 180, 44));
    pneAGAIN->setTextCaption(QStringLiteral("Play again"));
    trackHover(pneAGAIN);
    connect(pneAGAIN, &uctl_BTN::Click, this, [this] { act([this] { rules_.playWord(); }); });

    for (int i = 0; i < ListeningRules::CardCount; ++i) {
        auto* card = new ClickLabel(this);
        card->setObjectName(QStringLiteral("imgLOAD_%1").arg(i));
        card->setGeometry(CardLeft + i * (CardWidth + CardGap), CardTop, CardWidth, CardHeight);
        card->setAlignment(Qt::AlignCenter);
        card->setStyleSheet(QStringLiteral("background: white; border-radius: 12px;"));
        card->hide();
        trackHover(card);
        connect(card, &ClickLabel::Click, this, [this, i] {
            hideFrame();
            act([this, i] { rules_.clickCard(i); });
        });
        imgLOAD[i] = card;
    }

    // The word row, centred under the cards.
    const int rowCentre = CardLeft + (4 * CardWidth + 3 * CardGap) / 2;
    lblWORD = new ClickLabel(QStringLiteral("      "), this);
    lblWORD->setObjectName(QStringLiteral("lblWORD"));
    QFont wordFont(QStringLiteral("Verdana"));
    wordFont.setPointSize(28);
    wordFont.setBold(true);
    lblWORD->setFont(wordFont);
    lblWORD->setAlignment(Qt::AlignCenter);
    lblWORD->setStyleSheet(QStringLiteral("color: #c0392b;"));
    lblWORD->setGeometry(rowCentre - 200, 344, 400, 60);
    imgPREV = GameButtons::picture(this, QStringLiteral("imgPREV"), Art::Prev, QPoint(rowCentre - 262, 356),
                                   QStringLiteral("Hear the card before"));
    imgNEXT = GameButtons::picture(this, QStringLiteral("imgNEXT"), Art::Next, QPoint(rowCentre + 213, 356),
                                   QStringLiteral("Hear the next card"));
    imgPLAY = GameButtons::picture(this, QStringLiteral("imgPLAY"), Art::Play, QPoint(rowCentre + 278, 356),
                                   QStringLiteral("Hear the word"));
    connect(lblWORD, &ClickLabel::Click, this, [this] { act([this] { rules_.playWord(); }); });
    connect(imgPLAY, &ClickLabel::Click, this, [this] { act([this] { rules_.playWord(); }); });
    connect(imgPREV, &ClickLabel::Click, this, [this] { act([this] { rules_.browsePrevious(); }); });
    connect(imgNEXT, &ClickLabel::Click, this, [this] { act([this] { rules_.browseNext(); }); });

    // Its caption is empty in the window's design; a child needs to know what it does.
    pneSELECT = GameButtons::make(this, QStringLiteral("pneSELECT"), QStringLiteral("Another word"),
                                  QRect(rowCentre - 95, 420, 190, 44));
    pneSELECT->hide();
    connect(pneSELECT, &uctl_BTN::Click, this, [this] { act([this] { rules_.sayAnotherWord(); }); });

    btnPASS =
        GameButtons::make(this, QStringLiteral("btnPASS"), QStringLiteral("Pass >"), GameButtons::passRect());
    connect(btnPASS, &uctl_BTN::Click, this, [this] { act([this] { rules_.pass(); }); });

    if (mdb_IDX* main = mainWindow()) main->TitleSet();
}

void fgam_LIS::activateGame() {
    setFocus(Qt::OtherFocusReason);
    rules_.activate();
}

void fgam_LIS::keyPressEvent(QKeyEvent* event) {
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

void fgam_LIS::showCardPictures() {
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
            imgLOAD[i]->clear();
        }
    }
    for (int i = 0; i < ListeningRules::CardCount; ++i) {
        if (pictureSet_[i] || !rules_.cards()[i].visible) continue;
        QPixmap pm = QPixmap::fromImage(fetch_.take(i));
        if (!pm.isNull()) pm.setDevicePixelRatio(dpr);
        imgLOAD[i]->setPixmap(pm);
        pictureSet_[i] = true;
    }
}

void fgam_LIS::redraw() {
    showCardPictures();
    for (int i = 0; i < ListeningRules::CardCount; ++i)
        imgLOAD[i]->setVisible(rules_.cards()[i].visible);
    setFittedText(lablMSG, rules_.prompt(), PromptPoints);
    lblWORD->setText(rules_.shownWord());
    pneSELECT->setVisible(rules_.selectVisible());
    // The arrows' highlight is the hover frame around its card.
    const int highlighted = rules_.highlighted();
    if (highlighted >= 0 && rules_.cards()[highlighted].visible) frameAround(imgLOAD[highlighted]);
}
