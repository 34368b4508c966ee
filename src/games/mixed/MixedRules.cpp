// MixedRules: the mixed letters game.
#include "games/mixed/MixedRules.h"

#include "app/Random.h"
#include "catalogue/Catalogue.h"
#include "games/common/GamesLog.h"
#include "games/common/MorePicturesNotice.h"
#include "games/common/ResultTexts.h"
#include "games/common/WordSteps.h"

#include <QList>
#include <QScopedValueRollback>

namespace {

// Shuffles tried before giving up on chance; a word with few arrangements of its own needs only a few.
constexpr int ShuffleTries = 64;

// A blank between two words is no tile: it stays where it is, and only the letters move.
bool isBlank(QChar c) {
    return c.isSpace();
}

QString shuffled(RandomSource& random, QString text) {
    QList<qsizetype> places;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!isBlank(text.at(i))) places << i;
    for (qsizetype i = places.size() - 1; i > 0; --i) {
        const qsizetype j = random.drawIndex(int(i + 1));
        std::swap(text[places.at(i)], text[places.at(j)]);
    }
    return text;
}

} // namespace

MixedRules::MixedRules(const GameEnv& env) : GameRules(env) {}

bool MixedRules::canScramble(const QString& word) {
    QChar first;
    for (QChar c : word) {
        if (isBlank(c)) continue;
        if (first.isNull()) first = c;
        if (c != first) return true;
    }
    return false;
}

QString MixedRules::scrambleWord(RandomSource& random, const QString& word) {
    if (!canScramble(word)) return word;
    for (int i = 0; i < ShuffleTries; ++i) {
        const QString candidate = shuffled(random, word);
        if (candidate != word) return candidate;
    }
    // Turning the letters that hold two different characters by one place always changes them.
    QString turned = word;
    qsizetype previous = -1;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (isBlank(word.at(i))) continue;
        if (previous >= 0) turned[previous] = word.at(i);
        previous = i;
    }
    for (qsizetype i = 0; i < word.size(); ++i)
        if (!isBlank(word.at(i))) {
            turned[previous] = word.at(i);
            break;
        }
    return turned;
}

void MixedRules::startNewGame() {
    for (Tile& tile : tiles_)
        tile.visible = false;
    levelCount_ = 10;
    word_ = QStringLiteral(" ");
    scrambled_.clear();
    rebuilt_.clear();

    // The last word never comes twice in a row.
    const int index = pickPuzzle(mixWord_, canScramble);
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
    int tile = 0;
    for (qsizetype i = 0; i < scrambled_.size() && tile < TileCount; ++i) {
        const QChar c = scrambled_.at(i);
        if (!isBlank(c)) tiles_[tile++] = {c.toUpper() + QString(c), c, true};
    }
    placeBlanks();
}

void MixedRules::placeBlanks() {
    while (rebuilt_.size() < word_.size() && isBlank(word_.at(rebuilt_.size())))
        place(word_.at(rebuilt_.size()));
}

void MixedRules::place(QChar c) {
    rebuilt_ += c;
    typedText_.replace(selectionStart_, selectionEnd_ - selectionStart_, c);
    selectionEnd_ = selectionStart_ = selectionStart_ + 1;
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
        tile.visible = false;
        place(c);
        placeBlanks();
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
    // The rebuilt word, and the full meter, stay behind the congratulations.
    clearTypedText();
    host().playEffect(GameHost::Effect::Congrats);
    host().showResult(DialogPicture::congrats(), ResultTexts::congratulations(),
                      ResultTexts::youHaveWon(levelCount_), QString(), QString());
    host().addScore(levelCount_);
    startNewGame();
}

RunDisplay MixedRules::display() const {
    return {qBound(0, levelCount_, 10), 10, playing_ ? progressTenths(rebuilt_.size(), word_.size()) : 0};
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
    // A typed word is worth one try more, up to the whole 10: at most one wrong tile before it wins 10.
    levelCount_ = qMin(levelCount_ + 1, 10);
    rebuilt_ = word_;
    const QString word = word_;
    host().answerJudged(word, true, levelCount_ == 10 ? 10 : 0);
    if (levelCount_ == 10) {
        host().playEffect(GameHost::Effect::Correct);
        host().spellWord(word, wordSoundPath(word));
        host().showResult(DialogPicture::file(picture_), ResultTexts::wellDone(),
                          ResultTexts::theWordIs(word), subjectTitle(), word);
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
