// MemoryWindow: the memory game window.
#include "games/memory/MemoryWindow.h"

#include <QSet>

#include "controls/ImageButton.h"
#include "games/common/GameButtons.h"
#include "games/common/LevelMeter.h"
#include "games/memory/MemoryCard.h"

MemoryWindow::MemoryWindow(QWidget* parent)
    : GameWindow(QStringLiteral("MemoryWindow"), GameNumber, QStringLiteral("memory game"), parent),
      rules_(env()) {
    setRevealInterval(DealMs);
    // The counter shows points left; no meter goes with it here.
    meter()->hide();

    for (int i = 0; i < MemoryRules::CardCount; ++i) {
        const QRect r = MemoryRules::cardRect(i);
        auto* card = new MemoryCard(i, this);
        card->setGeometry(inside(twips(r.x(), r.y(), r.width(), r.height())));
        card->hide();
        trackHover(card);
        connect(card, &MemoryCard::clicked, this, [this](int index) {
            hideFrame();
            act([this, index] { rules_.clickCard(index); });
        });
        cards_[i] = card;
    }

    passButton_ =
        GameButtons::make(this, QStringLiteral("passButton"), QStringLiteral("Pass >"), GameButtons::passRect());
    trackHover(passButton_);
    connect(passButton_, &ImageButton::clicked, this, [this] { act([this] { rules_.pass(); }); });

    // A game is chosen and dealt as the window loads.
    rules_.restart();
    refresh();
}

void MemoryWindow::startFromMenu() {
    act([this] {
        rules_.loadPictureList();
        rules_.startNewGame();
    });
}

void MemoryWindow::startFromSubjectChoice() {
    act([this] { rules_.startNewGame(); });
}

RunDisplay MemoryWindow::runDisplay() const {
    return RunDisplay{rules_.pointsLeft(), MemoryRules::StartPoints, 0};
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
        card->setEnabled(c.enabled);
        if (takesClicks && c.enabled)
            card->setCursor(Qt::PointingHandCursor);
        else
            card->unsetCursor();
        card->setVisible(c.shown);
    }
}
