// PictureRecipe: what one word's picture shows, as written in the picture column of the word list.
#include "PictureRecipe.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

bool parseGlyph(const QString& token, Glyph* glyph, QString* error) {
    static const QRegularExpression codePoints(QStringLiteral("^[0-9a-f]{2,6}(-[0-9a-f]{2,6})*$"));
    if (token.startsWith(QStringLiteral("draw:"))) {
        glyph->emoji = false;
        glyph->name = token.mid(5);
        if (glyph->name.isEmpty()) {
            *error = QStringLiteral("a drawing needs a name after \"draw:\"");
            return false;
        }
        return true;
    }
    if (!codePoints.match(token).hasMatch()) {
        *error = QStringLiteral("\"%1\" is neither an emoji code point name nor draw:NAME").arg(token);
        return false;
    }
    glyph->emoji = true;
    glyph->name = token;
    return true;
}

QString glyphText(const Glyph& glyph) {
    return glyph.emoji ? glyph.name : QStringLiteral("draw:") + glyph.name;
}

} // namespace

bool PictureRecipe::parse(const QString& text, PictureRecipe* recipe, QString* error) {
    const QStringList parts = text.simplified().split(u' ', Qt::SkipEmptyParts);
    *recipe = PictureRecipe{};
    if (parts.isEmpty()) {
        *error = QStringLiteral("no picture given");
        return false;
    }
    const QString& head = parts.first();
    if (head == QStringLiteral("many")) {
        recipe->kind = Kind::Many;
        if (parts.size() != 2) {
            *error = QStringLiteral("\"many\" takes one picture");
            return false;
        }
        return parseGlyph(parts[1], &recipe->glyph, error);
    }
    if (head == QStringLiteral("letters")) {
        recipe->kind = Kind::Letters;
        if (parts.size() < 3 || parts.size() > 4) {
            *error = QStringLiteral("\"letters\" takes the letters, a picture and an optional caption");
            return false;
        }
        recipe->letters = parts[1];
        recipe->caption = parts.size() == 4 ? parts[3] : QString();
        return parseGlyph(parts[2], &recipe->glyph, error);
    }
    if (head == QStringLiteral("colour")) {
        recipe->kind = Kind::Colour;
        recipe->colour = parts.size() == 2 ? QColor::fromString(parts[1]) : QColor();
        if (!recipe->colour.isValid()) {
            *error = QStringLiteral("\"colour\" takes one colour such as #e53935");
            return false;
        }
        return true;
    }
    if (head == QStringLiteral("number")) {
        recipe->kind = Kind::Number;
        bool ok = false;
        recipe->number = parts.size() == 2 ? parts[1].toInt(&ok) : 0;
        if (!ok || recipe->number < 0 || recipe->number > 1000) {
            *error = QStringLiteral("\"number\" takes a whole number from 0 to 1000");
            return false;
        }
        return true;
    }
    if (parts.size() != 1) {
        *error = QStringLiteral("unknown picture kind \"%1\"").arg(head);
        return false;
    }
    recipe->kind = Kind::Single;
    return parseGlyph(head, &recipe->glyph, error);
}

QString PictureRecipe::text() const {
    switch (kind) {
    case Kind::Single: return glyphText(glyph);
    case Kind::Many: return QStringLiteral("many ") + glyphText(glyph);
    case Kind::Letters:
        return QStringLiteral("letters %1 %2 %3").arg(letters, glyphText(glyph), caption).trimmed();
    case Kind::Colour: return QStringLiteral("colour ") + colour.name();
    case Kind::Number: return QStringLiteral("number %1").arg(number);
    }
    return {};
}
