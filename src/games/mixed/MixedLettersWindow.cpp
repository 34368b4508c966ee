// fgam_MIX: the mixed letters game window.
#include "games/mixed/MixedLettersWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "app/AppState.h"
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

fgam_MIX::fgam_MIX(QWidget* parent)
    : GameWindow(QStringLiteral("fgam_MIX"), GameNumber, QStringLiteral("mixed up words"), parent),
      rules_(env()) {
    picMAIN = new WordPicture(this);
    picMAIN->setGeometry(PictureBox);
    connect(picMAIN, &ClickLabel::Click, this, [this] { act([this] { rules_.playWord(); }); });

    lblSCRAMBLED =
        addLabel(QStringLiteral("lblSCRAMBLED"), QString(), QRect(390, 104, 552, 60), ScrambledPoints, true);
    lblSCRAMBLED->setAlignment(Qt::AlignCenter);
    lblSCRAMBLED->setStyleSheet(QStringLiteral("color: #d35400;"));

    pneCHARS = Tiles.make(this, QStringLiteral("pneCHARS"), MixedRules::TileCount);
    for (int i = 0; i < pneCHARS.size(); ++i) {
        trackHover(pneCHARS[i]);
        connect(pneCHARS[i], &uctl_BTN::Click, this, [this, i] {
            hideFrame();
            // The text box is read when the click's turn comes: the caret may have moved since the last
            // edit, and an answer before it may have rewritten the box.
            act([this, i] {
                reportText();
                rules_.clickTile(i);
            });
        });
    }

    lblWORDHIDDEN =
        addLabel(QStringLiteral("lblWORDHIDDEN"), QString(), QRect(390, 326, 552, 54), RebuiltPoints, true);
    lblWORDHIDDEN->setAlignment(Qt::AlignCenter);
    lblWORDHIDDEN->setStyleSheet(QStringLiteral(
        "#lblWORDHIDDEN { color: #1e8449; background: rgba(255,255,255,150); border-radius: 10px; }"));

    txtUNSCRAMBLED = new QLineEdit(this);
    txtUNSCRAMBLED->setObjectName(QStringLiteral("txtUNSCRAMBLED"));
    QFont typed(QStringLiteral("Verdana"));
    typed.setPointSize(20);
    txtUNSCRAMBLED->setFont(typed);
    txtUNSCRAMBLED->setGeometry(390, 392, 340, 46);
    txtUNSCRAMBLED->setStyleSheet(QStringLiteral("#txtUNSCRAMBLED { background: white; border: 3px solid "
                                                 "#f3c55a; border-radius: 8px; padding: 0 8px; }"));
    txtUNSCRAMBLED->installEventFilter(this);
    connect(txtUNSCRAMBLED, &QLineEdit::textEdited, this, &fgam_MIX::reportText);
    connect(txtUNSCRAMBLED, &QLineEdit::cursorPositionChanged, this, &fgam_MIX::reportText);
    connect(txtUNSCRAMBLED, &QLineEdit::selectionChanged, this, &fgam_MIX::reportText);

    pneSELECT = GameButtons::make(this, QStringLiteral("pneSELECT"), QStringLiteral("Check"),
                                  QRect(742, 393, 150, 44));
    trackHover(pneSELECT);
    connect(pneSELECT, &uctl_BTN::Click, this, [this] { act([this] { checkTypedWord(); }); });

    btnPLAYAGAIN = GameButtons::make(this, QStringLiteral("btnPLAYAGAIN"), QStringLiteral("Hear the Word"),
                                     QRect(PictureBox.center().x() - 90, PictureBox.bottom() + 14, 180, 44));
    trackHover(btnPLAYAGAIN);
    connect(btnPLAYAGAIN, &uctl_BTN::Click, this, [this] { act([this] { rules_.playWord(); }); });

    btnPASS =
        GameButtons::make(this, QStringLiteral("btnPASS"), QStringLiteral("Pass >"), GameButtons::passRect());
    trackHover(btnPASS);
    connect(btnPASS, &uctl_BTN::Click, this, [this] { act([this] { rules_.pass(); }); });

    // On load the window lists the subject and deals once; the opener deals again.
    rules_.loadPictureList();
    if (rules_.pictures().count() > 0) rules_.startNewGame();
    refresh();
}

void fgam_MIX::StartFromMenu() {
    act([this] {
        rules_.loadPictureList();
        rules_.startNewGame();
    });
}

void fgam_MIX::StartFromSectionClick() {
    // A new subject needs its list read again, just as from the menu.
    StartFromMenu();
}

void fgam_MIX::activateGame() {
    // A child who knows the word can type it at once.
    txtUNSCRAMBLED->setFocus(Qt::OtherFocusReason);
}

void fgam_MIX::reportText() {
    const QLineEdit* box = txtUNSCRAMBLED;
    int from = box->cursorPosition();
    int to = from;
    if (box->hasSelectedText()) {
        from = box->selectionStart();
        to = box->selectionEnd();
    }
    rules_.setTypedText(box->text(), from, to);
}

void fgam_MIX::checkTypedWord() {
    reportText();
    rules_.check();
}

void fgam_MIX::redraw() {
    // The round's word is program-wide state, as the hidden letters game keeps it too.
    appState().GameWord = rules_.word();
    picMAIN->showFile(rules_.picture());
    setFittedText(lblSCRAMBLED, rules_.scrambled(), ScrambledPoints);
    const bool playing = rules_.playing();
    const auto& tiles = rules_.tiles();
    for (int i = 0; i < pneCHARS.size(); ++i) {
        pneCHARS[i]->setTextCaption(tiles[i].caption);
        pneCHARS[i]->setVisible(tiles[i].visible);
        pneCHARS[i]->setEnabled(playing);
    }
    setFittedText(lblWORDHIDDEN, rules_.rebuilt(), RebuiltPoints);
    pneSELECT->setEnabled(playing);

    // Written back without echoing to the rules, and only when the rules changed it, so the learner's
    // selection survives a redraw.
    const QString& typed = rules_.typedText();
    const QSignalBlocker quiet(txtUNSCRAMBLED);
    if (txtUNSCRAMBLED->text() != typed) {
        txtUNSCRAMBLED->setText(typed);
        txtUNSCRAMBLED->setCursorPosition(rules_.caret());
    } else if (!txtUNSCRAMBLED->hasSelectedText() && txtUNSCRAMBLED->cursorPosition() != rules_.caret()) {
        txtUNSCRAMBLED->setCursorPosition(rules_.caret());
    }
}

bool fgam_MIX::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtUNSCRAMBLED &&
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
