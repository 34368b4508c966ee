// WordDraw: the games' word draw, uniform or practising.
#include "games/common/WordDraw.h"

#include "app/Random.h"
#include "games/common/Draw.h"
#include "games/common/PracticeSource.h"
#include "games/common/WordSteps.h"

#include <QList>

namespace {

// Best first. LearnedTurn is the turn in LearnedOneIn that refreshes a learned word.
enum Tier { MissedBack, LearnedTurn, Due, New, NotDue, Learned, TooSoon };

// Days a word rests in its box before it is due again; a box-1 word is due every sitting.
constexpr int WaitDays[WordState::TopBox] = {0, 0, 1, 2, 4};
// Turns a word rests in its box within a sitting, so a long sitting keeps every word it has met fresh.
constexpr int RestTurns[WordState::TopBox] = {0, 8, 12, 24, 36};

} // namespace

struct WordDraw::Rank {
    int tier = TooSoon;
    int box = 0;
    qint64 key = 0; // earlier first: a turn of this sitting, or a time of an earlier one
    auto operator<=>(const Rank&) const = default;
};

WordDraw::WordDraw(RandomSource& random, PracticeSource* source) : random_(random), source_(source) {}

void WordDraw::follow(const QString& subject) {
    if (!source_ || !source_->enabled()) {
        // Switched on again later, the states are read afresh: answers meanwhile were not followed.
        practising_ = false;
        loaded_.clear();
        return;
    }
    const int player = source_->player();
    const QString key = QString::number(player) + u'/' + subject;
    if (key != loaded_) {
        states_ = source_->load(player, subject);
        loaded_ = key;
        turn_ = 0;
        askedTurn_.clear();
        missedTurn_.clear();
    }
    practising_ = true;
}

WordDraw::Rank WordDraw::rank(const QString& word, bool learnedTurn, qint64 today) const {
    const WordState s = states_.value(word);
    const auto asked = askedTurn_.constFind(word);
    const bool askedNow = asked != askedTurn_.constEnd();
    if (askedNow && turn_ - *asked < MissSpacing) return {TooSoon, 0, *asked};
    if (const auto missed = missedTurn_.constFind(word); missed != missedTurn_.constEnd())
        return {MissedBack, 0, *missed};
    if (!s.met()) return {New, 0, 0};
    const int box = qBound(1, s.box, WordState::TopBox);
    if (s.learned()) return {learnedTurn ? LearnedTurn : Learned, 0, askedNow ? *asked : s.lastAtMs};
    if (askedNow)
        return {turn_ - *asked >= RestTurns[box] ? Due : NotDue, box, *asked};
    // Not asked yet in this sitting: due when its box's days are over, and in any case once the sitting
    // is long enough that the word would have rested its turns. Earlier sittings' words come first.
    const qint64 earlier = s.lastAtMs - (qint64(1) << 50);
    if (today - WordState::dayOf(s.lastAtMs) >= WaitDays[box] || turn_ > RestTurns[box])
        return {Due, box, earlier};
    return {NotDue, box, earlier};
}

int WordDraw::pick(int n, const std::function<bool(int)>& accept, const std::function<QString(int)>& wordOf) {
    if (!practising_) return Draw::pickWhere(random_, n, accept);
    QList<int> accepted;
    QStringList words;
    bool anyLearned = false;
    for (int i = 0; i < n; ++i) {
        if (!accept(i)) continue;
        accepted << i;
        words << wordOf(i);
        anyLearned = anyLearned || states_.value(words.last()).learned();
    }
    if (accepted.isEmpty()) return -1;
    ++turn_;
    const bool learnedTurn = anyLearned && random_.drawIndex(LearnedOneIn) == 0;
    const qint64 today = WordState::dayOf(source_->nowMs());
    QList<int> best;
    Rank bestRank;
    for (qsizetype i = 0; i < accepted.size(); ++i) {
        const Rank r = rank(words.at(i), learnedTurn, today);
        if (best.isEmpty() || r < bestRank) {
            best = {int(i)};
            bestRank = r;
        } else if (r == bestRank) {
            best << int(i);
        }
    }
    const int chosen = best.at(random_.drawIndex(int(best.size())));
    askedTurn_.insert(words.at(chosen), turn_);
    return accepted.at(chosen);
}

QStringList WordDraw::turnFiles(const QStringList& names, int size,
                                const std::function<bool(const QString&)>& usable,
                                const std::function<QString(const QString&)>& wordOf, const QString& avoidWord) {
    if (!practising_) return Draw::turnFiles(random_, names, size, usable, wordOf, avoidWord);
    if (size <= 0 || Draw::countUsable(names, usable) < size) return {};
    const int n = int(names.size());
    const auto word = [&](int k) { return wordOf(names.at(k)); };
    int target = pick(n, [&](int k) { return usable(names.at(k)) && word(k) != avoidWord; }, word);
    // Only files with the word on show are left: showing it again beats never dealing.
    if (target < 0) target = pick(n, [&](int k) { return usable(names.at(k)); }, word);
    return Draw::completeTurn(random_, names, size, usable, names.at(target));
}

int WordDraw::pickOther(int n, int current, const std::function<QString(int)>& wordOf) {
    if (n <= 0) return -1;
    if (!practising_) {
        // With no entry current yet every entry may come; otherwise one of the n - 1 others.
        if (current < 0 || current >= n || n == 1) return random_.drawIndex(n);
        const int k = random_.drawIndex(n - 1);
        return k >= current ? k + 1 : k;
    }
    return pick(n, [&](int k) { return n == 1 || k != current; }, wordOf);
}

int WordDraw::pickPuzzle(const QStringList& names, const std::function<bool(const QString&)>& usable,
                         const QString& lastWord, const std::function<bool(const QString&)>& playable) {
    // The first entry of the listing is never the word.
    const auto word = [&](int i) { return WordSteps::puzzleWord(names.at(i)); };
    return pick(
        int(names.size()),
        [&](int i) {
            if (i == 0 || WordSteps::cutExtension(names.at(i)).isEmpty() || !usable(names.at(i))) return false;
            const QString w = word(i);
            return w != lastWord && playable(w);
        },
        word);
}

void WordDraw::judged(const QString& word, bool right) {
    if (!practising_ || word.isEmpty()) return;
    states_[word].apply(right, source_->nowMs());
    if (right)
        missedTurn_.remove(word);
    else
        missedTurn_.insert(word, turn_);
}
