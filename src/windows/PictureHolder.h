// mdb_STR: the hidden holder window: the games' background picture and the end-of-game picture.
#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;

class mdb_STR : public QWidget {
    Q_OBJECT
public:
    explicit mdb_STR(QWidget* parent = nullptr);

    QPixmap screenPicture() const;   // imgSCREEN
    QPixmap congratsPicture() const; // imgCONGRATS

    // The loaded holder (loading it when needed); its pictures, or null pixmaps when it cannot be loaded.
    static mdb_STR* holder();
    static QPixmap screen();
    static QPixmap congrats();

private:
    QLabel* imgSCREEN = nullptr;
    QLabel* imgCONGRATS = nullptr;
};
