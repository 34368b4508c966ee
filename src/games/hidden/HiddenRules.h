// HiddenRules: the hidden letters game: a masked word, 26 letter buttons and ten tries to find its letters.
#pragma once

#include "games/common/GameRules.h"
#include "games/common/RunDisplay.h"

#include <array>
#include <QList>
#include <utility>

class HiddenRules : public GameRules {
public:
    static constexpr int LetterCount = 26;
    static constexpr int MaxMisses = 10;

    explicit HiddenRules(const GameEnv& env);

    // Points the list at the subject.
    void loadPictureList() { listSubject(); }
    // A new word, different from the last one; all letters back, tries at 10/10.
    // When no word can be drawn, notice() says so and nothing is dealt.
    void startNewGame();
    // A click on letter button i (0 = "Aa"): the button goes and the letter is tried. A button already
    // chosen for this word does nothing. A letter chosen while another is still being tried (the sound
    // module lets clicks in while it opens a sound) waits its turn, and is dropped if the word changes.
    void chooseLetter(int index);
    // A key typed on the window: a letter chooses its button, as a click would; other keys do nothing.
    void typeKey(QChar key);
    // Tries one lower-case letter against the word.
    void checkSelectedLetter(QChar letter);
    // passButton_: no points (the score line is redrawn), CLICK, a new word. Ignored while a letter is tried.
    void pass();
    // nextPicture_: a new word, silently. Ignored while a letter is tried.
    void next();
    // picture_ and playAgainButton_: the word is spoken.
    void playWord();

    static QString letterCaption(int index);
    // Whether a character has a letter button; the others are shown from the start.
    static bool hasButton(QChar c);

    // A word is on the table and letters can be chosen.
    bool playing() const { return playing_; }
    // The current (or, after the notice, the last) word.
    const QString& hiddenWord() const { return hiddenWord_; }
    // maskedWordLabel_: the word as found so far, "*" for each letter still hidden.
    const QString& maskedWord() const { return maskedWord_; }
    // picture_: the word's picture file.
    const QString& picture() const { return picture_; }
    // chosenLabel_: each chosen letter preceded by a space.
    const QString& lettersChosen() const { return lettersChosen_; }
    // Whether letter button i is still shown.
    bool letterVisible(int index) const;
    int misses() const { return misses_; }
    // scoreLabel_: tries left, "10/10" down to "0/10".
    QString triesLabel() const { return QString::number(MaxMisses - misses_) + QStringLiteral("/10"); }
    // The counter: tries left; the meter: how much of the word is found, full behind the dialogs of a word won.
    RunDisplay display() const;
    int wordIndex() const { return wordIndex_; }

private:
    void wordWon(QChar letter);
    void wordLost();
    QString letterSoundPath(QChar letter) const;

    std::array<bool, LetterCount> letterVisible_{};
    QString hiddenWord_;
    QString maskedWord_;
    QString picture_;
    QString lettersChosen_;
    int misses_ = 0;
    int wordIndex_ = 0;
    // Counts the words dealt, so a letter queued for one word is never tried on the next.
    int round_ = 0;
    QList<std::pair<int, int>> queued_; // letter button, round
    bool trying_ = false;
    bool playing_ = false;
};
