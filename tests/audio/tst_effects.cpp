// Tests of the embedded effects: present in every executable, in the WAVE format and lengths expected.
#include "audio/SoundModule.h"

#include <QFile>
#include <QSet>
#include <QtEndian>
#include <QTest>

namespace {

struct WaveInfo {
    bool riffWave = false;
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    QByteArray data;
};

// Walks the RIFF chunks rather than assuming a 44-byte header.
WaveInfo parseWave(const QByteArray& bytes) {
    WaveInfo info;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return info;
    info.riffWave = true;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > bytes.size()) break;
        if (id == "fmt " && size >= 16) {
            info.format = qFromLittleEndian<quint16>(bytes.constData() + body);
            info.channels = qFromLittleEndian<quint16>(bytes.constData() + body + 2);
            info.rate = int(qFromLittleEndian<quint32>(bytes.constData() + body + 4));
            info.bits = qFromLittleEndian<quint16>(bytes.constData() + body + 14);
        } else if (id == "data") {
            info.data = bytes.mid(body, size);
        }
        at = body + size + (size & 1);
    }
    return info;
}

} // namespace

class tst_effects : public QObject {
    Q_OBJECT

private slots:
    void effectIsMonoPcmWaveOfItsLength_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("seconds");
        QTest::newRow("CLICK") << "CLICK" << 0.22;
        QTest::newRow("CLICKHOME") << "CLICKHOME" << 0.25;
        QTest::newRow("CLICKGAME") << "CLICKGAME" << 0.27;
        QTest::newRow("CORRECT") << "CORRECT" << 0.54;
        QTest::newRow("INCORRECT") << "INCORRECT" << 0.22;
        QTest::newRow("CONGRATS") << "CONGRATS" << 0.44;
        QTest::newRow("LOOSE") << "LOOSE" << 0.68;
        QTest::newRow("WIN") << "WIN" << 0.83;
    }
    void effectIsMonoPcmWaveOfItsLength() {
        // Catches a resource missing from the executable, a wrong format or a wrong length.
        QFETCH(QString, name);
        QFETCH(double, seconds);
        QFile resource(effectResourcePath(name));
        QVERIFY2(resource.open(QIODevice::ReadOnly), qPrintable(resource.fileName()));
        const WaveInfo wave = parseWave(resource.readAll());
        QVERIFY(wave.riffWave);
        QCOMPARE(wave.format, 1);
        QCOMPARE(wave.channels, 1);
        QCOMPARE(wave.rate, 44100);
        QCOMPARE(wave.bits, 16);
        const double length = double(wave.data.size()) / 2 / 44100;
        QVERIFY2(qAbs(length - seconds) <= 0.01, qPrintable(QString::number(length)));

        // A child hears it at a comfortable level: never at full scale, and silent at both ends.
        const auto* samples = reinterpret_cast<const qint16*>(wave.data.constData());
        const qsizetype count = wave.data.size() / 2;
        int peak = 0;
        for (qsizetype i = 0; i < count; ++i)
            peak = qMax(peak, qAbs(int(qFromLittleEndian(samples[i]))));
        QVERIFY2(peak > 3000 && peak < 26000, qPrintable(QString::number(peak)));
        QVERIFY(qAbs(qFromLittleEndian(samples[0])) < 200);
        QVERIFY(qAbs(qFromLittleEndian(samples[count - 1])) < 200);
    }

    void everyEffectSoundsDifferent() {
        // Catches two names wired to the same generated sound.
        QSet<QByteArray> seen;
        for (const QString& name : effectNames()) {
            QFile resource(effectResourcePath(name));
            QVERIFY(resource.open(QIODevice::ReadOnly));
            seen.insert(resource.readAll());
        }
        QCOMPARE(seen.size(), 8);
    }
};

QTEST_GUILESS_MAIN(tst_effects)
#include "tst_effects.moc"
