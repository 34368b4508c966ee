// PlayersDialog: for grown-ups: add, rename, re-picture and remove the players.
#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

class PlayersDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlayersDialog(QWidget* parent = nullptr);

    QListWidget* playerList() const { return list_; }

    // Each asks what it needs (a name, a picture, a yes); the name is asked again until it fits.
    void addPlayer();
    void renamePlayer();
    void choosePicture();
    void removePlayer();

private:
    void refresh(int selectId = 0);
    int selectedId() const;
    // Empty when the grown-up cancelled.
    QString askName(const QString& title, const QString& start, int exceptId);

    QListWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* picture_ = nullptr;
    QPushButton* remove_ = nullptr;
};
