// WordList: the default word material read from its tab-separated list, checked before anything is made.
#include "WordList.h"

#include "SubjectRules.h"
#include "catalogue/Subjects.h"
#include "catalogue/WordRules.h"
#include "catalogue/FileNames.h"

#include <QHash>
#include <QSet>

QString WordEntry::pictureFileName() const {
    QString tag;
    if (variant == QStringLiteral("uk")) tag = Catalogue::BritishTag;
    if (variant == QStringLiteral("us")) tag = Catalogue::AmericanTag;
    return word + tag + QStringLiteral(".edi");
}

QString WordEntry::soundFileName() const { return word + QStringLiteral(".eda"); }

QString WordEntry::voice() const {
    if (variant == QStringLiteral("uk")) return QStringLiteral("en-gb");
    if (variant == QStringLiteral("us")) return QStringLiteral("en-us");
    return WordList::kPlainVoice;
}

namespace WordList {

QList<WordEntry> parse(const QString& text, QStringList* errors) {
    QList<WordEntry> entries;
    // Names compare without regard to case, as a Windows file system would.
    QSet<QString> pictureNames;
    QSet<QString> soundNames;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        auto fail = [&](const QString& why) { errors->append(QStringLiteral("line %1: %2").arg(i + 1).arg(why)); };
        const QStringList fields = lines[i].split(u'\t');
        if (fields.size() < 3 || fields.size() > 5) {
            fail(QStringLiteral("expected subject, word, picture, variant and spoken text separated by tabs"));
            continue;
        }
        WordEntry entry;
        entry.line = i + 1;
        entry.subject = Subjects::canonical(fields[0].trimmed());
        entry.word = fields[1].trimmed();
        entry.variant = fields.value(3).trimmed();
        entry.spoken = fields.value(4).trimmed();
        if (entry.spoken.isEmpty()) entry.spoken = entry.word;
        if (entry.subject.isEmpty()) {
            fail(QStringLiteral("unknown subject \"%1\"").arg(fields[0].trimmed()));
            continue;
        }
        QString why;
        if (!PictureRecipe::parse(fields[2], &entry.picture, &why)) {
            fail(why);
            continue;
        }
        if (entry.variant != QString() && entry.variant != QStringLiteral("uk") &&
            entry.variant != QStringLiteral("us")) {
            fail(QStringLiteral("variant must be uk, us or empty, not \"%1\"").arg(entry.variant));
            continue;
        }
        why = WordRules::unplayableReason(entry.word);
        if (!why.isEmpty()) {
            fail(QStringLiteral("\"%1\" %2").arg(entry.word, why));
            continue;
        }
        why = SubjectRules::misfit(entry.subject, entry.word);
        if (!why.isEmpty()) {
            fail(why);
            continue;
        }
        if (SubjectRules::showsFirstLetter(entry.subject) && entry.picture.kind == PictureRecipe::Kind::Letters) {
            const QString first = entry.word.left(1);
            if (entry.picture.letters != first.toUpper() + first.toLower()) {
                fail(QStringLiteral("the card shows \"%1\" but \"%2\" starts with \"%3\"")
                         .arg(entry.picture.letters, entry.word, first));
                continue;
            }
        }
        if (Catalogue::wordFromFileName(entry.pictureFileName()) != entry.word) {
            fail(QStringLiteral("the games would read \"%1\" as \"%2\"")
                     .arg(entry.pictureFileName(), Catalogue::wordFromFileName(entry.pictureFileName())));
            continue;
        }
        const QString pictureKey = (entry.subject + u'/' + entry.pictureFileName()).toLower();
        const QString soundKey = (entry.subject + u'/' + entry.soundFileName()).toLower();
        if (pictureNames.contains(pictureKey) || soundNames.contains(soundKey)) {
            fail(QStringLiteral("\"%1\" is already in \"%2\"").arg(entry.word, entry.subject));
            continue;
        }
        pictureNames.insert(pictureKey);
        soundNames.insert(soundKey);
        entries.append(entry);
    }
    return entries;
}

} // namespace WordList
