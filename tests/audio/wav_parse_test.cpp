// The WAV chunk reader over byte spans: the layouts it accepts, chunk order and padding, and
// files that are truncated, lie about their sizes or declare absurd formats.
#include <gtest/gtest.h>
#include <random>

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

} // namespace

TEST(ParseWAVTest, ReadsPCMLayouts) {
    WavInfo w;
    ASSERT_EQ(Parse(PcmWav(1, 11025, 8, 100), &w), nullptr);
    EXPECT_EQ(w.coding, WAV_PCM);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bitsPerSample, 8);
    EXPECT_EQ(w.frequency, 11025u);
    EXPECT_EQ(w.size, 100u);

    ASSERT_EQ(Parse(PcmWav(2, 44100, 16, 300), &w), nullptr);
    EXPECT_EQ(w.channels, 2);
    EXPECT_EQ(w.bitsPerSample, 16);
    EXPECT_EQ(w.blockAlign, 4);
    EXPECT_EQ(w.size, 1200u);
    EXPECT_EQ(w.loop, 0);

    for (uint16_t channels : {4, 6, 7, 8}) {
        ASSERT_EQ(Parse(PcmWav(channels, 48000, 16, 10), &w), nullptr) << channels;
        EXPECT_EQ(w.size, 10u * channels * 2);
    }
}

TEST(ParseWAVTest, FileWithoutFormatChunkIsMono16At22050) {
    WavInfo w;
    ASSERT_EQ(Parse(Riff(Chunk("data", std::string(64, '\x01'))), &w), nullptr);
    EXPECT_EQ(w.coding, WAV_PCM);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bitsPerSample, 16);
    EXPECT_EQ(w.frequency, 22050u);
    EXPECT_EQ(w.size, 64u);
}

TEST(ParseWAVTest, ChunkOrderPaddingAndLoops) {
    WavInfo w;
    // An odd-sized data chunk is followed by its pad byte, then the next chunk is found.
    std::string smpl = std::string(28, '\0') + U32(1) + std::string(28, '\0');
    std::string file =
        Riff(Fmt(1, 1, 8000, 8) + Chunk("data", std::string(7, 'x')) + Chunk("smpl", smpl));
    ASSERT_EQ(Parse(file, &w), nullptr);
    EXPECT_EQ(w.size, 7u);
    EXPECT_EQ(w.loop, 1);

    // Data before the format: the format that follows still applies.
    std::string dataFirst = Riff(Chunk("data", std::string(40, 'x')) + Fmt(1, 2, 22050, 16));
    ASSERT_EQ(Parse(dataFirst, &w), nullptr);
    EXPECT_EQ(w.channels, 2);
    EXPECT_EQ(w.frequency, 22050u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(w.samples), w.size), std::string(40, 'x'));

    // Unknown chunks are stepped over; a trailing partial frame is left out.
    std::string extra =
        Riff(Chunk("LIST", "abc") + Fmt(1, 2, 8000, 16) + Chunk("data", std::string(10, 'y')));
    ASSERT_EQ(Parse(extra, &w), nullptr);
    EXPECT_EQ(w.size, 8u);
}

TEST(ParseWAVTest, CodedAndExtensibleFormats) {
    WavInfo w;
    std::string extensible =
        FmtBody(65534, 2, 44100, 16) + U16(22) + U16(16) + U32(3) + U16(1) + std::string(14, '\0');
    ASSERT_EQ(Parse(Riff(Chunk("fmt ", extensible) + Chunk("data", std::string(16, 0))), &w),
              nullptr);
    EXPECT_EQ(w.coding, WAV_PCM);
    EXPECT_EQ(w.channels, 2);

    std::string ima = Riff(Fmt(17, 1, 22050, 4, 256) + Chunk("data", std::string(512, 0)));
    ASSERT_EQ(Parse(ima, &w), nullptr);
    EXPECT_EQ(w.coding, WAV_IMA_ADPCM);
    EXPECT_EQ(w.blockAlign, 256);
    EXPECT_EQ(w.size, 512u);

    std::string mp3 = Riff(Fmt(85, 2, 44100, 0, 1) + Chunk("data", std::string(99, 0)));
    ASSERT_EQ(Parse(mp3, &w), nullptr);
    EXPECT_EQ(w.coding, WAV_MP3);
    EXPECT_EQ(w.size, 99u);
}

