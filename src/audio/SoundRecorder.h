// SoundRecorder: records a grown-up's voice from the default microphone through SDL2's audio capture.
#pragma once

#include "audio/Pcm.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <mutex>

class SoundRecorder : public QObject {
    Q_OBJECT
public:
    static constexpr int Rate = 22050;
    static constexpr int MaxSeconds = 10;

    explicit SoundRecorder(QObject* parent = nullptr);
    ~SoundRecorder() override;

    // Opens the default microphone and starts recording afresh; false with "No microphone was found".
    bool start(QString* error);
    // Stops recording; what was heard stays to be taken.
    void stop();
    bool isRecording() const { return device_ != 0; }
    // The recording so far (everything, once stopped).
    Pcm recorded() const;

    // What the microphone delivers; past MaxSeconds nothing more is kept. Called on SDL's audio thread.
    void append(const qint16* samples, int count);

    // Trims the silence at both ends and evens out the level as the word pack does; false with "Nothing was
    // heard: try again closer" when the recording holds no voice.
    static bool finish(Pcm* pcm, QString* error);

signals:
    // The loudest sample of the last moment, 0 to 1, about twenty times a second while recording.
    void levelChanged(double level);
    // Recording stopped by itself at MaxSeconds.
    void limitReached();

private:
    void poll();

    quint32 device_ = 0;
    bool subsystem_ = false;
    QTimer poll_;
    mutable std::mutex mutex_;
    Pcm pcm_;
    double peak_ = 0;
};
