// MemoryWindow: the memory game window.
#include "games/memory/MemoryWindow.h"

#include <QKeyEvent>
#include <QSet>

#include "controls/ImageButton.h"
#include "controls/KeyMoves.h"
#include "games/common/GameButtons.h"
#include "games/memory/MemoryCard.h"

namespace {
// The board in twips: where its first card lies, a card's size, and the steps to the next column and row.
constexpr int BoardLeft = 810;
constexpr int BoardTop = 2790;
constexpr int CardWidth = 2085;
constexpr int CardHeight = 1725;
constexpr int ColumnStep = 2160;
constexpr int RowStep = 1980;

// Card i's place on the board, left to right and top to bottom. The rules put the first of each pair on
// the first half of the cards; a fixed scatter keeps the twins from lying where a child would learn to look.
std::array<int, MemoryBoard::CardCount> scatteredPlaces() {
    std::array<int, MemoryBoard::CardCount> places{};
    for (int i = 0; i < MemoryBoard::CardCount; ++i) places[i] = i;
    quint32 state = 20240611;
    for (int i = MemoryBoard::CardCount - 1; i > 0; --i) {
        state = state * 1664525u + 1013904223u;
        std::swap(places[i], places[(state >> 8) % quint32(i + 1)]);
    }
    return places;
}
} // namespace

QRect MemoryWindow::cardRect(int index) {
    static const auto places = scatteredPlaces();
    if (index < 0 || index >= MemoryBoard::CardCount) return {};
    const int place = places[index];
    return twips(BoardLeft + place % MemoryBoard::Columns * ColumnStep, BoardTop + place / MemoryBoard::Columns * RowStep,
                 CardWidth, CardHeight);
}

MemoryWindow::MemoryWindow(const GameDescriptor& game, QWidget* parent)
    : GameWindow(game, parent),
      rules_(env()) {
    setRevealInterval(DealMs);
    // The counter shows points left; the meter the pairs found, filling as every game's does.

    // Made in their places' order, row by row, which is then the order Tab takes.
    QList<QRect> places;
    for (int i = 0; i < MemoryRules::CardCount; ++i) places << cardRect(i);
    for (const int i : KeyMoves::readingOrder(places)) {
        auto* card = new MemoryCard(i, this);
        card->setGeometry(inside(cardRect(i)));
        card->hide();
        trackHover(card);
        connect(card, &MemoryCard::clicked, this, [this](int index) {
            hideFrame();
            act([this, index] { rules_.clickCard(index); });
        });
        cards_[i] = card;
        boardOrder_ << card;
    }

    passButton_ =
        GameButtons::make(this, QStringLiteral("passButton"), QStringLiteral("Pass >"), GameButtons::passRect());
    trackHover(passButton_);
    connect(passButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.pass(); }); });

    // A game is chosen and dealt as the window loads.
    rules_.restart();
    refresh();
}

void MemoryWindow::keyPressEvent(QKeyEvent* event) {
    if (!KeyMoves::moveFocus(boardOrder_, event)) GameWindow::keyPressEvent(event);
}

void MemoryWindow::startFromMenu() {
    startListed(rules_);
}

void MemoryWindow::startFromSubjectChoice() {
    act([this] { rules_.startNewGame(); });
}

RunDisplay MemoryWindow::runDisplay() const {
    return RunDisplay{rules_.pointsLeft(), MemoryRules::StartPoints,
                      progressTenths(rules_.pairsFound(), MemoryRules::PairCount)};
}

const QPixmap& MemoryWindow::cardPicture(const QString& path) {
    static const QPixmap none;
    if (path.isEmpty()) return none;
    if (!pictures_.contains(path)) {
        // A new deal: its six pictures are decoded side by side, and the old ones let go.
        QSet<QString> wanted;
        for (const MemoryRules::Card& c : rules_.cards())
            if (!c.picture.isEmpty()) wanted.insert(c.picture);
        const QStringList paths(wanted.begin(), wanted.end());
        const QList<QPixmap> decoded = pictures(paths, MemoryCard::pictureBox(cards_[0]->size()));
        pictures_.clear();
        for (qsizetype i = 0; i < paths.size() && i < decoded.size(); ++i)
            pictures_.insert(paths[i], decoded[i]);
        if (!pictures_.contains(path)) pictures_.insert(path, QPixmap());
    }
    return pictures_[path];
}

void MemoryWindow::redraw() {
    const bool takesClicks = rules_.playing() && !rules_.judging();
    const auto& cards = rules_.cards();
    for (int i = 0; i < MemoryRules::CardCount; ++i) {
        const MemoryRules::Card& c = cards[i];
        MemoryCard* card = cards_[i];
        const Rgb back = MemoryRules::backColour(c.back);
        card->setBack(QColor(back.red, back.green, back.blue));
        // Every picture of the deal is ready before the first card turns.
        const QPixmap& picture = cardPicture(c.picture);
        card->setFace(c.faceUp, c.faceUp ? picture : QPixmap());
        const bool matched = c.back == MemoryRules::Back::Red;
        card->setMatched(matched);
        card->setAccessibleName(QStringLiteral("Card %1 of %2, %3")
                                    .arg(boardOrder_.indexOf(card) + 1)
                                    .arg(MemoryRules::CardCount)
                                    .arg(matched     ? QStringLiteral("found")
                                         : c.faceUp ? QStringLiteral("turned up")
                                                    : QStringLiteral("face down")));
        // A turned card takes no click (the rules refuse it) but keeps the focus, so a child's next arrow
        // starts from the card they just turned; only found cards leave the keyboard's way.
        card->setEnabled(c.enabled || (c.faceUp && !matched));
        if (takesClicks && c.enabled)
            card->setCursor(Qt::PointingHandCursor);
        else
            card->unsetCursor();
        card->setVisible(c.shown);
    }
}
