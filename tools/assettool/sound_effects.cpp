// The game's sound effects, synthesised: engine hum and lancer loop (seamless loops), disruptor,
// lancer start, torpedo, warp in and out, cloak on and off.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/assettool/art_output.h"
#include "tools/assettool/sound.h"

namespace {

AudioClip Clip(f64 seconds) {
    AudioClip c;
    c.rate = EFFECT_RATE;
    c.channels = 1;
    c.samples.assign(size_t(seconds * EFFECT_RATE), 0.0f);
    return c;
}

// Loops: every partial completes whole cycles over the clip, so the end meets the start. The
// filters run over the loop twice and the second pass is kept, so they have settled at the seam.
f64 EngineWave(f64 t) {
    const f64 x = 0.5 * SawWave(55.0 * t) + 0.35 * SawWave(110.5 * t) + 0.3 * SineWave(82.5 * t);
    return x + 0.15 * SquareWave(27.5 * t);
}

AudioClip EngineHum() {
    AudioClip c = Clip(2.0);
    LowPass lp;
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < c.samples.size(); ++i) {
            const f64 t = f64(i) / c.rate;
            const f64 throb = 0.75 + 0.25 * SineWave(2.0 * t);
            c.samples[i] = f32(lp.Run(EngineWave(t), 380, c.rate) * throb);
        }
    Normalize(c.samples, 0.7);
    return c;
}

AudioClip LancerLoop() {
    const f64 seconds = 1.0;
    AudioClip c = Clip(seconds);
    ResonantLowPass f;
    Samples& out = c.samples;
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < out.size(); ++i) {
            const f64 t = f64(i) / c.rate;
            const f64 wobble = 0.5 + 0.5 * SineWave(12.0 * t);
            f64 x =
                SawWave(220.0 * t) + 0.7 * SawWave(221.0 * t) + 0.5 * SquareWave(330.0 * t, 0.3);
            out[i] = f32(f.Run(x, 1400 + 900 * wobble, 0.6, c.rate) * (0.8 + 0.2 * wobble));
        }
    Normalize(c.samples, 0.6);
    return c;
}

AudioClip LancerStart() {
    const f64 seconds = 0.5;
    AudioClip c = Clip(seconds);
    ResonantLowPass f;
    f64 phase = 0;
    for (size_t i = 0; i < c.samples.size(); ++i) {
        const f64 t = f64(i) / c.rate, u = t / seconds;
        phase += (180 + 700 * u * u) / c.rate;
        const f64 x = SawWave(phase) + 0.5 * SawWave(phase * 1.5);
        c.samples[i] = f32(f.Run(x, 600 + 3000 * u, 0.7, c.rate) * (0.3 + 0.7 * u));
    }
    FadeEdges(c.samples, c.rate, 0.01, 0.04);
    Normalize(c.samples, 0.75);
    return c;
}

AudioClip Disruptor() {
    const f64 seconds = 0.38;
    AudioClip c = Clip(seconds);
    Noise noise(7);
    LowPass lp;
    f64 phase = 0;
    for (size_t i = 0; i < c.samples.size(); ++i) {
        const f64 t = f64(i) / c.rate;
        phase += (1300 * std::exp(-t * 9) + 140) / c.rate;
        const f64 tone = SquareWave(phase, 0.35) * 0.6 + SawWave(phase * 0.5) * 0.4;
        const f64 hiss = lp.Run(noise.Next(), 5000, c.rate) * std::exp(-t * 30);
        c.samples[i] = f32((tone * 0.8 + hiss * 0.6) * std::exp(-t * 8));
    }
    ApplyReverb(c.samples, c.rate, 0.3, 0.15);
    FadeEdges(c.samples, c.rate, 0.002, 0.05);
    Normalize(c.samples, 0.8);
    return c;
}

AudioClip Torpedo() {
    const f64 seconds = 0.9;
    AudioClip c = Clip(seconds);
    Noise noise(11);
    LowPass lp;
    f64 phase = 0, ring = 0;
    for (size_t i = 0; i < c.samples.size(); ++i) {
        const f64 t = f64(i) / c.rate;
        phase += (55 + 260 * std::exp(-t * 12)) / c.rate;
        ring += (880 + 300 * SineWave(30 * t)) / c.rate;
        const f64 thump = SineWave(phase) * std::exp(-t * 5);
        const f64 shimmer = SineWave(ring) * SineWave(phase * 3) * 0.3 * std::exp(-t * 6);
        const f64 burst = lp.Run(noise.Next(), 1800, c.rate) * std::exp(-t * 18);
        c.samples[i] = f32(thump + shimmer + burst * 0.8);
    }
    ApplyReverb(c.samples, c.rate, 0.5, 0.25);
    FadeEdges(c.samples, c.rate, 0.003, 0.15);
    Normalize(c.samples, 0.85);
    return c;
}

