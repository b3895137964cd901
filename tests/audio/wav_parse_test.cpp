// The WAV chunk reader over byte spans: the layouts it accepts, chunk order and padding, and
// files that are truncated, lie about their sizes or declare absurd formats.
#include <gtest/gtest.h>
#include <random>
#include <tuple>

#include "audio/wav.h"
#include "tests/audio/sound_files.h"

using namespace sound;

namespace {
const char* Parse(const std::string& file, WavInfo* info) {
    return ParseWAV(reinterpret_cast<const uint8_t*>(file.data()), file.size(), info);
}
std::string Fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, uint16_t align = 0) {
    return Chunk("fmt ", FmtBody(tag, channels, rate, bits, align));
}
// Coding, channels, bits, block align, rate, bytes of samples, loop.
using Layout = std::tuple<int, int, int, int, uint32_t, uint32_t, int>;
Layout LayoutOf(const WavInfo& w) {
    return {w.coding, w.channels, w.bitsPerSample, w.blockAlign, w.frequency, w.size, w.loop};
}
// A file whose chunk or RIFF size at `offset` is replaced.
std::string WithSize(std::string file, size_t offset, uint32_t size) {
    return file.replace(offset, 4, U32(size));
}
} // namespace

TEST(ParseWAVTest, AcceptedLayouts) {
    const std::string smpl = std::string(28, '\0') + U32(1) + std::string(28, '\0');
    const std::string extensible =
        FmtBody(65534, 2, 44100, 16) + U16(22) + U16(16) + U32(3) + U16(1) + std::string(14, '\0');
    const struct {
        const char* what;
        std::string file;
        Layout layout;
    } cases[] = {
        {"mono 8-bit", PcmWav(1, 11025, 8, 100), {WAV_PCM, 1, 8, 1, 11025, 100, 0}},
        {"5.1", PcmWav(6, 48000, 16, 10), {WAV_PCM, 6, 16, 12, 48000, 120, 0}},
        {"7.1", PcmWav(8, 48000, 16, 10), {WAV_PCM, 8, 16, 16, 48000, 160, 0}},
        {"no format chunk: mono 16-bit at 22050",
         Riff(Chunk("data", std::string(64, '\x01'))),
         {WAV_PCM, 1, 16, 2, 22050, 64, 0}},
        {"odd data, its pad byte, then a loop",
         Riff(Fmt(1, 1, 8000, 8) + Chunk("data", std::string(7, 'x')) + Chunk("smpl", smpl)),
         {WAV_PCM, 1, 8, 1, 8000, 7, 1}},
        {"unknown chunk stepped over, partial frame left out",
         Riff(Chunk("LIST", "abc") + Fmt(1, 2, 8000, 16) + Chunk("data", std::string(10, 'y'))),
         {WAV_PCM, 2, 16, 4, 8000, 8, 0}},
        {"extensible PCM",
         Riff(Chunk("fmt ", extensible) + Chunk("data", std::string(16, 0))),
         {WAV_PCM, 2, 16, 4, 44100, 16, 0}},
        {"MP3",
         Riff(Fmt(85, 2, 44100, 0, 1) + Chunk("data", std::string(99, 0))),
         {WAV_MP3, 2, 16, 1, 44100, 99, 0}},
        {"RIFF size past the end is only a limit",
         WithSize(PcmWav(1, 8000, 16, 50), 4, 0xFFFFFFFFu),
         {WAV_PCM, 1, 16, 2, 8000, 100, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WavInfo w;
        ASSERT_EQ(Parse(c.file, &w), nullptr);
        EXPECT_EQ(LayoutOf(w), c.layout);
    }
    // Data before the format: the format that follows still applies to the samples.
    WavInfo w;
    const std::string file = Riff(Chunk("data", std::string(40, 'x')) + Fmt(1, 2, 22050, 16));
    ASSERT_EQ(Parse(file, &w), nullptr); // the samples point into file, which must outlive them
    EXPECT_EQ(LayoutOf(w), Layout(WAV_PCM, 2, 16, 4, 22050, 40, 0));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(w.samples), w.size), std::string(40, 'x'));
}

TEST(ParseWAVTest, RefusedFilesLeaveTheDefaultsAndNothingToPlay) {
    auto with = [](const std::string& fmt) {
        return Riff(fmt + Chunk("data", std::string(64, 0)));
    };
    const std::string file = PcmWav(1, 8000, 16, 50);
    const std::pair<const char*, std::string> cases[] = {
        {"no channels", with(Fmt(1, 0, 44100, 16, 2))},
        {"three channels", with(Fmt(1, 3, 44100, 16))},
        {"five channels", with(Fmt(1, 5, 44100, 16))},
        {"300 channels", with(Fmt(1, 300, 44100, 16))},
        {"rate 0", with(Fmt(1, 1, 0, 16))},
        {"absurd rate", with(Fmt(1, 1, 4000000000u, 16))},
        {"24 bits", with(Fmt(1, 1, 44100, 24))},
        {"float samples", with(Fmt(3, 1, 44100, 32))},
        {"ADPCM block too small", with(Fmt(17, 2, 22050, 4, 12))},
        {"ADPCM with 3 channels", with(Fmt(17, 3, 22050, 4, 256))},
        {"short fmt", with(Chunk("fmt ", std::string(10, '\1')))},
        {"no data chunk", Riff(Fmt(1, 1, 8000, 16))},
        {"less than one frame", Riff(Fmt(1, 2, 8000, 16) + Chunk("data", "abc"))},
        {"data size past the end", WithSize(file, 40, 0xFFFFFFF0u)},
        {"fmt size past the end", WithSize(file, 16, 1000)},
        {"RIFF size ending before the data", WithSize(file, 4, 4 + 24)},
        {"empty", ""},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        WavInfo w;
        EXPECT_NE(Parse(bytes, &w), nullptr);
        EXPECT_EQ(w.samples, nullptr);
        EXPECT_EQ(LayoutOf(w), Layout(WAV_PCM, 1, 16, 2, 22050, 0, 0));
    }
    WavInfo w;
    EXPECT_NE(ParseWAV(nullptr, 0, &w), nullptr);
}

TEST(ParseWAVTest, EveryTruncationAndCorruptionFailsCleanly) {
    std::string file =
        Riff(Fmt(1, 2, 8000, 16) + Chunk("LIST", "odd") + Chunk("data", std::string(40, 'z')) +
             Chunk("smpl", std::string(60, 0)));
    auto check = [](const std::vector<uint8_t>& bytes) {
        WavInfo w;
        if (ParseWAV(bytes.data(), bytes.size(), &w)) return;
        EXPECT_GE(w.samples, bytes.data());
        EXPECT_LE(w.samples + w.size, bytes.data() + bytes.size());
        EXPECT_GT(w.size, 0u);
        EXPECT_EQ(w.size % w.blockAlign, 0u);
    };
    // Each prefix is a block of its own size, so a read past it is a real overrun.
    for (size_t n = 0; n <= file.size(); n++) check({file.begin(), file.begin() + long(n)});
    std::mt19937 random(1234);
    for (int round = 0; round < 2000; round++) {
        std::vector<uint8_t> bytes(file.begin(), file.end());
        for (int flips = 0; flips < 4; flips++) bytes[random() % bytes.size()] = uint8_t(random());
        check(bytes);
    }
}
