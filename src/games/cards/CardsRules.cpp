// CardsRules: the flash cards game.
#include "games/cards/CardsRules.h"

#include "catalogue/Catalogue.h"
#include "games/common/ResultTexts.h"

CardsRules::CardsRules(const GameEnv& env) : GameRules(env) {
    listCards();
}

void CardsRules::listCards() {
    listSubject();
    cards_.clear();
    // Only cards of the learner's English: a British child never meets "color", nor a blank card.
    for (const QString& name : list_.names())
        if (usable(name)) cards_.append({list_.pathOf(name), Catalogue::wordFromFileName(name), name});
    current_ = -1;
    turned_ = false;
}

const QString& CardsRules::mainPicture() const {
    static const QString none;
    return current_ >= 0 ? cards_.at(current_).picture : none;
}

const QString& CardsRules::cardWord() const {
    static const QString none;
    return current_ >= 0 ? cards_.at(current_).word : none;
}

QString CardsRules::letterCaption() const {
    const QString& word = cardWord();
    if (word.isEmpty()) return QStringLiteral(" ");
    const QString first = word.left(1);
    return first.toUpper() + u' ' + first.toLower();
}

void CardsRules::putOnTable(int index) {
    current_ = index;
    turned_ = false;
}

// A card whose picture turns out damaged leaves the list; current_ stays on the card it was on.
bool CardsRules::keepIfShown(int index) {
    if (picturesShow({cards_.at(index).name})) return true;
    cards_.removeAt(index);
    if (current_ == index) current_ = -1;
    else if (current_ > index) --current_;
    return false;
}

void CardsRules::drawCard() {
    for (;;) {
        const int n = int(cards_.size());
        if (n == 0) {
            putOnTable(-1);
            return;
        }
        // Never the card just seen again, when there is another.
        const int k = draw().pickOther(n, current_, [this](int i) { return cards_.at(i).word; });
        if (keepIfShown(k)) {
            putOnTable(k);
            return;
        }
    }
}

void CardsRules::activate() {
    drawCard();
    setCount(0);
}

void CardsRules::showWord() {
    if (current_ < 0 || turned_) return;
    turned_ = true;
    speak(cardWord());
}

void CardsRules::yes() {
    if (!turned_) return;
    setCount(correctCount() + 1);
    host().answerJudged(cardWord(), true, correctCount() >= Goal ? Goal : 0);
    if (correctCount() < Goal) {
        host().playEffect(GameHost::Effect::Correct);
    } else {
        // The full meter stays behind the congratulations; the next run starts after it.
        host().playEffect(GameHost::Effect::Congrats);
        host().showResult(DialogPicture::congrats(), ResultTexts::congratulations(),
                          ResultTexts::youHaveWon(Goal), QString(), QString());
        host().addScore(Goal);
        setCount(0);
    }
    drawCard();
}

void CardsRules::no() {
    if (!turned_) return;
    host().answerJudged(cardWord(), false, 0);
    drawCard();
    setCount(0);
    host().playEffect(GameHost::Effect::Lose);
}

void CardsRules::pass() {
    host().playEffect(GameHost::Effect::Click);
    drawCard();
    setCount(0);
}

void CardsRules::loadCardsList() {
    listCards();
    drawCard();
}

void CardsRules::step(int by) {
    for (;;) {
        const int n = int(cards_.size());
        if (n == 0) {
            putOnTable(-1);
            return;
        }
        const int k = current_ < 0 ? (by > 0 ? 0 : n - 1) : (current_ + by + n) % n;
        if (keepIfShown(k)) {
            putOnTable(k);
            return;
        }
    }
}

void CardsRules::previousCard() {
    step(-1);
}

void CardsRules::nextCard() {
    step(+1);
}

void CardsRules::playShownWord() {
    speak(cardWord());
}
