// WordImporter: brings a word list's words into the grown-up's own folder, with a report of what came in.
#include "catalogue/WordImporter.h"

#include "audio/SoundFiles.h"
#include "audio/Speech.h"
#include "catalogue/FileNames.h"
#include "catalogue/StoredPicture.h"
#include "catalogue/UserWords.h"
#include "catalogue/WordCard.h"

#include <QDir>
#include <QHash>
#include <QSaveFile>

namespace {

// The default pack's drawing of each word, the import's own subject first.
QHash<QString, QString> packDrawings(const QString& packFolder, const QString& subject) {
    QHash<QString, QString> drawings;
    if (packFolder.isEmpty()) return drawings;
    const QDir pack(packFolder);
    QStringList subjects = pack.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    subjects.removeIf([&](const QString& s) { return s.compare(subject, Qt::CaseInsensitive) == 0; });
    subjects.prepend(subject);
    for (const QString& s : subjects) {
        const QDir folder(pack.filePath(s));
        for (const QString& name : Catalogue::listPictures(folder.path())) {
            const QString word = Catalogue::wordFromFileName(name).toLower();
            if (!drawings.contains(word)) drawings.insert(word, folder.filePath(name));
        }
    }
    return drawings;
}

bool writeBytes(const QByteArray& bytes, const QString& path, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
    *error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

} // namespace

QString ImportReport::text() const {
    if (!error.isEmpty()) return QStringLiteral("Nothing was imported: %1.").arg(error);
    QStringList lines;
    lines << QStringLiteral("%1 words came in%2.").arg(added).arg(cancelled ? QStringLiteral(" before the import was stopped") : QString());
    lines << QStringLiteral("Pictures: %1 their own, %2 the game's drawing, %3 a card with the word.")
                 .arg(withOwnPicture).arg(withPackDrawing).arg(withWordCard);
    lines << QStringLiteral("Sounds: %1 their own, %2 spoken by the computer's voice, %3 without a sound.")
                 .arg(withOwnSound).arg(spoken).arg(silent);
    if (!skipped.isEmpty()) {
        lines << QStringLiteral("%1 skipped:").arg(skipped.size());
        for (const SkippedWord& s : skipped)
            lines << QStringLiteral("  line %1, \"%2\": %3").arg(s.line).arg(s.word, s.reason);
    }
    for (const QString& n : notes) lines << n;
    return lines.join(u'\n');
}

namespace WordImporter {

ImportReport run(const ImportOptions& options, const Progress& progress) {
    ImportReport report;
    const QString subject = UserWords::canonicalSubject(options.subject);
    if (subject.isEmpty()) {
        report.error = QStringLiteral("there is no subject called \"%1\"").arg(options.subject);
        return report;
    }
    const WordListContents list = WordListReader::read(options.listPath);
    report.skipped = list.skipped;
    report.notes = list.notes;
    if (!list.error.isEmpty()) {
        report.error = list.error;
        return report;
    }
    const QHash<QString, QString> drawings = packDrawings(options.packFolder, subject);
    const int total = int(list.words.size());
    for (int i = 0; i < total; ++i) {
        const ListedWord& entry = list.words.at(i);
        if (UserWords::find(options.into, subject, entry.word, nullptr)) {
            report.skipped.append({entry.line, entry.word, QStringLiteral("already among the words of %1").arg(subject)});
        } else {
            UserWords::NewWord word;
            word.subject = subject;
            word.word = entry.word;
            QString why;
            enum { Own, Drawing, Card } pictureKind = Card;
            if (!entry.picture.isEmpty()) {
                QByteArray format;
                word.picture = StoredPicture::read(entry.picture, &format, &why);
                word.photo = StoredPicture::isPhotoFormat(format);
                if (word.picture.isNull())
                    report.notes.append(QStringLiteral("line %1, \"%2\": the picture was left out: %3").arg(entry.line).arg(entry.word, why));
                else
                    pictureKind = Own;
            }
            if (word.picture.isNull() && drawings.contains(entry.word.toLower())) {
                word.picture = StoredPicture::read(drawings.value(entry.word.toLower()), nullptr, &why);
                word.photo = false;
                if (!word.picture.isNull()) pictureKind = Drawing;
            }
            if (word.picture.isNull()) {
                word.picture = WordCard::paint(entry.word);
                word.photo = false;
            }
            enum { OwnSound, Spoken, Silent } soundKind = Silent;
            QByteArray sound;
            if (!entry.sound.isEmpty()) {
                sound = SoundFiles::readPlayable(entry.sound, &why);
                if (sound.isEmpty())
                    report.notes.append(QStringLiteral("line %1, \"%2\": the sound was left out: %3").arg(entry.line).arg(entry.word, why));
            }
            if (!sound.isEmpty()) {
                soundKind = OwnSound;
                word.writeSound = [sound](const QString& path, QString* error) { return writeBytes(sound, path, error); };
            } else if (options.speak) {
                word.writeSound = [&soundKind, w = entry.word](const QString& path, QString*) {
                    // A missing synthesiser leaves the word silent rather than out.
                    QString unspoken;
                    if (Speech::makeWordSound(w, QStringLiteral("en-us"), path, &unspoken)) soundKind = Spoken;
                    return true;
                };
            }
            if (UserWords::add(options.into, word, &why)) {
                ++report.added;
                pictureKind == Own ? ++report.withOwnPicture : pictureKind == Drawing ? ++report.withPackDrawing : ++report.withWordCard;
                soundKind == OwnSound ? ++report.withOwnSound : soundKind == Spoken ? ++report.spoken : ++report.silent;
            } else {
                report.skipped.append({entry.line, entry.word, why});
            }
        }
        if (progress && !progress(i + 1, total)) {
            report.cancelled = i + 1 < total;
            break;
        }
    }
    return report;
}

} // namespace WordImporter
