// MemoryCard: one card of the memory game: a coloured back with a "?" or, face up, the word's picture.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

class MemoryCard : public QWidget {
    Q_OBJECT
public:
    explicit MemoryCard(int index, QWidget* parent = nullptr);

    int index() const { return index_; }
    void setBack(const QColor& colour);
    QColor back() const { return back_; }
    // Face up shows the picture (the back shows round it); face down shows "?".
    void setFace(bool faceUp, const QPixmap& picture);
    bool faceUp() const { return faceUp_; }
    const QPixmap& picture() const { return picture_; }
    // The room the picture is drawn in.
    static QSize pictureBox(const QSize& card);

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QColor back_ = Qt::white;
    QPixmap picture_;
    bool faceUp_ = false;
    bool pressed_ = false;
};