// A swept whoosh: filtered noise and a gliding tone between two pitches.
AudioClip Sweep(f64 seconds, f64 fromHz, f64 toHz, f64 attack, u32 seed, bool thump) {
    AudioClip c = Clip(seconds);
    Noise noise(seed);
    ResonantLowPass f;
    f64 phase = 0, phase2 = 0;
    for (size_t i = 0; i < c.samples.size(); ++i) {
        const f64 t = f64(i) / c.rate, u = t / seconds;
        const f64 hz = fromHz * std::pow(toHz / fromHz, u);
        phase += hz / c.rate;
        phase2 += hz * 1.503 / c.rate;
        const f64 level = std::min(1.0, u / attack) * (1.0 - u) * 1.6;
        const f64 tone = 0.5 * SawWave(phase) + 0.35 * SineWave(phase2);
        const f64 air = f.Run(noise.Next(), hz * 4, 0.5, c.rate);
        f64 x = (tone * 0.6 + air * 0.9) * level;
        if (thump) x += SineWave(48 * t) * std::exp(-t * 7) * 0.9;
        c.samples[i] = f32(x);
    }
    ApplyReverb(c.samples, c.rate, 0.7, 0.3);
    FadeEdges(c.samples, c.rate, 0.01, 0.2);
    Normalize(c.samples, 0.85);
    return c;
}

AudioClip Warp() {
    return Sweep(2.6, 70, 1400, 0.7, 21, false);
}
AudioClip ExitWarp() {
    return Sweep(1.6, 1600, 60, 0.05, 22, true);
}

// A shimmering chord that glides up (on) or down (off).
AudioClip Cloak(bool on) {
    const f64 seconds = 1.3;
    AudioClip c = Clip(seconds);
    Noise noise(on ? 31 : 32);
    HighPass hp;
    f64 phases[3] = {0, 0, 0};
    const f64 ratios[3] = {1.0, 1.26, 1.5};
    for (size_t i = 0; i < c.samples.size(); ++i) {
        const f64 t = f64(i) / c.rate, u = t / seconds;
        const f64 glide = on ? 300 * std::pow(3.0, u) : 900 * std::pow(1.0 / 3.0, u);
        f64 x = 0;
        for (int k = 0; k < 3; ++k) {
            phases[k] += glide * ratios[k] * (1 + 0.004 * SineWave(7 * t + k)) / c.rate;
            x += SineWave(phases[k]) * (0.5 + 0.5 * SineWave(phases[k] * 0.02 + 9 * t));
        }
        const f64 air = hp.Run(noise.Next(), 3000, c.rate) * 0.3;
        const f64 level = std::sin(M_PI * std::min(1.0, u * 1.2));
        c.samples[i] = f32((x * 0.3 + air) * level);
    }
    ApplyDelay(c.samples, c.rate, 0.09, 0.4, 0.35);
    ApplyReverb(c.samples, c.rate, 0.6, 0.3);
    FadeEdges(c.samples, c.rate, 0.01, 0.1);
    Normalize(c.samples, 0.75);
    return c;
}

AudioClip CloakOn() {
    return Cloak(true);
}
AudioClip CloakOff() {
    return Cloak(false);
}

const SoundEntry SOUND_TABLE[] = {
    {"engine", "impulse engine hum (loops)", EngineHum},
    {"cloak_on", "cloak engaging", CloakOn},
    {"cloak_off", "cloak dropping", CloakOff},
    {"warp", "going to warp", Warp},
    {"exit_warp", "dropping out of warp", ExitWarp},
    {"pulse_torpedo", "pulse torpedo launch", Torpedo},
    {"distruptor", "disruptor shot", Disruptor},
    {"lancer", "lancer beam (loops)", LancerLoop},
    {"lancer_start", "lancer beam charging", LancerStart},
    {nullptr, nullptr, nullptr},
};

constexpr const char* SOUND_USAGE = "sound NAME OUT.wav|OUT.ogg | sound list";
constexpr const char* MUSIC_USAGE = "music N OUT.ogg  (N = 1 or 2)";

} // namespace

const SoundEntry* SoundTable() {
    return SOUND_TABLE;
}

const SoundEntry* FindSound(const char* name) {
    for (const SoundEntry* e = SOUND_TABLE; e->name; ++e)
        if (std::strcmp(e->name, name) == 0) return e;
    return nullptr;
}

int CmdSound(const Args& args) {
    if (args.size() == 1 && args[0] == "list") {
        for (const SoundEntry* e = SOUND_TABLE; e->name; ++e)
            std::printf("%-14s %s\n", e->name, e->what);
        return EXIT_OK;
    }
    if (args.size() != 2) return ToolUsage(SOUND_USAGE);
    const SoundEntry* entry = FindSound(args[0].c_str());
    if (!entry) return ToolFail(args[0], "no such sound (assettool sound list names them)");
    std::string error;
    if (!SaveAudioClip(args[1], entry->make(), OGG_EFFECT_QUALITY, &error))
        return ToolFail(args[1], error);
    return EXIT_OK;
}

int CmdMusic(const Args& args) {
    if (args.size() != 2) return ToolUsage(MUSIC_USAGE);
    char* end = nullptr;
    const long n = std::strtol(args[0].c_str(), &end, 10);
    if (*end != '\0' || n < 1 || n > MUSIC_TRACK_COUNT)
        return ToolFail(args[0],
                        "no such track (there are " + std::to_string(MUSIC_TRACK_COUNT) + ")");
    if (LowerExtension(args[1]) != "ogg") return ToolFail(args[1], "music is written as .ogg");
    std::string error;
    if (!SaveAudioClip(args[1], MakeMusicTrack(int(n)), OGG_MUSIC_QUALITY, &error))
        return ToolFail(args[1], error);
    return EXIT_OK;
}
