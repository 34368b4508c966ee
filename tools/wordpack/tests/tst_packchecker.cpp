// Tests that the pack check finds each fault that would leave a game blank, silent or stuck, and nothing else.
#include "audio/Mp3Frames.h"
#include "PackChecker.h"
#include "audio/Pcm.h"
#include "audio/Speech.h"
#include "catalogue/Subjects.h"
#include "catalogue/GameInstructions.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

namespace {

Pcm tone(double seconds) {
    Pcm pcm;
    pcm.samples.resize(int(seconds * pcm.rate));
    for (int i = 0; i < pcm.samples.size(); ++i) pcm.samples[i] = qint16(8000 * std::sin(i * 0.1));
    return pcm;
}

QByteArray encoded(double seconds, const QString& scratch) {
    QString why;
    const QString path = scratch + QStringLiteral("/tone.mp3");
    if (!Speech::encodeMp3(tone(seconds), path, &why)) qFatal("cannot encode a test sound: %s", qPrintable(why));
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void put(const QString& path, const QByteArray& data) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

class tst_packchecker : public QObject {
    Q_OBJECT

    QTemporaryDir scratch_;
    QByteArray picture_, sound_, longSound_;
    const QStringList words_ = {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel"};

    // Words that fit the subjects which keep to a list or to the alphabet.
    QStringList wordsOf(const QString& subject) const {
        if (subject == "insects") return {"ant", "bee", "beetle", "fly", "moth", "wasp", "flea", "gnat"};
        if (subject == "vowels") return {"apple", "egg", "igloo", "octopus", "umbrella", "ant", "elf", "ox"};
        if (subject == "phonics a to z") {
            QStringList words;
            for (char c = 'a'; c <= 'z'; ++c) words << QChar(c) + QString("og");
            return words;
        }
        return words_;
    }

    // A small pack that passes: every subject with its words, their sounds and the chime, all letters, the
    // games' instructions and names.
    void makePack(const QString& root) {
        QDir dir(root);
        for (const QString& subject : Subjects::all()) {
            dir.mkpath(subject);
            for (const QString& word : wordsOf(subject)) {
                put(dir.filePath(subject + "/" + word + ".edi"), picture_);
                put(dir.filePath(subject + "/" + word + ".eda"), sound_);
            }
            put(dir.filePath(subject + "/1.eda"), sound_);
        }
        dir.mkpath("Letters");
        for (char c = 'a'; c <= 'z'; ++c) {
            put(dir.filePath(QString("Letters/%1.eda").arg(c)), sound_);
            put(dir.filePath(QString("Letters/%1.eda").arg(QChar(c).toUpper())), sound_);
        }
        dir.mkpath("Instructions");
        for (const GameDescriptor& game : GameList) {
            put(dir.filePath("Instructions/" + GameInstructions::sentenceFile(game)), sound_);
            put(dir.filePath("Instructions/" + GameInstructions::nameFile(game)), sound_);
        }
        for (const HomeSubject& subject : HomeSubjects)
            for (const bool british : {false, true})
                put(dir.filePath("Instructions/" + GameInstructions::subjectNameFile(subject, british)), sound_);
    }

private slots:
    void initTestCase() {
        QVERIFY(scratch_.isValid());
        QImage image(80, 60, QImage::Format_RGB32);
        image.fill(Qt::green);
        QBuffer buffer(&picture_);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        sound_ = encoded(0.6, scratch_.path());
        longSound_ = encoded(4.0, scratch_.path());
    }

    void frameWalkMeasuresTheEncodedLength_data() {
        QTest::addColumn<double>("seconds");
        QTest::newRow("short") << 0.3;
        QTest::newRow("one second") << 1.0;
        QTest::newRow("long") << 4.0;
    }
    void frameWalkMeasuresTheEncodedLength() {
        QFETCH(double, seconds);
        double measured = 0;
        QString why;
        QVERIFY2(Mp3Frames::duration(encoded(seconds, scratch_.path()), &measured, &why), qPrintable(why));
        // The encoder pads the last frame and adds its delay: at most a few frames of 26 ms.
        QVERIFY2(measured >= seconds - 0.01 && measured <= seconds + 0.12, qPrintable(QString::number(measured)));
    }

    void frameWalkRefusesWhatIsNotWholeSound_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text") << QByteArray("hello, this is not a sound at all") << "not an MPEG";
        QTest::newRow("empty") << QByteArray() << "no sound";
        QTest::newRow("cut in half") << sound_.left(sound_.size() / 2 + 7) << "cut short";
        QTest::newRow("noise after frames") << sound_ + QByteArray(40, 'x') << "damaged";
    }
    void frameWalkRefusesWhatIsNotWholeSound() {
        QFETCH(QByteArray, data);
        QFETCH(QString, reason);
        double seconds = 0;
        QString why;
        QVERIFY(!Mp3Frames::duration(data, &seconds, &why));
        QVERIFY2(why.contains(reason), qPrintable(why));
    }

    void checkReportsEachFaultOnce_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("problem");
        QTest::newRow("none") << "none" << "";
        QTest::newRow("subject folder in other case") << "lower-case Birds" << "";
        QTest::newRow("missing subject") << "no Birds" << "Birds: subject folder missing";
        QTest::newRow("text as picture") << "text picture" << "food/alpha.edi: picture does not decode";
        QTest::newRow("word sound in other case") << "upper-case sound" << "";
        QTest::newRow("missing word sound") << "no sound" << "food/alpha.eda: missing";
        QTest::newRow("cut sound") << "cut sound" << "food/alpha.eda: sound does not decode";
        QTest::newRow("long sound") << "long sound" << "food/alpha.eda: sound lasts 4.";
        QTest::newRow("missing chime") << "no chime" << "food/1.eda: missing";
        QTest::newRow("missing capital letter") << "no Q" << "Letters/Q.eda: missing";
        QTest::newRow("missing instruction") << "no instruction" << "Instructions/memory.eda: missing";
        QTest::newRow("missing instructions") << "no instructions" << "Instructions: folder missing";
        QTest::newRow("sentence longer than a word") << "long instruction" << "";
        QTest::newRow("long game name") << "long name" << "Instructions/memory name.eda: sound lasts 4.";
        QTest::newRow("missing British subject name") << "no colours"
                                                      << "Instructions/subject colours uk.eda: missing";
        QTest::newRow("unplayable word") << "dog2" << "food/dog2.edi: the word \"dog2\" holds \"2\"";
        QTest::newRow("unpaired variant") << "tyre" << "food: 1 British-only pictures but 0 American-only";
        QTest::newRow("both tags") << "both tags" << "food/cat type_uk type_us.edi: carries both";
        QTest::newRow("tag inside the name") << "inner tag" << "food/cat type_uk big.edi: the variant tag";
        QTest::newRow("six pictures") << "six pictures" << "food: 6 pictures; the memory game needs at least 7";
        QTest::newRow("five distinct words") << "repeated words" << "food: 5 different words in British English";
        QTest::newRow("one word in mixed range") << "mixed range" << "food: 1 different words among pictures 2 to 10";
        QTest::newRow("not an insect") << "spider" << "insects/spider.edi: \"spider\" does not belong in insects";
        QTest::newRow("long vowel") << "eagle" << "vowels/eagle.edi: \"eagle\" does not belong in vowels";
        QTest::newRow("letter without a word") << "fox for x" << "phonics a to z: no word starts with \"x\" in British";
    }
    void checkReportsEachFaultOnce() {
        QFETCH(QString, fault);
        QFETCH(QString, problem);
        QTemporaryDir root;
        makePack(root.path());
        QDir food(root.filePath("food"));
        if (fault == "lower-case Birds") QVERIFY(QDir(root.path()).rename("Birds", "birds"));
        if (fault == "no Birds") QVERIFY(QDir(root.filePath("Birds")).removeRecursively());
        if (fault == "text picture") put(food.filePath("alpha.edi"), "a picture of alpha");
        if (fault == "no sound") QVERIFY(food.remove("alpha.eda"));
        if (fault == "upper-case sound") QVERIFY(food.rename("alpha.eda", "ALPHA.eda"));
        if (fault == "cut sound") put(food.filePath("alpha.eda"), sound_.left(sound_.size() / 2 + 3));
        if (fault == "long sound") put(food.filePath("alpha.eda"), longSound_);
        if (fault == "no chime") QVERIFY(food.remove("1.eda"));
        if (fault == "no Q") QVERIFY(QDir(root.filePath("Letters")).remove("Q.eda"));
        if (fault == "no instruction") QVERIFY(QFile::remove(root.filePath("Instructions/memory.eda")));
        if (fault == "no instructions") QVERIFY(QDir(root.filePath("Instructions")).removeRecursively());
        if (fault == "long instruction") put(root.filePath("Instructions/memory.eda"), longSound_);
        if (fault == "long name") put(root.filePath("Instructions/memory name.eda"), longSound_);
        if (fault == "no colours") QVERIFY(QFile::remove(root.filePath("Instructions/subject colours uk.eda")));
        auto addWord = [&](const QString& picture, const QString& word) {
            put(food.filePath(picture + ".edi"), picture_);
            put(food.filePath(word + ".eda"), sound_);
        };
        if (fault == "dog2") addWord("dog2", "dog2");
        if (fault == "tyre") addWord("tyre type_uk", "tyre");
        if (fault == "both tags") addWord("cat type_uk type_us", "cat");
        if (fault == "inner tag") {
            addWord("cat type_uk big", "cat big");
            addWord("dog type_us", "dog");
        }
        if (fault == "six pictures") QVERIFY(food.remove("alpha.edi") && food.remove("bravo.edi"));
        if (fault == "repeated words") {
            for (const char* w : {"bravo", "charlie", "delta"}) QVERIFY(food.remove(w + QString(".edi")));
            for (const char* p : {"01 alpha", "02 alpha", "03 alpha"}) addWord(p, "alpha");
        }
        auto addTo = [&](const QString& subject, const QString& word) {
            put(root.filePath(subject + "/" + word + ".edi"), picture_);
            put(root.filePath(subject + "/" + word + ".eda"), sound_);
        };
        if (fault == "spider") addTo("insects", "spider");
        if (fault == "eagle") addTo("vowels", "eagle");
        if (fault == "fox for x") {
            QVERIFY(QFile::remove(root.filePath("phonics a to z/xog.edi")));
            addTo("phonics a to z", "fox");
        }
        if (fault == "mixed range") {
            addWord("00 zulu", "zulu");
            for (int i = 1; i <= 9; ++i) addWord(QString("0%1 kilo").arg(i), "kilo");
        }

        const QStringList problems = PackChecker::problems(root.path());
        if (problem.isEmpty()) {
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
            return;
        }
        // Both Englishes lack the same words.
        QCOMPARE(problems.size(), fault == "repeated words" || fault == "mixed range" || fault == "fox for x" ? 2 : 1);
        QVERIFY2(problems.first().startsWith(problem), qPrintable(problems.join('\n')));
    }

    void checkOfAMissingFolderFails() {
        const QStringList problems = PackChecker::problems(scratch_.filePath("nowhere"));
        QCOMPARE(problems.size(), 1);
        QVERIFY(problems.first().contains("no such folder"));
    }
};

QTEST_GUILESS_MAIN(tst_packchecker)
#include "tst_packchecker.moc"
