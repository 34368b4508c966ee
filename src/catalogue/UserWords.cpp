// UserWords: the words a grown-up added, kept apart from the default pack in the same file layout.
#include "catalogue/UserWords.h"

#include "app/PathIgnoringCase.h"
#include "catalogue/FileNames.h"
#include "catalogue/StoredPicture.h"
#include "catalogue/Subjects.h"
#include "catalogue/WordRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace UserWords {

QString folder() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/lexikite/words");
}

QString subjectFolder(const QString& root, const QString& subject) {
    return resolvePathIgnoringCase(root + u'/' + subject);
}

QString canonicalSubject(const QString& name) {
    if (name.compare(MySubject, Qt::CaseInsensitive) == 0) return MySubject;
    return Subjects::canonical(name);
}

QString pictureName(const QString& word, Variant variant) {
    const QString tag = variant == Variant::British    ? Catalogue::BritishTag
                        : variant == Variant::American ? Catalogue::AmericanTag
                                                       : QString();
    return word + tag + QStringLiteral(".edi");
}

namespace {

Word wordOf(const QString& subject, const QDir& dir, const QString& name) {
    Word w;
    w.subject = subject;
    w.word = Catalogue::wordFromFileName(name);
    w.variant = name.contains(Catalogue::BritishTag)    ? Variant::British
                : name.contains(Catalogue::AmericanTag) ? Variant::American
                                                        : Variant::Both;
    w.picturePath = dir.filePath(name);
    const QString sound = resolvePathIgnoringCase(dir.filePath(w.word + QStringLiteral(".eda")));
    if (QFileInfo::exists(sound)) w.soundPath = sound;
    return w;
}

} // namespace

QList<Word> list(const QString& root) {
    QList<Word> words;
    const QDir dir(root);
    for (const QString& subject : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        const QString canonical = canonicalSubject(subject);
        if (canonical.isEmpty()) continue;
        const QDir folder(dir.filePath(subject));
        for (const QString& name : Catalogue::listPictures(folder.path()))
            words.append(wordOf(canonical, folder, name));
    }
    return words;
}

bool find(const QString& root, const QString& subject, const QString& word, Word* found) {
    const QDir folder(subjectFolder(root, subject));
    for (const QString& name : Catalogue::listPictures(folder.path())) {
        if (Catalogue::wordFromFileName(name).compare(word, Qt::CaseInsensitive) != 0) continue;
        if (found) *found = wordOf(canonicalSubject(subject), folder, name);
        return true;
    }
    return false;
}

bool add(const QString& root, const NewWord& word, QString* error) {
    const QString subject = canonicalSubject(word.subject);
    if (subject.isEmpty()) {
        *error = QStringLiteral("there is no subject called \"%1\"").arg(word.subject);
        return false;
    }
    const QString problem = WordRules::unplayableReason(word.word);
    if (!problem.isEmpty()) {
        *error = QStringLiteral("the word %1").arg(problem);
        return false;
    }
    if (word.picture.isNull()) {
        *error = QStringLiteral("the word has no picture");
        return false;
    }
    const QString dirPath = subjectFolder(root, subject);
    if (!QDir().mkpath(dirPath)) {
        *error = QStringLiteral("the folder %1 cannot be made").arg(dirPath);
        return false;
    }
    const QDir dir(dirPath);
    Word earlier;
    const bool replacing = find(root, subject, word.word, &earlier);
    const QString soundPath = replacing && !earlier.soundPath.isEmpty()
                                  ? earlier.soundPath
                                  : dir.filePath(word.word + QStringLiteral(".eda"));
    const QString pendingSound = dir.filePath(QStringLiteral(".") + word.word + QStringLiteral(".eda.new"));
    if (word.writeSound && !word.writeSound(pendingSound, error)) {
        QFile::remove(pendingSound);
        return false;
    }
    const QString picturePath = dir.filePath(pictureName(word.word, word.variant));
    if (!StoredPicture::save(word.picture, word.photo, picturePath, error)) {
        QFile::remove(pendingSound);
        return false;
    }
    // rename(2) replaces the earlier sound in one step.
    if (QFileInfo::exists(pendingSound) &&
        std::rename(QFile::encodeName(pendingSound).constData(), QFile::encodeName(soundPath).constData()) != 0) {
        QFile::remove(pendingSound);
        *error = QStringLiteral("the sound cannot be written to %1").arg(dirPath);
        return false;
    }
    if (replacing && earlier.picturePath != picturePath) QFile::remove(earlier.picturePath);
    return true;
}

bool remove(const Word& word, QString* error) {
    if (!QFile::remove(word.picturePath) && QFileInfo::exists(word.picturePath)) {
        *error = QStringLiteral("the picture cannot be removed");
        return false;
    }
    if (!word.soundPath.isEmpty()) QFile::remove(word.soundPath);
    return true;
}

} // namespace UserWords
