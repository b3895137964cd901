// Oscillators, noise, envelopes, filters, delay and reverb of the sound generators.
#include "tools/assettool/sound_synth.h"

#include <algorithm>
#include <cmath>

f64 SineWave(f64 phase) {
    return std::sin(TAU * phase);
}

f64 SawWave(f64 phase) {
    return 2.0 * (phase - std::floor(phase)) - 1.0;
}

f64 SquareWave(f64 phase, f64 duty) {
    return phase - std::floor(phase) < duty ? 1.0 : -1.0;
}

f64 TriangleWave(f64 phase) {
    return 1.0 - 4.0 * std::fabs(phase - std::floor(phase) - 0.5);
}

f64 Noise::Next() {
    // xorshift32: cheap, repeatable from the seed.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_ / 2147483647.5 - 1.0;
}

f64 Envelope::At(f64 t, f64 hold) const {
    if (t < 0) return 0;
    auto level = [this](f64 u) {
        if (u < attack) return u / attack;
        if (u < attack + decay) return 1.0 - (1.0 - sustain) * (u - attack) / decay;
        return sustain;
    };
    if (t < hold) return level(t);
    const f64 fade = 1.0 - (t - hold) / release;
    return fade > 0 ? level(hold) * fade : 0.0;
}

f64 LowPass::Run(f64 x, f64 cutoffHz, f64 rate) {
    const f64 a = 1.0 - std::exp(-TAU * cutoffHz / rate);
    y_ += a * (x - y_);
    return y_;
}

f64 HighPass::Run(f64 x, f64 cutoffHz, f64 rate) {
    return x - low_.Run(x, cutoffHz, rate);
}

f64 ResonantLowPass::Run(f64 x, f64 cutoffHz, f64 resonance, f64 rate) {
    const f64 f = 2.0 * std::sin(M_PI * std::min(cutoffHz, rate / 6) / rate);
    const f64 damping = 2.0 - 1.9 * std::clamp(resonance, 0.0, 1.0);
    low_ += f * band_;
    const f64 high = x - low_ - damping * band_;
    band_ += f * high;
    return low_;
}

void ApplyDelay(Samples& s, int rate, f64 seconds, f64 feedback, f64 mix) {
    const size_t lag = size_t(seconds * rate);
    if (lag == 0 || lag >= s.size()) return;
    Samples echo(s.size(), 0.0f);
    for (size_t i = lag; i < s.size(); ++i) echo[i] = f32((s[i - lag] + echo[i - lag]) * feedback);
    for (size_t i = 0; i < s.size(); ++i) s[i] += f32(echo[i] * mix);
}

namespace {

class Comb {
  public:
    explicit Comb(size_t n) : buf_(n, 0.0) {}
    f64 Run(f64 x, f64 feedback) {
        const f64 y = buf_[pos_];
        buf_[pos_] = x + y * feedback;
        pos_ = (pos_ + 1) % buf_.size();
        return y;
    }

  private:
    std::vector<f64> buf_;
    size_t pos_ = 0;
};

class AllPass {
  public:
    explicit AllPass(size_t n) : buf_(n, 0.0) {}
    f64 Run(f64 x) {
        const f64 b = buf_[pos_];
        buf_[pos_] = x + b * 0.5;
        pos_ = (pos_ + 1) % buf_.size();
        return b - x;
    }

  private:
    std::vector<f64> buf_;
    size_t pos_ = 0;
};

} // namespace

void ApplyReverb(Samples& s, int rate, f64 roomSize, f64 mix) {
    // Comb lengths in milliseconds, mutually prime-ish so the echoes do not line up.
    const f64 combMs[4] = {29.7, 37.1, 41.1, 43.7};
    const f64 scale = rate / 1000.0;
    std::vector<Comb> combs;
    for (f64 ms : combMs) combs.emplace_back(size_t(ms * scale));
    AllPass a1(size_t(5.0 * scale)), a2(size_t(1.7 * scale));
    const f64 feedback = 0.7 + 0.28 * std::clamp(roomSize, 0.0, 1.0);
    for (f32& x : s) {
        f64 wet = 0;
        for (Comb& c : combs) wet += c.Run(x, feedback);
        wet = a2.Run(a1.Run(wet * 0.25));
        x = f32(x + wet * mix);
    }
}

void Normalize(Samples& s, f64 peak) {
    f64 top = 0;
    for (f32 x : s) top = std::max(top, f64(std::fabs(x)));
    if (top <= 0) return;
    const f64 gain = peak / top;
    for (f32& x : s) x = f32(x * gain);
}

void FadeEdges(Samples& s, int rate, f64 inSeconds, f64 outSeconds) {
    const size_t in = std::min(s.size(), size_t(inSeconds * rate));
    const size_t out = std::min(s.size(), size_t(outSeconds * rate));
    for (size_t i = 0; i < in; ++i) s[i] = f32(s[i] * f64(i) / in);
    for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] = f32(s[s.size() - 1 - i] * f64(i) / out);
}
