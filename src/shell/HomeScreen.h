// HomeScreen: the home screen: 28 subject hot spots over one picture; hovering shows the subject, a click opens
// it.
#pragma once

#include <array>
#include <QList>
#include <QString>
#include <QStringList>

#include "forms/ChildForm.h"
#include "catalogue/HomeSubjects.h"

class HotSpot;
class QFrame;
class QLabel;

class HomeScreen : public ChildForm {
    Q_OBJECT
public:
    static constexpr int NoHover = 99;

    explicit HomeScreen(QWidget* parent = nullptr);

    int hoverIndex() const { return hoverIndex_; }
    // titleLabel_: the hovered subject's name.
    QString title() const { return hoveredTitle_; }
    // scoreLabel_(i): the stored high score and its points text ("40 points", "1 point").
    QString storedScore(int i) const { return scoreCaption_[i]; }
    QString storedScorePoints(int i) const { return scorePoints_[i]; }

    HotSpot* spot(int i) const { return spots_[i]; }
    QLabel* caption(int i) const { return captions_[i]; }
    QFrame* frame() const { return hoverFrame_; }

    void subjectHovered(int i);
    void openSubject(int i);
    void backgroundHovered();
    // Names the subjects in the learner's English.
    void nameSubjects();
    // Shows the "my words" spot, drawn with the grown-up's own pictures, while that subject holds words.
    void showMyWords();

protected:
    void activate() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void hideHoverMarks();
    void nameSubject(int i);
    void spotLeft(int i);

    std::array<HotSpot*, HomeSpotCount> spots_{};
    std::array<QLabel*, HomeSpotCount> captions_{};
    std::array<QString, HomeSpotCount> scoreCaption_;
    std::array<QString, HomeSpotCount> scorePoints_;
    QStringList myWordsPictures_; // a few of the grown-up's own pictures, drawn on the "my words" card
    QFrame* hoverFrame_ = nullptr;
    QString hoveredTitle_;
    int hoverIndex_ = NoHover;
    // The subject whose name was said last; said again once the pointer or focus has been elsewhere.
    int namedSubject_ = -1;
    // The spots in reading order, for Tab and the arrow keys.
    QList<QWidget*> readingOrder_;
};
