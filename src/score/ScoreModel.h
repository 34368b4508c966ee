// ScoreModel: the running score and the current subject's high score, with the captions the main window shows.
#pragma once

#include <QObject>
#include <QString>

class ScoreModel : public QObject {
    Q_OBJECT
public:
    explicit ScoreModel(QObject* parent = nullptr);

    // The labels' "tag" texts: numbers held as decimal digits.
    QString scoreTag() const { return scoreTag_; }
    QString highScoreTag() const { return highTag_; }
    QString scoreCaption() const { return scoreCaption_; }
    QString highScoreCaption() const { return highCaption_; }

    // Awards points: raises the running score (an overflowing sum leaves it unchanged), raises and stores
    // the high score of the current subject, rewrites both captions.
    void addScore(qint32 points);
    // The high-score label's reset: stores "0" for the subject whose score the label shows; the running
    // score stays. Nothing happens while the label shows no subject's score (the home screen's hover).
    void resetHighScore();
    // The subject whose stored high score the label shows, or empty.
    QString highScoreSubject() const { return highSubject_; }
    // Home screen activation: running score back to "0", "Score: 0 points".
    void resetRunningScore();
    // Reads the current subject's stored high score (default "0") and rewrites its caption.
    void loadHighScore();

    // The key path the high scores are kept under: the current player's; empty means the details key.
    void setHighScoresKey(const QString& keyPath) { highScoresKey_ = keyPath; }
    QString highScoresKey() const;

    // Captions may also be set to plain texts (the home screen's hover, emptied on choice); a plain
    // high-score caption shows no subject's score.
    void setScoreCaption(const QString& caption);
    void setHighScoreCaption(const QString& caption);

    static QString scoreCaptionFor(const QString& tag);
    static QString highScoreCaptionFor(const QString& tag);

signals:
    void changed();

private:
    QString scoreTag_ = QStringLiteral("0");
    QString highTag_ = QStringLiteral("0");
    QString highSubject_;
    QString highScoresKey_;
    QString scoreCaption_ = QStringLiteral("Score: 0 points");
    QString highCaption_ = QStringLiteral("Highest Score: 0 points");
};

// The program's one score model (owned by the application; the main window binds its labels to it).
ScoreModel& scoreModel();
