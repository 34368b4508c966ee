// lexikite_effects: synthesises the program's eight built-in sound effects as WAVE files.
//
// Usage: lexikite_effects <output folder>. Every effect is mono 44 100 Hz 16-bit PCM of a fixed length,
// built from enveloped sine partials (and, for the clicks, a little filtered noise), then scaled to a
// fixed peak well below full scale so nothing ever clips.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr double Pi = 3.14159265358979323846;

struct Sound {
    std::vector<double> samples;
    explicit Sound(double seconds) : samples(std::size_t(std::lround(seconds * Rate)), 0.0) {}
};

struct Note {
    double start = 0;       // s
    double duration = 0;    // s, including the release
    double fromHz = 440;    // pitch at the start...
    double toHz = 0;        // ...gliding exponentially to this by the end; 0 holds the pitch
    double attack = 0.004;  // s
    double decay = 0.2;     // s, time constant of the exponential fall after the attack
    double release = 0.015; // s, fade to silence at the end of the duration
    double level = 1.0;
    std::vector<double> partials{1.0}; // amplitude of harmonics 1, 2, 3, ...
    double vibratoHz = 0;
    double vibratoDepth = 0; // fraction of the pitch
};

void add(Sound& sound, const Note& n) {
    const std::size_t first = std::size_t(std::lround(n.start * Rate));
    const std::size_t count = std::size_t(std::lround(n.duration * Rate));
    const double endHz = n.toHz > 0 ? n.toHz : n.fromHz;
    double phase = 0;
    for (std::size_t i = 0; i < count && first + i < sound.samples.size(); ++i) {
        const double t = double(i) / Rate;
        const double progress = t / n.duration;
        double hz = n.fromHz * std::pow(endHz / n.fromHz, progress);
        if (n.vibratoHz > 0) hz *= 1.0 + n.vibratoDepth * std::sin(2 * Pi * n.vibratoHz * t);
        phase += 2 * Pi * hz / Rate;
        double envelope = t < n.attack ? t / n.attack : std::exp(-(t - n.attack) / n.decay);
        const double untilEnd = n.duration - t;
        if (untilEnd < n.release) envelope *= untilEnd / n.release;
        double value = 0;
        for (std::size_t h = 0; h < n.partials.size(); ++h)
            value += n.partials[h] * std::sin(phase * double(h + 1));
        sound.samples[first + i] += n.level * envelope * value;
    }
}

// A short breath of low-passed noise: the "wood" of a click.
void addTick(Sound& sound, double start, double decay, double brightness, double level) {
    std::uint32_t seed = 0x2545F491u;
    double smoothed = 0;
    const std::size_t first = std::size_t(std::lround(start * Rate));
    for (std::size_t i = 0; first + i < sound.samples.size(); ++i) {
        const double t = double(i) / Rate;
        const double envelope = std::exp(-t / decay);
        if (envelope < 1e-4) break;
        seed = seed * 1664525u + 1013904223u;
        const double white = double(seed >> 8) / double(1u << 24) * 2.0 - 1.0;
        smoothed += brightness * (white - smoothed);
        sound.samples[first + i] += level * envelope * smoothed;
    }
}

// Scales to the given peak and softens both ends so the sound starts and stops without a click.
std::vector<std::int16_t> finish(const Sound& sound, double peak) {
    double loudest = 0;
    for (double v : sound.samples)
        loudest = std::max(loudest, std::abs(v));
    const double scale = loudest > 0 ? peak / loudest : 0;
    const std::size_t n = sound.samples.size();
    const std::size_t fadeIn = Rate / 1000 * 2;
    const std::size_t fadeOut = Rate / 1000 * 10;
    std::vector<std::int16_t> pcm(n);
    for (std::size_t i = 0; i < n; ++i) {
        double v = sound.samples[i] * scale;
        if (i < fadeIn) v *= double(i) / fadeIn;
        if (n - i <= fadeOut) v *= double(n - 1 - i) / fadeOut;
        pcm[i] = std::int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    }
    return pcm;
}

void put16(std::FILE* f, std::uint16_t v) {
    const unsigned char b[2] = {static_cast<unsigned char>(v & 0xFF), static_cast<unsigned char>(v >> 8)};
    std::fwrite(b, 1, 2, f);
}

void put32(std::FILE* f, std::uint32_t v) {
    put16(f, std::uint16_t(v & 0xFFFF));
    put16(f, std::uint16_t(v >> 16));
}

bool writeWave(const std::string& path, const std::vector<std::int16_t>& pcm) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const std::uint32_t dataBytes = std::uint32_t(pcm.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    put32(f, 36 + dataBytes);
    std::fwrite("WAVEfmt ", 1, 8, f);
    put32(f, 16);
    put16(f, 1); // PCM
    put16(f, 1); // mono
    put32(f, Rate);
    put32(f, Rate * 2);
    put16(f, 2);
    put16(f, 16);
    std::fwrite("data", 1, 4, f);
    put32(f, dataBytes);
    for (std::int16_t s : pcm)
        put16(f, std::uint16_t(s));
    const bool ok = std::ferror(f) == 0;
    return std::fclose(f) == 0 && ok;
}

// Note pitches (Hz).
constexpr double G4 = 392.00, C5 = 523.25, E5 = 659.26, G5 = 783.99, C6 = 1046.50, E6 = 1318.51;
const std::vector<double> Bell{1.0, 0.28, 0.1, 0.04};
const std::vector<double> Horn{1.0, 0.45, 0.22, 0.1, 0.04};
const std::vector<double> Warm{1.0, 0.3, 0.08};

