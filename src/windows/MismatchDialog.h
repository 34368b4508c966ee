// msg_LOS: the mismatch dialog: two pictures, each with a button that speaks its word, and a message.
#pragma once

#include "windows/FramelessDialog.h"

class ClickLabel;
class QLabel;
class uctl_BTN;

class msg_LOS : public FramelessDialog {
    Q_OBJECT
public:
    explicit msg_LOS(QWidget* parent = nullptr);

    void setPictures(const QPixmap& first, const QPixmap& second);
    void setMessage(const QString& message);
    QString message() const;
    void setSoundPaths(const QString& first, const QString& second);
    QString soundPath(int which) const { return which == 2 ? soundPath2_ : soundPath1_; }

    ClickLabel* picture(int which) const { return which == 2 ? picMAIN2 : picMAIN; }
    ClickLabel* playButton(int which) const { return which == 2 ? imgPLAY2 : imgPLAY; }
    uctl_BTN* okButton() const { return btnCLOSE; }

private:
    ClickLabel* picMAIN = nullptr;
    ClickLabel* picMAIN2 = nullptr;
    ClickLabel* imgPLAY = nullptr;
    ClickLabel* imgPLAY2 = nullptr;
    QLabel* lblMESSAGE = nullptr;
    uctl_BTN* btnCLOSE = nullptr;
    QString soundPath1_;
    QString soundPath2_;
};
