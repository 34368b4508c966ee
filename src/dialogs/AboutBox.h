// AboutBox: the about box with version, rights, credits, the maker's addresses and the update button.
#pragma once

#include <QDialog>

class ClickLabel;
class QLabel;
class QTextEdit;
class ImageButton;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* owner = nullptr);

    // The main window's About: the one box, modal over owner. Unload closes it when it is open.
    static void showModal(QWidget* owner);
    static void unload();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* versionLabel_;
    QLabel* copyrightLabel_;
    QLabel* madeByLabel_;
    QTextEdit* creditsBox_;
    QLabel* artworkLabel_;
    ClickLabel* websiteLink_;
    ClickLabel* emailLink_;
    ClickLabel* socialLink_;
    ImageButton* updateButton_;
    ImageButton* closeButton_;
};
