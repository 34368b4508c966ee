// Tests of the process clock the start-up timings are measured with.
#include "app/ProcessClock.h"

#include <QElapsedTimer>
#include <QTest>

class tst_ProcessClock : public QObject {
    Q_OBJECT
    QElapsedTimer sinceTestStart;

private slots:
    void initTestCase() { sinceTestStart.start(); }

    // Fault: the wrong field of /proc/self/stat read (a negative, a huge or a frozen figure), which would
    // make every start-up figure meaningless.
    void countsFromProcessStartAndAdvances() {
        const qint64 first = msSinceProcessStart();
        QVERIFY2(first >= sinceTestStart.elapsed() - 10 && first < 120000,
                 qPrintable(QString::number(first)));
        QTest::qWait(60);
        const qint64 later = msSinceProcessStart();
        QVERIFY2(later - first >= 40 && later - first < 5000,
                 qPrintable(QStringLiteral("%1 %2").arg(first).arg(later)));
    }
};

QTEST_GUILESS_MAIN(tst_ProcessClock)
#include "tst_ProcessClock.moc"
