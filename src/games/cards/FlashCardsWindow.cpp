// fgam_CRD: the flash cards window.
#include "games/cards/FlashCardsWindow.h"

#include <QLabel>

#include "app/ArtPaths.h"
#include "controls/ClickLabel.h"
#include "controls/ImageButton.h"
#include "games/common/GameButtons.h"

namespace {
// The picture in a white frame on the left; the turned side of the card the same size on its right.
const QRect CardRect(452, 104, 396, 303);
} // namespace

fgam_CRD::fgam_CRD(QWidget* parent)
    : GameWindow(QStringLiteral("fgam_CRD"), GameNumber, QStringLiteral("flash cards"), parent),
      rules_(env()) {
    main_ = addFramedPicture();
    picMAIN = main_.label;
    picMAIN->unsetCursor(); // a picture to look at, not to click

    lblWHATSWORD = addLabel(QStringLiteral("lblWHATSWORD"), QStringLiteral("What can you see?"),
                            QRect(CardRect.x() + 10, 130, 380, 44), 22, true);
    lblWHATSWORD->setStyleSheet(QStringLiteral("color: #24457a;"));
    lblNOTE = addLabel(QStringLiteral("lblNOTE"), QStringLiteral("Guess the word and then click to see."),
                       QRect(CardRect.x() + 10, 180, 380, 56), 14);
    lblNOTE->setWordWrap(true);
    lblNOTE->setStyleSheet(QStringLiteral("color: #41557c;"));
    btnSHOW = GameButtons::make(this, QStringLiteral("btnSHOW"), QStringLiteral("Show the word"),
                                QRect(CardRect.x() + 70, 262, 250, 56), 16);
    trackHover(btnSHOW);
    connect(btnSHOW, &uctl_BTN::Click, this, [this] {
        hideFrame();
        act([this] { rules_.showWord(); });
    });

    // The turned side: a cream card face with the word, the question and Yes / No.
    pfrCARD = new QWidget(this);
    pfrCARD->setObjectName(QStringLiteral("pfrCARD"));
    pfrCARD->setGeometry(CardRect);
    imgCARD = new QLabel(pfrCARD);
    imgCARD->setObjectName(QStringLiteral("imgCARD"));
    imgCARD->setStyleSheet(
        QStringLiteral("#imgCARD { background: #fff8e1; border: 4px solid #ffb400; border-radius: 16px; }"));
    imgCARD->setGeometry(pfrCARD->rect());
    lblWORD = new QLabel(pfrCARD);
    lblWORD->setObjectName(QStringLiteral("lblWORD"));
    QFont wordFont(QStringLiteral("Verdana"));
    wordFont.setPointSize(34);
    wordFont.setBold(true);
    lblWORD->setFont(wordFont);
    lblWORD->setAlignment(Qt::AlignCenter);
    lblWORD->setStyleSheet(QStringLiteral("color: #c0392b;"));
    lblWORD->setGeometry(10, 40, CardRect.width() - 20, 90);
    lablCORRECT = new QLabel(QStringLiteral("Are you correct?"), pfrCARD);
    lablCORRECT->setObjectName(QStringLiteral("lablCORRECT"));
    QFont askFont(QStringLiteral("Verdana"));
    askFont.setPointSize(16);
    lablCORRECT->setFont(askFont);
    lablCORRECT->setAlignment(Qt::AlignCenter);
    lablCORRECT->setStyleSheet(QStringLiteral("color: #24457a;"));
    lablCORRECT->setGeometry(10, 146, CardRect.width() - 20, 36);
    btnYES = GameButtons::make(pfrCARD, QStringLiteral("btnYES"), QStringLiteral("Yes"),
                               QRect(58, 206, 130, 54), 18);
    btnNO = GameButtons::make(pfrCARD, QStringLiteral("btnNO"), QStringLiteral("No"),
                              QRect(208, 206, 130, 54), 18);
    connect(btnYES, &uctl_BTN::Click, this, [this] { act([this] { rules_.yes(); }); });
    connect(btnNO, &uctl_BTN::Click, this, [this] { act([this] { rules_.no(); }); });
    pfrCARD->hide();

    // The card browser under the picture.
    imgPREV = GameButtons::picture(this, QStringLiteral("imgPREV"), Art::Prev, QPoint(64, 424),
                                   QStringLiteral("Previous card"));
    lblLETTER =
        addLabel(QStringLiteral("lblLETTER"), rules_.letterCaption(), QRect(120, 414, 110, 56), 24, true);
    lblLETTER->setAlignment(Qt::AlignCenter);
    lblLETTER->setStyleSheet(QStringLiteral("color: #24457a;"));
    imgNEXT = GameButtons::picture(this, QStringLiteral("imgNEXT"), Art::Next, QPoint(236, 424),
                                   QStringLiteral("Next card"));
    imgPLAY = GameButtons::picture(this, QStringLiteral("imgPLAY"), Art::Play, QPoint(302, 424),
                                   QStringLiteral("Hear the word"));
    connect(imgPREV, &ClickLabel::Click, this, [this] { act([this] { rules_.previousCard(); }); });
    connect(imgNEXT, &ClickLabel::Click, this, [this] { act([this] { rules_.nextCard(); }); });
    connect(imgPLAY, &ClickLabel::Click, this, [this] { act([this] { rules_.playShownWord(); }); });

    btnPASS =
        GameButtons::make(this, QStringLiteral("btnPASS"), QStringLiteral("Pass >"), GameButtons::passRect());
    connect(btnPASS, &uctl_BTN::Click, this, [this] { act([this] { rules_.pass(); }); });
}

void fgam_CRD::activateGame() {
    btnYES->setTextCaption(QStringLiteral("Yes"));
    btnNO->setTextCaption(QStringLiteral("No"));
    btnSHOW->setTextCaption(QStringLiteral("Show the word"));
    rules_.activate();
}

void fgam_CRD::StartFromMenu() {
    run([this] { rules_.loadCardsList(); });
}

void fgam_CRD::redraw() {
    showFramedPicture(main_, rules_.mainPicture());
    const bool turned = rules_.cardTurned();
    if (turned) imgCARD->setGeometry(QRect(QPoint(0, 0), CardRect.size()));
    pfrCARD->setVisible(turned);
    if (turned) pfrCARD->raise();
    lblWORD->setText(rules_.cardWord());
    lablCORRECT->setVisible(rules_.answerVisible());
    btnYES->setVisible(rules_.answerVisible());
    btnNO->setVisible(rules_.answerVisible());
    btnSHOW->setVisible(rules_.showVisible());
    lblLETTER->setText(rules_.letterCaption());
}
