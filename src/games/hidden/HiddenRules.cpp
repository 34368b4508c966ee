// HiddenRules: the hidden letters game.
#include "games/hidden/HiddenRules.h"

#include "catalogue/Catalogue.h"
#include "games/common/GamesLog.h"
#include "games/common/MorePicturesNotice.h"
#include "games/common/ResultTexts.h"
#include "games/common/WordSteps.h"

#include <QScopedValueRollback>

namespace {

QChar lowerLetterOf(int index) {
    return QChar(u'a' + index);
}

// A word is worth dealing when at least one of its characters can be chosen with a button; one made of
// shown characters only would be won by any first letter.
bool hasAnyLetter(const QString& word) {
    for (QChar c : word)
        if (HiddenRules::hasButton(c)) return true;
    return false;
}

} // namespace

HiddenRules::HiddenRules(const GameEnv& env) : GameRules(env) {
    letterVisible_.fill(true);
}

QString HiddenRules::letterCaption(int index) {
    if (index < 0 || index >= LetterCount) return QString();
    return QString(lowerLetterOf(index).toUpper()) + lowerLetterOf(index);
}

bool HiddenRules::hasButton(QChar c) {
    const char16_t lower = c.toLower().unicode();
    return lower >= u'a' && lower <= u'z';
}

RunDisplay HiddenRules::display() const {
    qsizetype letters = 0;
    qsizetype found = 0;
    for (qsizetype i = 0; i < hiddenWord_.size() && i < maskedWord_.size(); ++i) {
        if (!hasButton(hiddenWord_.at(i))) continue;
        ++letters;
        if (maskedWord_.at(i) != u'*') ++found;
    }
    const int left = MaxMisses - misses_;
    return {left, MaxMisses, playing_ ? progressTenths(found, letters) : 0};
}

bool HiddenRules::letterVisible(int index) const {
    return index >= 0 && index < LetterCount && letterVisible_[index];
}

void HiddenRules::startNewGame() {
    letterVisible_.fill(true);
    maskedWord_.clear();

    // The last word never comes twice in a row.
    const int index = pickPuzzle(hiddenWord_, hasAnyLetter);

    misses_ = 0;
    lettersChosen_.clear();
    ++round_;
    if (index < 0) {
        qCWarning(lcGames) << "hidden letters: no word left to draw in" << list_.folder();
        playing_ = false;
        wordIndex_ = 0;
        picture_.clear();
        setNotice(morePicturesNotice());
        return;
    }
    setNotice(QString());
    playing_ = true;
    wordIndex_ = index;
    hiddenWord_ = WordSteps::puzzleWord(list_.name(index));
    for (QChar c : hiddenWord_)
        maskedWord_ += hasButton(c) ? QChar(u'*') : c;
    picture_ = list_.path(index);
}

void HiddenRules::chooseLetter(int index) {
    if (!playing_ || !letterVisible(index)) return;
    letterVisible_[index] = false;
    queued_.append({index, round_});
    if (trying_) return;
    // Tried one at a time: a letter let in while the winning one is sounded would win the word twice.
    const QScopedValueRollback guard(trying_, true);
    while (!queued_.isEmpty()) {
        const auto [letter, round] = queued_.takeFirst();
        if (round == round_ && playing_) checkSelectedLetter(lowerLetterOf(letter));
    }
}

void HiddenRules::typeKey(QChar key) {
    if (!hasButton(key)) return;
    chooseLetter(key.toLower().unicode() - u'a');
}

void HiddenRules::checkSelectedLetter(QChar letter) {
    if (!playing_) return;
    const QString before = maskedWord_;
    const QChar lower = letter.toLower();
    for (qsizetype p = 0; p < hiddenWord_.size(); ++p)
        if (hiddenWord_.at(p).toLower() == lower) maskedWord_[p] = hiddenWord_.at(p);
    lettersChosen_ += u' ';
    lettersChosen_ += letter;

    const bool hit = maskedWord_ != before;
    if (!hit) ++misses_;

    if (maskedWord_ == hiddenWord_) {
        wordWon(letter);
        return;
    }
    if (hit)
        host().playSoundFile(letterSoundPath(letter));
    else
        host().playEffect(GameHost::Effect::Incorrect);
    if (misses_ >= MaxMisses) wordLost();
}

void HiddenRules::wordWon(QChar letter) {
    const int points = MaxMisses - misses_;
    const QString word = hiddenWord_;
    host().answerJudged(word, true, points);
    host().playSoundFile(letterSoundPath(letter));
    host().playEffect(GameHost::Effect::Correct);
    speak(word);
    host().showResult(DialogPicture::file(picture_), ResultTexts::wellDone(), ResultTexts::theWordIs(word),
                      subjectTitle(), word);
    host().playEffect(GameHost::Effect::Congrats);
    host().showResult(DialogPicture::congrats(), ResultTexts::congratulations(),
                      ResultTexts::youHaveWon(points), QString(), QString());
    host().addScore(points);
    startNewGame();
}

void HiddenRules::wordLost() {
    const QString word = hiddenWord_;
    host().answerJudged(word, false, 0);
    host().playEffect(GameHost::Effect::Lose);
    host().showResult(DialogPicture::file(picture_), ResultTexts::sorry(),
                      ResultTexts::sorryTheWordIs(word) + u'.', subjectTitle(), word);
    misses_ = 0;
    startNewGame();
}

void HiddenRules::next() {
    if (!trying_) startNewGame();
}

void HiddenRules::pass() {
    if (trying_) return;
    host().addScore(0);
    host().playEffect(GameHost::Effect::Click);
    misses_ = 0;
    startNewGame();
}

void HiddenRules::playWord() {
    if (playing_) speak(hiddenWord_);
}

QString HiddenRules::letterSoundPath(QChar letter) const {
    return Catalogue::letterSoundPath(QString(letter));
}
