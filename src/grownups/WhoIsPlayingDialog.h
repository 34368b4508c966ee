// WhoIsPlayingDialog: "Who is playing?": every player's picture and name, one click picks.
#pragma once

#include <QDialog>

class QToolButton;

class WhoIsPlayingDialog : public QDialog {
    Q_OBJECT
public:
    explicit WhoIsPlayingDialog(QWidget* parent = nullptr);

    // The player picked, or the current one when the dialog was closed without a pick.
    int chosenId() const { return chosen_; }
    QList<QToolButton*> playerButtons() const { return buttons_; }

    // Shows the dialog over the main window's child area; returns the id picked (or the current one).
    static int ask(QWidget* owner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int chosen_ = 0;
    QList<QToolButton*> buttons_;
};
