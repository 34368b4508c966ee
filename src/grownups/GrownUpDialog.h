// GrownUpDialog: asks a grown-up to tap a number written in words before anything leaves the program.
#pragma once

#include "services/GrownUpCheck.h"
#include "dialogs/FramelessDialog.h"

class QLabel;
class QPushButton;

class GrownUpDialog : public FramelessDialog {
    Q_OBJECT
public:
    GrownUpDialog(const GrownUpCheck& check, QWidget* owner);

    // Modal over owner with a freshly drawn number; true only when every digit was right.
    static bool ask(QWidget* owner);

    const GrownUpCheck& check() const { return check_; }
    // The keypad's buttons in the order 0 to 9.
    QPushButton* digitButton(int digit) const { return digits_[digit]; }

protected:
    void enterPressed() override {}
    void keyPressEvent(QKeyEvent* event) override;

private:
    void enter(int digit);

    GrownUpCheck check_;
    QLabel* typedLabel_;
    QPushButton* digits_[10];
};
