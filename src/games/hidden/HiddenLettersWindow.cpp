// fgam_HID: the hidden letters game window.
#include "games/hidden/HiddenLettersWindow.h"

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
#include "games/common/LevelMeter.h"
#include "games/common/WordPicture.h"
#include "games/hidden/MissesMeter.h"

namespace {
const QRect PictureBox(40, 110, 320, 240);
const ButtonGrid Letters{QPoint(390, 184), QSize(56, 44), 9, 6};
} // namespace

fgam_HID::fgam_HID(QWidget* parent)
    : GameWindow(QStringLiteral("fgam_HID"), GameNumber, QStringLiteral("hidden words"), parent),
      rules_(env()) {
    setFocusPolicy(Qt::StrongFocus);

    picMAIN = new WordPicture(this);
    picMAIN->setGeometry(PictureBox);
    connect(picMAIN, &ClickLabel::Click, this, [this] { act([this] { rules_.playWord(); }); });

    lblWORDHIDDEN =
        addLabel(QStringLiteral("lblWORDHIDDEN"), QStringLiteral(" "), QRect(390, 104, 552, 66), 34, true);
    lblWORDHIDDEN->setAlignment(Qt::AlignCenter);
    lblWORDHIDDEN->setStyleSheet(QStringLiteral("color: #24457a;"));

    pneCHARS = Letters.make(this, QStringLiteral("pneCHARS"), HiddenRules::LetterCount);
    for (int i = 0; i < pneCHARS.size(); ++i) {
        uctl_BTN* letter = pneCHARS[i];
        letter->setTextCaption(HiddenRules::letterCaption(i));
        trackHover(letter);
        connect(letter, &uctl_BTN::Click, this, [this, i] {
            hideFrame();
            act([this, i] { rules_.chooseLetter(i); });
        });
    }

    lblCHOSEN = addLabel(QStringLiteral("lblCHOSEN"), QStringLiteral("Letters chosen:"),
                         QRect(390, 338, 180, 32), 13, true);
    lblCHOSEN->setStyleSheet(QStringLiteral("color: #24457a;"));
    lblSOFAR = addLabel(QStringLiteral("lblSOFAR"), QString(), QRect(572, 338, 370, 32), 15, true);
    lblSOFAR->setStyleSheet(QStringLiteral("color: #c0392b;"));

    // The misses meter moves the other way from the other games' meter and changes colour.
    meter()->hide();
    misses_ = new MissesMeter(this);
    misses_->setGeometry(meter()->geometry());

    btnPLAYAGAIN = GameButtons::make(this, QStringLiteral("btnPLAYAGAIN"), QStringLiteral("Hear the Word"),
                                     QRect(PictureBox.center().x() - 90, PictureBox.bottom() + 14, 180, 44));
    trackHover(btnPLAYAGAIN);
    connect(btnPLAYAGAIN, &uctl_BTN::Click, this, [this] { act([this] { rules_.playWord(); }); });

    btnPASS =
        GameButtons::make(this, QStringLiteral("btnPASS"), QStringLiteral("Pass >"), GameButtons::passRect());
    trackHover(btnPASS);
    connect(btnPASS, &uctl_BTN::Click, this, [this] { act([this] { rules_.pass(); }); });

    const QRect pass = GameButtons::passRect();
    imgNEXT = GameButtons::picture(
        this, QStringLiteral("imgNEXT"), Art::Next,
        QPoint(pass.left() - Art::Next.width - 14, pass.center().y() - Art::Next.height / 2),
        QStringLiteral("Go to Next Word"));
    connect(imgNEXT, &ClickLabel::Click, this, [this] { act([this] { rules_.next(); }); });

    refresh();
}

void fgam_HID::StartFromMenu() {
    act([this] {
        rules_.loadPictureList();
        rules_.startNewGame();
    });
}

void fgam_HID::StartFromSectionClick() {
    // A new subject needs its list read again, just as from the menu.
    StartFromMenu();
}

RunDisplay fgam_HID::runDisplay() const {
    const int left = HiddenRules::MaxMisses - rules_.misses();
    return RunDisplay{left, 10, left};
}

void fgam_HID::activateGame() {
    // Letter keys reach the window without a click first.
    setFocus(Qt::OtherFocusReason);
}

void fgam_HID::redraw() {
    // The round's word is program-wide state, as the mixed letters game keeps it too.
    appState().GameWord = rules_.hiddenWord();
    picMAIN->showFile(rules_.picture());
    setFittedText(lblWORDHIDDEN, rules_.maskedWord().isEmpty() ? QStringLiteral(" ") : rules_.maskedWord(),
                  34);
    lblSOFAR->setText(rules_.lettersChosen());
    const bool playing = rules_.playing();
    for (int i = 0; i < pneCHARS.size(); ++i) {
        pneCHARS[i]->setVisible(rules_.letterVisible(i));
        pneCHARS[i]->setEnabled(playing);
    }
    const Rgb c = rules_.meterColour();
    misses_->setLevel(rules_.meterTenths(), QColor(c.red, c.green, c.blue));
}

void fgam_HID::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if ((event->modifiers() & chords) || event->text().isEmpty()) {
        GameWindow::keyPressEvent(event);
        return;
    }
    // Each character as a click on its button; a dialog may close the window between two of them.
    const QString text = event->text();
    QPointer<fgam_HID> alive(this);
    for (QChar key : text)
        if (alive) act([this, key] { rules_.typeKey(key); });
}
