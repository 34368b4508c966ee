// msys_ABT: the about box with version, rights, credits, the maker's addresses and the update button.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

class msys_ABT : public QDialog {
    Q_OBJECT
public:
    explicit msys_ABT(QWidget* owner = nullptr);

    // The main window's About: the one box, modal over owner. Unload closes it when it is open.
    static void showModal(QWidget* owner);
    static void unload();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* lablVERSION;
    QLabel* lblCOPY;
    QLabel* lblCREATED;
    QTextEdit* textCREDITS;
    QLabel* lblWEBSITE;
    QLabel* lblEMAIL;
    QLabel* imgSOCIAL;
    QPushButton* btnUPDATE;
    QPushButton* btnCLOSE;
};
