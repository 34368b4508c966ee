// PackGenerator: makes the default word pack (pictures, word sounds, letters, reveal chimes) from the word list.
#pragma once

#include <QString>

struct GenerateOptions {
    QString wordList;     // words.tsv
    QString emojiFolder;  // the artwork package's folder of SVG files
    QString outFolder;    // the files folder beside the program
    bool force = false;   // make every file again
    int soundJobs = 2;    // speech processes at once
};

namespace PackGenerator {

// Makes what is missing or out of date; prints problems on stderr. Returns the exit status.
int run(const GenerateOptions& options);

} // namespace PackGenerator
