// GrownUpDialog: asks a grown-up to tap a number written in words before anything leaves the program.
#pragma once

#include "services/GrownUpCheck.h"
#include "dialogs/FramelessDialog.h"

class QLabel;
class QPushButton;
class QTimer;

class GrownUpDialog : public FramelessDialog {
    Q_OBJECT
public:
    // What the question guards, said above the number.
    enum class Reason { LeavesTheProgram, GrownUpsWindow, ClearsHighScore };

    GrownUpDialog(const GrownUpCheck& check, QWidget* owner, Reason reason = Reason::LeavesTheProgram);

    // Modal over owner with a freshly drawn number; true only when every digit was right. A wrong digit
    // keeps it open with the keys resting for the program's pause, then a new number comes.
    static bool ask(QWidget* owner, Reason reason = Reason::LeavesTheProgram);

    const GrownUpCheck& check() const { return check_; }
    // The keypad's buttons in the order 0 to 9.
    QPushButton* digitButton(int digit) const { return digits_[digit]; }
    // The keys rest after a wrong answer; the timer counts the wait down on screen.
    bool waiting() const { return waiting_; }
    QTimer* waitTimer() const { return waitTimer_; }

protected:
    void enterPressed() override {}
    void keyPressEvent(QKeyEvent* event) override;

private:
    void enter(int digit);
    void showTyped();
    // The question while the pause allows it, else the wait and how long it still lasts.
    void showQuestionOrWait();

    GrownUpCheck check_;
    QString prompt_;
    QLabel* promptLabel_;
    QLabel* numberLabel_;
    QLabel* typedLabel_;
    QPushButton* digits_[10];
    QTimer* waitTimer_;
    bool waiting_ = false;
};
