// ResultDialog: the result dialog: the word's picture, a message and a button that speaks the word again.
#pragma once

#include "dialogs/FramelessDialog.h"

class ClickLabel;
class QLabel;
class ImageButton;

class ResultDialog : public FramelessDialog {
    Q_OBJECT
public:
    explicit ResultDialog(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    bool hasPicture() const;
    void setMessage(const QString& message);
    QString message() const;
    // picture_'s tag: the sound the play button speaks.
    void setSoundPath(const QString& path) { soundPath_ = path; }
    QString soundPath() const { return soundPath_; }

    ClickLabel* picture() const { return picture_; }
    ClickLabel* playButton() const { return playPicture_; }
    ImageButton* okButton() const { return closeButton_; }

private:
    void play();

    ClickLabel* picture_ = nullptr;
    ClickLabel* playPicture_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    ImageButton* closeButton_ = nullptr;
    QString soundPath_;
};
