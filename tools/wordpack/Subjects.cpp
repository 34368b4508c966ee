// Subjects: the 28 subject folder names of the home screen, in its order.
#include "Subjects.h"

namespace Subjects {

const QStringList& all() {
    static const QStringList names = {
        "basic shapes", "Big Numbers",  "Birds",          "colors",        "combined sounds",
        "complex shapes", "farm animals", "food",         "fruit",         "garden",
        "home",         "insects",      "marine animals", "music",         "nature",
        "phonics a to z", "places",     "plural words",   "singular words", "small animals",
        "small numbers", "soft and hard sounds", "sport", "transport",     "vegetables",
        "vowels",       "weather",      "wild animals"};
    return names;
}

QString canonical(const QString& name) {
    for (const QString& subject : all())
        if (subject.compare(name, Qt::CaseInsensitive) == 0) return subject;
    return {};
}

} // namespace Subjects
