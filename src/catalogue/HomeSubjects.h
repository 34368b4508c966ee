// HomeSubjects: the 28 subjects of the home screen with their hot-spot and caption rectangles in twips.
#pragma once

#include <array>
#include <QRect>

struct HomeSubject {
    const char* name;    // the folder name and Section; the hot spot's tooltip
    const char* caption; // shown on hover
    QRect spot;          // twips
    QRect label;         // twips
    const char* british = nullptr; // the caption as British English spells it, where that differs
};

inline constexpr int HomeSubjectCount = 28;
extern const std::array<HomeSubject, HomeSubjectCount> HomeSubjects;

// The grown-up's own subject: a spot of its own after the 28, shown only while it holds words (it has no folder
// in the default pack, so it is not among the subjects above).
inline constexpr int MyWordsSpot = HomeSubjectCount;
inline constexpr int HomeSpotCount = HomeSubjectCount + 1;
extern const HomeSubject MyWordsHomeSubject;
// HomeSubjects[i], or MyWordsHomeSubject for MyWordsSpot.
const HomeSubject& homeSpot(int i);
// The caption in the learner's English.
const char* subjectCaption(const HomeSubject& subject, bool british);
