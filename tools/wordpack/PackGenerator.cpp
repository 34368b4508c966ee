// PackGenerator: makes the default word pack (pictures, word sounds, letters, reveal chimes, game
// instructions) from the word list.
#include "PackGenerator.h"

#include "CardPainter.h"
#include "Manifest.h"
#include "audio/Pcm.h"
#include "app/LearnersEnglish.h"
#include "audio/Speech.h"
#include "catalogue/Subjects.h"
#include "WordList.h"
#include "catalogue/GameInstructions.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QSaveFile>
#include <QSet>
#include <QThreadPool>
#include <cstdio>
#include <functional>

namespace {

// Digests of the code that draws the pictures and makes the sounds (set by the build), so that a change
// there remakes the files it shapes.
#ifndef WORDPACK_PICTURE_CODE
#define WORDPACK_PICTURE_CODE "unknown"
#endif
#ifndef WORDPACK_SOUND_CODE
#define WORDPACK_SOUND_CODE "unknown"
#endif
const QString kPictureStyle = QStringLiteral(WORDPACK_PICTURE_CODE);
const QString kSoundStyle = QStringLiteral(WORDPACK_SOUND_CODE);

struct Output {
    QString path;   // relative to the files folder
    QString key;    // identity of its inputs
    bool sound = false;
    std::function<bool(const QString& target, QString* error)> make;
};

QString digest(const QByteArray& data) {
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex());
}

void complain(const QString& text) { std::fprintf(stderr, "lexikite-wordpack: %s\n", qPrintable(text)); }

bool writePicture(const QImage& image, const QString& target, QString* error) {
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        *error = QStringLiteral("cannot write %1").arg(target);
        return false;
    }
    return true;
}

bool writeChime(const QString& target, QString* error) {
    return Speech::encodeMp3(Pcm::chime(22050), target, error);
}

// A target path must stay inside the files folder, whatever an old manifest says.
bool inside(const QString& relative) {
    const QString clean = QDir::cleanPath(relative);
    return !clean.isEmpty() && !QDir::isAbsolutePath(clean) && !clean.startsWith(QStringLiteral(".."));
}

} // namespace

