// RecordingGameHost: a game host for tests that writes down every effect, sound, dialog and award in order.
#pragma once

#include "games/common/GameHost.h"

#include <functional>
#include <QList>
#include <QStringList>

class RecordingGameHost final : public GameHost {
public:
    struct Dialog {
        DialogPicture picture;
        QString message; // title followed by text
        QString folder;
        QString word;
    };

    void playEffect(Effect effect) override;
    void playSoundFile(const QString& path) override;
    void spellWord(const QString& word, const QString& wordSoundPath) override;
    void showResult(const DialogPicture& picture, const QString& title, const QString& text,
                    const QString& folder, const QString& word) override;
    void showMismatch(const QString& picture1, const QString& picture2, const QString& title,
                      const QString& text, const QString& folder, const QString& word1,
                      const QString& word2) override;
    void addScore(qint32 points) override;
    void explain(const QString& sentence, const QString& soundPath) override;
    void answerJudged(const QString& word, bool right, qint32 points) override;

    static QString effectName(Effect effect);
    void clear();

    // One line per call: "CORRECT", "sound apple.eda", "dialog Well done! The word is apple.", "score 10",
    // "explain listening.eda".
    QStringList events;
    QList<Dialog> dialogs;
    QStringList soundPaths;
    QStringList explained; // the sentences
    int pointsAwarded = 0;
    // One line per judged answer: "apple right 10", "egg wrong 0".
    QStringList answers;
    // Runs while a dialog is "open", to look at what the window would show behind it.
    std::function<void(const Dialog&)> duringDialog;
};
