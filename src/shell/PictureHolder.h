// PictureHolder: the hidden holder window: the games' background picture and the end-of-game picture.
#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

class PictureHolder : public QWidget {
    Q_OBJECT
public:
    explicit PictureHolder(QWidget* parent = nullptr);

    QPixmap screenPicture() const;   // backgroundPicture_
    QPixmap congratsPicture() const; // congratulationsPicture_

    // The loaded holder (loading it when needed); its pictures, or null pixmaps when it cannot be loaded.
    static PictureHolder* holder();
    static QPixmap screen();
    static QPixmap congrats();

private:
    QLabel* backgroundPicture_ = nullptr;
    QLabel* congratulationsPicture_ = nullptr;
};
