// HomeSubjects: the fixed subject table of the home screen.
#include "catalogue/HomeSubjects.h"

const std::array<HomeSubject, HomeSubjectCount> HomeSubjects = {{
    {"basic shapes", "basic shapes", {8880, 30, 1695, 855}, {9000, 120, 1215, 375}},
    {"Big Numbers", "big numbers", {2160, 2880, 1695, 1215}, {2280, 3000, 1215, 375}},
    {"Birds", "birds", {14040, 6480, 1185, 1515}, {14280, 7080, 495, 375}},
    {"colors", "colors", {11160, 6240, 1335, 1755}, {11280, 6960, 615, 375}, "colours"},
    {"combined sounds", "combined sounds", {9360, 6480, 1455, 1515}, {9480, 6960, 1215, 735}},
    {"complex shapes", "complex shapes", {10800, 30, 1935, 855}, {10920, 120, 1455, 375}},
    {"farm animals", "farm animals", {13680, 3240, 1545, 1935}, {13800, 3480, 855, 615}},
    {"food", "food", {6300, 3840, 1275, 1335}, {6480, 3960, 495, 375}},
    {"fruit", "fruit", {5100, 3840, 1155, 1335}, {5280, 3960, 495, 375}},
    {"garden", "garden", {30, 6480, 1455, 1515}, {240, 6600, 735, 375}},
    {"home", "home", {13200, 1440, 2025, 975}, {13320, 1560, 495, 375}},
    {"insects", "insects", {3360, 7320, 2895, 675}, {3480, 7440, 735, 375}},
    {"marine animals", "marine animals", {30, 30, 1815, 855}, {120, 480, 1335, 375}},
    {"music", "music", {3840, 30, 1455, 855}, {3960, 120, 615, 375}},
    {"nature", "nature", {1560, 6480, 1575, 1215}, {1680, 6600, 615, 375}},
    {"phonics a to z", "phonics a to z", {13320, 30, 1905, 855}, {13440, 120, 1335, 375}},
    {"places", "places", {10680, 3840, 1215, 1335}, {10920, 3960, 615, 375}},
    {"plural words", "plural words", {2160, 4200, 1695, 975}, {2280, 4320, 1215, 375}},
    {"singular words", "singular words", {30, 4200, 1815, 975}, {120, 4320, 1455, 375}},
    {"small animals", "small animals", {13320, 5280, 1905, 1095}, {13440, 5400, 1215, 375}},
    {"small numbers", "small numbers", {30, 3000, 1815, 1095}, {120, 3120, 1335, 375}},
    {"soft and hard sounds", "soft and hard sounds", {7800, 6480, 1455, 1515}, {7920, 6960, 1095, 615}},
    {"sport", "sport", {5520, 30, 1935, 855}, {5640, 120, 495, 375}},
    {"transport", "transport", {9240, 3600, 1455, 1575}, {9360, 3960, 855, 375}},
    {"vegetables", "vegetables", {7680, 3600, 1575, 1575}, {7800, 3960, 975, 375}},
    {"vowels", "vowels", {12600, 6480, 1335, 1515}, {12720, 6960, 615, 375}},
    {"weather", "weather", {8640, 1320, 3615, 855}, {9840, 1440, 855, 375}},
    {"wild animals", "wild animals", {600, 1080, 2535, 855}, {720, 1200, 1215, 375}},
}};

// Below the weather, between the clouds: a place the picture leaves free.
const HomeSubject MyWordsHomeSubject = {"my words", "my words", {9600, 2370, 2250, 1050}, {9720, 2460, 1215, 375}};

const HomeSubject& homeSpot(int i) {
    return i == MyWordsSpot ? MyWordsHomeSubject : HomeSubjects[i];
}

const char* subjectCaption(const HomeSubject& subject, bool british) {
    return british && subject.british ? subject.british : subject.caption;
}
