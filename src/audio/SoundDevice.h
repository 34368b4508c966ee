// SoundDevice: what the sound module needs from the platform: one current-sound slot and blocking effects.
#pragma once

#include <functional>

#include <QByteArray>
#include <QString>

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Closes the current sound, if any.
    virtual void close() = 0;
    // Opens the current-sound slot from a file; typeHint is the device type chosen from the suffix
    // ("MPEGVideo", "Waveaudio", ... or empty). False when the file cannot be opened.
    virtual bool open(const QString& path, const QString& typeHint) = 0;
    // Starts the current sound from a position in ms, in the background.
    virtual bool playFrom(qint32 positionMs) = 0;
    // Length and position of the current sound in ms; 0 when nothing is open.
    virtual qint32 lengthMs() = 0;
    virtual qint32 positionMs() = 0;
    // Plays an in-memory RIFF WAVE image to its end before returning; returns at once (false) when busy
    // or when the image cannot be played.
    virtual bool playWaveBlocking(const QByteArray& wave) = 0;
    // Called on the caller's thread, from its event loop, each time the current sound has played to its
    // end (not when it is closed or replaced).
    void setFinishedHandler(std::function<void()> handler) { finished_ = std::move(handler); }

protected:
    void notifyFinished() {
        if (finished_) finished_();
    }

private:
    std::function<void()> finished_;
};
