// MemoryRules: the memory game.
#include "games/memory/MemoryRules.h"

#include "games/common/Draw.h"
#include "games/common/GamesLog.h"
#include "games/common/MorePicturesNotice.h"
#include "games/common/ResultTexts.h"
#include "games/common/WordSteps.h"

#include <QSet>

MemoryRules::MemoryRules(const GameEnv& env) : GameRules(env) {}

Rgb MemoryRules::backColour(Back back) {
    switch (back) {
    case Back::White:
        return {255, 255, 255};
    case Back::Blue:
        return {30, 95, 247};
    case Back::Red:
        return {227, 0, 0};
    }
    return {};
}

void MemoryRules::startNewGame() {
    loadPictureList();
    tryCount_ = 0;
    for (Card& card : cards_) {
        card.faceUp = false;
        card.enabled = true;
    }
    selectedCount_ = 0;
    pairsFound_ = 0;
    judging_ = false;

    if (list_.count() < MinimumFiles || !drawWords()) {
        qCWarning(lcGames) << "memory: too few usable pictures in" << list_.folder();
        for (Card& card : cards_) {
            card.word.clear();
            card.picture.clear();
        }
        playing_ = false;
        setNotice(morePicturesNotice());
        return;
    }
    setNotice(QString());
    playing_ = true;
}

bool MemoryRules::drawWords() {
    const QStringList& names = list_.names();
    const auto wordAt = [&](int i) { return WordSteps::puzzleWord(names.at(i)); };

    QStringList placed;
    QStringList files;
    // Drawn again while a picture of the table turns out damaged: it is then no longer usable.
    do {
        QSet<QString> words;
        for (int i = 0; i < names.size(); ++i)
            if (usable(names.at(i))) words.insert(wordAt(i));
        if (words.size() < PairCount) return false;
        placed.clear();
        files.clear();
        for (int c = 0; c < PairCount; ++c) {
            const int i = draw().pick(
                int(names.size()), [&](int k) { return usable(names.at(k)) && !placed.contains(wordAt(k)); },
                wordAt);
            placed << wordAt(i);
            files << names.at(i);
        }
    } while (!picturesShow(files));
    for (int c = 0; c < PairCount; ++c) {
        cards_[c].word = placed.at(c);
        cards_[c].picture = list_.pathOf(files.at(c));
    }
    // The second half holds the same six words in another order.
    QStringList halves;
    for (int c = 0; c < PairCount; ++c)
        halves << QString::number(c);
    const QStringList order = Draw::dealOut(random(), halves);
    for (int c = 0; c < PairCount; ++c) {
        const Card& twin = cards_[order.at(c).toInt()];
        cards_[PairCount + c].word = twin.word;
        cards_[PairCount + c].picture = twin.picture;
    }
    return true;
}

void MemoryRules::restart() {
    startNewGame();
    for (Card& card : cards_) {
        card.faceUp = false;
        card.back = Back::White;
        card.shown = false;
        card.enabled = true;
    }
    dealtCount_ = 0;
    dealArmed_ = false;
    dealing_ = true;
}

void MemoryRules::pass() {
    // A new table under a pair being judged would have its cards painted by the old judgement.
    if (!judging_) restart();
}

bool MemoryRules::dealTick() {
    if (!dealing_) return false;
    if (!dealArmed_) {
        dealArmed_ = true;
        return true;
    }
    if (dealtCount_ < CardCount) {
        cards_[dealtCount_].shown = true;
        cards_[dealtCount_].back = Back::Blue;
        ++dealtCount_;
    }
    dealing_ = dealtCount_ < CardCount;
    return dealing_;
}

void MemoryRules::clickCard(int index) {
    // A card clicked while a pair is judged would turn matched cards back and count a pair twice.
    if (!playing_ || judging_ || index < 0 || index >= CardCount) return;
    Card& card = cards_[index];
    if (!card.shown || !card.enabled) return;
    card.enabled = false;
    card.faceUp = true;
    ++selectedCount_;
    if (selectedCount_ < 2) {
        host().playEffect(GameHost::Effect::Click);
        return;
    }
    judging_ = true;
    host().playEffect(GameHost::Effect::Click);
    judgePair();
    judging_ = false;
}

void MemoryRules::judgePair() {
    // The two turned cards in index order, whichever was clicked first.
    QList<int> turned;
    for (int i = 0; i < CardCount; ++i) {
        const Card& card = cards_[i];
        if (card.back != Back::Red && card.faceUp && !card.enabled) turned << i;
    }
    if (turned.size() != 2) {
        qCWarning(lcGames) << "memory: judging" << turned.size() << "turned cards";
        for (int i : turned)
            turnDown(cards_[i]);
        selectedCount_ = 0;
        return;
    }
    Card& a = cards_[turned[0]];
    Card& b = cards_[turned[1]];
    ++tryCount_;
    secondWord_ = b.word;
    selectedCount_ = 0;

    if (a.word != b.word) {
        // A slip of memory, not a wrong answer about either word: logged as neither, so it never shows as
        // missed nor brings a word back for practice.
        host().playEffect(GameHost::Effect::Lose);
        host().showMismatch(a.picture, b.picture, QStringLiteral("Sorry, "),
                            a.word + QStringLiteral(" and ") + b.word + QStringLiteral(" do not match."),
                            subjectTitle(), a.word, b.word);
        turnDown(a);
        turnDown(b);
        return;
    }

    const QString word = b.word;
    host().answerJudged(word, true, pairsFound_ + 1 < PairCount ? 0 : pointsLeft());
    host().playEffect(GameHost::Effect::Correct);
    speak(word);
    host().showResult(DialogPicture::file(b.picture), ResultTexts::wellDone(), ResultTexts::theWordIs(word),
                      subjectTitle(), word);
    a.back = b.back = Back::Red;
    if (++pairsFound_ < PairCount) return;

    const int points = pointsLeft();
    host().playEffect(GameHost::Effect::Congrats);
    host().showResult(DialogPicture::congrats(), QStringLiteral("Congratulations"),
                      u'!' + ResultTexts::youHaveWon(points), subjectTitle(), word);
    host().addScore(points);
    tryCount_ = 0;
    restart();
}

void MemoryRules::turnDown(Card& card) {
    card.faceUp = false;
    card.enabled = true;
}
