// RecordingSoundDevice: a sound device for tests that records every call in order and plays nothing.
#pragma once

#include "audio/SoundDevice.h"

#include <QHash>
#include <QStringList>

// Entries of log: "close", "open <path> <hint>" (no hint: "open <path>"), "play <ms>", "effect <NAME>"
// (an image that is none of the built-in effects: "effect ?"), "effect <NAME> skipped" when busy.
// Other fakes may append their own entries to log so a test sees one order of events.
class RecordingSoundDevice final : public SoundDevice {
public:
    RecordingSoundDevice();

    void close() override;
    bool open(const QString& path, const QString& typeHint) override;
    bool playFrom(qint32 positionMs) override;
    qint32 lengthMs() override;
    qint32 positionMs() override;
    bool playWaveBlocking(const QByteArray& wave) override;

    QStringList log;
    // What the device answers: whether open succeeds, and the length and position of an open sound.
    bool openSucceeds = true;
    qint32 length = 1500;
    qint32 position = 0;
    // Effects are skipped, as when another program holds the device.
    bool effectsBusy = false;
    // Files that cannot be opened, whatever openSucceeds says.
    QStringList missing;
    bool isOpen() const { return open_; }
    // The current sound plays to its end, as the real device reports it.
    void finish() { notifyFinished(); }

private:
    QHash<QByteArray, QString> effectByWave_;
    bool open_ = false;
};

// Installs a fresh recording device for the lifetime of a test object and removes it afterwards.
class ScopedRecordingDevice {
public:
    ScopedRecordingDevice();
    ~ScopedRecordingDevice();
    RecordingSoundDevice device;
};
