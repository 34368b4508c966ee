// ChooseRules: the choose game.
#include "games/choose/ChooseRules.h"

#include "catalogue/Catalogue.h"
#include "games/common/Draw.h"
#include "games/common/GamesLog.h"
#include "games/common/ResultTexts.h"
#include "games/common/WordSteps.h"

namespace {

// The turn's word: from the name up to its first dot, with the prefix test twice.
QString dealtTargetWord(const QString& name) {
    return WordSteps::dropOrderPrefix(Catalogue::wordFromPictureKey(Catalogue::pictureKey(name)));
}

} // namespace

ChooseRules::ChooseRules(const GameEnv& env) : GameRules(env) {}

void ChooseRules::activate() {
    deal();
    run_.redraw();
}

void ChooseRules::deal() {
    for (Button& button : buttons_)
        button.visible = false;
    listSubject();
    pictureCount_ = list_.count();
    const QStringList turn = drawTurn(ButtonCount, turnWord_);
    if (turn.isEmpty()) {
        qCWarning(lcGames) << "choose: too few usable pictures in" << list_.folder();
        buttons_ = {};
        turnWord_.clear();
        mainPicture_.clear();
        revealIndex_ = 0;
        revealing_ = false;
        setNotice(ResultTexts::needsPictures(ButtonCount));
        return;
    }
    setNotice(QString());

    mainPicture_ = list_.pathOf(turn.first());
    turnWord_ = dealtTargetWord(turn.first());
    const QStringList placed = Draw::dealOut(random(), turn);
    for (int i = 0; i < ButtonCount; ++i)
        buttons_[i] = {Catalogue::wordFromFileName(placed.at(i)), false};
    revealIndex_ = 0;
    revealing_ = true;
}

bool ChooseRules::revealTick() {
    if (!revealing_) return false;
    if (revealIndex_ < ButtonCount) {
        buttons_[revealIndex_++].visible = true;
        host().playSoundFile(wordSoundPath(QStringLiteral("1")));
    }
    revealing_ = revealIndex_ < ButtonCount;
    return revealing_;
}

void ChooseRules::clickButton(int index) {
    // Only a shown button can be clicked.
    if (index < 0 || index >= ButtonCount || !buttons_[index].visible) return;
    const QString word = turnWord_;
    const DialogPicture picture = DialogPicture::file(mainPicture_);
    if (buttons_[index].word == word) {
        const bool won = run_.right(host(), picture, word, wordSoundPath(word), subjectTitle());
        // After the tenth the picture and buttons stay until Pass.
        if (!won) deal();
    } else {
        run_.wrong(host(), picture, word, subjectTitle());
        deal();
    }
}

void ChooseRules::pass() {
    run_.reset();
    host().playEffect(GameHost::Effect::Click);
    deal();
}

void ChooseRules::playWord() {
    speak(turnWord_);
}
