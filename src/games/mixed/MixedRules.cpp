// MixedRules: the mixed letters game.
#include "games/mixed/MixedRules.h"

#include "app/Random.h"
#include "catalogue/Catalogue.h"
#include "games/common/GamesLog.h"
#include "games/common/MorePicturesNotice.h"
#include "games/common/ResultTexts.h"
#include "games/common/WordSteps.h"

#include <QScopedValueRollback>

namespace {

// Shuffles tried before giving up on chance; a word with few arrangements of its own needs only a few.
constexpr int ShuffleTries = 64;

QString shuffled(RandomSource& random, QString text) {
    for (qsizetype i = text.size() - 1; i > 0; --i) {
        const qsizetype j = random.drawIndex(int(i + 1));
        std::swap(text[i], text[j]);
    }
    return text;
}

} // namespace

MixedRules::MixedRules(const GameEnv& env) : GameRules(env) {}

bool MixedRules::canScramble(const QString& word) {
    for (QChar c : word)
        if (c != word.front()) return true;
    return false;
}

QString MixedRules::scrambleWord(RandomSource& random, const QString& word) {
    if (!canScramble(word)) return word;
    for (int i = 0; i < ShuffleTries; ++i) {
        const QString candidate = shuffled(random, word);
        if (candidate != word) return candidate;
    }
    // Turning a word that holds two different characters by one place always changes it.
    return word.mid(1) + word.front();
}

void MixedRules::startNewGame() {
    for (Tile& tile : tiles_)
        tile.visible = false;
    levelCount_ = 10;
    word_ = QStringLiteral(" ");
    scrambled_.clear();
    rebuilt_.clear();

    // The last word never comes twice in a row.
    const int index = draw().pickPuzzle(
        list_.names(), [this](const QString& stem) { return usable(stem); }, mixWord_, canScramble);
    if (index < 0) {
        qCWarning(lcGames) << "mixed letters: no word left to draw in" << list_.folder();
        playing_ = false;
        wordIndex_ = 0;
        picture_.clear();
        setNotice(morePicturesNotice());
        return;
    }
    setNotice(QString());
    // A new word starts with an empty box: text left from the last word would be judged against this one.
    clearTypedText();
    playing_ = true;
    wordIndex_ = index;
    word_ = mixWord_ = WordSteps::puzzleWord(list_.name(index));
    scrambled_ = scrambleWord(random(), word_);
    picture_ = list_.path(index);
    // A word longer than the tiles can only be typed.
    for (qsizetype i = 0; i < qMin<qsizetype>(scrambled_.size(), TileCount); ++i) {
        const QChar c = scrambled_.at(i);
        tiles_[i] = {c.toUpper() + QString(c), c, true};
    }
}

void MixedRules::clickTile(int index) {
    if (busy_ || !playing_ || index < 0 || index >= TileCount || !tiles_[index].visible) return;
    // One answer at a time: a second click let in while a sound opens would count a tile twice, or win
    // the word again by the text box the tiles just filled.
    const QScopedValueRollback guard(busy_, true);
    Tile& tile = tiles_[index];
    const qsizetype k = rebuilt_.size();
    if (k < word_.size() && tile.character == word_.at(k)) {
        const QChar c = tile.character;
        rebuilt_ += c;
        tile.visible = false;
        typedText_.replace(selectionStart_, selectionEnd_ - selectionStart_, c);
        selectionEnd_ = selectionStart_ = selectionStart_ + 1;
        host().playSoundFile(Catalogue::letterSoundPath(QString(c)));
        if (rebuilt_ == word_) tileWon();
        return;
    }
    --levelCount_;
    if (levelCount_ > 0) {
        host().playEffect(GameHost::Effect::Incorrect);
        return;
    }
    lose();
}

void MixedRules::tileWon() {
    const QString word = word_;
    host().answerJudged(word, true, levelCount_);
    host().playEffect(GameHost::Effect::Correct);
    speak(word);
    host().showResult(DialogPicture::file(picture_), ResultTexts::wellDone(), ResultTexts::theWordIs(word),
                      subjectTitle(), word);
    clearTypedText();
    rebuilt_.clear();
    host().playEffect(GameHost::Effect::Congrats);
    host().showResult(DialogPicture::congrats(), ResultTexts::congratulations(),
                      ResultTexts::youHaveWon(levelCount_), QString(), QString());
    host().addScore(levelCount_);
    startNewGame();
}

void MixedRules::setTypedText(const QString& text, int selectionStart, int selectionEnd) {
    typedText_ = text;
    const int size = int(text.size());
    selectionStart_ = qBound(0, qMin(selectionStart, selectionEnd), size);
    selectionEnd_ = qBound(0, qMax(selectionStart, selectionEnd), size);
}

bool MixedRules::sameWord(const QString& typed, const QString& word) {
    // A child who types "Egg" or " egg " for the tiles "Ee Gg" has the word right.
    return typed.simplified().compare(word.simplified(), Qt::CaseInsensitive) == 0;
}

void MixedRules::check() {
    // Check on an empty box is no answer.
    if (busy_ || !playing_ || typedText_.trimmed().isEmpty()) return;
    const QScopedValueRollback guard(busy_, true);
    if (!sameWord(typedText_, word_)) {
        lose();
        return;
    }
    ++levelCount_;
    const QString word = word_;
    host().answerJudged(word, true, levelCount_ > 9 ? 10 : 0);
    if (levelCount_ > 9) {
        // The counter shows 11/10 while the first dialog is open.
        host().playEffect(GameHost::Effect::Correct);
        host().spellWord(word, wordSoundPath(word));
        host().showResult(DialogPicture::file(picture_), ResultTexts::wellDone(),
                          ResultTexts::theWordIs(word), subjectTitle(), word);
        levelCount_ = 0;
        host().playEffect(GameHost::Effect::Congrats);
        host().showResult(DialogPicture::congrats(), ResultTexts::congratulations(),
                          ResultTexts::youHaveWon(10), QString(), QString());
        host().addScore(10);
    } else {
        // Two wrong tiles or more on this word: a right typed word then wins nothing.
        host().playEffect(GameHost::Effect::Correct);
        host().spellWord(word, wordSoundPath(word));
        host().showResult(DialogPicture::file(picture_), ResultTexts::wellDone(),
                          ResultTexts::theWordIs(word), subjectTitle(), word);
    }
    clearTypedText();
    startNewGame();
}

void MixedRules::lose() {
    levelCount_ = 0;
    host().answerJudged(word_, false, 0);
    host().playEffect(GameHost::Effect::Incorrect);
    host().showResult(DialogPicture::file(picture_), ResultTexts::sorry(), ResultTexts::sorryTheWordIs(word_),
                      subjectTitle(), word_);
    startNewGame();
}

void MixedRules::pass() {
    if (busy_) return;
    host().playEffect(GameHost::Effect::Click);
    startNewGame();
}

void MixedRules::playWord() {
    if (playing_) speak(word_);
}

void MixedRules::clearTypedText() {
    typedText_.clear();
    selectionStart_ = selectionEnd_ = 0;
}
