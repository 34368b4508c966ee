// Pcm: mono 16-bit sound in memory: read from WAV, trimmed, levelled, and the reveal chime.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

struct Pcm {
    int rate = 22050;
    QVector<qint16> samples;

    double seconds() const { return rate > 0 ? double(samples.size()) / rate : 0; }

    // Reads a RIFF WAVE image of mono 16-bit PCM; a streamed header with unknown sizes is accepted.
    static bool fromWav(const QByteArray& wav, Pcm* pcm, QString* error);
    // A short bright two-note chime.
    static Pcm chime(int rate);

    // Cuts the silence before and after the sound down to a short lead-in and tail, never into the sound.
    void trimSilence();
    // Brings the voiced part to one loudness, so every word sounds equally loud, without clipping.
    void normalise();
    // Appends silence until the sound lasts at least this long.
    void padTo(double seconds);
    // Raw little-endian samples, as the encoder reads them.
    QByteArray raw() const;
};
