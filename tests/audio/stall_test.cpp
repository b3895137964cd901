// A stream whose refilling frame comes a quarter second late, every frame: the mix is rendered
// on a loopback device, so each stall is exactly that long, and the sound must run on through it.
#include <cstdlib>

#include "tests/audio/audio_fixture.h"

namespace {
constexpr u32 RATE = 44100;
constexpr double SINE_SECONDS = 2.0;
constexpr u32 STALLED_FRAME_MS = 100 + 250;
constexpr u32 POLL_WAIT_MS = 6; // longer than the refill poll interval: every update looks
} // namespace

TEST(StreamStall, QueueOutlastsAFrameAQuarterSecondLate) {
    fake::Reset();
    TempDir dir;
    // The lowest bit rate gives the shortest chunks, the hardest case.
    ASSERT_TRUE(WriteOgg("sine.ogg", Sine(SINE_SECONDS, RATE, 1, 440, 0.5), {1, RATE, 0.0f}));
    ASSERT_TRUE(InitALLoopback(RATE));
    u32 h = OpenStream("sine.ogg");
    PlayStream(h);
    std::vector<i16> mix; // stereo
    const u32 frames = RATE * STALLED_FRAME_MS / 1000;
    for (int i = 0; i < 40 && StreamQuery(h, AL_SOURCE_STATE) == AL_PLAYING; i++) {
        SleepMs(POLL_WAIT_MS);
        UpdateStreams();
        mix.resize(mix.size() + 2 * frames);
        ASSERT_TRUE(RenderAL(mix.data() + mix.size() - 2 * frames, frames));
    }
    EXPECT_EQ(StreamQuery(h, STREAM_FINISHED), 1u);
    DestroyAL();
    // The left channel from its first loud sample to its last lasts the sine's length, and no
    // quiet run in it is longer than the few samples around a zero crossing.
    int peak = 0;
    for (size_t i = 0; i < mix.size(); i += 2) peak = std::max(peak, std::abs(int(mix[i])));
    size_t first = mix.size(), last = 0, quiet = 0, longestQuiet = 0;
    for (size_t i = 0; i < mix.size(); i += 2) {
        if (std::abs(int(mix[i])) * 2 <= peak) continue;
        first = std::min(first, i);
        last = i;
    }
    ASSERT_LT(first, last);
    for (size_t i = first; i <= last; i += 2) {
        quiet = std::abs(int(mix[i])) * 20 < peak ? quiet + 1 : 0;
        longestQuiet = std::max(longestQuiet, quiet);
    }
    EXPECT_NEAR(double(last - first) / 2 / RATE, SINE_SECONDS, 0.01);
    EXPECT_LT(longestQuiet, 10u);
}
