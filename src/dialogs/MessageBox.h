// MessageBox: the program's own modal message box with a title, a description and one of three button bars.
#pragma once

#include "dialogs/MessageTexts.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QWidget;

class MessageBox : public QDialog {
    Q_OBJECT
public:
    explicit MessageBox(QWidget* owner = nullptr);

    // Fills the labels, shows the message's bar (all hidden for MessageBar::None) and its captions.
    void setMessage(const MessageText& text);
    // The first visible bar in the order yes/no/cancel, yes/no, information.
    MessageBar visibleBar() const;
    // The keyboard table: Escape, C, Y, N and O, by the visible bar.
    bool handleDialogKey(int key);

    // For a moment after it appears the box takes no answer, by key or click: a key or click meant for the
    // screen below must not answer a box that has just appeared over it.
    static constexpr int DefaultSettleMs = 1000;
    static void setSettleMs(int ms);
    bool settled() const { return settled_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void answer(qint32 result);
    QWidget* makeBar(const char* name, const QList<QPushButton*>& buttons);
    QPushButton* makeButton(const char* name, const QString& caption);

    QLabel* titleLabel_;
    QLabel* descriptionLabel_;
    QWidget* closeBar_;
    QWidget* yesNoBar_;
    QWidget* saveBar_;
    QPushButton* closeButton_;
    QPushButton* yesButton_[2];
    QPushButton* noButton_[2];
    QPushButton* cancelButton_;
    QPushButton* firstButton_ = nullptr;
    bool settled_ = false;
    bool settling_ = false;
};

// Modal, owned by `owner`; message numbers without a row show an empty box. `extra` fills the message's
// blank (the address a link could not open).
void showInfoMessage(int number, const QString& extra, QWidget* owner);
// Modal; 6, 7 or 2. A box closed by the window manager answers 2, never an earlier answer; a number
// without a row answers 2 without showing anything.
qint32 askQuestion(int number, QWidget* owner);

qint32 lastMessageResult();
void setLastMessageResult(qint32 value);
