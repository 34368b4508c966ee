// UserWords: the words a grown-up added, kept apart from the default pack in the same file layout.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <functional>

namespace UserWords {

// The subject of words that belong to no other; it shows on the home screen once it holds words.
inline const QString MySubject = QStringLiteral("my words");

enum class Variant { Both, British, American };

struct Word {
    QString subject;
    QString word;
    Variant variant = Variant::Both;
    QString picturePath;
    QString soundPath; // empty when the word has no sound of its own
};

// Writes a word's sound at the path given (through a temporary name of its own); false with the reason. True
// without writing leaves the word without a sound of its own.
using SoundWriter = std::function<bool(const QString& path, QString* error)>;

struct NewWord {
    QString subject;
    QString word;
    Variant variant = Variant::Both;
    QImage picture;
    bool photo = true;
    SoundWriter writeSound; // none: the word keeps no sound of its own
};

// $XDG_DATA_HOME/lexikite/words (~/.local/share/lexikite/words without it).
QString folder();
// root/<subject>, the subject's folder found without regard to case when it exists under another case.
QString subjectFolder(const QString& root, const QString& subject);
// The subject's own spelling (one of the home screen's or MySubject); empty for an unknown subject.
QString canonicalSubject(const QString& name);
// "colour type_uk.edi" for a British-only colour.
QString pictureName(const QString& word, Variant variant);

// Every word under root, by subject and word.
QList<Word> list(const QString& root);
// The word as stored in root's subject, if it is there under any variant.
bool find(const QString& root, const QString& subject, const QString& word, Word* found);

// Stores a word: the sound under a temporary name, then the picture through its own temporary name, then the
// sound renamed into place. A failure leaves the word as it was (absent, or the earlier version). A word
// already there under another variant is replaced.
bool add(const QString& root, const NewWord& word, QString* error);
bool remove(const Word& word, QString* error);

} // namespace UserWords
