// Tests of where the main window opens: stored edges, centring and the off-screen rules, in twips.
#include <QtTest>

#include "app/WindowPlacement.h"

class tst_WindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void restoresStoredOrCentredPosition_data();
    void restoresStoredOrCentredPosition();
};

void tst_WindowPlacement::restoresStoredOrCentredPosition_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("current");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QPoint>("expected");

    const QSize screen(19200, 12000);
    const QSize window(15360, 9345);
    // centreX = (19200 - 15360) / 2 = 1920, centreY = (12000 - 9345) / 2 = 1327.5 -> 1328 (halves to even)
    QTest::newRow("stored position kept") << screen << window << QPoint(0, 0) << "1200"
                                          << "900" << QPoint(1200, 900);
    QTest::newRow("far below zero (closed minimised) centres") << screen << window << QPoint(0, 0) << "-48000"
                                                               << "-48000" << QPoint(1920, 1328);
    QTest::newRow("right edge past the screen centres") << screen << window << QPoint(0, 0) << "14000"
                                                        << "100" << QPoint(1920, 100);
    QTest::newRow("bottom edge past the screen centres") << screen << window << QPoint(0, 0) << "100"
                                                         << "2700" << QPoint(100, 1328);
    QTest::newRow("exactly as wide as the screen at 0 stays")
        << QSize(15360, 12000) << window << QPoint(0, 0) << "0"
        << "0" << QPoint(0, 0);
    QTest::newRow("window wider than the screen goes to 15")
        << QSize(12000, 9000) << window << QPoint(0, 0) << "0"
        << "0" << QPoint(15, 15);
    QTest::newRow("text that is no number keeps the current edge")
        << screen << window << QPoint(600, 450) << "left"
        << "12abc" << QPoint(600, 450);
    QTest::newRow("current edge off screen is corrected too")
        << screen << window << QPoint(-30, 5000) << "junk"
        << "junk" << QPoint(1920, 1328);
    QTest::newRow("odd half rounds to even upwards") << QSize(19203, 12000) << window << QPoint(0, 0) << "-1"
                                                     << "0" << QPoint(1922, 0);
    QTest::newRow("huge stored number centres, no overflow")
        << screen << window << QPoint(0, 0) << "99999999999999"
        << "1e300" << QPoint(1920, 1328);
}

// Catches wrong centring, a >= where > belongs, lost rounding rule, and garbage in the store moving the
// window.
void tst_WindowPlacement::restoresStoredOrCentredPosition() {
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, current);
    QFETCH(QString, left);
    QFETCH(QString, top);
    QFETCH(QPoint, expected);
    QCOMPARE(restoredWindowPosition(QRect(QPoint(0, 0), screen), window, current, left, top), expected);
}

QTEST_APPLESS_MAIN(tst_WindowPlacement)
#include "tst_WindowPlacement.moc"
