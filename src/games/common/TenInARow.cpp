// TenInARow: the run of right answers of the listening and choose games.
#include "games/common/TenInARow.h"

#include "games/common/ResultTexts.h"

bool TenInARow::right(GameHost& host, const DialogPicture& picture, const QString& word,
                      const QString& soundPath, const QString& folder) {
    ++count_;
    host.answerJudged(word, true, count_ >= 10 ? 10 : 0);
    display_.show(count_);
    host.playEffect(GameHost::Effect::Correct);
    host.playSoundFile(soundPath);
    host.showResult(picture, ResultTexts::wellDone(), ResultTexts::theWordIs(word), folder, word);
    if (count_ < 10) return false;

    reset();
    host.playEffect(GameHost::Effect::Congrats);
    host.showResult(DialogPicture::congrats(), ResultTexts::congratulations(), ResultTexts::youHaveWon(10),
                    QString(), QString());
    host.addScore(10);
    display_.show(0);
    return true;
}

void TenInARow::wrong(GameHost& host, const DialogPicture& picture, const QString& word,
                      const QString& folder) {
    host.answerJudged(word, false, 0);
    reset();
    host.playEffect(GameHost::Effect::Lose);
    host.showResult(picture, ResultTexts::sorry(), ResultTexts::sorryTheWordIs(word), folder, word);
}

void TenInARow::reset() {
    count_ = 0;
    display_.show(0);
}
