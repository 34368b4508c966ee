// Mp3Frames: walks the frames of an MPEG audio file to prove it is whole and to measure how long it plays.
#pragma once

#include <QByteArray>
#include <QString>

namespace Mp3Frames {

// The playing time in seconds; false (with the reason) when the data is not a whole MPEG audio stream.
bool duration(const QByteArray& data, double* seconds, QString* error);

} // namespace Mp3Frames
