// What a stream really sounds like: OpenAL Soft's wave writer records the mix to a file while a
// known sine streams at 10 and at 1000 frames a second; the recording must hold the whole sine,
// at its pitch, with no gap.
#include <AL/al.h>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "audio/audio.h"
#include "audio/wav.h"
#include "tests/audio/audio_fixture.h"
#include "tests/audio/sound_files.h"

using namespace sound;

namespace {

constexpr double SINE_SECONDS = 2.0;
constexpr double SINE_HZ = 440.0;
constexpr int PLAY_TIMEOUT_MS = 10000;

// OpenAL Soft reads its configuration once per process, before the first device opens, so the
// wave writer is set up for the whole program.
class WaveWriterEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        std::string pattern = std::filesystem::temp_directory_path() / "vaelor-wave-XXXXXX";
        folder = mkdtemp(pattern.data()) ? pattern : ".";
        std::ofstream conf(folder + "/alsoft.conf");
        conf << "drivers = wave\nsample-type = int16\nfrequency = 44100\nchannels = stereo\n"
             << "[wave]\nfile = " << Recording() << "\n";
        conf.close();
        unsetenv("ALSOFT_DRIVERS");
        setenv("ALSOFT_CONF", (folder + "/alsoft.conf").c_str(), 1);
    }
    void TearDown() override {
        std::error_code ec;
        if (folder != ".") std::filesystem::remove_all(folder, ec);
    }
    static std::string Recording() { return folder + "/mix.wav"; }
    static std::string folder;
};
std::string WaveWriterEnvironment::folder;
const auto* environment = ::testing::AddGlobalTestEnvironment(new WaveWriterEnvironment);

struct Analysis {
    double seconds = 0;      // from the first to the last loud sample
    double frequency = 0;    // from rising zero crossings
    size_t longestQuiet = 0; // longest run of near-silent samples inside the sound
    uint32_t rate = 0;
};

// The left channel of the recording, judged against its own peak.
Analysis Analyse(const std::string& file) {
    Analysis a;
    WavInfo w;
    const char* error = ParseWAV(reinterpret_cast<const u8*>(file.data()), file.size(), &w);
    EXPECT_EQ(error, nullptr) << error;
    if (error || w.bitsPerSample != 16) return a;
    a.rate = w.frequency;
    size_t frames = w.size / w.blockAlign;
    std::vector<int> left(frames);
    int peak = 0;
    for (size_t i = 0; i < frames; i++) {
        const u8* p = w.samples + i * w.blockAlign;
        left[i] = int16_t(p[0] | p[1] << 8);
        peak = std::max(peak, std::abs(left[i]));
    }
    if (peak == 0) return a;
    size_t first = frames, last = 0;
    for (size_t i = 0; i < frames; i++) {
        if (std::abs(left[i]) * 2 <= peak) continue;
        first = std::min(first, i);
        last = i;
    }
    if (first >= last) return a;
    size_t crossings = 0, quiet = 0;
    for (size_t i = first + 1; i <= last; i++) {
        if (left[i - 1] < 0 && left[i] >= 0) crossings++;
        quiet = std::abs(left[i]) * 20 < peak ? quiet + 1 : 0;
        a.longestQuiet = std::max(a.longestQuiet, quiet);
    }
    a.seconds = double(last - first) / a.rate;
    a.frequency = crossings / a.seconds;
    return a;
}

// Plays the sine as a stream, one UpdateStreams per frame, and returns the recording.
std::string PlayAndRecord(const std::string& ogg, int frameMs) {
    EXPECT_TRUE(InitAL(nullptr));
    u32 h = OpenStream(ogg.c_str());
    EXPECT_NE(h, INVALID_HANDLE);
    PlayStream(h);
    for (int waited = 0; waited < PLAY_TIMEOUT_MS; waited += frameMs) {
        UpdateStreams();
        if (StreamQuery(h, AL_SOURCE_STATE) != AL_PLAYING) break;
        SleepMs(frameMs);
    }
    EXPECT_EQ(StreamQuery(h, STREAM_FINISHED), 1u);
    DestroyAL(); // closes the recording
    return ReadFile(WaveWriterEnvironment::Recording());
}

class WaveOutputTest : public ::testing::TestWithParam<int> {
  protected:
    TempDir dir;
};

} // namespace

TEST_P(WaveOutputTest, StreamPlaysWholeSineWithoutGaps) {
    fake::Reset();
    // A low bit rate gives the shortest chunks, the hardest case for slow frames.
    OggOptions o;
    o.quality = 0.0f;
    ASSERT_TRUE(WriteOgg("sine.ogg", Sine(SINE_SECONDS, 44100, 1, SINE_HZ, 0.5), o));
    Analysis a = Analyse(PlayAndRecord("sine.ogg", GetParam()));
    EXPECT_EQ(a.rate, 44100u);
    EXPECT_NEAR(a.seconds, SINE_SECONDS, 0.01);
    EXPECT_NEAR(a.frequency, SINE_HZ, 2.0);
    // At 440 Hz only a sample or two around each zero crossing is this quiet; a dry queue
    // leaves at least one mixing period (many milliseconds) of silence.
    EXPECT_LT(a.longestQuiet, 10u);
}

INSTANTIATE_TEST_SUITE_P(FrameRates, WaveOutputTest, ::testing::Values(100, 1),
                         [](const auto& info) {
                             return info.param == 100 ? std::string("TenFps")
                                                      : std::string("ThousandFps");
                         });
