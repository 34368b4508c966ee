// OggEncoder: stores a recorded voice as Ogg Vorbis, which SDL_mixer plays and which keeps a word small.
#include "audio/OggEncoder.h"

#include <QSaveFile>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Quality 0.3 (about 80 kbit/s for mono speech) is clear for a voice; a two-second word stays near 20 kB.
constexpr float kQuality = 0.3f;
constexpr int kBlock = 1024;

void appendPage(QByteArray& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header), page.header_len);
    out.append(reinterpret_cast<const char*>(page.body), page.body_len);
}

} // namespace

namespace OggEncoder {

QByteArray encode(const Pcm& pcm) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (pcm.rate <= 0 || vorbis_encode_init_vbr(&info, 1, pcm.rate, kQuality) != 0) {
        vorbis_info_clear(&info);
        return {};
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "Lexikite");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, std::rand());

    QByteArray out;
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) appendPage(out, page);

    qsizetype at = 0;
    bool ended = false;
    while (!ended) {
        const int count = int(std::min<qsizetype>(kBlock, pcm.samples.size() - at));
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, count);
            for (int i = 0; i < count; ++i) buffer[0][i] = pcm.samples[at + i] / 32768.0f;
            at += count;
        }
        vorbis_analysis_wrote(&dsp, count); // zero marks the end
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    appendPage(out, page);
                    if (ogg_page_eos(&page)) ended = true;
                }
            }
        }
        if (count == 0 && !ended) {
            while (ogg_stream_flush(&stream, &page) != 0) appendPage(out, page);
            ended = true;
        }
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

bool write(const Pcm& pcm, const QString& path, QString* error) {
    const QByteArray data = encode(pcm);
    QSaveFile file(path);
    if (data.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = QStringLiteral("the recording cannot be stored");
        return false;
    }
    return true;
}

} // namespace OggEncoder
