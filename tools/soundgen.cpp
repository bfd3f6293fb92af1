// Writes the game's sound effects as WAV files (mono, 16-bit, 22050 Hz) into the folder given
// on the command line. Every sound is synthesised here from tones, sweeps and noise, so the
// game ships no recorded sound of anyone else's.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

enum class Wave { Sine, Square, Saw, Noise };

// One voice of a sound: a tone (or noise) that sweeps from f0 to f1 Hz over its length, with an
// attack and a decay, and an optional vibrato or tremolo.
struct Voice {
    double start, length;  // seconds
    double f0, f1;         // Hz (for noise: the low-pass cut-off, sweeping too)
    Wave wave = Wave::Sine;
    double gain = 0.5;
    double attack = 0.01, release = 0.05;    // seconds
    double vibratoHz = 0, vibratoDepth = 0;  // depth as a fraction of the frequency
    double tremoloHz = 0;                    // amplitude pulsing
    bool exponentialDecay = false;           // dies away over its length instead of holding
};

struct Sound {
    const char* name;
    std::vector<Voice> voices;
};

// A small deterministic noise source, so every build writes the same bytes.
struct Noise {
    uint32_t state = 22222;
    double Next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
    }
};

std::vector<double> Render(const Sound& s) {
    double total = 0;
    for (const Voice& v : s.voices) total = std::max(total, v.start + v.length);
    std::vector<double> out(static_cast<size_t>(total * kRate) + 1, 0.0);
    Noise noise;
    for (const Voice& v : s.voices) {
        const size_t from = static_cast<size_t>(v.start * kRate);
        const size_t count = static_cast<size_t>(v.length * kRate);
        double phase = 0, low = 0;
        for (size_t i = 0; i < count && from + i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double k = v.length > 0 ? t / v.length : 0;
            double f = v.f0 * std::pow(v.f1 / v.f0, k);  // an even sweep on the ear's scale
            if (v.vibratoHz > 0) f *= 1.0 + v.vibratoDepth * std::sin(2 * kPi * v.vibratoHz * t);
            phase += f / kRate;
            phase -= std::floor(phase);
            double sample = 0;
            switch (v.wave) {
                case Wave::Sine: sample = std::sin(2 * kPi * phase); break;
                case Wave::Square: sample = phase < 0.5 ? 0.7 : -0.7; break;
                case Wave::Saw: sample = 2.0 * phase - 1.0; break;
                case Wave::Noise: {
                    const double a = std::min(1.0, 2 * kPi * f / kRate);
                    low += a * (noise.Next() - low);
                    sample = low * 2.5;
                    break;
                }
            }
            double env = 1.0;
            if (t < v.attack) env = t / v.attack;
            const double left = v.length - t;
            if (left < v.release) env *= std::max(0.0, left / v.release);
            if (v.exponentialDecay) env *= std::exp(-4.0 * k);
            if (v.tremoloHz > 0) env *= 0.6 + 0.4 * std::sin(2 * kPi * v.tremoloHz * t);
            out[from + i] += sample * env * v.gain;
        }
    }
    double peak = 0;
    for (double x : out) peak = std::max(peak, std::fabs(x));
    if (peak > 0.95)
        for (double& x : out) x *= 0.95 / peak;
    return out;
}

void Put16(std::ofstream& f, uint16_t v) { f.put(static_cast<char>(v & 0xFF)).put(static_cast<char>(v >> 8)); }
void Put32(std::ofstream& f, uint32_t v) {
    Put16(f, static_cast<uint16_t>(v & 0xFFFF));
    Put16(f, static_cast<uint16_t>(v >> 16));
}

