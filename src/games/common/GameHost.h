// GameHost: what a game's rules ask of the world: effects, sounds, the result dialogs and points.
#pragma once

#include <QString>

// A picture the result dialog shows: a picture file, the congratulations picture, or nothing.
struct DialogPicture {
    QString path;
    bool congratulations = false;

    static DialogPicture file(const QString& path) { return {path, false}; }
    static DialogPicture congrats() { return {QString(), true}; }
    bool operator==(const DialogPicture&) const = default;
};

// The rules change their state first and then call the host; a window that implements the host redraws
// from the rules' state before it opens a dialog, so the learner sees the counters the rules just set.
class GameHost {
public:
    enum class Effect { Click, Correct, Incorrect, Congrats, Lose };

    virtual ~GameHost() = default;

    virtual void playEffect(Effect effect) = 0;
    // A word or letter sound file (the one current-sound slot).
    virtual void playSoundFile(const QString& path) = 0;
    // Spells a word letter by letter, each letter heard in full, then speaks the word from its sound file.
    virtual void spellWord(const QString& word, const QString& wordSoundPath) = 0;
    // The result dialog; returns once the learner has closed it. The message is title followed by text;
    // folder and word name the sound the dialog's play button speaks (both empty at the end of a game).
    virtual void showResult(const DialogPicture& picture, const QString& title, const QString& text,
                            const QString& folder, const QString& word) = 0;
    // The mismatch dialog of two cards; returns once closed.
    virtual void showMismatch(const QString& picture1, const QString& picture2, const QString& title,
                              const QString& text, const QString& folder, const QString& word1,
                              const QString& word2) = 0;
    virtual void addScore(qint32 points) = 0;
    // What the game wants, shown for a few seconds and spoken from soundPath (silence when it is missing).
    virtual void explain(const QString& sentence, const QString& soundPath) = 0;
    // A word answered right or wrong, with the points that answer won; for the players' answer log.
    virtual void answerJudged(const QString& word, bool right, qint32 points) {
        Q_UNUSED(word) Q_UNUSED(right) Q_UNUSED(points)
    }
};
