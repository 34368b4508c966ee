// Mp3Frames: walks the frames of an MPEG audio file to prove it is whole and to measure how long it plays.
#include "audio/Mp3Frames.h"

namespace {

struct Frame {
    int bytes = 0;
    int samples = 0;
    int rate = 0;
    int sideInfo = 0; // bytes between the header and where an encoder's info tag would sit
};

// Bit rates in kbit/s by [MPEG-1?][layer - 1][index].
const int kBitRates[2][3][16] = {
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}},
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0}}};
const int kRates[3] = {44100, 48000, 32000};

bool parseHeader(const unsigned char* h, Frame* frame) {
    if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0) return false;
    const int version = (h[1] >> 3) & 3; // 0: 2.5, 2: 2, 3: 1
    const int layerBits = (h[1] >> 1) & 3;
    const int bitIndex = h[2] >> 4, rateIndex = (h[2] >> 2) & 3, padding = (h[2] >> 1) & 1;
    if (version == 1 || layerBits == 0 || bitIndex == 0 || bitIndex == 15 || rateIndex == 3) return false;
    const int layer = 4 - layerBits;
    const bool mpeg1 = version == 3;
    const int rate = kRates[rateIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
    const int bitRate = kBitRates[mpeg1][layer - 1][bitIndex] * 1000;
    const bool mono = (h[3] >> 6) == 3;
    frame->rate = rate;
    if (layer == 1) {
        frame->samples = 384;
        frame->bytes = (12 * bitRate / rate + padding) * 4;
    } else {
        frame->samples = (layer == 3 && !mpeg1) ? 576 : 1152;
        frame->bytes = (layer == 3 && !mpeg1 ? 72 : 144) * bitRate / rate + padding;
    }
    frame->sideInfo = 4 + (mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17));
    return frame->bytes > 4;
}

} // namespace

namespace Mp3Frames {

bool duration(const QByteArray& data, double* seconds, QString* error) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const qsizetype size = data.size();
    qsizetype at = 0;
    if (size >= 10 && data.startsWith("ID3")) {
        const qsizetype tag = (bytes[6] & 0x7F) << 21 | (bytes[7] & 0x7F) << 14 | (bytes[8] & 0x7F) << 7 | (bytes[9] & 0x7F);
        at = 10 + tag + ((bytes[5] & 0x10) ? 10 : 0);
    }
    double total = 0;
    int frames = 0;
    while (at < size) {
        if (data.mid(at, 3) == "TAG") break; // a trailing ID3v1 tag
        Frame frame;
        if (size - at < 4) {
            *error = QStringLiteral("cut short at byte %1").arg(at);
            return false;
        }
        if (!parseHeader(bytes + at, &frame)) {
            *error = frames ? QStringLiteral("damaged at byte %1").arg(at) : QStringLiteral("not an MPEG audio sound");
            return false;
        }
        if (at + frame.bytes > size) {
            *error = QStringLiteral("cut short at byte %1").arg(at);
            return false;
        }
        // An encoder's info frame at the start carries no sound.
        const QByteArray tag = data.mid(at + frame.sideInfo, 4);
        if (!(frames == 0 && (tag == "Xing" || tag == "Info"))) total += double(frame.samples) / frame.rate;
        ++frames;
        at += frame.bytes;
    }
    if (total <= 0) {
        *error = QStringLiteral("holds no sound");
        return false;
    }
    *seconds = total;
    return true;
}

} // namespace Mp3Frames
