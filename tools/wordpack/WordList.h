// WordList: the default word material read from its tab-separated list, checked before anything is made.
#pragma once

#include "PictureRecipe.h"

#include <QList>
#include <QString>
#include <QStringList>

struct WordEntry {
    int line = 0;
    QString subject;   // the subject's own spelling
    QString word;
    PictureRecipe picture;
    QString variant;   // "", "uk" or "us"
    QString spoken;    // what the voice says; the word unless the list gives another text

    QString pictureFileName() const; // "colour type_uk.edi"
    QString soundFileName() const;   // "colour.eda"
    QString voice() const;           // the speech voice: "en-gb" or "en-us"
};

namespace WordList {

// The voice of every word without a variant tag, and of the letters.
inline const QString kPlainVoice = QStringLiteral("en-us");
// The voice of British words, and of the letters and instructions a British learner hears.
inline const QString kBritishVoice = QStringLiteral("en-gb");

// Parses the list text; every problem is added to errors as "line N: ...".
QList<WordEntry> parse(const QString& text, QStringList* errors);

} // namespace WordList
