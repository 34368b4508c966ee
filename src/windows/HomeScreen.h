// mdb_HOM: the home screen: 28 subject hot spots over one picture; hovering shows the subject, a click opens
// it.
#pragma once

#include <array>
#include <QString>

#include "windows/ChildForm.h"
#include "windows/HomeSubjects.h"

class HotSpot;
class QFrame;
class QLabel;

class mdb_HOM : public ChildForm {
    Q_OBJECT
public:
    static constexpr int NoHover = 99;

    explicit mdb_HOM(QWidget* parent = nullptr);

    int HoverIndex() const { return hoverIndex_; }
    // lblTITLE: the hovered subject's name.
    QString title() const { return lblTITLE_; }
    // lblSCORE(i): the stored high score and its points text ("40 points", "1 point").
    QString storedScore(int i) const { return scoreCaption_[i]; }
    QString storedScorePoints(int i) const { return scorePoints_[i]; }

    HotSpot* spot(int i) const { return imgSUBJECT[i]; }
    QLabel* caption(int i) const { return lblTEXT[i]; }
    QLabel* shadow() const { return lblBACK; }
    QFrame* frame() const { return shpSEL; }

    void SubjectHover(int i);
    void SubjectClick(int i);
    void BackgroundHover();

protected:
    void Activate() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void hideHoverMarks();

    std::array<HotSpot*, HomeSubjectCount> imgSUBJECT{};
    std::array<QLabel*, HomeSubjectCount> lblTEXT{};
    std::array<QString, HomeSubjectCount> scoreCaption_;
    std::array<QString, HomeSubjectCount> scorePoints_;
    QLabel* lblBACK = nullptr;
    QFrame* shpSEL = nullptr;
    QString lblTITLE_;
    int hoverIndex_ = NoHover;
};