bool WriteWav(const std::string& path, const std::vector<double>& samples) {
    std::ofstream f(path, std::ios::binary);
    if (!f) return false;
    const uint32_t bytes = static_cast<uint32_t>(samples.size() * 2);
    f.write("RIFF", 4);
    Put32(f, 36 + bytes);
    f.write("WAVEfmt ", 8);
    Put32(f, 16);
    Put16(f, 1);  // PCM
    Put16(f, 1);  // mono
    Put32(f, kRate);
    Put32(f, kRate * 2);
    Put16(f, 2);
    Put16(f, 16);
    f.write("data", 4);
    Put32(f, bytes);
    for (double x : samples) Put16(f, static_cast<uint16_t>(static_cast<int16_t>(std::lround(x * 32767.0))));
    return static_cast<bool>(f);
}

Voice Tone(double start, double length, double f0, double f1, double gain = 0.5, Wave w = Wave::Sine) {
    Voice v;
    v.start = start;
    v.length = length;
    v.f0 = f0;
    v.f1 = f1;
    v.gain = gain;
    v.wave = w;
    return v;
}
Voice Decaying(Voice v) {
    v.exponentialDecay = true;
    return v;
}
Voice Vibrato(Voice v, double hz, double depth) {
    v.vibratoHz = hz;
    v.vibratoDepth = depth;
    return v;
}
Voice Tremolo(Voice v, double hz) {
    v.tremoloHz = hz;
    return v;
}
Voice Slow(Voice v, double attack, double release) {
    v.attack = attack;
    v.release = release;
    return v;
}
Voice Burst(double start, double length, double cut0, double cut1, double gain = 0.8) {
    return Decaying(Tone(start, length, cut0, cut1, gain, Wave::Noise));
}

