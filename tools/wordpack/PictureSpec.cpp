// PictureSpec: what one word's picture shows, as written in the picture column of the word list.
#include "PictureSpec.h"

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

bool PictureSpec::parse(const QString& text, PictureSpec* spec, QString* error) {
    const QStringList parts = text.simplified().split(u' ', Qt::SkipEmptyParts);
    *spec = PictureSpec{};
    if (parts.isEmpty()) {
        *error = QStringLiteral("no picture given");
        return false;
    }
    const QString& head = parts.first();
    if (head == QStringLiteral("many")) {
        spec->kind = Kind::Many;
        if (parts.size() != 2) {
            *error = QStringLiteral("\"many\" takes one picture");
            return false;
        }
        return parseGlyph(parts[1], &spec->glyph, error);
    }
    if (head == QStringLiteral("letters")) {
        spec->kind = Kind::Letters;
        if (parts.size() < 3 || parts.size() > 4) {
            *error = QStringLiteral("\"letters\" takes the letters, a picture and an optional caption");
            return false;
        }
        spec->letters = parts[1];
        spec->caption = parts.size() == 4 ? parts[3] : QString();
        return parseGlyph(parts[2], &spec->glyph, error);
    }
    if (head == QStringLiteral("colour")) {
        spec->kind = Kind::Colour;
        spec->colour = parts.size() == 2 ? QColor::fromString(parts[1]) : QColor();
        if (!spec->colour.isValid()) {
            *error = QStringLiteral("\"colour\" takes one colour such as #e53935");
            return false;
        }
        return true;
    }
    if (head == QStringLiteral("number")) {
        spec->kind = Kind::Number;
        bool ok = false;
        spec->number = parts.size() == 2 ? parts[1].toInt(&ok) : 0;
        if (!ok || spec->number < 0 || spec->number > 1000) {
            *error = QStringLiteral("\"number\" takes a whole number from 0 to 1000");
            return false;
        }
        return true;
    }
    if (parts.size() != 1) {
        *error = QStringLiteral("unknown picture kind \"%1\"").arg(head);
        return false;
    }
    spec->kind = Kind::Single;
    return parseGlyph(head, &spec->glyph, error);
}

QString PictureSpec::text() const {
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
