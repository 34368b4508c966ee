// ListeningRules: the listening game.
#include "games/listening/ListeningRules.h"

#include "app/Random.h"
#include "catalogue/Catalogue.h"
#include "games/common/Draw.h"
#include "games/common/GamesLog.h"
#include "games/common/ResultTexts.h"
#include "games/common/WordSteps.h"

namespace {

// The word wordLabel_ shows after a deal: from the name up to its first dot, with the prefix test twice.
QString dealtTargetWord(const QString& name) {
    return WordSteps::dropOrderPrefix(Catalogue::wordFromPictureKey(Catalogue::pictureKey(name)));
}

} // namespace

ListeningRules::ListeningRules(const GameEnv& env)
    : GameRules(env), prompt_(QStringLiteral("What did you hear?")) {}

void ListeningRules::deal() {
    listSubject();
    const QStringList turn = drawTurn(CardCount, shownWord_);
    if (turn.isEmpty()) {
        qCWarning(lcGames) << "listening: too few usable pictures in" << list_.folder();
        clearTable();
        setNotice(ResultTexts::needsPictures(CardCount));
        return;
    }
    setNotice(QString());

    const QString& target = turn.first();
    mainPicture_ = list_.pathOf(target);
    shownWord_ = targetWord_ = dealtTargetWord(target);

    const QStringList placed = Draw::dealOut(random(), turn);
    for (int i = 0; i < CardCount; ++i)
        cards_[i] = {list_.pathOf(placed.at(i)), Catalogue::wordFromFileName(placed.at(i)), false};
    revealIndex_ = 0;
    revealing_ = true;
    highlighted_ = -1;
}

void ListeningRules::clearTable() {
    cards_ = {};
    targetWord_.clear();
    shownWord_.clear();
    mainPicture_.clear();
    revealIndex_ = 0;
    revealing_ = false;
    highlighted_ = -1;
}

bool ListeningRules::revealTick() {
    if (!revealing_) return false;
    if (revealIndex_ < CardCount) {
        cards_[revealIndex_++].visible = true;
        return true;
    }
    revealing_ = false;
    playWord();
    return false;
}

void ListeningRules::clickCard(int index) {
    if (targetWord_.isEmpty() || index < 0 || index >= CardCount) return;
    const Card card = cards_[index];
    selectVisible_ = true;
    mainPicture_ = card.picture;
    shownWord_ = card.word;

    if (card.word == targetWord_) {
        const bool won = run_.right(host(), DialogPicture::file(mainPicture_), card.word,
                                    wordSoundPath(card.word), subjectTitle());
        // After the tenth the cards stay until Pass.
        if (!won) deal();
    } else {
        const QString target = targetWord_;
        mainPicture_.clear();
        run_.wrong(host(), DialogPicture::file(targetPicture()), target, subjectTitle());
        deal();
    }
}

void ListeningRules::stepHighlight(int step) {
    if (targetWord_.isEmpty() || revealing_) return;
    highlighted_ = highlighted_ < 0 ? (step > 0 ? 0 : CardCount - 1) : (highlighted_ + step + CardCount) % CardCount;
    speak(cards_[highlighted_].word);
}

void ListeningRules::browsePrevious() {
    stepHighlight(-1);
}

void ListeningRules::browseNext() {
    stepHighlight(+1);
}

void ListeningRules::answerHighlighted() {
    if (highlighted_ >= 0 && !revealing_) clickCard(highlighted_);
}

void ListeningRules::sayAnotherWord() {
    shownWord_.clear();
    prompt_ = QStringLiteral("Which picture did you hear?");
    mainPicture_.clear();
    // A word the learner can find: one of the cards on the table, another than the one just asked when
    // there is another.
    QList<int> others, all;
    for (int i = 0; i < CardCount; ++i) {
        if (cards_[i].word.isEmpty()) continue;
        all << i;
        if (cards_[i].word != targetWord_) others << i;
    }
    const QList<int>& choices = others.isEmpty() ? all : others;
    if (choices.isEmpty()) return;
    targetWord_ = cards_[choices.at(random().drawIndex(int(choices.size())))].word;
    speak(targetWord_);
}

QString ListeningRules::targetPicture() const {
    for (const Card& card : cards_)
        if (card.word == targetWord_) return card.picture;
    return list_.pictureOf(targetWord_);
}

void ListeningRules::playWord() {
    speak(shownWord_);
}
