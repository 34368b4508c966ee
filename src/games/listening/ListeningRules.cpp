// ListeningRules: the listening game.
#include "games/listening/ListeningRules.h"

#include "catalogue/Catalogue.h"
#include "games/common/Draw.h"
#include "games/common/GamesLog.h"
#include "games/common/ResultTexts.h"
#include "games/common/WordSteps.h"

namespace {

// The word lblWORD shows after a deal: from the name up to its first dot, with the prefix test twice.
QString dealtTargetWord(const QString& name) {
    return WordSteps::dropOrderPrefix(Catalogue::WordFromPictureKey(Catalogue::PictureKey(name)));
}

} // namespace

ListeningRules::ListeningRules(const GameEnv& env)
    : GameRules(env), prompt_(QStringLiteral("What did you hear?")) {}

void ListeningRules::deal() {
    listSubject();
    const QStringList turn = Draw::turnFiles(
        random(), list_.names(), CardCount, [this](const QString& name) { return usable(name); },
        [](const QString& name) { return Catalogue::WordFromFileName(name); }, shownWord_);
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
        cards_[i] = {list_.pathOf(placed.at(i)), Catalogue::WordFromFileName(placed.at(i)), false};
    revealIndex_ = 0;
    revealing_ = true;
}

void ListeningRules::clearTable() {
    cards_ = {};
    targetWord_.clear();
    shownWord_.clear();
    mainPicture_.clear();
    revealIndex_ = 0;
    revealing_ = false;
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
        // With no picture of its own the dialog shows the first listed picture naming the word.
        run_.wrong(host(), DialogPicture::file(list_.firstContaining(target)), target, subjectTitle());
        deal();
    }
    browseIndex_ = index;
}

void ListeningRules::browsePrevious() {
    if (targetWord_.isEmpty()) return;
    browseIndex_ = browseIndex_ <= 0 ? CardCount - 1 : browseIndex_ - 1;
    clickCard(browseIndex_);
}

void ListeningRules::browseNext() {
    if (targetWord_.isEmpty()) return;
    browseIndex_ = browseIndex_ >= CardCount - 1 ? 0 : browseIndex_ + 1;
    clickCard(browseIndex_);
}

void ListeningRules::sayAnotherWord() {
    shownWord_.clear();
    prompt_ = QStringLiteral("Which picture did you hear?");
    mainPicture_.clear();
    // The language test looks at the name with its extension cut and its prefix dropped.
    const QStringList& names = list_.names();
    const auto stem = [&](int k) { return WordSteps::dropOrderPrefix(WordSteps::cutExtension(names.at(k))); };
    const int k = Draw::pickWhere(random(), int(names.size()), [&](int i) { return usable(stem(i)); });
    if (k < 0) return;
    targetWord_ = WordSteps::removeVariantTags(stem(k));
    speak(targetWord_);
}

void ListeningRules::playWord() {
    speak(shownWord_);
}
