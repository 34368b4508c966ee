// RecordingSoundDevice: a sound device for tests that records every call in order.
#include "RecordingSoundDevice.h"

#include "audio/SoundModule.h"

#include <QFile>

RecordingSoundDevice::RecordingSoundDevice() {
    // Effects are told apart by their bytes, so a test sees which resource really reached the device.
    for (const QString& name : effectNames()) {
        QFile resource(effectResourcePath(name));
        if (resource.open(QIODevice::ReadOnly)) effectByWave_.insert(resource.readAll(), name);
    }
}

void RecordingSoundDevice::close() {
    log << QStringLiteral("close");
    open_ = false;
}

bool RecordingSoundDevice::open(const QString& path, const QString& typeHint) {
    log << (typeHint.isEmpty() ? QStringLiteral("open %1").arg(path)
                               : QStringLiteral("open %1 %2").arg(path, typeHint));
    open_ = openSucceeds && !missing.contains(path);
    return open_;
}

bool RecordingSoundDevice::playFrom(qint32 positionMs) {
    log << QStringLiteral("play %1").arg(positionMs);
    return open_;
}

qint32 RecordingSoundDevice::lengthMs() {
    return open_ ? length : 0;
}

qint32 RecordingSoundDevice::positionMs() {
    return open_ ? position : 0;
}

bool RecordingSoundDevice::playWaveBlocking(const QByteArray& wave) {
    const QString name = effectByWave_.value(wave, QStringLiteral("?"));
    log << (effectsBusy ? QStringLiteral("effect %1 skipped").arg(name)
                        : QStringLiteral("effect %1").arg(name));
    return !effectsBusy;
}

ScopedRecordingDevice::ScopedRecordingDevice() {
    setSoundDevice(&device);
}

ScopedRecordingDevice::~ScopedRecordingDevice() {
    setSoundDevice(nullptr);
}
