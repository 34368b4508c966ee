// Tests of the grown-up's own words: storing them whole or not at all, and the games finding them beside the pack.
#include "app/AppState.h"
#include "audio/SoundFiles.h"
#include "catalogue/Catalogue.h"
#include "catalogue/StoredPicture.h"
#include "catalogue/UserWords.h"
#include "games/common/PictureList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage photo() {
    QImage image(1600, 1200, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return image;
}

UserWords::SoundWriter bytes(const QByteArray& data) {
    return [data](const QString& path, QString*) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
    };
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class tst_UserWords : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;
    QString root_;

private slots:
    void init() {
        QVERIFY(tmp_.isValid());
        root_ = tmp_.filePath(QStringLiteral("words"));
        QDir(root_).removeRecursively();
    }

    // Catches a stored word the games cannot find (wrong folder, name or size) or a sound left out.
    void addedWordIsStoredInThePacksLayout() {
        QString why;
        QVERIFY2(UserWords::add(root_, {"Farm Animals", "rex", UserWords::Variant::British, photo(), true, bytes("one")}, &why),
                 qPrintable(why));
        const QString picture = root_ + "/farm animals/rex type_uk.edi";
        QCOMPARE(QImage(picture).size(), QSize(800, 600));
        QCOMPARE(read(root_ + "/farm animals/rex.eda"), QByteArray("one"));
        const QList<UserWords::Word> words = UserWords::list(root_);
        QCOMPARE(words.size(), 1);
        QCOMPARE(words[0].subject, QStringLiteral("farm animals"));
        QCOMPARE(words[0].variant, UserWords::Variant::British);
    }

    // Catches a failed write that half-replaces a word: the old picture and sound must stay whole.
    void aFailedWriteLeavesTheEarlierWord_data() {
        QTest::addColumn<bool>("soundFails");
        QTest::newRow("sound cannot be made") << true;
        QTest::newRow("picture cannot be written") << false;
    }
    void aFailedWriteLeavesTheEarlierWord() {
        QFETCH(bool, soundFails);
        QString why;
        QVERIFY(UserWords::add(root_, {"my words", "rex", {}, photo(), true, bytes("old")}, &why));
        const QByteArray oldPicture = read(root_ + "/my words/rex.edi");
        UserWords::NewWord again{"my words", "rex", UserWords::Variant::American, photo(), false, bytes("new")};
        if (soundFails) {
            again.writeSound = [](const QString& path, QString* error) {
                QFile(path).open(QIODevice::WriteOnly); // a partial file, then the failure
                *error = QStringLiteral("the disk is full");
                return false;
            };
        } else {
            // A folder where the new picture should go: the picture cannot be written.
            QVERIFY(QDir().mkpath(root_ + "/my words/rex type_us.edi"));
        }
        QVERIFY(!UserWords::add(root_, again, &why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(read(root_ + "/my words/rex.edi"), oldPicture);
        QCOMPARE(read(root_ + "/my words/rex.eda"), QByteArray("old"));
        QCOMPARE(QDir(root_ + "/my words").entryList(QDir::Files | QDir::Hidden).size(), 2); // no leftovers
    }

    // Catches words that cannot be file names or played, and an unknown subject, being stored.
    void badWordsAreRefused_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("subject");
        QTest::newRow("slash") << "a/b" << "my words";
        QTest::newRow("dot dot") << ".." << "my words";
        QTest::newRow("quote") << "say\"" << "my words";
        QTest::newRow("blanks") << "   " << "my words";
        QTest::newRow("unknown subject") << "rex" << "../elsewhere";
    }
    void badWordsAreRefused() {
        QFETCH(QString, word);
        QFETCH(QString, subject);
        QString why;
        QVERIFY(!UserWords::add(root_, {subject, word, {}, photo(), true, bytes("x")}, &why));
        QVERIFY(!why.isEmpty());
        QVERIFY(!QFileInfo::exists(tmp_.filePath("elsewhere")));
        QVERIFY(UserWords::list(root_).isEmpty());
    }

    // Catches a read-only or missing data folder reported as success.
    void anUnwritableFolderIsReported() {
        QFile blocker(root_);
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        QString why;
        QVERIFY(!UserWords::add(root_, {"my words", "rex", {}, photo(), true, bytes("x")}, &why));
        QVERIFY(why.contains("cannot be made"));
        QFile::remove(root_);
    }

    // Catches a damaged, oversized or fake picture or sound reaching the store instead of a calm reason.
    void badPicturesAndSoundsAreRefused() {
        QString why;
        const QString damaged = tmp_.filePath("damaged.png");
        QVERIFY(photo().save(damaged));
        QFile f(damaged);
        QVERIFY(f.resize(200));
        QVERIFY(StoredPicture::read(damaged, nullptr, &why).isNull());
        QVERIFY(why.contains("damaged"));
        const QString huge = tmp_.filePath("huge.jpg");
        QFile h(huge);
        QVERIFY(h.open(QIODevice::WriteOnly) && h.resize(40 * 1024 * 1024));
        QVERIFY(StoredPicture::read(huge, nullptr, &why).isNull());
        QVERIFY(why.contains("too big"));
        QVERIFY(!SoundFiles::isPlayable("hello, I am a text file\n", &why));
        QVERIFY(!SoundFiles::isPlayable(read(damaged), &why));
        QVERIFY(why.contains("not a sound"));
    }

    // Catches the games missing a grown-up's word, showing the pack's word of the same name, or playing the
    // pack's sound for it.
    void gamesListOwnWordsOverThePacks() {
        QString why;
        const QString pack = tmp_.filePath("files/farm animals");
        QVERIFY(QDir().mkpath(pack));
        for (const char* name : {"cow.edi", "dog.edi", "dog.eda"}) QFile(pack + "/" + name).open(QIODevice::WriteOnly);
        qputenv("XDG_DATA_HOME", tmp_.path().toUtf8());
        QCOMPARE(Catalogue::userWordsFolder(), tmp_.filePath("lexikite/words"));
        const QString own = tmp_.filePath("lexikite/words");
        QVERIFY(UserWords::add(own, {"farm animals", "dog", {}, photo(), true, bytes("woof")}, &why));
        QVERIFY(UserWords::add(own, {"farm animals", "rex", {}, photo(), true, bytes("rex")}, &why));
        appState().programFolder = tmp_.path();
        PictureList list;
        list.point(Catalogue::subjectFolders("farm animals"));
        QCOMPARE(list.names(), (QStringList{"cow.edi", "dog.edi", "rex.edi"}));
        QCOMPARE(list.pathOf("dog.edi"), own + "/farm animals/dog.edi");
        QCOMPARE(list.pathOf("cow.edi"), pack + "/cow.edi");
        QCOMPARE(read(Catalogue::wordSoundPath("farm animals", "dog")), QByteArray("woof"));
        QCOMPARE(Catalogue::wordSoundPath("farm animals", "cow"), pack + "/cow.eda");
        QDir(own).removeRecursively();
    }
};

QTEST_MAIN(tst_UserWords)
#include "tst_UserWords.moc"
