// PackAdder: adds a parent's or teacher's own pictures to a subject, each with a spoken word.
#pragma once

#include <QString>
#include <QStringList>

struct AddOptions {
    QString filesFolder;
    QString subject;
    QString voice;        // empty: by the picture's variant tag, else the plain voice
    QString word;         // only with one picture: the word instead of the picture's file name
    QStringList pictures;
};

namespace PackAdder {

// Checks every picture first and writes nothing unless all are good. Prints one line per problem or per
// word added. Returns the exit status.
int run(const AddOptions& options);

} // namespace PackAdder
