// PictureRecipe: what one word's picture shows, as written in the picture column of the word list.
#pragma once

#include <QColor>
#include <QString>

// One drawn thing: an emoji artwork file (by its code point name) or a drawing of ours.
struct Glyph {
    bool emoji = true;
    QString name; // "1f404" or a drawing name such as "igloo"
};

struct PictureRecipe {
    enum class Kind { Single, Many, Letters, Colour, Number };
    Kind kind = Kind::Single;
    Glyph glyph;        // Single, Many, Letters
    QString letters;    // Letters: the text beside the glyph ("Aa", "sh")
    QString caption;    // Letters: an optional small word under the letters ("soft")
    QColor colour;      // Colour
    int number = 0;     // Number

    // Parses "1f404", "draw:igloo", "many 1f34e", "letters Aa 1f34e [caption]", "colour #e53935",
    // "number 7". On failure returns false and says why.
    static bool parse(const QString& text, PictureRecipe* recipe, QString* error);
    // The same text back, in one canonical form (part of the generated file's identity).
    QString text() const;
};
