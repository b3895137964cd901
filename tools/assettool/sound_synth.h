// Small synthesis kit of the sound and music generators: oscillators, noise, envelopes, filters,
// a feedback delay and a room reverb over float sample buffers.
#pragma once

#include <vector>

#include "engine/types.h"

using Samples = std::vector<f32>;

constexpr f64 TAU = 6.283185307179586;

f64 SineWave(f64 phase); // phase in cycles
f64 SawWave(f64 phase);  // -1..1, rising
f64 SquareWave(f64 phase, f64 duty = 0.5);
f64 TriangleWave(f64 phase);

// Repeatable white noise in -1..1.
class Noise {
  public:
    explicit Noise(u32 seed = 12345) : state_(seed) {}
    f64 Next();

  private:
    u32 state_;
};

// Attack, decay to sustain, release after `hold` seconds; the value at time t (seconds).
struct Envelope {
    f64 attack, decay, sustain, release;
    f64 At(f64 t, f64 hold) const;
};

// One-pole filters; the cutoff may change every sample.
class LowPass {
  public:
    f64 Run(f64 x, f64 cutoffHz, f64 rate);

  private:
    f64 y_ = 0;
};
class HighPass {
  public:
    f64 Run(f64 x, f64 cutoffHz, f64 rate);

  private:
    LowPass low_;
};

// Resonant state-variable low-pass.
class ResonantLowPass {
  public:
    f64 Run(f64 x, f64 cutoffHz, f64 resonance, f64 rate);

  private:
    f64 low_ = 0, band_ = 0;
};

// Adds an echo of `seconds` with the given feedback and mix, in place.
void ApplyDelay(Samples& s, int rate, f64 seconds, f64 feedback, f64 mix);
// A small Schroeder room (four combs, two all-passes), mixed in place.
void ApplyReverb(Samples& s, int rate, f64 roomSize, f64 mix);
// Scales so the loudest sample reaches `peak`.
void Normalize(Samples& s, f64 peak);
// Short fades at both ends so a one-shot starts and ends silent.
void FadeEdges(Samples& s, int rate, f64 inSeconds, f64 outSeconds);
