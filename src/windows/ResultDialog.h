// msg_WIN: the result dialog: the word's picture, a message and a button that speaks the word again.
#pragma once

#include "windows/FramelessDialog.h"

class ClickLabel;
class QLabel;
class uctl_BTN;

class msg_WIN : public FramelessDialog {
    Q_OBJECT
public:
    explicit msg_WIN(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    bool hasPicture() const;
    void setMessage(const QString& message);
    QString message() const;
    // picMAIN's tag: the sound the play button speaks.
    void setSoundPath(const QString& path) { soundPath_ = path; }
    QString soundPath() const { return soundPath_; }

    ClickLabel* picture() const { return picMAIN; }
    ClickLabel* playButton() const { return imgPLAY; }
    uctl_BTN* okButton() const { return btnCLOSE; }

private:
    void play();

    ClickLabel* picMAIN = nullptr;
    ClickLabel* imgPLAY = nullptr;
    QLabel* lblMESSAGE = nullptr;
    uctl_BTN* btnCLOSE = nullptr;
    QString soundPath_;
};
