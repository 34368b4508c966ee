// SubjectRules: what some subjects teach, so that a word which does not fit is caught before a child meets it.
#include "SubjectRules.h"

#include <QSet>

namespace {

struct WordRule {
    const char* subject;
    const char* teaches; // said when a word does not fit
    QSet<QString> words;
};

// Generous lists, so that a parent's own photo of a common insect or short-vowel word fits too.
const QList<WordRule>& rules() {
    static const QList<WordRule> all = {
        {"insects", "insects only",
         {"ant", "aphid", "bee", "beetle", "bluebottle", "bumblebee", "butterfly", "caterpillar", "cicada",
          "cockroach", "cricket", "damselfly", "dragonfly", "dung beetle", "earwig", "firefly", "flea", "fly",
          "glow worm", "gnat", "grasshopper", "honeybee", "hornet", "horsefly", "housefly", "lacewing", "ladybird",
          "ladybug", "leaf insect", "locust", "louse", "maggot", "mantis", "mayfly", "midge", "mosquito", "moth",
          "pond skater", "praying mantis", "silverfish", "stag beetle", "stick insect", "termite", "wasp",
          "water beetle", "weevil"}},
        {"vowels", "words that start with a short vowel sound, as apple, egg, igloo, octopus and umbrella",
         {"abacus",   "acrobat",  "actor",     "add",        "alligator", "alphabet",   "ambulance", "anchor",
          "animal",   "ankle",    "ant",       "antelope",   "apple",     "arrow",      "astronaut", "attic",
          "ax",       "axe",      "echo",      "edge",       "egg",       "elbow",      "elephant",  "elf",
          "elk",      "empty",    "engine",    "envelope",   "exit",      "igloo",      "iguana",    "ill",
          "inch",     "index",    "infant",    "ink",        "insect",    "instrument", "internet",  "itch",
          "octagon",  "octopus",  "off",       "olive",      "on",        "ostrich",    "otter",     "ox",
          "udder",    "ugly",     "umbrella",  "umpire",     "uncle",     "under",      "underpants", "underwear",
          "unhappy",  "up",       "upside down", "upstairs", "us"}},
    };
    return all;
}

} // namespace

namespace SubjectRules {

QString misfit(const QString& subject, const QString& word) {
    for (const WordRule& rule : rules()) {
        if (subject.compare(QLatin1String(rule.subject), Qt::CaseInsensitive) != 0) continue;
        if (rule.words.contains(word.toLower())) return {};
        return QStringLiteral("\"%1\" does not belong in %2, which takes %3").arg(word, QLatin1String(rule.subject),
                                                                               QLatin1String(rule.teaches));
    }
    return {};
}

bool showsFirstLetter(const QString& subject) {
    return subject.compare(kAlphabetSubject, Qt::CaseInsensitive) == 0 ||
           subject.compare(QStringLiteral("vowels"), Qt::CaseInsensitive) == 0;
}

} // namespace SubjectRules
