// ChooseRules: the choose game: one picture and six word buttons; the learner clicks the picture's word.
#pragma once

#include "games/common/GameRules.h"
#include "games/common/RunDisplay.h"
#include "games/common/TenInARow.h"

#include <array>

class ChooseRules : public GameRules {
public:
    static constexpr int ButtonCount = 6;

    struct Button {
        QString word;
        bool visible = false;
    };

    explicit ChooseRules(const GameEnv& env);

    // Every activation deals a new turn and redraws counter and meter from the run.
    void activate();
    // Points the list at the subject (every deal does so again).
    void loadList() { listSubject(); }
    // Lists the subject, shows a picture and deals six hidden word buttons; the window then drives
    // revealTick().
    void deal();
    // One reveal step (every 200 ms while revealing() holds): shows the next button with the subject's
    // reveal sound. Returns false once all six are shown.
    bool revealTick();
    // The learner's answer with button i.
    void clickButton(int index);
    // Pass: the run back to nought, CLICK, a new turn.
    void pass();
    // "Hear the Word" and a click on the picture.
    void playWord();

    const std::array<Button, ButtonCount>& buttons() const { return buttons_; }
    bool revealing() const { return revealing_; }
    int revealIndex() const { return revealIndex_; }
    // spokenWordLabel_: the turn's word.
    const QString& turnWord() const { return turnWord_; }
    // picture_: the turn's picture.
    const QString& mainPicture() const { return mainPicture_; }
    int pictureCount() const { return pictureCount_; }
    int correctInRow() const { return run_.count(); }
    const RunDisplay& display() const { return run_.display(); }

private:
    std::array<Button, ButtonCount> buttons_;
    TenInARow run_;
    QString turnWord_;
    QString mainPicture_;
    int pictureCount_ = 0;
    int revealIndex_ = 0;
    bool revealing_ = false;
};
