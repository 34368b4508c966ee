// WordImporter: brings a word list's words into the grown-up's own folder, with a report of what came in.
#pragma once

#include "catalogue/WordListReader.h"

#include <QString>
#include <QStringList>
#include <functional>

struct ImportReport {
    int added = 0;
    int withOwnPicture = 0;
    int withPackDrawing = 0; // the default pack's drawing of the same word
    int withWordCard = 0;    // a card with the word written large
    int withOwnSound = 0;
    int spoken = 0;          // spoken by the synthesiser
    int silent = 0;          // no sound: the synthesiser was missing or failed
    QList<SkippedWord> skipped;
    QStringList notes;
    QString error; // nothing came in
    bool cancelled = false;

    // Several lines a grown-up reads after an import.
    QString text() const;
};

struct ImportOptions {
    QString listPath;
    QString subject;     // one of the home screen's or UserWords::MySubject
    QString into;        // the user words folder
    QString packFolder;  // the default pack, read for drawings; empty: none
    bool speak = true;   // speak words that bring no sound with the synthesiser
};

namespace WordImporter {

// Called after each word: done of total. Returning false stops the import after that word.
using Progress = std::function<bool(int done, int total)>;

// Safe on a worker thread. Words already among the user's words are skipped, never replaced.
ImportReport run(const ImportOptions& options, const Progress& progress = {});

} // namespace WordImporter