std::vector<Sound> Sounds() {
    return {
        // The intro: a deep drone under a slowly rising chord.
        {"SPACE.WAV",
         {Slow(Tone(0, 4.0, 55, 55, 0.35), 1.0, 1.5), Slow(Tone(0.5, 3.5, 110, 165, 0.2), 1.0, 1.5),
          Slow(Tone(1.0, 3.0, 220, 330, 0.15), 1.0, 1.2), Slow(Tone(1.5, 2.5, 277, 415, 0.12), 0.8, 1.0),
          Slow(Burst(0, 4.0, 300, 900, 0.08), 1.5, 1.5)}},
        // The version splash: a bright chime.
        {"VERSION.WAV",
         {Decaying(Tone(0, 0.6, 784, 784, 0.3)), Decaying(Tone(0.12, 0.6, 988, 988, 0.3)),
          Decaying(Tone(0.24, 0.9, 1319, 1319, 0.3))}},
        {"ERROR.WAV", {Tone(0, 0.18, 220, 220, 0.5, Wave::Square), Tone(0.25, 0.3, 175, 175, 0.5, Wave::Square)}},
        {"NOTRESP.WAV", {Tone(0, 0.3, 140, 120, 0.5, Wave::Saw)}},
        {"MESSAGE.WAV", {Tone(0, 0.1, 880, 880, 0.35), Tone(0.12, 0.15, 1175, 1175, 0.35)}},
        {"PHASER.WAV", {Vibrato(Tone(0, 0.7, 1800, 500, 0.45, Wave::Saw), 40, 0.08), Burst(0, 0.7, 3000, 800, 0.15)}},
        {"TORPEDO.WAV", {Tone(0, 0.6, 180, 900, 0.4), Burst(0, 0.6, 400, 2500, 0.35)}},
        {"TORPEXPL.WAV", {Burst(0, 1.0, 1800, 200, 0.9), Decaying(Tone(0, 0.6, 70, 40, 0.5))}},
        {"EXPLODE.WAV", {Burst(0, 1.4, 2500, 150, 0.9), Decaying(Tone(0, 1.0, 60, 30, 0.6))}},
        {"SHIELDUP.WAV", {Vibrato(Tone(0, 0.6, 300, 900, 0.4), 12, 0.03), Tone(0, 0.6, 450, 1350, 0.15)}},
        {"SHIELDDN.WAV", {Vibrato(Tone(0, 0.6, 900, 300, 0.4), 12, 0.03), Tone(0, 0.6, 1350, 450, 0.15)}},
        {"DEFLECT.WAV", {Decaying(Tone(0, 0.4, 2400, 1800, 0.4)), Burst(0, 0.15, 5000, 2000, 0.3)}},
        {"DISABLE.WAV", {Tone(0, 0.8, 600, 80, 0.45, Wave::Square), Burst(0, 0.3, 3000, 1000, 0.2)}},
        {"DOCK.WAV",
         {Decaying(Tone(0, 0.3, 90, 70, 0.6)), Decaying(Tone(0.3, 0.5, 660, 660, 0.25)),
          Decaying(Tone(0.45, 0.6, 880, 880, 0.25))}},
        {"ZDOCK.WAV", {Decaying(Tone(0, 0.3, 80, 60, 0.6)), Decaying(Tone(0.3, 0.6, 330, 310, 0.3, Wave::Saw))}},
        {"RED.WAV",
         {Tone(0, 0.45, 500, 1000, 0.45, Wave::Square), Tone(0.5, 0.45, 500, 1000, 0.45, Wave::Square),
          Tone(1.0, 0.45, 500, 1000, 0.45, Wave::Square)}},
        {"YELLOW.WAV", {Tone(0, 0.25, 660, 660, 0.4), Tone(0.3, 0.25, 523, 523, 0.4)}},
        // The self-destruct countdown: a hard tick with a ringing beep, once a second.
        {"COUNTDN.WAV",
         {Burst(0, 0.03, 6000, 3000, 0.5), Decaying(Tone(0, 0.22, 1250, 1250, 0.45)),
          Decaying(Tone(0, 0.22, 625, 625, 0.2, Wave::Square))}},
        // The self-destruct armed: three rising klaxon whoops over a low throb.
        {"DESWARN.WAV",
         {Tone(0, 0.42, 320, 960, 0.45, Wave::Saw), Tone(0.5, 0.42, 320, 960, 0.45, Wave::Saw),
          Tone(1.0, 0.42, 320, 960, 0.45, Wave::Saw), Tremolo(Tone(0, 1.45, 90, 90, 0.3, Wave::Square), 4)}},
        {"CHEER.WAV",
         {Tone(0, 0.18, 523, 523, 0.3), Tone(0.18, 0.18, 659, 659, 0.3), Tone(0.36, 0.18, 784, 784, 0.3),
          Decaying(Tone(0.54, 0.9, 1047, 1047, 0.35)), Slow(Burst(0, 1.4, 2500, 2000, 0.25), 0.3, 0.5)}},
        {"BREAK.WAV", {Burst(0, 0.9, 4000, 800, 0.8), Decaying(Tone(0, 0.4, 1500, 900, 0.3, Wave::Square))}},
        {"HYP.WAV",
         {Slow(Tone(0, 2.0, 80, 1600, 0.4, Wave::Saw), 0.2, 0.3), Slow(Burst(0, 2.0, 200, 4000, 0.3), 0.3, 0.3)}},
        {"PROBE.WAV", {Decaying(Tone(0, 0.5, 1500, 1500, 0.45)), Decaying(Tone(0.25, 0.5, 1500, 1500, 0.2))}},
        {"TRACTOR.WAV",
         {Tremolo(Tone(0, 1.2, 110, 100, 0.45, Wave::Saw), 8), Tremolo(Tone(0, 1.2, 220, 200, 0.15), 8)}},
        {"FLARE.WAV",
         {Slow(Tone(0, 1.6, 150, 600, 0.4, Wave::Noise), 0.6, 0.8), Slow(Tone(0, 1.6, 60, 90, 0.3), 0.5, 0.8)}},
        {"WARNCLOK.WAV", {Vibrato(Tone(0, 0.8, 900, 900, 0.4), 9, 0.15)}},
        // The hostile Zarvoni.
        {"ZENTER.WAV", {Tone(0, 0.7, 1200, 150, 0.4, Wave::Saw), Burst(0.5, 0.4, 800, 200, 0.3)}},
        {"ZMOVE.WAV", {Tone(0, 0.35, 250, 500, 0.35, Wave::Saw)}},
        {"ZHIT.WAV", {Burst(0, 0.5, 2200, 400, 0.8), Decaying(Tone(0, 0.3, 160, 90, 0.4, Wave::Square))}},
        {"ZMISS.WAV", {Tone(0, 0.5, 400, 2500, 0.2), Burst(0, 0.5, 800, 4000, 0.35)}},
        {"ZSBHIT.WAV", {Burst(0, 0.7, 1800, 300, 0.85), Decaying(Tone(0, 0.5, 100, 60, 0.5))}},
        {"ZSBSHOOT.WAV", {Vibrato(Tone(0, 0.6, 1100, 300, 0.45, Wave::Square), 30, 0.1)}},
        {"LOSEZSB.WAV", {Burst(0, 1.6, 2000, 100, 0.9), Tone(0, 1.2, 400, 60, 0.35, Wave::Saw)}},
        {"CAPZSB.WAV",
         {Tone(0, 0.2, 392, 392, 0.35), Tone(0.2, 0.2, 523, 523, 0.35), Decaying(Tone(0.4, 0.8, 659, 659, 0.4))}},
        {"CZMOVE.WAV", {Tremolo(Tone(0, 0.6, 300, 200, 0.3, Wave::Saw), 14)}},
        // The player's starbases.
        {"SBHIT.WAV", {Burst(0, 0.6, 2000, 500, 0.8), Decaying(Tone(0, 0.4, 300, 200, 0.3, Wave::Square))}},
        {"SBSHOOT.WAV", {Vibrato(Tone(0, 0.5, 1400, 700, 0.45, Wave::Saw), 35, 0.06)}},
        {"SBDESTRD.WAV",
         {Burst(0, 1.8, 3000, 100, 0.9), Decaying(Tone(0, 1.5, 70, 30, 0.6)),
          Tone(0.2, 1.2, 600, 100, 0.2, Wave::Square)}},
        // The assimilating Morv: low, slow and heavy.
        {"MVMOVE.WAV", {Slow(Tone(0, 1.0, 45, 60, 0.5, Wave::Saw), 0.3, 0.4), Tremolo(Tone(0, 1.0, 90, 120, 0.2), 3)}},
        {"MVHIT.WAV", {Burst(0, 0.8, 1200, 200, 0.8), Decaying(Tone(0, 0.6, 55, 40, 0.5, Wave::Saw))}},
        {"MVSTRIKE.WAV", {Tone(0, 0.7, 60, 400, 0.45, Wave::Saw), Burst(0.4, 0.6, 1500, 300, 0.6)}},
        {"MVSTRKSH.WAV", {Tone(0, 0.6, 70, 350, 0.45, Wave::Saw), Decaying(Tone(0.4, 0.5, 2200, 1600, 0.3))}},
        {"MVKILLSB.WAV", {Slow(Tone(0, 1.5, 40, 30, 0.5, Wave::Saw), 0.2, 0.6), Burst(0.3, 1.4, 2500, 100, 0.8)}},
        {"MVDESTROYED.WAV",
         {Burst(0, 2.0, 3000, 80, 0.9), Tone(0, 1.6, 200, 30, 0.4, Wave::Saw), Decaying(Tone(0.5, 1.2, 45, 30, 0.5))}},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen <folder>\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/') folder += '/';
    for (const Sound& s : Sounds()) {
        if (!WriteWav(folder + s.name, Render(s))) {
            std::fprintf(stderr, "soundgen: cannot write %s%s\n", folder.c_str(), s.name);
            return 1;
        }
    }
    return 0;
}
