// The sequencer: renders each layer of a song note by note into stereo buses, then adds delay,
// reverb and the mix.
#include "tools/assettool/music_sequencer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int STEPS_PER_BAR = 16;
constexpr f64 DETUNE = 1.004; // pad oscillators, a few cents apart

f64 NoteHz(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

struct Bus {
    Samples left, right;
    explicit Bus(size_t n) : left(n, 0.0f), right(n, 0.0f) {}
    void Add(size_t i, f64 x, f64 pan) { // pan -1 left .. 1 right
        if (i >= left.size()) return;
        left[i] += f32(x * std::sqrt(0.5 * (1 - pan)));
        right[i] += f32(x * std::sqrt(0.5 * (1 + pan)));
    }
};

struct Timing {
    int rate;
    f64 stepSeconds;
    size_t Sample(int bar, f64 step) const {
        return size_t(((bar * STEPS_PER_BAR) + step) * stepSeconds * rate);
    }
};

// Which layers play in a bar: an intro, a build, the full band, a breakdown and a closing part.
struct Layers {
    bool bass, arp, hats, beat;
    f64 level; // fades the last bars out
};
Layers LayersAt(int bar, int bars) {
    const int breakdown = bars * 2 / 3;
    Layers l{bar >= 4, bar >= 2, bar >= 6, bar >= 8, 1.0};
    if (bar >= breakdown && bar < breakdown + 4) l.beat = l.hats = l.bass = false;
    if (bar >= bars - 2) l.level = (bars - bar) / 3.0;
    return l;
}

void Pad(Bus& bus, const Timing& tm, int bar, const Chord& c, f64 level) {
    const int third = c.minor ? 3 : 4;
    const int notes[3] = {c.root + 12, c.root + 12 + third, c.root + 12 + 7};
    const Envelope env{0.5, 0.4, 0.8, 0.9};
    const f64 hold = STEPS_PER_BAR * tm.stepSeconds;
    const size_t start = tm.Sample(bar, 0);
    const size_t length = size_t((hold + env.release) * tm.rate);
    for (int k = 0; k < 3; ++k) {
        LowPass lp;
        const f64 hz = NoteHz(notes[k]);
        for (size_t i = 0; i < length; ++i) {
            const f64 t = f64(i) / tm.rate;
            const f64 x = SawWave(hz * t) + SawWave(hz * DETUNE * t + 0.3);
            bus.Add(start + i, lp.Run(x, 900, tm.rate) * env.At(t, hold) * 0.09 * level, k - 1.0);
        }
    }
}

void Bass(Bus& bus, const Timing& tm, int bar, const Chord& c, f64 level) {
    // Root, root, fifth, root on a syncopated eighth pattern.
    const f64 steps[5] = {0, 3, 6, 10, 12};
    const int offsets[5] = {0, 0, 7, 0, 12};
    const Envelope env{0.005, 0.18, 0.55, 0.06};
    for (int n = 0; n < 5; ++n) {
        const f64 hz = NoteHz(c.root - 12 + offsets[n]);
        const f64 hold = 2.2 * tm.stepSeconds;
        const size_t start = tm.Sample(bar, steps[n]);
        const size_t length = size_t((hold + env.release) * tm.rate);
        LowPass lp;
        for (size_t i = 0; i < length; ++i) {
            const f64 t = f64(i) / tm.rate;
            const f64 x = 0.6 * SawWave(hz * t) + 0.8 * SineWave(hz * t);
            bus.Add(start + i, lp.Run(x, 500, tm.rate) * env.At(t, hold) * 0.35 * level, 0);
        }
    }
}

void Arp(Bus& bus, const Timing& tm, int bar, const Chord& c, int pattern, f64 level) {
    const int third = c.minor ? 3 : 4;
    const int tones[4] = {0, third, 7, 12};
    const int rising[8] = {0, 1, 2, 3, 0, 1, 2, 3};
    const int wave[8] = {0, 1, 2, 3, 2, 1, 2, 3};
    const Envelope env{0.003, 0.12, 0.2, 0.08};
    for (int s = 0; s < STEPS_PER_BAR; ++s) {
        const int idx = (pattern ? wave : rising)[s % 8];
        const int octave = s >= 8 ? 12 : 0;
        const f64 hz = NoteHz(c.root + 24 + tones[idx] + octave);
        const f64 hold = 0.5 * tm.stepSeconds;
        const size_t start = tm.Sample(bar, s);
        const size_t length = size_t((hold + env.release) * tm.rate);
        const f64 accent = s % 4 == 0 ? 1.0 : 0.7;
        for (size_t i = 0; i < length; ++i) {
            const f64 t = f64(i) / tm.rate;
            const f64 x = 0.7 * TriangleWave(hz * t) + 0.2 * SquareWave(hz * t, 0.25);
            bus.Add(start + i, x * env.At(t, hold) * 0.18 * accent * level, s % 2 ? 0.45 : -0.45);
        }
    }
}

void Kick(Bus& bus, size_t start, int rate, f64 level) {
    f64 phase = 0;
    for (size_t i = 0; i < size_t(0.3 * rate); ++i) {
        const f64 t = f64(i) / rate;
        phase += (45 + 110 * std::exp(-t * 30)) / rate;
        bus.Add(start + i, SineWave(phase) * std::exp(-t * 11) * 0.55 * level, 0);
    }
}

void Snare(Bus& bus, size_t start, int rate, Noise& noise, f64 level) {
    HighPass hp;
    for (size_t i = 0; i < size_t(0.2 * rate); ++i) {
        const f64 t = f64(i) / rate;
        const f64 x = hp.Run(noise.Next(), 1200, rate) * std::exp(-t * 22) +
                      SineWave(185 * t) * std::exp(-t * 30) * 0.6;
        bus.Add(start + i, x * 0.22 * level, 0.1);
    }
}

void Hat(Bus& bus, size_t start, int rate, Noise& noise, f64 level) {
    HighPass hp;
    for (size_t i = 0; i < size_t(0.05 * rate); ++i) {
        const f64 t = f64(i) / rate;
        bus.Add(start + i, hp.Run(noise.Next(), 6000, rate) * std::exp(-t * 80) * 0.1 * level, 0.3);
    }
}

void Drums(Bus& bus, const Timing& tm, int bar, const Song& song, const Layers& l, Noise& noise) {
    for (int s = 0; s < STEPS_PER_BAR; ++s) {
        const size_t at = tm.Sample(bar, s);
        if (l.hats && s % 2 == 0) Hat(bus, at, tm.rate, noise, s % 4 == 2 ? 1.0 : 0.55);
        if (!l.beat) continue;
        const bool kick = song.halfTimeDrums ? (s == 0 || s == 10) : (s % 4 == 0 || s == 14);
        const bool snare = song.halfTimeDrums ? s == 8 : (s == 4 || s == 12);
        if (kick) Kick(bus, at, tm.rate, l.level);
        if (snare) Snare(bus, at, tm.rate, noise, l.level);
    }
}

} // namespace

