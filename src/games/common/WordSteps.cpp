// WordSteps: the single steps of a file name's word.
#include "games/common/WordSteps.h"

#include "catalogue/FileNames.h"

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
    return Catalogue::dropOrderPrefix(text);
}

QString puzzleWord(const QString& name) {
    return dropOrderPrefix(removeVariantTags(cutExtension(name)));
}

} // namespace WordSteps
