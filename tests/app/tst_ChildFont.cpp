// Tests of the children's typeface: found where installed, a plain one where it is missing.
#include "app/ChildFont.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

class tst_ChildFont : public QObject {
    Q_OBJECT
private slots:
    // Catches a missing typeface that leaves the text in whatever face the system picks, or an installed one
    // not used.
    void settlesOnTheTypefaceOrAPlainOne_data() {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("family");
        QTest::newRow("installed") << "Andika" << true << "Andika";
        QTest::newRow("missing, a folder without it") << "Lexikite No Such Face" << false << "Verdana";
    }
    void settlesOnTheTypefaceOrAPlainOne() {
        QFETCH(QString, wanted);
        QFETCH(bool, found);
        QFETCH(QString, family);
        QTemporaryDir empty;
        QCOMPARE(ChildFont::load({empty.path(), empty.filePath(QStringLiteral("absent"))}, wanted), found);
        QCOMPARE(ChildFont::family(), family);
        QCOMPARE(ChildFont::font(14, true).family(), family);
    }
};

QTEST_MAIN(tst_ChildFont)
#include "tst_ChildFont.moc"
