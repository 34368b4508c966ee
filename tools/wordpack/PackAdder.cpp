// PackAdder: adds a parent's or teacher's own pictures to a subject, each with a spoken word.
#include "PackAdder.h"

#include "audio/Speech.h"
#include "SubjectRules.h"
#include "catalogue/Subjects.h"
#include "WordList.h"
#include "catalogue/WordRules.h"
#include "catalogue/FileNames.h"
#include "catalogue/StoredPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <cstdio>

namespace {

struct Planned {
    QString source;
    QImage image;
    QByteArray format;
    QString pictureName; // "<name>.edi"
    QString word;
    QString voice;
};

int fail(const QString& text) {
    std::fprintf(stderr, "lexikite-wordpack: %s\n", qPrintable(text));
    return 1;
}

QString fileNameProblem(const QString& name) {
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name)
        if (forbidden.contains(c) || c.unicode() < 32)
            return QStringLiteral("holds \"%1\", which a file name cannot carry").arg(c);
    if (name.startsWith(u'.')) return QStringLiteral("starts with a dot");
    return {};
}

} // namespace

namespace PackAdder {

int run(const AddOptions& options) {
    const QString subject = Subjects::canonical(options.subject);
    if (subject.isEmpty())
        return fail(QStringLiteral("unknown subject \"%1\"; the subjects are: %2")
                        .arg(options.subject, Subjects::all().join(QStringLiteral(", "))));
    if (!options.voice.isEmpty() && !Speech::isVoice(options.voice))
        return fail(QStringLiteral("unknown voice \"%1\"; use en-gb or en-us").arg(options.voice));
    if (options.pictures.isEmpty()) return fail(QStringLiteral("no picture given"));
    if (!options.word.isNull() && options.pictures.size() != 1)
        return fail(QStringLiteral("--word names one picture, but %1 were given").arg(options.pictures.size()));
    const QDir files(options.filesFolder);
    if (!files.exists())
        return fail(QStringLiteral("no files folder at %1; give it with --files").arg(options.filesFolder));
    const QDir folder(files.filePath(subject));

    // Everything is checked before anything is written.
    QList<Planned> plans;
    QSet<QString> names;
    const QStringList existing = folder.exists() ? folder.entryList(QDir::Files) : QStringList();
    auto taken = [&](const QString& name) {
        for (const QString& e : existing)
            if (e.compare(name, Qt::CaseInsensitive) == 0) return true;
        return false;
    };
    for (const QString& source : options.pictures) {
        const QFileInfo info(source);
        if (!info.isFile()) return fail(QStringLiteral("%1: no such file").arg(source));
        Planned plan;
        plan.source = source;
        QString unread;
        plan.image = StoredPicture::read(source, &plan.format, &unread);
        if (plan.image.isNull()) return fail(QStringLiteral("%1: %2").arg(source, unread));
        const QString name = options.word.isNull() ? info.completeBaseName() : options.word;
        QString why = fileNameProblem(name);
        if (!why.isEmpty()) return fail(QStringLiteral("%1: the name \"%2\" %3").arg(source, name, why));
        plan.pictureName = name + QStringLiteral(".edi");
        plan.word = Catalogue::wordFromFileName(plan.pictureName);
        why = WordRules::unplayableReason(plan.word);
        if (!why.isEmpty()) return fail(QStringLiteral("%1: the word \"%2\" %3").arg(source, plan.word, why));
        why = SubjectRules::misfit(subject, plan.word);
        if (!why.isEmpty()) return fail(QStringLiteral("%1: %2").arg(source, why));
        if (names.contains(plan.pictureName.toLower()) || taken(plan.pictureName))
            return fail(QStringLiteral("%1: \"%2\" is already in %3").arg(source, plan.pictureName, subject));
        names.insert(plan.pictureName.toLower());
        plan.voice = options.voice;
        if (plan.voice.isEmpty()) {
            plan.voice = name.contains(Catalogue::BritishTag)    ? QStringLiteral("en-gb")
                         : name.contains(Catalogue::AmericanTag) ? QStringLiteral("en-us")
                                                                 : WordList::kPlainVoice;
        }
        plans.append(plan);
    }

    if (!folder.exists() && !files.mkpath(subject))
        return fail(QStringLiteral("cannot create %1").arg(folder.path()));
    for (const Planned& plan : plans) {
        const QString soundName = plan.word + QStringLiteral(".eda");
        const QString soundPath = folder.filePath(soundName);
        // A British and an American picture written alike share one sound; an existing one is kept.
        const bool makeSound = !taken(soundName) && !QFileInfo::exists(soundPath);
        QString why;
        if (makeSound && !Speech::makeWordSound(plan.word, plan.voice, soundPath, &why))
            return fail(QStringLiteral("%1: cannot make the sound: %2").arg(plan.source, why));
        if (!StoredPicture::save(plan.image, StoredPicture::isPhotoFormat(plan.format), folder.filePath(plan.pictureName), &why)) {
            if (makeSound) QFile::remove(soundPath);
            return fail(QStringLiteral("%1: %2").arg(plan.source, why));
        }
        std::printf("added \"%s\" to %s (%s, %s)\n", qPrintable(plan.word), qPrintable(subject),
                    qPrintable(plan.pictureName), qPrintable(soundName));
    }
    return 0;
}

} // namespace PackAdder
