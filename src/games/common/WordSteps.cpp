// WordSteps: the single steps of a file name's word.
#include "games/common/WordSteps.h"

namespace WordSteps {

QString cutExtension(const QString& name) {
    return name.size() <= 4 ? QString() : name.left(name.size() - 4);
}

QString removeVariantTags(const QString& text) {
    QString word = text;
    word.remove(QStringLiteral(" type_uk"), Qt::CaseSensitive);
    word.remove(QStringLiteral(" type_us"), Qt::CaseSensitive);
    return word;
}

QString dropOrderPrefix(const QString& text) {
    return text.size() >= 3 && text.at(2) == u' ' ? text.mid(3) : text;
}

QString puzzleWord(const QString& name) {
    return dropOrderPrefix(removeVariantTags(cutExtension(name)));
}

} // namespace WordSteps