TEST(ParseWAVTest, RejectsFormatsThatCannotPlay) {
    WavInfo w;
    auto with = [](const std::string& fmt) {
        return Riff(fmt + Chunk("data", std::string(64, 0)));
    };
    EXPECT_NE(Parse(with(Fmt(1, 0, 44100, 16, 2)), &w), nullptr) << "no channels";
    EXPECT_NE(Parse(with(Fmt(1, 3, 44100, 16)), &w), nullptr) << "three channels";
    EXPECT_NE(Parse(with(Fmt(1, 300, 44100, 16)), &w), nullptr) << "300 channels";
    EXPECT_NE(Parse(with(Fmt(1, 1, 0, 16)), &w), nullptr) << "rate 0";
    EXPECT_NE(Parse(with(Fmt(1, 1, 4000000000u, 16)), &w), nullptr) << "absurd rate";
    EXPECT_NE(Parse(with(Fmt(1, 1, 44100, 0)), &w), nullptr) << "0 bits";
    EXPECT_NE(Parse(with(Fmt(1, 1, 44100, 24)), &w), nullptr) << "24 bits";
    EXPECT_NE(Parse(with(Fmt(1, 1, 44100, 65535, 2)), &w), nullptr) << "65535 bits";
    EXPECT_NE(Parse(with(Fmt(3, 1, 44100, 32)), &w), nullptr) << "float samples";
    EXPECT_NE(Parse(with(Fmt(17, 1, 22050, 4, 0)), &w), nullptr) << "ADPCM block of 0";
    EXPECT_NE(Parse(with(Fmt(17, 2, 22050, 4, 12)), &w), nullptr) << "ADPCM block too small";
    EXPECT_NE(Parse(with(Fmt(17, 3, 22050, 4, 256)), &w), nullptr) << "ADPCM with 3 channels";
    EXPECT_NE(Parse(with(Chunk("fmt ", std::string(10, '\1'))), &w), nullptr) << "short fmt";
    EXPECT_NE(Parse(Riff(Fmt(1, 1, 8000, 16)), &w), nullptr) << "no data chunk";
    EXPECT_NE(Parse(Riff(Fmt(1, 2, 8000, 16) + Chunk("data", "abc")), &w), nullptr)
        << "less than one frame";
    // A failure leaves nothing to play.
    EXPECT_EQ(w.samples, nullptr);
    EXPECT_EQ(w.size, 0u);
}

TEST(ParseWAVTest, RejectsSizesThatPassTheEndOfTheFile) {
    WavInfo w;
    std::string file = PcmWav(1, 8000, 16, 50);
    std::string lying = file;
    lying.replace(40, 4, U32(0xFFFFFFF0u)); // the data chunk's size
    EXPECT_NE(Parse(lying, &w), nullptr);
    std::string lyingFmt = file;
    lyingFmt.replace(16, 4, U32(1000)); // the fmt chunk's size
    EXPECT_NE(Parse(lyingFmt, &w), nullptr);
    // A RIFF size larger than the file is only a limit: the chunks that are there are read.
    std::string bigRiff = file;
    bigRiff.replace(4, 4, U32(0xFFFFFFFFu));
    EXPECT_EQ(Parse(bigRiff, &w), nullptr);
    // A RIFF size that ends before the data chunk hides it.
    std::string smallRiff = file;
    smallRiff.replace(4, 4, U32(4 + 24));
    EXPECT_NE(Parse(smallRiff, &w), nullptr);
    EXPECT_NE(ParseWAV(nullptr, 0, &w), nullptr);
}

TEST(ParseWAVTest, EveryTruncationAndCorruptionFailsCleanly) {
    std::string file =
        Riff(Fmt(1, 2, 8000, 16) + Chunk("LIST", "odd") + Chunk("data", std::string(40, 'z')) +
             Chunk("smpl", std::string(60, 0)));
    WavInfo w;
    for (size_t n = 0; n <= file.size(); n++) {
        // Each prefix is copied to a block of its own size, so a read past it is a real overrun.
        std::vector<uint8_t> prefix(file.begin(), file.begin() + long(n));
        const char* error = ParseWAV(prefix.data(), prefix.size(), &w);
        if (!error) {
            ASSERT_GE(w.samples, prefix.data());
            ASSERT_LE(w.samples + w.size, prefix.data() + prefix.size());
        }
    }
    std::mt19937 random(1234);
    for (int round = 0; round < 2000; round++) {
        std::vector<uint8_t> bytes(file.begin(), file.end());
        for (int flips = 0; flips < 4; flips++) bytes[random() % bytes.size()] = uint8_t(random());
        if (!ParseWAV(bytes.data(), bytes.size(), &w)) {
            ASSERT_GE(w.samples, bytes.data());
            ASSERT_LE(w.samples + w.size, bytes.data() + bytes.size());
            ASSERT_GT(w.size, 0u);
            ASSERT_EQ(w.size % w.blockAlign, 0u);
        }
    }
}
