// Tests that a subject folder holding damaged pictures deals none of them, nor their words, in any game.
#include "app/AppState.h"
#include "app/Random.h"
#include "catalogue/Catalogue.h"
#include "catalogue/PictureLoader.h"
#include "games/cards/CardsRules.h"
#include "games/choose/ChooseRules.h"
#include "games/common/ProgramPictures.h"
#include "games/common/WordPicture.h"
#include "games/hidden/HiddenRules.h"
#include "games/listening/ListeningRules.h"
#include "games/memory/MemoryRules.h"
#include "games/mixed/MixedRules.h"
#include "RecordingGameHost.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

const QStringList GoodWords{"apple", "bear", "cat", "dog", "egg", "fish", "goat", "hen"};

QByteArray encoded(const char* format) {
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Each damage a picture file meets in the wild, named by the word it would otherwise offer.
QHash<QString, QByteArray> damagedFiles() {
    const QByteArray png = encoded("PNG");
    QByteArray corrupt = png;
    for (qsizetype i = corrupt.size() / 2; i < corrupt.size() / 2 + 16; ++i)
        corrupt[i] = char(~corrupt.at(i));
    QByteArray huge = encoded("JPG");
    const qsizetype frame = huge.indexOf(QByteArray("\xFF\xC0", 2));
    qToBigEndian(quint16(30000), huge.data() + frame + 5);
    qToBigEndian(quint16(30000), huge.data() + frame + 7);
    return {{"zero", {}},
            {"truncated", png.left(png.size() / 2)},
            {"garbage", QByteArray("not a picture at all\n").repeated(20)},
            {"corrupt", corrupt},
            {"huge", huge},
            {"svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"40\"><rect width=\"4"},
            {"emptysvg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"0\" height=\"0\"/>"}};
}

QString wordOfPath(const QString& path) {
    return Catalogue::wordFromFileName(QFileInfo(path).fileName());
}

} // namespace

class tst_DamagedPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void noGameDealsADamagedPicture_data();
    void noGameDealsADamagedPicture();
    void aDamagedPictureClearsTheFrame();

private:
    QTemporaryDir dir_;
};

void tst_DamagedPictures::initTestCase() {
    QVERIFY(dir_.isValid());
    appState().programFolder = dir_.path();
    QDir().mkpath(dir_.filePath("files/animals"));
    const auto write = [&](const QString& word, const QByteArray& bytes) {
        QFile file(dir_.filePath("files/animals/" + word + ".edi"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    for (const QString& word : GoodWords)
        write(word, encoded("PNG"));
    const auto damaged = damagedFiles();
    for (auto it = damaged.begin(); it != damaged.end(); ++it)
        write(it.key(), it.value());
}

void tst_DamagedPictures::noGameDealsADamagedPicture_data() {
    QTest::addColumn<QString>("game");
    for (const char* game : {"listening", "choose", "cards", "memory", "hidden", "mixed"})
        QTest::newRow(game) << QString::fromLatin1(game);
}

void tst_DamagedPictures::noGameDealsADamagedPicture() {
    // Catches: a blank card asked for, a damaged file's name offered as a word, a picture of a word that
    // cannot be shown.
    QFETCH(QString, game);
    PictureLoader::shared().clear();
    SeededRandom random(7);
    RecordingGameHost host;
    AppState app;
    app.section = QStringLiteral("animals");
    app.language = QStringLiteral("BRITISH");
    const GameEnv env{host, random, app, {}, nullptr, nullptr, &ProgramPictures::instance()};

    QSet<QString> offered;
    for (int turn = 0; turn < 40; ++turn) {
        if (game == u"listening") {
            ListeningRules rules(env);
            rules.deal();
            for (const auto& card : rules.cards())
                offered << card.word << wordOfPath(card.picture);
        } else if (game == u"choose") {
            ChooseRules rules(env);
            rules.deal();
            for (const auto& button : rules.buttons())
                offered << button.word;
            offered << wordOfPath(rules.mainPicture());
        } else if (game == u"cards") {
            CardsRules rules(env);
            rules.activate();
            offered << rules.cardWord() << wordOfPath(rules.mainPicture());
            rules.nextCard();
            offered << rules.cardWord();
            rules.previousCard();
            rules.previousCard();
            offered << rules.cardWord();
        } else if (game == u"memory") {
            MemoryRules rules(env);
            rules.startNewGame();
            for (const auto& card : rules.cards())
                offered << card.word << wordOfPath(card.picture);
        } else if (game == u"hidden") {
            HiddenRules rules(env);
            rules.loadPictureList();
            rules.startNewGame();
            offered << rules.hiddenWord() << wordOfPath(rules.picture());
        } else {
            MixedRules rules(env);
            rules.loadPictureList();
            rules.startNewGame();
            offered << rules.word() << wordOfPath(rules.picture());
        }
    }
    offered.remove(QString());
    QVERIFY(!offered.isEmpty());
    for (const QString& word : offered)
        QVERIFY2(GoodWords.contains(word), qPrintable(word));
}

void tst_DamagedPictures::aDamagedPictureClearsTheFrame() {
    // Catches: the letter games keeping the previous word's picture under a word whose picture fails.
    WordPicture frame;
    frame.resize(200, 150);
    frame.showFile(dir_.filePath("files/animals/cat.edi"));
    QVERIFY(!frame.pixmap().isNull());
    frame.showFile(dir_.filePath("files/animals/truncated.edi"));
    QVERIFY(frame.pixmap().isNull());
}

QTEST_MAIN(tst_DamagedPictures)
#include "tst_DamagedPictures.moc"
