// ScoreModel: awards, the per-subject high score in the settings store, and the two captions.
#include "score/ScoreModel.h"

#include "app/AppState.h"
#include "app/SettingsStore.h"
#include "app/TextNumber.h"

namespace {
QString highScoreValueName() {
    return QStringLiteral("SCORE-HIGH - ") + appState().section;
}
} // namespace

ScoreModel::ScoreModel(QObject* parent) : QObject(parent) {}

QString ScoreModel::scoreCaptionFor(const QString& tag) {
    return QStringLiteral("Score: ") + tag +
           (leadingNumber(tag) == 1.0 ? QStringLiteral(" point") : QStringLiteral(" points"));
}

QString ScoreModel::highScoreCaptionFor(const QString& tag) {
    return QStringLiteral("High Score: ") + tag +
           (leadingNumber(tag) == 1.0 ? QStringLiteral(" point") : QStringLiteral(" points"));
}

void ScoreModel::addScore(qint32 points) {
    bool converts = false;
    qint32 score = scoreTag_.trimmed().toInt(&converts);
    if (!converts) score = 0;
    qint32 sum = 0;
    if (!__builtin_add_overflow(score, points, &sum)) score = sum;

    scoreTag_ = QString::number(score);
    scoreCaption_ = scoreCaptionFor(scoreTag_);
    // Against what is stored now, not what was loaded: another running copy may have stored more since.
    highTag_ = settingsStore().raiseNumber(highScoresKey(), highScoreValueName(), scoreTag_);
    highCaption_ = highScoreCaptionFor(highTag_);
    highSubject_ = appState().section;
    emit changed();
}

void ScoreModel::resetHighScore() {
    // Section is the last subject chosen, which need not be the one on screen.
    if (highSubject_.isEmpty()) return;
    highTag_ = QStringLiteral("0");
    // The same value as the award's "SCORE-HIGH - ", spelled differently: the store ignores case.
    writeSetting(highScoresKey(), QStringLiteral("Score-High - ") + highSubject_, highTag_);
    highCaption_ = QStringLiteral("High Score: 0 points");
    emit changed();
}

void ScoreModel::resetRunningScore() {
    scoreTag_ = QStringLiteral("0");
    scoreCaption_ = QStringLiteral("Score: 0 points");
    emit changed();
}

void ScoreModel::loadHighScore() {
    highTag_ = readSetting(highScoresKey(), highScoreValueName(), QStringLiteral("0"));
    highCaption_ = highScoreCaptionFor(highTag_);
    highSubject_ = appState().section;
    emit changed();
}

void ScoreModel::setScoreCaption(const QString& caption) {
    scoreCaption_ = caption;
    emit changed();
}

void ScoreModel::setHighScoreCaption(const QString& caption) {
    highCaption_ = caption;
    highSubject_.clear();
    emit changed();
}

QString ScoreModel::highScoresKey() const {
    return highScoresKey_.isEmpty() ? detailsKey() : highScoresKey_;
}

ScoreModel& scoreModel() {
    static ScoreModel model;
    return model;
}