// CLICK: a soft wooden tap: a quick 1.5 kHz pop falling to 900 Hz over a breath of noise, gone in 40 ms.
std::vector<std::int16_t> click() {
    Sound s(0.22);
    add(s, {.start = 0, .duration = 0.2, .fromHz = 1500, .toHz = 900, .attack = 0.001, .decay = 0.012});
    addTick(s, 0, 0.006, 0.35, 0.5);
    return finish(s, 0.42);
}

// CLICKHOME: a round "bloop" rising from 420 to 760 Hz, friendlier and lower than the plain click.
std::vector<std::int16_t> clickHome() {
    Sound s(0.25);
    add(s, {.start = 0,
            .duration = 0.23,
            .fromHz = 420,
            .toHz = 760,
            .attack = 0.003,
            .decay = 0.045,
            .partials = {1.0, 0.2}});
    addTick(s, 0, 0.004, 0.25, 0.25);
    return finish(s, 0.45);
}

// A bright bell blip with a quick strike.
Note blip(double start, double duration, double hz, double decay, double level = 1.0) {
    return {.start = start,
            .duration = duration,
            .fromHz = hz,
            .attack = 0.002,
            .decay = decay,
            .level = level,
            .partials = Bell};
}

// Climbs through steps one gap apart, each shaped like step, then sounds the chord, each note shaped like
// held.
void addFanfare(Sound& sound, std::initializer_list<double> steps, double gap, Note step,
                std::initializer_list<double> chord, Note held) {
    for (double hz : steps) {
        step.fromHz = hz;
        add(sound, step);
        step.start += gap;
    }
    for (double hz : chord) {
        held.fromHz = hz;
        add(sound, held);
    }
}

// CLICKGAME: two bright blips a fifth apart (A5 then E6), "let's play".
std::vector<std::int16_t> clickGame() {
    Sound s(0.27);
    add(s, blip(0, 0.12, 880, 0.03));
    add(s, blip(0.07, 0.19, E6, 0.04));
    return finish(s, 0.42);
}

// CORRECT: a happy rising bell chime C5, E5, G5, the last note ringing out.
std::vector<std::int16_t> correct() {
    Sound s(0.54);
    add(s, {.start = 0, .duration = 0.3, .fromHz = C5, .decay = 0.12, .partials = Bell});
    add(s, {.start = 0.09, .duration = 0.3, .fromHz = E5, .decay = 0.12, .partials = Bell});
    add(s, {.start = 0.18, .duration = 0.36, .fromHz = G5, .decay = 0.16, .release = 0.05, .partials = Bell});
    return finish(s, 0.55);
}

// INCORRECT: a gentle low "bonk", a soft 240 Hz knock sagging to 170 Hz; a nudge, not a buzzer.
std::vector<std::int16_t> incorrect() {
    Sound s(0.22);
    add(s, {.start = 0,
            .duration = 0.21,
            .fromHz = 240,
            .toHz = 170,
            .attack = 0.006,
            .decay = 0.06,
            .release = 0.03,
            .partials = {1.0, 0.25, 0.05}});
    return finish(s, 0.55);
}

// CONGRATS: a little fanfare: G4, C5, E5 in quick steps, then C6 over G5 held to the end.
std::vector<std::int16_t> congrats() {
    Sound s(0.44);
    addFanfare(s, {G4, C5, E5}, 0.07, {.duration = 0.09, .attack = 0.006, .decay = 0.08, .partials = Horn},
               {G5, C6},
               {.start = 0.21,
                .duration = 0.23,
                .attack = 0.008,
                .decay = 0.14,
                .release = 0.06,
                .level = 0.7,
                .partials = Horn,
                .vibratoHz = 6,
                .vibratoDepth = 0.004});
    return finish(s, 0.55);
}

// LOOSE: a soft descending "aww": E4 sliding down to a wobbling C4 that sinks a little further and fades.
std::vector<std::int16_t> lose() {
    Sound s(0.68);
    add(s, {.start = 0,
            .duration = 0.3,
            .fromHz = 330,
            .toHz = 311,
            .attack = 0.04,
            .decay = 0.5,
            .release = 0.06,
            .partials = Warm});
    add(s, {.start = 0.26,
            .duration = 0.42,
            .fromHz = 262,
            .toHz = 233,
            .attack = 0.05,
            .decay = 0.3,
            .release = 0.12,
            .partials = Warm,
            .vibratoHz = 5,
            .vibratoDepth = 0.012});
    return finish(s, 0.4);
}

// WIN: a bigger fanfare: C5, E5, G5 climbing to a full C major chord with two high sparkles on top.
std::vector<std::int16_t> win() {
    Sound s(0.83);
    addFanfare(s, {C5, E5, G5}, 0.08, {.duration = 0.1, .attack = 0.006, .decay = 0.09, .partials = Horn},
               {C5, E5, G5, C6},
               {.start = 0.25,
                .duration = 0.58,
                .attack = 0.01,
                .decay = 0.3,
                .release = 0.15,
                .level = 0.5,
                .partials = Horn,
                .vibratoHz = 5.5,
                .vibratoDepth = 0.004});
    add(s, blip(0.33, 0.2, 2 * C6, 0.06, 0.25));
    add(s, blip(0.45, 0.25, 2 * E6, 0.07, 0.2));
    return finish(s, 0.55);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const struct {
        const char* name;
        std::vector<std::int16_t> (*make)();
    } effects[] = {
        {"CLICK", click},         {"CLICKHOME", clickHome}, {"CLICKGAME", clickGame}, {"CORRECT", correct},
        {"INCORRECT", incorrect}, {"CONGRATS", congrats},   {"LOOSE", lose},          {"WIN", win}};
    for (const auto& effect : effects) {
        const std::string path = folder + "/" + effect.name + ".wav";
        if (!writeWave(path, effect.make())) {
            std::fprintf(stderr, "lexikite_effects: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
