// MixedRules: the mixed letters game: a shuffled word rebuilt tile by tile, or typed and checked.
#pragma once

#include "games/common/GameRules.h"
#include "games/common/RunDisplay.h"

#include <array>

class MixedRules : public GameRules {
public:
    static constexpr int TileCount = 26;

    struct Tile {
        QString caption; // "Aa" for a, "MM" for M
        QChar character;
        bool visible = false;
    };

    explicit MixedRules(const GameEnv& env);

    // Points the list at the subject.
    void loadPictureList() { listSubject(); }
    // A new word (a new game and each word after a right one) from any entry but the first, never the last word again,
    // shuffled so that it differs from itself, with an empty text box. When none can be drawn, notice()
    // says so and nothing is dealt.
    void startNewGame();
    // A click on tile i. Tile clicks, Check and Pass are ignored while an answer is being played out.
    void clickTile(int index);
    // What textBox_ holds and where its caret or selection lies; the window reports every edit so
    // a right tile lands where the learner's caret is.
    void setTypedText(const QString& text, int selectionStart, int selectionEnd);
    // selectButton_ "Check" and the Enter key in the text box; an empty box is no answer.
    void check();
    // Whether a typed answer is the word: case and extra blanks do not count.
    static bool sameWord(const QString& typed, const QString& word);
    // passButton_: CLICK and a new word; no points.
    void pass();
    // picture_ and playAgainButton_: the word is spoken.
    void playWord();

    // Shuffles the word's letters, and again while the shuffle equals it: a shuffle that differs from it.
    // Blanks between words stay in their places and get no tile. A word whose letters are all the same
    // has no shuffle and is returned as it is.
    static QString scrambleWord(RandomSource& random, const QString& word);
    // Whether some arrangement of the word's letters (blanks staying) differs from it.
    static bool canScramble(const QString& word);

    bool playing() const { return playing_; }
    // The word to rebuild (a single space while none is dealt).
    const QString& word() const { return word_; }
    // scrambledLabel_'s caption.
    const QString& scrambled() const { return scrambled_; }
    // maskedWordLabel_: the word rebuilt with tiles so far.
    const QString& rebuilt() const { return rebuilt_; }
    const QString& picture() const { return picture_; }
    const std::array<Tile, TileCount>& tiles() const { return tiles_; }
    // textBox_ after the rules touched it, and its caret.
    const QString& typedText() const { return typedText_; }
    int caret() const { return selectionEnd_; }
    int levelCount() const { return levelCount_; }
    // scoreLabel_: the points the word is still worth, never above 10; the meter: how much of the word is
    // rebuilt, full behind the dialogs of a word won.
    RunDisplay display() const;
    int wordIndex() const { return wordIndex_; }

private:
    void tileWon();
    void typedRight();
    void lose();
    void clearTypedText();
    // One character into the rebuilt word and the text box at its caret.
    void place(QChar c);
    // The blanks due next go in by themselves.
    void placeBlanks();

    std::array<Tile, TileCount> tiles_;
    QString mixWord_;
    QString word_ = QStringLiteral(" ");
    QString scrambled_;
    QString rebuilt_;
    QString picture_;
    QString typedText_;
    int selectionStart_ = 0;
    int selectionEnd_ = 0;
    int levelCount_ = 10;
    int wordIndex_ = 0;
    // An answer is being played out; the sound module lets clicks in meanwhile.
    bool busy_ = false;
    bool playing_ = false;
};