AudioClip RenderSong(const Song& song, int rate) {
    const Timing tm{rate, 60.0 / song.bpm / 4};
    const size_t total = tm.Sample(song.bars + 2, 0); // room for the last release and echoes
    Bus pads(total), arps(total), dry(total);
    Noise noise(song.seed);
    for (int bar = 0; bar < song.bars; ++bar) {
        const Chord& c = song.progression[bar % song.progression.size()];
        const Layers l = LayersAt(bar, song.bars);
        Pad(pads, tm, bar, c, l.level);
        if (l.arp) Arp(arps, tm, bar, c, song.arpPattern, l.level);
        if (l.bass) Bass(dry, tm, bar, c, l.level);
        Drums(dry, tm, bar, song, l, noise);
    }
    const f64 echo = tm.stepSeconds * 3;
    for (Samples* s : {&arps.left, &arps.right}) ApplyDelay(*s, rate, echo, 0.35, 0.4);
    for (Samples* s : {&pads.left, &pads.right}) ApplyReverb(*s, rate, 0.8, 0.5);
    AudioClip clip;
    clip.rate = rate;
    clip.channels = 2;
    clip.samples.resize(total * 2);
    for (size_t i = 0; i < total; ++i) {
        clip.samples[2 * i] = pads.left[i] + arps.left[i] + dry.left[i];
        clip.samples[2 * i + 1] = pads.right[i] + arps.right[i] + dry.right[i];
    }
    Normalize(clip.samples, 0.85);
    return clip;
}
