// CardsRules: the flash cards game.
#include "games/cards/CardsRules.h"

#include "app/Random.h"
#include "catalogue/Catalogue.h"
#include "games/common/ResultTexts.h"
#include "games/common/WordSteps.h"

namespace {

// Random cards: the prefix is dropped before the tags are removed, so "ab type_uk" gives "type_uk".
QString drawRuleWord(const QString& name) {
    return WordSteps::removeVariantTags(WordSteps::dropOrderPrefix(WordSteps::cutExtension(name)));
}

} // namespace

CardsRules::CardsRules(const GameEnv& env) : GameRules(env) {
    listSubject();
}

void CardsRules::drawCard() {
    // Any picture, whatever its language, and the same card may come again at once.
    const int k = random().drawIndex(list_.count());
    if (!list_.has(k)) return;
    mainPicture_ = list_.path(k);
    cardWord_ = drawRuleWord(list_.name(k));
    shownWord_ = cardWord_;
}

void CardsRules::activate() {
    drawCard();
    cardTurned_ = false;
    correctCount_ = 0;
}

void CardsRules::showWord() {
    showVisible_ = false;
    turnCard();
}

void CardsRules::turnCard() {
    answerVisible_ = false;
    if (cardState_.isEmpty() || cardState_ == u"1") {
        cardState_ = QStringLiteral("0");
        cardTurned_ = true;
        cardWord_ = WordSteps::dropOrderPrefix(cardWord_);
        speak(cardWord_);
        answerVisible_ = true;
    } else {
        cardState_ = QStringLiteral("1");
        drawCard();
        cardTurned_ = false;
    }
}

void CardsRules::yes() {
    if (!cardTurned_ || !answerVisible_) return;
    if (correctCount_ == 10) {
        host().playEffect(GameHost::Effect::Congrats);
        host().showResult(DialogPicture::congrats(), ResultTexts::congratulations(),
                          ResultTexts::youHaveWon(10), QString(), QString());
        host().addScore(10);
        setCount(0);
    } else {
        host().playEffect(GameHost::Effect::Correct);
    }
    cardTurned_ = false;
    turnCard();
    showVisible_ = true;
    // The eleventh Yes that won also counts as the first of the next run.
    setCount(correctCount_ + 1);
}

void CardsRules::no() {
    if (!cardTurned_ || !answerVisible_) return;
    cardTurned_ = false;
    turnCard();
    showVisible_ = true;
    setCount(0);
    host().playEffect(GameHost::Effect::Lose);
}

void CardsRules::pass() {
    cardTurned_ = false;
    host().playEffect(GameHost::Effect::Click);
    cardState_ = QStringLiteral("1");
    drawCard();
    cardTurned_ = false;
    showVisible_ = true;
    setCount(0);
}

void CardsRules::setCount(int n) {
    correctCount_ = n;
    display_.show(n);
}

void CardsRules::loadCardsList() {
    listSubject();
    cache_ = {};
    int i = 0;
    for (const QString& name : list_.names()) {
        if (!usable(name)) continue;
        // Past the cache's last place the count still advances, as the browser's bound is the file count.
        if (i < CacheSize)
            cache_[i] = {list_.pathOf(name), Catalogue::WordFromPictureKey(Catalogue::PictureKey(name)),
                         true};
        ++i;
    }
}

void CardsRules::nextCard() {
    cardIndex_ = cardIndex_ < list_.count() - 1 ? cardIndex_ + 1 : 0;
    showLoadedCard(cardIndex_);
}

void CardsRules::showLoadedCard(int index) {
    if (index >= 0 && index < CacheSize) {
        const CachedCard& card = cache_[index];
        mainPicture_ = card.picture;
        shownWord_ = card.word;
        letterTag_ = card.word.left(1);
        letterCaption_ = letterTag_.toUpper() + u' ' + letterTag_.toLower();
    }
    cardTurned_ = false;
    cardIndex_ = index;
}

void CardsRules::playShownWord() {
    speak(shownWord_);
}
