// RecordingGameHost: a game host for tests that writes down what the rules asked for.
#include "RecordingGameHost.h"

#include <QFileInfo>

QString RecordingGameHost::effectName(Effect effect) {
    switch (effect) {
    case Effect::Click:
        return QStringLiteral("CLICK");
    case Effect::Correct:
        return QStringLiteral("CORRECT");
    case Effect::Incorrect:
        return QStringLiteral("INCORRECT");
    case Effect::Congrats:
        return QStringLiteral("CONGRATS");
    case Effect::Lose:
        return QStringLiteral("LOSE");
    }
    return QString();
}

void RecordingGameHost::playEffect(Effect effect) {
    events << effectName(effect);
}

void RecordingGameHost::playSoundFile(const QString& path) {
    soundPaths << path;
    events << QStringLiteral("sound ") + QFileInfo(path).fileName();
}

void RecordingGameHost::explain(const QString& sentence, const QString& soundPath) {
    explained << sentence;
    events << QStringLiteral("explain ") + QFileInfo(soundPath).fileName();
}

void RecordingGameHost::spellWord(const QString& word, const QString& wordSoundPath) {
    events << QStringLiteral("spell ") + word + QStringLiteral(" then ") + QFileInfo(wordSoundPath).fileName();
}

void RecordingGameHost::showResult(const DialogPicture& picture, const QString& title, const QString& text,
                                   const QString& folder, const QString& word) {
    const Dialog dialog{picture, title + text, folder, word};
    dialogs << dialog;
    events << QStringLiteral("dialog ") + dialog.message;
    if (duringDialog) duringDialog(dialog);
}

void RecordingGameHost::showMismatch(const QString& picture1, const QString& picture2, const QString& title,
                                     const QString& text, const QString& folder, const QString& word1,
                                     const QString& word2) {
    Q_UNUSED(picture1);
    Q_UNUSED(picture2);
    Q_UNUSED(folder);
    Q_UNUSED(word1);
    Q_UNUSED(word2);
    events << QStringLiteral("mismatch ") + title + text;
}

void RecordingGameHost::answerJudged(const QString& word, bool right, qint32 points) {
    answers << word + (right ? QStringLiteral(" right ") : QStringLiteral(" wrong ")) + QString::number(points);
}

void RecordingGameHost::addScore(qint32 points) {
    pointsAwarded += points;
    events << QStringLiteral("score ") + QString::number(points);
}

void RecordingGameHost::clear() {
    events.clear();
    dialogs.clear();
    soundPaths.clear();
    explained.clear();
    answers.clear();
    pointsAwarded = 0;
}
