// HomeSubjects: the 28 subjects of the home screen with their hot-spot and caption rectangles in twips.
#pragma once

#include <array>
#include <QRect>

struct HomeSubject {
    const char* name;    // the folder name and Section; the hot spot's tooltip
    const char* caption; // shown on hover
    QRect spot;          // twips
    QRect label;         // twips
};

inline constexpr int HomeSubjectCount = 28;
extern const std::array<HomeSubject, HomeSubjectCount> HomeSubjects;
