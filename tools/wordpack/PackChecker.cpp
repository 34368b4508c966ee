// PackChecker: finds what in a word pack would leave a game silent, blank or stuck.
#include "PackChecker.h"

#include "audio/Mp3Frames.h"
#include "audio/SoundFiles.h"
#include "catalogue/UserWords.h"
#include "SubjectRules.h"
#include "catalogue/Subjects.h"
#include "catalogue/WordRules.h"
#include "app/PathIgnoringCase.h"
#include "catalogue/FileNames.h"
#include "catalogue/GameInstructions.h"
#include "games/choose/ChooseRules.h"
#include "games/memory/MemoryBoard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSet>

#include <algorithm>

namespace {

// The most different words one table shows: the choose game's buttons, the memory game's pairs.
constexpr int MostWordsOnATable = std::max(ChooseRules::ButtonCount, MemoryBoard::PairCount);

// The name of the folder's entry the program would open for this name; empty when that is no file (or no
// folder, when folder is true).
QString findEntry(const QDir& dir, const QString& name, bool folder) {
    const QFileInfo found(resolvePathIgnoringCase(dir.filePath(name)));
    return (folder ? found.isDir() : found.isFile()) ? found.fileName() : QString();
}

// The program's setting for the language.
QString languageKey(bool british) {
    return british ? QStringLiteral("BRITISH") : QStringLiteral("AMERICAN");
}

QString languageName(bool british) {
    return british ? QStringLiteral("British") : QStringLiteral("American");
}

void checkSubject(const QDir& dir, const QString& place, QStringList* out) {
    const QStringList pictures = Catalogue::listPictures(dir.path());
    QHash<QString, QString> soundProblems; // by sound file, shared by a British and an American picture
    int britishOnly = 0, americanOnly = 0;
    for (const QString& name : pictures) {
        const QString where = place + u'/' + name;
        QImageReader reader(dir.filePath(name));
        reader.setDecideFormatFromContent(true);
        if (reader.read().isNull()) *out << QStringLiteral("%1: picture does not decode (%2)").arg(where, reader.errorString());
        const QString stem = name.left(name.size() - 4);
        const bool uk = stem.contains(Catalogue::BritishTag), us = stem.contains(Catalogue::AmericanTag);
        if (uk && us) *out << QStringLiteral("%1: carries both variant tags").arg(where);
        else if ((uk && !stem.endsWith(Catalogue::BritishTag)) || (us && !stem.endsWith(Catalogue::AmericanTag)))
            *out << QStringLiteral("%1: the variant tag must come just before .edi").arg(where);
        britishOnly += uk && !us;
        americanOnly += us && !uk;
        const QString word = Catalogue::wordFromFileName(name);
        const QString why = WordRules::unplayableReason(word);
        if (!why.isEmpty()) {
            *out << QStringLiteral("%1: the word \"%2\" %3").arg(where, word, why);
            continue;
        }
        const QString misfit = SubjectRules::misfit(place, word);
        if (!misfit.isEmpty()) *out << QStringLiteral("%1: %2").arg(where, misfit);
        const QString sound = word + QStringLiteral(".eda");
        if (!soundProblems.contains(sound.toLower())) {
            const QString found = findEntry(dir, sound, false);
            const QString problem = found.isEmpty() ? QStringLiteral("missing") : PackChecker::soundProblem(dir.filePath(found));
            soundProblems.insert(sound.toLower(), problem);
            if (!problem.isEmpty()) *out << QStringLiteral("%1/%2: %3").arg(place, sound, problem);
        }
    }
    if (britishOnly != americanOnly)
        *out << QStringLiteral("%1: %2 British-only pictures but %3 American-only ones; variants come in pairs")
                    .arg(place)
                    .arg(britishOnly)
                    .arg(americanOnly);
    if (pictures.size() < MemoryBoard::MinimumFiles)
        *out << QStringLiteral("%1: %2 pictures; the memory game needs at least %3")
                    .arg(place)
                    .arg(pictures.size())
                    .arg(MemoryBoard::MinimumFiles);
    for (const bool british : {true, false}) {
        QSet<QString> words, mixedWords;
        for (int i = 0; i < pictures.size(); ++i) {
            const QString word = Catalogue::wordFromFileName(pictures[i]);
            if (!Catalogue::matchesLanguage(pictures[i], languageKey(british)) || !WordRules::unplayableReason(word).isEmpty()) continue;
            words.insert(word);
            if (i >= 1 && i <= 9) mixedWords.insert(word);
        }
        if (place.compare(SubjectRules::kAlphabetSubject, Qt::CaseInsensitive) == 0) {
            QSet<QChar> firsts;
            for (const QString& word : words) firsts.insert(word.front().toLower());
            for (char c = 'a'; c <= 'z'; ++c)
                if (!firsts.contains(QChar::fromLatin1(c)))
                    *out << QStringLiteral("%1: no word starts with \"%2\" in %3 English")
                                .arg(place, QChar::fromLatin1(c), languageName(british));
        }
        if (words.size() < MostWordsOnATable)
            *out << QStringLiteral("%1: %2 different words in %3 English; the choose and memory games need %4")
                        .arg(place)
                        .arg(words.size())
                        .arg(languageName(british))
                        .arg(MostWordsOnATable);
        if (mixedWords.size() < 2)
            *out << QStringLiteral("%1: %2 different words among pictures 2 to 10 of the listing in %3 English; "
                                   "the mixed-letters game needs two")
                        .arg(place)
                        .arg(mixedWords.size())
                        .arg(languageName(british));
    }
    const QString chime = findEntry(dir, QStringLiteral("1.eda"), false);
    const QString chimeProblem = chime.isEmpty() ? QStringLiteral("missing") : PackChecker::soundProblem(dir.filePath(chime));
    if (!chimeProblem.isEmpty()) *out << QStringLiteral("%1/1.eda: %2").arg(place, chimeProblem);
}

// Without them a game cannot tell a child who cannot read what to do (the program is quiet, not broken).
void checkInstructions(const QDir& root, QStringList* out) {
    const QString folder = findEntry(root, QLatin1String(GameInstructions::Folder), true);
    if (folder.isEmpty()) {
        *out << QStringLiteral("%1: folder missing").arg(QLatin1String(GameInstructions::Folder));
        return;
    }
    const QDir dir(root.filePath(folder));
    for (const GameDescriptor& game : GameList) {
        const QPair<QString, double> files[] = {
            {GameInstructions::sentenceFile(game), PackChecker::kLongestInstruction},
            {GameInstructions::nameFile(game), PackChecker::kLongestSound}};
        for (const auto& [name, longest] : files) {
            const QString found = findEntry(dir, name, false);
            const QString problem =
                found.isEmpty() ? QStringLiteral("missing") : PackChecker::soundProblem(dir.filePath(found), longest);
            if (!problem.isEmpty()) *out << QStringLiteral("%1/%2: %3").arg(folder, name, problem);
        }
    }
    for (const HomeSubject& subject : HomeSubjects) {
        for (const bool british : {false, true}) {
            const QString name = GameInstructions::subjectNameFile(subject, british);
            const QString found = findEntry(dir, name, false);
            const QString problem = found.isEmpty() ? QStringLiteral("missing")
                                                    : PackChecker::soundProblem(dir.filePath(found), PackChecker::kLongestSound);
            if (!problem.isEmpty()) *out << QStringLiteral("%1/%2: %3").arg(folder, name, problem);
        }
    }
}

} // namespace