namespace PackGenerator {

int run(const GenerateOptions& options) {
    QElapsedTimer clock;
    clock.start();

    QFile listFile(options.wordList);
    if (!listFile.open(QIODevice::ReadOnly)) {
        complain(QStringLiteral("cannot read the word list %1").arg(options.wordList));
        return 1;
    }
    if (!QDir(options.emojiFolder).exists()) {
        complain(QStringLiteral("artwork folder %1 not found; run scripts/setup (it runs npm ci)").arg(options.emojiFolder));
        return 1;
    }
    QStringList errors;
    const QList<WordEntry> entries = WordList::parse(QString::fromUtf8(listFile.readAll()), &errors);
    const CardPainter painter(options.emojiFolder);
    for (const WordEntry& entry : entries) {
        QString why;
        if (!painter.canDraw(entry.picture, &why)) errors << QStringLiteral("line %1: %2").arg(entry.line).arg(why);
    }
    if (!errors.isEmpty()) {
        for (const QString& e : errors) complain(options.wordList + QStringLiteral(": ") + e);
        return 1;
    }

    QList<Output> outputs;
    QHash<QString, QString> artworkDigests;
    auto artworkDigest = [&](const Glyph& glyph) {
        if (!glyph.emoji) return QString();
        if (!artworkDigests.contains(glyph.name)) {
            QFile svg(painter.emojiPath(glyph.name));
            artworkDigests.insert(glyph.name, svg.open(QIODevice::ReadOnly) ? digest(svg.readAll()) : QString());
        }
        return artworkDigests.value(glyph.name);
    };
    for (const WordEntry& entry : entries) {
        const QColor tint = CardPainter::tintFor(entry.subject);
        const QString pictureKey = QStringLiteral("picture %1|%2|%3|%4")
                                       .arg(kPictureStyle, entry.picture.text(), tint.name(),
                                            artworkDigest(entry.picture.glyph));
        const PictureRecipe recipe = entry.picture;
        outputs.append({entry.subject + u'/' + entry.pictureFileName(), digest(pictureKey.toUtf8()), false,
                        [&painter, recipe, tint](const QString& target, QString* error) {
                            QImage image;
                            return painter.render(recipe, tint, &image, error) && writePicture(image, target, error);
                        }});
        const QString soundKey =
            QStringLiteral("sound %1|%2|%3").arg(kSoundStyle, entry.voice(), entry.spoken);
        const QString text = entry.spoken, voice = entry.voice();
        outputs.append({entry.subject + u'/' + entry.soundFileName(), digest(soundKey.toUtf8()), true,
                        [text, voice](const QString& target, QString* error) {
                            return Speech::makeWordSound(text, voice, target, error);
                        }});
    }
    // The letters and each game's instruction and name, in the plain voice; and for British learners in the
    // British voice under uk/, where z is "zed".
    auto spoken = [&outputs](const QString& folder, const QString& file, const QString& text, const char* kind) {
        for (const bool british : {false, true}) {
            const QString voice = british ? WordList::kBritishVoice : WordList::kPlainVoice;
            const QString said = british && text.compare(QLatin1String("z"), Qt::CaseInsensitive) == 0
                                     ? QStringLiteral("zed")
                                     : text;
            const QString under = british ? QLatin1String(BritishSoundFolder) + QStringLiteral("/") : QString();
            const QString path = folder + u'/' + under + file;
            const QString key = QStringLiteral("%1 %2|%3|%4").arg(QLatin1String(kind), kSoundStyle, voice, said);
            outputs.append({path, digest(key.toUtf8()), true, [said, voice](const QString& target, QString* error) {
                                return Speech::makeWordSound(said, voice, target, error);
                            }});
        }
    };
    for (char c = 'a'; c <= 'z'; ++c)
        for (const QString& letter : {QString(QChar(c)), QString(QChar(c)).toUpper()})
            spoken(QStringLiteral("Letters"), letter + QStringLiteral(".eda"), letter, "letter");
    for (const GameDescriptor& game : GameList) {
        spoken(QLatin1String(GameInstructions::Folder), GameInstructions::sentenceFile(game),
               QString::fromLatin1(game.instruction), "instruction");
        spoken(QLatin1String(GameInstructions::Folder), GameInstructions::nameFile(game),
               QString::fromLatin1(game.title), "instruction");
    }
    const QString instructionFolder = QLatin1String(GameInstructions::Folder) + u'/';
    // Each subject's name as the home screen says it, in either English and its voice.
    for (const HomeSubject& subject : HomeSubjects) {
        for (const bool british : {false, true}) {
            const QString text = QLatin1String(subjectCaption(subject, british));
            const QString voice = british ? WordList::kBritishVoice : WordList::kPlainVoice;
            const QString key = QStringLiteral("subject %1|%2|%3").arg(kSoundStyle, voice, text);
            outputs.append({instructionFolder + GameInstructions::subjectNameFile(subject, british),
                            digest(key.toUtf8()), true, [text, voice](const QString& target, QString* error) {
                                return Speech::makeWordSound(text, voice, target, error);
                            }});
        }
    }
    for (const QString& subject : Subjects::all())
        outputs.append({subject + QStringLiteral("/1.eda"), digest(QStringLiteral("chime %1").arg(kSoundStyle).toUtf8()),
                        true, writeChime});

    const QDir out(options.outFolder);
    const QString britishFolder = u'/' + QLatin1String(BritishSoundFolder);
    if (!out.mkpath(QStringLiteral("Letters") + britishFolder)) {
        complain(QStringLiteral("cannot create %1").arg(options.outFolder));
        return 1;
    }
    for (const QString& subject : Subjects::all()) out.mkpath(subject);
    out.mkpath(QLatin1String(GameInstructions::Folder) + britishFolder);

    const Manifest old = options.force ? Manifest() : Manifest::load(options.outFolder);
    Manifest made;
    QMutex lock;
    int kept = 0, remade = 0, removed = 0;
    QList<Output> pictures, sounds;
    QSet<QString> wanted;
    for (const Output& o : outputs) {
        wanted.insert(o.path);
        const QFileInfo existing(out.filePath(o.path));
        if (old.key(o.path) == o.key && existing.isFile() && existing.size() > 0) {
            made.set(o.path, o.key);
            ++kept;
        } else {
            (o.sound ? sounds : pictures).append(o);
        }
    }
    // Files this tool made earlier that the list no longer names; files added by people are left alone.
    for (auto it = old.entries().cbegin(); it != old.entries().cend(); ++it) {
        if (wanted.contains(it.key()) || !inside(it.key())) continue;
        if (QFile::remove(out.filePath(it.key()))) ++removed;
    }

    auto finish = [&](const Output& o, bool ok, const QString& why) {
        QMutexLocker guard(&lock);
        if (ok) {
            made.set(o.path, o.key);
            ++remade;
        } else {
            errors << QStringLiteral("%1: %2").arg(o.path, why);
        }
    };
    // Speech runs in outside processes on worker threads while this thread paints the pictures.
    QThreadPool pool;
    pool.setMaxThreadCount(qMax(1, options.soundJobs));
    for (const Output& o : sounds) {
        pool.start([o, &out, &finish] {
            QString why;
            const bool ok = o.make(out.filePath(o.path), &why);
            finish(o, ok, why);
        });
    }
    for (const Output& o : pictures) {
        QString why;
        const bool ok = o.make(out.filePath(o.path), &why);
        finish(o, ok, why);
    }
    pool.waitForDone();

    if (!made.save(options.outFolder)) errors << QStringLiteral("cannot write the manifest in %1").arg(options.outFolder);
    for (const QString& e : errors) complain(e);
    std::printf("lexikite-wordpack: %lld files: %d made, %d unchanged, %d removed in %.1f s\n",
                static_cast<long long>(outputs.size()), remade, kept, removed, clock.elapsed() / 1000.0);
    return errors.isEmpty() ? 0 : 1;
}

} // namespace PackGenerator
