// Tests that trimming a spoken word keeps every part of the word and only a short silence around it.
#include "audio/Pcm.h"

#include <QRandomGenerator>
#include <QTest>
#include <QtMath>
#include <algorithm>

class tst_pcm : public QObject {
    Q_OBJECT
private slots:
    void trimKeepsTheWholeWordAndShortSilence_data() {
        QTest::addColumn<double>("softDb");  // the word's quiet start, against its loud middle
        QTest::addColumn<double>("noiseDb"); // the recording's noise, against the loud middle; 0 for none
        QTest::newRow("soft consonant in silence") << -42.0 << 0.0;
        QTest::newRow("soft consonant over room noise") << -28.0 << -48.0;
    }
    void trimKeepsTheWholeWordAndShortSilence() {
        QFETCH(double, softDb);
        QFETCH(double, noiseDb);
        const int rate = 16000, ms = rate / 1000;
        const double loud = 16000;
        QRandomGenerator noise(7);
        Pcm pcm;
        pcm.rate = rate;
        // 300 ms before, 100 ms soft start, 300 ms loud, 300 ms after.
        for (int i = 0; i < 1000 * ms; ++i) {
            double v = noiseDb ? loud * std::pow(10, noiseDb / 20) * (noise.generateDouble() * 2 - 1) : 0;
            if (i >= 300 * ms && i < 400 * ms) v += loud * std::pow(10, softDb / 20) * std::sin(i * 0.9);
            if (i >= 400 * ms && i < 700 * ms) v += loud * std::sin(i * 0.05);
            pcm.samples.append(qint16(v));
        }
        const QVector<qint16> soft = pcm.samples.mid(300 * ms, 100 * ms);
        pcm.trimSilence();
        const auto found = std::search(pcm.samples.cbegin(), pcm.samples.cend(), soft.cbegin(), soft.cend());
        QVERIFY2(found != pcm.samples.cend(), "the soft start was cut");
        const qsizetype start = found - pcm.samples.cbegin();
        QVERIFY2(start >= 20 * ms && start <= 40 * ms, qPrintable(QString::number(start / ms)));
        const qsizetype tail = pcm.samples.size() - start - 400 * ms;
        QVERIFY2(tail >= 70 * ms && tail <= 90 * ms, qPrintable(QString::number(tail / ms)));
    }
};

QTEST_APPLESS_MAIN(tst_pcm)
#include "tst_pcm.moc"