namespace PackChecker {

QString soundProblem(const QString& path, double longest) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("cannot be read");
    double seconds = 0;
    QString why;
    if (!Mp3Frames::duration(file.readAll(), &seconds, &why)) return QStringLiteral("sound does not decode (%1)").arg(why);
    if (seconds < kShortestSound || seconds > longest)
        return QStringLiteral("sound lasts %1 s; it should last %2 to %3 s")
            .arg(seconds, 0, 'f', 2)
            .arg(kShortestSound)
            .arg(longest);
    return {};
}

QStringList problems(const QString& folder) {
    QStringList out;
    const QDir root(folder);
    if (!root.exists()) return {QStringLiteral("%1: no such folder").arg(folder)};
    for (const QString& subject : Subjects::all()) {
        const QString found = findEntry(root, subject, true);
        if (found.isEmpty()) {
            out << QStringLiteral("%1: subject folder missing").arg(subject);
            continue;
        }
        checkSubject(QDir(root.filePath(found)), found, &out);
    }
    checkInstructions(root, &out);
    const QString letters = findEntry(root, QStringLiteral("Letters"), true);
    if (letters.isEmpty()) {
        out << QStringLiteral("Letters: folder missing");
        return out;
    }
    const QDir letterDir(root.filePath(letters));
    for (char c = 'a'; c <= 'z'; ++c) {
        for (const QString& letter : {QString(QChar(c)), QString(QChar(c)).toUpper()}) {
            // Lower and upper case are separate files: a game plays a capital's own sound.
            const QString name = letter + QStringLiteral(".eda");
            const QString problem = letterDir.exists(name) ? soundProblem(letterDir.filePath(name)) : QStringLiteral("missing");
            if (!problem.isEmpty()) out << QStringLiteral("%1/%2: %3").arg(letters, name, problem);
        }
    }
    return out;
}

QStringList userProblems(const QString& root) {
    QStringList out;
    const QDir dir(root);
    for (const QString& subject : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString place = dir.filePath(subject);
        if (UserWords::canonicalSubject(subject).isEmpty()) {
            out << QStringLiteral("%1: no subject of the program has this name; its words are never shown").arg(place);
            continue;
        }
        for (const UserWords::Word& w : UserWords::list(root)) {
            if (w.subject.compare(subject, Qt::CaseInsensitive) != 0) continue;
            QImageReader reader(w.picturePath);
            reader.setDecideFormatFromContent(true);
            if (reader.read().isNull())
                out << QStringLiteral("%1: picture does not decode (%2)").arg(w.picturePath, reader.errorString());
            const QString why = WordRules::unplayableReason(w.word);
            if (!why.isEmpty()) out << QStringLiteral("%1: the word \"%2\" %3").arg(w.picturePath, w.word, why);
            QString soundWhy;
            if (w.soundPath.isEmpty())
                out << QStringLiteral("%1/%2.eda: missing").arg(place, w.word);
            else if (SoundFiles::readPlayable(w.soundPath, &soundWhy).isEmpty())
                out << QStringLiteral("%1: %2").arg(w.soundPath, soundWhy);
        }
    }
    return out;
}

} // namespace PackChecker
