// fgam_CHS: the choose game window.
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

fgam_CHS::fgam_CHS(QWidget* parent)
    : GameWindow(QStringLiteral("fgam_CHS"), GameNumber, QStringLiteral("choose a word"), parent),
      rules_(env()) {
    setRevealInterval(RevealMs);

    main_ = addFramedPicture();
    picMAIN = main_.label;
    picMAIN->setToolTip(QStringLiteral("Hear the word"));
    connect(picMAIN, &ClickLabel::Click, this, [this] { act([this] { rules_.playWord(); }); });

    lblSPEAK = new QLabel(this);
    lblSPEAK->setObjectName(QStringLiteral("lblSPEAK"));
    lblSPEAK->hide();

    for (int i = 0; i < ChooseRules::ButtonCount; ++i) {
        const QRect r(470 + WordColumn[i] * (WordWidth + 18), 128 + WordRow[i] * (WordHeight + 24), WordWidth,
                      WordHeight);
        uctl_BTN* b = GameButtons::make(this, QStringLiteral("pneCHOOSE_%1").arg(i), QString(), r, 20);
        b->hide();
        trackHover(b);
        connect(b, &uctl_BTN::Click, this, [this, i] {
            hideFrame();
            act([this, i] { rules_.clickButton(i); });
        });
        pneCHOOSE[i] = b;
    }

    btnPLAYAGAIN = GameButtons::make(this, QStringLiteral("btnPLAYAGAIN"), QStringLiteral("Hear the Word"),
                                     QRect(122, 420, 200, 46));
    connect(btnPLAYAGAIN, &uctl_BTN::Click, this, [this] { act([this] { rules_.playWord(); }); });

    btnPASS =
        GameButtons::make(this, QStringLiteral("btnPASS"), QStringLiteral("Pass >"), GameButtons::passRect());
    connect(btnPASS, &uctl_BTN::Click, this, [this] { act([this] { rules_.pass(); }); });
}

void fgam_CHS::StartFromMenu() {
    run([this] { rules_.loadList(); });
}

void fgam_CHS::redraw() {
    showFramedPicture(main_, rules_.mainPicture());
    lblSPEAK->setText(rules_.turnWord());
    for (int i = 0; i < ChooseRules::ButtonCount; ++i) {
        pneCHOOSE[i]->setTextCaption(rules_.buttons()[i].word);
        pneCHOOSE[i]->setVisible(rules_.buttons()[i].visible);
    }
}
