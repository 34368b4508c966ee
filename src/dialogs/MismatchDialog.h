// MismatchDialog: the mismatch dialog: two pictures, each with a button that speaks its word, and a message.
#pragma once

#include "dialogs/FramelessDialog.h"

class ClickLabel;
class QLabel;
class ImageButton;

class MismatchDialog : public FramelessDialog {
    Q_OBJECT
public:
    explicit MismatchDialog(QWidget* parent = nullptr);

    void setPictures(const QPixmap& first, const QPixmap& second);
    void setMessage(const QString& message);
    QString message() const;
    void setSoundPaths(const QString& first, const QString& second);
    QString soundPath(int which) const { return which == 2 ? soundPath2_ : soundPath1_; }

    ClickLabel* picture(int which) const { return which == 2 ? secondPicture_ : picture_; }
    ClickLabel* playButton(int which) const { return which == 2 ? secondPlayPicture_ : playPicture_; }
    ImageButton* okButton() const { return closeButton_; }

private:
    ClickLabel* picture_ = nullptr;
    ClickLabel* secondPicture_ = nullptr;
    ClickLabel* playPicture_ = nullptr;
    ClickLabel* secondPlayPicture_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    ImageButton* closeButton_ = nullptr;
    QString soundPath1_;
    QString soundPath2_;
};
