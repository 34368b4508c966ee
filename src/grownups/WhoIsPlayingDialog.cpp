// WhoIsPlayingDialog: big pictures on a warm sunny card, so a child who cannot read yet finds their own.
#include "grownups/WhoIsPlayingDialog.h"

#include "app/ChildFont.h"
#include "audio/SoundModule.h"
#include "players/PlayerRegistry.h"
#include "grownups/PlayerFace.h"
#include "forms/Forms.h"

#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int FaceSide = 128;
}

WhoIsPlayingDialog::WhoIsPlayingDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("WhoIsPlayingDialog"));
    setWindowTitle(QStringLiteral("Who is playing?"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // It covers the child area, where the screens a child plays on are.
    if (QWidget* area = forms().childArea()) setFixedSize(area->size());
    chosen_ = playerRegistry().currentId();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    auto* title = new QLabel(QStringLiteral("Who is playing?"), this);
    title->setObjectName(QStringLiteral("whoIsPlayingTitle"));
    QFont titleFont(ChildFont::family());
    titleFont.setPixelSize(40);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: #8a3b00;"));
    layout->addWidget(title);

    auto* grid = new QGridLayout;
    grid->setSpacing(14);
    const QList<Player> players = playerRegistry().players();
    // Up to six in a row; twelve players still fit the window in two rows.
    const int columns = players.size() <= 4 ? int(players.size()) : (int(players.size()) + 1) / 2;
    const int side = players.size() <= 6 ? FaceSide + 32 : FaceSide;
    QFont nameFont(ChildFont::family());
    nameFont.setPixelSize(22);
    nameFont.setBold(true);
    for (int i = 0; i < players.size(); ++i) {
        const Player& player = players.at(i);
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("player%1").arg(player.id));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(QIcon(PlayerFace::face(player, side, devicePixelRatioF())));
        button->setIconSize(QSize(side, side));
        // A long name is shortened on the button; the whole name is in the tooltip.
        button->setText(QFontMetrics(nameFont).elidedText(player.name, Qt::ElideRight, side + 24));
        button->setToolTip(player.name);
        button->setFont(nameFont);
        button->setCursor(Qt::PointingHandCursor);
        button->setFixedSize(side + 40, side + 62);
        button->setStyleSheet(QStringLiteral(
            "QToolButton { background: rgba(255,255,255,150); border: 3px solid #ffb347; border-radius: 22px;"
            " color: #6b2d00; padding: 6px; }"
            "QToolButton:hover, QToolButton:focus { background: white; border-color: #ff7a00; }"));
        const int id = player.id;
        connect(button, &QToolButton::clicked, this, [this, id] {
            playClick();
            chosen_ = id;
            accept();
        });
        grid->addWidget(button, i / qMax(1, columns), i % qMax(1, columns), Qt::AlignCenter);
        buttons_ << button;
        // Enter keeps the child playing now.
        if (id == chosen_) button->setFocus();
    }
    layout->addStretch(1);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void WhoIsPlayingDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(255, 236, 179));
    sky.setColorAt(1, QColor(255, 196, 120));
    p.fillRect(rect(), sky);
    p.setPen(QPen(QColor(255, 150, 50), 4));
    p.drawRect(rect().adjusted(2, 2, -2, -2));
}

int WhoIsPlayingDialog::ask(QWidget* owner) {
    WhoIsPlayingDialog dialog(owner);
    if (QWidget* area = forms().childArea()) dialog.move(area->mapToGlobal(QPoint(0, 0)));
    dialog.exec();
    return dialog.chosenId();
}
