// PlayersDialog: the list of players with their faces; removing asks first and says what is lost.
#include "grownups/PlayersDialog.h"

#include "players/AnswerHistory.h"
#include "players/AnswerLog.h"
#include "players/PlayerRegistry.h"
#include "catalogue/HomeSubjects.h"
#include "grownups/PicturePickerDialog.h"
#include "grownups/PlayerFace.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

PlayersDialog::PlayersDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PlayersDialog"));
    setWindowTitle(QStringLiteral("Players"));
    resize(480, 420);
    auto* layout = new QHBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("playerList"));
    list_->setIconSize(QSize(48, 48));
    QFont font = list_->font();
    font.setPointSize(font.pointSize() + 2);
    list_->setFont(font);
    layout->addWidget(list_, 1);

    auto* column = new QVBoxLayout;
    auto addButton = [&](const QString& text, void (PlayersDialog::*handler)()) {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        column->addWidget(button);
        return button;
    };
    add_ = addButton(QStringLiteral("&Add…"), &PlayersDialog::addPlayer);
    rename_ = addButton(QStringLiteral("Re&name…"), &PlayersDialog::renamePlayer);
    picture_ = addButton(QStringLiteral("&Picture…"), &PlayersDialog::choosePicture);
    remove_ = addButton(QStringLiteral("&Remove…"), &PlayersDialog::removePlayer);
    column->addStretch(1);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(close);
    layout->addLayout(column);
    connect(list_, &QListWidget::itemDoubleClicked, this, &PlayersDialog::renamePlayer);
    refresh(playerRegistry().currentId());
}

void PlayersDialog::refresh(int selectId) {
    list_->clear();
    const QList<Player> players = playerRegistry().players();
    for (const Player& player : players) {
        auto* item = new QListWidgetItem(QIcon(PlayerFace::face(player, 48, devicePixelRatioF())),
                                         player.name, list_);
        item->setData(Qt::UserRole, player.id);
        if (player.id == selectId) list_->setCurrentItem(item);
    }
    if (!list_->currentItem() && list_->count() > 0) list_->setCurrentRow(0);
    add_->setEnabled(players.size() < PlayerRegistry::MaxPlayers);
    remove_->setEnabled(players.size() > 1);
}

int PlayersDialog::selectedId() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

QString PlayersDialog::askName(const QString& title, const QString& start, int exceptId) {
    QString name = start;
    for (;;) {
        bool ok = false;
        name = QInputDialog::getText(this, title, QStringLiteral("First name:"), QLineEdit::Normal, name, &ok);
        if (!ok) return QString();
        const auto check = playerRegistry().checkName(name, exceptId);
        if (check == PlayerRegistry::NameCheck::Fine) return PlayerRegistry::cleanName(name);
        QMessageBox::information(this, title, PlayerRegistry::problemText(check));
    }
}

void PlayersDialog::addPlayer() {
    const QString name = askName(QStringLiteral("New player"), QString(), 0);
    if (name.isEmpty()) return;
    PicturePickerDialog picker(QString(), this);
    picker.setWindowTitle(QStringLiteral("A picture for %1").arg(name));
    const QString picture = picker.exec() == QDialog::Accepted ? picker.picture() : QString();
    const int id = playerRegistry().add(name, picture);
    if (id == 0) QMessageBox::warning(this, QStringLiteral("New player"), QStringLiteral("The player could not be saved."));
    refresh(id);
}

void PlayersDialog::renamePlayer() {
    const int id = selectedId();
    if (id == 0) return;
    const QString name = askName(QStringLiteral("Rename"), playerRegistry().player(id).name, id);
    if (!name.isEmpty()) playerRegistry().rename(id, name);
    refresh(id);
}

void PlayersDialog::choosePicture() {
    const int id = selectedId();
    if (id == 0) return;
    const Player player = playerRegistry().player(id);
    PicturePickerDialog picker(player.picture, this);
    picker.setWindowTitle(QStringLiteral("A picture for %1").arg(player.name));
    if (picker.exec() == QDialog::Accepted) playerRegistry().setPicture(id, picker.picture());
    refresh(id);
}

void PlayersDialog::removePlayer() {
    const int id = selectedId();
    if (id == 0 || playerRegistry().count() <= 1) return;
    const Player player = playerRegistry().player(id);
    int answers = 0;
    if (AnswerLog* log = answerLog()) {
        log->waitUntilWritten(500);
        AnswerHistory history(log->databasePath());
        for (const auto& subject : history.subjects(id))
            answers += subject.answers;
    }
    QMessageBox ask(QMessageBox::Question, QStringLiteral("Remove a player"),
                    QStringLiteral("Remove %1?").arg(player.name), QMessageBox::NoButton, this);
    ask.setInformativeText(QStringLiteral("%1's high scores and the record of %2 answer%3 will be lost. This "
                                          "cannot be undone.")
                               .arg(player.name)
                               .arg(answers)
                               .arg(answers == 1 ? QString() : QStringLiteral("s")));
    QPushButton* remove = ask.addButton(QStringLiteral("Remove"), QMessageBox::DestructiveRole);
    ask.addButton(QMessageBox::Cancel);
    ask.setDefaultButton(QMessageBox::Cancel);
    ask.exec();
    if (ask.clickedButton() != remove) return;
    QStringList subjects;
    for (const HomeSubject& subject : HomeSubjects)
        subjects << QLatin1String(subject.name);
    if (playerRegistry().remove(id, subjects) && answerLog()) answerLog()->forgetPlayer(id);
    refresh(playerRegistry().currentId());
}
