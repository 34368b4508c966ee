// msys_ABT: the about box with version, rights, credits, the maker's addresses and the update button.
#pragma once

#include <QDialog>

class ClickLabel;
class QLabel;
class QTextEdit;
class uctl_BTN;

class msys_ABT : public QDialog {
    Q_OBJECT
public:
    explicit msys_ABT(QWidget* owner = nullptr);

    // The main window's About: the one box, modal over owner. Unload closes it when it is open.
    static void showModal(QWidget* owner);
    static void unload();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* lablVERSION;
    QLabel* lblCOPY;
    QLabel* lblCREATED;
    QTextEdit* textCREDITS;
    QLabel* lblARTWORK;
    ClickLabel* lblWEBSITE;
    ClickLabel* lblEMAIL;
    ClickLabel* imgSOCIAL;
    uctl_BTN* btnUPDATE;
    uctl_BTN* btnCLOSE;
};
