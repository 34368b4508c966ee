// Tests that the word list refuses lines that would make a broken or misread pack.
#include "WordList.h"

#include <QTest>

class tst_wordlist : public QObject {
    Q_OBJECT
private slots:
    void badLinesAreRefusedWithTheirLineNumber_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown subject") << "dinosaurs\tdog\t1f415" << "unknown subject";
        QTest::newRow("too few fields") << "farm animals\tdog" << "separated by tabs";
        QTest::newRow("bad variant") << "farm animals\tdog\t1f415\tau" << "variant";
        QTest::newRow("unplayable word") << "farm animals\tyo-yo\t1fa80" << "only the letters";
        QTest::newRow("name misread as prefix") << "transport\tox cart\t1f402" << "would read";
        QTest::newRow("bad code point") << "farm animals\tdog\tdoggy.svg" << "neither";
        QTest::newRow("unknown kind") << "farm animals\tdog\tthree 1f415" << "unknown picture kind";
        QTest::newRow("bad colour") << "colors\tred\tcolour reddish" << "colour";
        QTest::newRow("number out of range") << "Big Numbers\tmillion\tnumber 1000000" << "number";
        QTest::newRow("letters without picture") << "vowels\tapple\tletters Aa" << "letters";
        QTest::newRow("not an insect") << "insects\tspider\t1f577" << "does not belong in insects";
        QTest::newRow("card of another letter") << "phonics a to z\tfox\tletters Xx 1f98a" << "starts with \"f\"";
    }
    void badLinesAreRefusedWithTheirLineNumber() {
        QFETCH(QString, line);
        QFETCH(QString, error);
        QStringList errors;
        const QList<WordEntry> entries = WordList::parse("# comment\n\n" + line + "\n", &errors);
        QVERIFY(entries.isEmpty());
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().startsWith("line 3: ") && errors.first().contains(error), qPrintable(errors.first()));
    }

    void aWordIsOnlyOnceInASubject_data() {
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("same word") << "farm animals\tdog\t1f436" << false;
        QTest::newRow("same word in other case") << "farm animals\tDog\t1f436" << false;
        // Two variants written alike would need one sound in two voices.
        QTest::newRow("variant written alike") << "farm animals\tdog\t1f436\tuk" << false;
        QTest::newRow("other subject") << "small animals\tdog\t1f436" << true;
    }
    void aWordIsOnlyOnceInASubject() {
        QFETCH(QString, second);
        QFETCH(bool, accepted);
        QStringList errors;
        const QList<WordEntry> entries = WordList::parse("farm animals\tdog\t1f415\n" + second, &errors);
        QCOMPARE(entries.size(), accepted ? 2 : 1);
        QCOMPARE(errors.isEmpty(), accepted);
    }

    void variantsGetTheirTagAndVoice() {
        QStringList errors;
        const QList<WordEntry> entries = WordList::parse(
            "transport\ttyre\t1f6de\tuk\ntransport\ttire\t1f6de\tus\ntransport\tbus\t1f68c\t\tthe bus", &errors);
        QVERIFY(errors.isEmpty());
        QCOMPARE(entries[0].pictureFileName(), QStringLiteral("tyre type_uk.edi"));
        QCOMPARE(entries[0].voice(), QStringLiteral("en-gb"));
        QCOMPARE(entries[1].pictureFileName(), QStringLiteral("tire type_us.edi"));
        QCOMPARE(entries[1].voice(), QStringLiteral("en-us"));
        QCOMPARE(entries[2].voice(), WordList::kPlainVoice);
        QCOMPARE(entries[2].spoken, QStringLiteral("the bus"));
        QCOMPARE(entries[2].soundFileName(), QStringLiteral("bus.eda"));
    }
};

QTEST_APPLESS_MAIN(tst_wordlist)
#include "tst_wordlist.moc"
