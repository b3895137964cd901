// Sound buffers from WAV and Ogg Vorbis files through OpenAL: the formats they end up in,
// refused names, and damaged files that must leave nothing behind.
#include <array>

#include "tests/audio/audio_fixture.h"

namespace {
// Rate, bits, channels and bytes of a buffer.
using BufferFacts = std::array<ALint, 4>;
BufferFacts Facts(u32 buffer) {
    BufferFacts f{};
    const ALenum what[] = {AL_FREQUENCY, AL_BITS, AL_CHANNELS, AL_SIZE};
    for (size_t i = 0; i < f.size(); i++) alGetBufferi(buffer, what[i], &f[i]);
    return f;
}
// OpenAL Soft hands out the lowest free buffer name: a buffer left behind shows as a gap.
ALuint NextBufferName() {
    ALuint name = 0;
    alGenBuffers(1, &name);
    alDeleteBuffers(1, &name);
    return name;
}
} // namespace

using SoundBufferTest = AudioTest;

TEST_F(SoundBufferTest, FilesBecomeBuffersOfTheirLayout) {
    const struct {
        const char* path;
        std::string bytes;
        BufferFacts facts;
    } cases[] = {
        {"mono8.WAV", PcmWav(1, 11025, 8, 1000), {11025, 8, 1, 1000}}, // upper-case extension
        {"stereo16.wav", PcmWav(2, 44100, 16, 441), {44100, 16, 2, 441 * 4}},
        {"quad.wav", PcmWav(4, 48000, 16, 480), {48000, 16, 4, 480 * 8}},
        {"bare.wav", Riff(Chunk("data", std::string(2000, '\0'))), {22050, 16, 1, 2000}},
        {"tone.ogg", OggBytes(Sine(0.5, 22050, 1, 440, 0.5), {1, 22050}), {22050, 16, 1, 22050}},
        {"tone2.OGG", OggBytes(Sine(0.25, 44100, 2, 440, 0.5), {2}), {44100, 16, 2, 11025 * 4}},
        // 256-byte mono ADPCM blocks hold 505 samples, not OpenAL's default of 65.
        {"ima.wav",
         Riff(Chunk("fmt ", FmtBody(17, 1, 22050, 4, 256)) + Chunk("data", std::string(768, 0))),
         {22050, 16, 1, 505 * 3 * 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ASSERT_TRUE(WriteFile(c.path, c.bytes));
        u32 buffer = LoadSoundBuffer(c.path);
        ASSERT_NE(buffer, INVALID_HANDLE);
        EXPECT_EQ(Facts(buffer), c.facts);
    }
}

TEST_F(SoundBufferTest, LoadWAVReportsResultsAndDefaults) {
    std::string smpl = std::string(28, '\0') + U32(1) + std::string(28, '\0');
    ASSERT_TRUE(
        WriteFile("loop.wav", Riff(Chunk("fmt ", FmtBody(1, 2, 8000, 8)) +
                                   Chunk("data", std::string(9, 'a')) + Chunk("smpl", smpl))));
    i32 format = 0;
    void* data = nullptr;
    u32 size = 0, frequency = 0;
    u8 loop = 0;
    ASSERT_TRUE(LoadWAV("loop.wav", &format, &data, &size, &frequency, &loop));
    EXPECT_EQ(std::tuple(format, size, frequency, loop),
              std::tuple(AL_FORMAT_STEREO8, 8u, 8000u, 1));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::string(static_cast<char*>(data), 39), std::string(8, 'a') + std::string(31, 0));
    UnloadWAV(format, data, size, frequency);
    UnloadWAV(format, nullptr, 0, 0);
    EXPECT_FALSE(LoadWAV("missing.wav", &format, &data, &size, &frequency, &loop));
    EXPECT_EQ(std::tuple(format, data, size, frequency, loop),
              std::tuple(AL_FORMAT_MONO16, nullptr, 0u, 22050u, 0));
}

TEST_F(SoundBufferTest, RefusedNamesAndDamagedFilesLeaveNoBuffer) {
    std::string ogg = OggBytes(Sine(0.3, 44100, 1, 440, 0.5), OggOptions{});
    const std::pair<const char*, std::string> files[] = {
        {"lying.wav", PcmWav(1, 8000, 16, 100).replace(40, 4, U32(0x7FFFFFFF))},
        {"mp3.wav",
         Riff(Chunk("fmt ", FmtBody(85, 2, 44100, 0, 1)) + Chunk("data", std::string(99, '\1')))},
        {"garbage.ogg", std::string(5000, '\x5a')},
        {"headless.ogg", ogg.substr(0, 60)},
        {"empty.ogg", ""},
    };
    ALuint before = NextBufferName();
    for (const auto& [path, bytes] : files) {
        ASSERT_TRUE(WriteFile(path, bytes));
        EXPECT_EQ(LoadSoundBuffer(path), INVALID_HANDLE) << path;
    }
    for (const char* path : {(const char*)nullptr, "song.mp3", "gone.wav", "gone.ogg"})
        EXPECT_EQ(LoadSoundBuffer(path), INVALID_HANDLE) << (path ? path : "null");
    EXPECT_EQ(NextBufferName(), before) << "a failed load left a buffer behind";
    // Damage after the headers decodes what can be decoded, or nothing; never a crash.
    for (size_t i = ogg.size() / 2; i < ogg.size(); i += 7) ogg[i] = char(i * 31);
    ASSERT_TRUE(WriteFile("scrambled.ogg", ogg));
    u32 buffer = LoadSoundBuffer("scrambled.ogg");
    EXPECT_LE(buffer == INVALID_HANDLE ? 0 : Facts(buffer)[3], 44100 * 2);
}
