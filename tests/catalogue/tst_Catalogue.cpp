// Tests for the word catalogue: file-name rules, picture listing and case-insensitive paths.
#include "app/AppState.h"
#include "catalogue/Catalogue.h"
#include "app/LearnersEnglish.h"
#include "catalogue/Subjects.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Catalogue;

class tst_Catalogue : public QObject {
    Q_OBJECT

private:
    QTemporaryDir tmp_;

    void touch(const QString& relative) {
        const QString path = tmp_.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    }

private slots:
    void initTestCase() {
        QVERIFY(tmp_.isValid());
        for (const char* name : {"files/phonics a to z/Colour.eda", "files/phonics a to z/cat.edi",
                                 "files/Letters/m.eda", "files/twins/Cat.eda", "files/twins/cat.eda",
                                 "files/Letters/z.eda", "files/Letters/uk/Z.eda", "files/Instructions/memory.eda",
                                 "files/Instructions/uk/memory.eda", "files/Instructions/cards.eda"})
            touch(QString::fromUtf8(name));
    }

    // Catches a variant picture offered for the wrong kind of English, or a tag matched without case.
    void languageMatchFollowsTags_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("uk plain") << "tomato.edi"
                                  << "BRITISH" << true;
        QTest::newRow("uk uk-tag") << "tomato type_uk.edi"
                                   << "BRITISH" << true;
        QTest::newRow("uk us-tag") << "tomato type_us.edi"
                                   << "BRITISH" << false;
        QTest::newRow("uk both") << "tomato type_uk type_us.edi"
                                 << "BRITISH" << true;
        QTest::newRow("us plain") << "tomato.edi"
                                  << "AMERICAN" << true;
        QTest::newRow("us uk-tag") << "tomato type_uk.edi"
                                   << "AMERICAN" << false;
        QTest::newRow("us us-tag") << "tomato type_us.edi"
                                   << "AMERICAN" << true;
        QTest::newRow("us both") << "tomato type_uk type_us.edi"
                                 << "AMERICAN" << true;
        QTest::newRow("empty language is American") << "tomato type_uk.edi"
                                                    << "" << false;
        QTest::newRow("language compared exactly") << "tomato type_us.edi"
                                                   << "british" << true;
        QTest::newRow("capital tag is no tag") << "tomato Type_UK.edi"
                                               << "AMERICAN" << true;
        QTest::newRow("tag needs its blank") << "tomatotype_uk.edi"
                                             << "AMERICAN" << true;
    }
    void languageMatchFollowsTags() {
        QFETCH(QString, name);
        QFETCH(QString, language);
        QFETCH(bool, accepted);
        QCOMPARE(matchesLanguage(name, language), accepted);
    }

    // Catches a wrong word shown, spelled or spoken for a picture file.
    void fileNameGivesItsWord_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("word");
        QTest::newRow("plain") << "cat.edi"
                               << "cat";
        QTest::newRow("prefix") << "03 zebra.edi"
                                << "zebra";
        QTest::newRow("prefix, blanks and tag") << "12 ice cream type_uk.edi"
                                                << "ice cream";
        QTest::newRow("us tag") << "color type_us.edi"
                                << "color";
        QTest::newRow("two letters") << "ab.edi"
                                     << "ab";
        QTest::newRow("blank second") << "a b.edi"
                                      << "a b";
        QTest::newRow("blank third is a prefix") << "ab c.edi"
                                                 << "c";
        QTest::newRow("one emoji and a blank is no prefix") << "🍎 red.edi"
                                                            << "🍎 red";
        QTest::newRow("two emoji are a prefix") << "🍎🍏 red.edi"
                                                << "red";
        QTest::newRow("accent mark is no character") << "e\u0301a red.edi"
                                                     << "red";
        QTest::newRow("capital tag stays") << "apple Type_UK.edi"
                                           << "apple Type_UK";
        QTest::newRow("leading blank tag stays") << " Type_UK.edi"
                                                 << " Type_UK";
        QTest::newRow("upper-case extension") << "CAT.EDI"
                                              << "CAT";
        QTest::newRow("every tag removed") << "01 apple type_uk type_uk.edi"
                                           << "apple";
        QTest::newRow("tag before prefix test") << "ab type_uk.edi"
                                                << "ab";
        QTest::newRow("shorter than an extension") << "ed"
                                                   << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void fileNameGivesItsWord() {
        QFETCH(QString, name);
        QFETCH(QString, word);
        QCOMPARE(wordFromFileName(name), word);
    }

    // Catches a picture tag cut at the last dot instead of the first, or a key start that keeps its tags.
    void pictureKeyAndItsWord_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("word");
        QTest::newRow("plain") << "cat.edi"
                               << "cat"
                               << "cat";
        QTest::newRow("tags and prefix") << "12 ice cream type_uk.edi"
                                         << "12 ice cream type_uk"
                                         << "ice cream";
        QTest::newRow("first dot") << "mr. fox.edi"
                                   << "mr"
                                   << "mr";
        QTest::newRow("no dot") << "noext"
                                << "noext"
                                << "noext";
    }
    void pictureKeyAndItsWord() {
        QFETCH(QString, name);
        QFETCH(QString, key);
        QFETCH(QString, word);
        QCOMPARE(pictureKey(name), key);
        QCOMPARE(wordFromPictureKey(pictureKey(name)), word);
    }

    // Catches pictures lost to the extension's case, strangers listed, or an order that changes between runs.
    void listPicturesFiltersAndOrders() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char* name : {"b.edi", "CAT.EDI", "c.Edi", "01 zebra.edi", "Dog.edi", "dog.edi",
                                 "note.txt", "cat.edi.bak", "edi", "x.ed", "sound.eda", ".hidden.edi"}) {
            QFile f(dir.filePath(QString::fromUtf8(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.edi")));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.edi"))).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("b.edi")), dir.filePath(QStringLiteral("link.edi"))));
        QVERIFY(
            QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral("dangling.edi"))));
        const QStringList expected{"01 zebra.edi", "b.edi",   "c.Edi",   "CAT.EDI",
                                   "Dog.edi",      "dog.edi", "link.edi"};
        QCOMPARE(listPictures(dir.path()), expected);
        QCOMPARE(wordFromFileName(listPictures(dir.path()).at(3)), QStringLiteral("CAT"));
    }

    // Catches a crash or stale names when the subject folder is missing or named in another case.
    void listPicturesOfMissingOrMiscasedFolder() {
        QCOMPARE(listPictures(tmp_.filePath(QStringLiteral("files/no such subject"))), QStringList());
        QCOMPARE(listPictures(QString()), QStringList());
        QCOMPARE(listPictures(tmp_.filePath(QStringLiteral("files/Phonics A to Z"))),
                 QStringList{QStringLiteral("cat.edi")});
    }

    // Catches a name that exists in another case not being found (folders and files alike).
    void resolvePathIgnoresCaseWhenExactIsAbsent_data() {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("found");
        QTest::newRow("exact kept") << "files/phonics a to z"
                                    << "files/phonics a to z";
        QTest::newRow("folder") << "files/Phonics a to z"
                                << "files/phonics a to z";
        QTest::newRow("folder and file") << "FILES/PHONICS A TO Z/colour.eda"
                                         << "files/phonics a to z/Colour.eda";
        QTest::newRow("letter") << "files/letters/M.eda"
                                << "files/Letters/m.eda";
        QTest::newRow("missing file keeps its name") << "files/Phonics a to z/Missing.eda"
                                                     << "files/phonics a to z/Missing.eda";
        QTest::newRow("missing folder keeps the rest") << "files/Nowhere/Cat.eda"
                                                       << "files/Nowhere/Cat.eda";
        QTest::newRow("exact wins over other case") << "files/twins/cat.eda"
                                                    << "files/twins/cat.eda";
        QTest::newRow("several matches, first by name") << "files/twins/CAT.eda"
                                                        << "files/twins/Cat.eda";
    }
    void resolvePathIgnoresCaseWhenExactIsAbsent() {
        QFETCH(QString, asked);
        QFETCH(QString, found);
        QCOMPARE(resolvePath(tmp_.path() + QLatin1Char('/') + asked), tmp_.path() + QLatin1Char('/') + found);
    }

    // Catches the sound and subject paths built beside the wrong folder or missing the on-disk case.
    void pathsAreBuiltUnderTheProgramFolder() {
        const QString saved = appState().programFolder;
        appState().programFolder = tmp_.path();
        const QString base = tmp_.path() + QStringLiteral("/files/");
        QCOMPARE(filesFolder(), tmp_.path() + QStringLiteral("/files"));
        QCOMPARE(subjectFolder(QStringLiteral("Phonics a to z")), base + QStringLiteral("phonics a to z"));
        QCOMPARE(wordSoundPath(QStringLiteral("Phonics a to z"), QStringLiteral("colour")),
                 base + QStringLiteral("phonics a to z/Colour.eda"));
        QCOMPARE(letterSoundPath(QStringLiteral("M")), base + QStringLiteral("Letters/m.eda"));
        QCOMPARE(letterSoundPath(QStringLiteral("q")), base + QStringLiteral("Letters/q.eda"));
        appState().programFolder = saved;
    }

    // Catches "colors" shown to a British learner (or a stored key respelled), and letters and instructions
    // heard in the American voice ("zee") by a British learner, or silence where a pack has no British copy.
    void learnersEnglishNamesAndSounds_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("letterZ");
        QTest::addColumn<QString>("memory");
        QTest::addColumn<QString>("cards");
        QTest::newRow("British") << "BRITISH" << "colors" << "colours" << "Letters/uk/Z.eda"
                                 << "Instructions/uk/memory.eda" << "Instructions/cards.eda";
        QTest::newRow("British, any case") << "BRITISH" << "Colors" << "colours" << "Letters/uk/Z.eda"
                                           << "Instructions/uk/memory.eda" << "Instructions/cards.eda";
        QTest::newRow("British, same spelling") << "BRITISH" << "Big Numbers" << "Big Numbers" << "Letters/uk/Z.eda"
                                                << "Instructions/uk/memory.eda" << "Instructions/cards.eda";
        QTest::newRow("American") << "AMERICAN" << "colors" << "colors" << "Letters/z.eda"
                                  << "Instructions/memory.eda" << "Instructions/cards.eda";
        QTest::newRow("British, no subject") << "BRITISH" << "my words" << "my words" << "Letters/uk/Z.eda"
                                             << "Instructions/uk/memory.eda" << "Instructions/cards.eda";
    }
    void learnersEnglishNamesAndSounds() {
        QFETCH(QString, language);
        QFETCH(QString, folder);
        QFETCH(QString, shown);
        QFETCH(QString, letterZ);
        QFETCH(QString, memory);
        QFETCH(QString, cards);
        const AppState saved = appState();
        appState().programFolder = tmp_.path();
        appState().language = language;
        const QString base = tmp_.path() + QStringLiteral("/files/");
        QCOMPARE(Subjects::shownName(folder, britishEnglish()), shown);
        QCOMPARE(letterSoundPath(QStringLiteral("z")), base + letterZ);
        QCOMPARE(instructionSoundPath(QStringLiteral("memory.eda")), base + memory);
        QCOMPARE(instructionSoundPath(QStringLiteral("cards.eda")), base + cards);
        appState() = saved;
    }
};

QTEST_GUILESS_MAIN(tst_Catalogue)
#include "tst_Catalogue.moc"
