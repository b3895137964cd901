// Sound buffers from WAV and Ogg Vorbis files through OpenAL: the formats they end up in,
// refused names, and damaged files that must leave nothing behind.
#include <AL/al.h>
#include <array>

#include "tests/audio/audio_fixture.h"
#include "tests/audio/sound_files.h"

using namespace sound;

namespace {

// Rate, bits, channels and bytes of a buffer.
using BufferFacts = std::array<ALint, 4>;
BufferFacts Facts(u32 buffer) {
    BufferFacts f{};
    const ALenum what[] = {AL_FREQUENCY, AL_BITS, AL_CHANNELS, AL_SIZE};
    for (size_t i = 0; i < f.size(); i++) alGetBufferi(buffer, what[i], &f[i]);
    return f;
}

// OpenAL Soft hands out the lowest free buffer name, so a buffer left behind by a failed load
// shows as a gap in the names that follow.
ALuint NextBufferName() {
    ALuint name = 0;
    alGenBuffers(1, &name);
    alDeleteBuffers(1, &name);
    return name;
}

} // namespace

class SoundBufferTest : public AudioTest {};

TEST_F(SoundBufferTest, FilesBecomeBuffersOfTheirLayout) {
    OggOptions stereo;
    stereo.channels = 2;
    const struct {
        const char* path;
        std::string bytes;
        BufferFacts facts;
    } cases[] = {
        {"mono8.WAV", PcmWav(1, 11025, 8, 1000), {11025, 8, 1, 1000}}, // upper-case extension
        {"stereo16.wav", PcmWav(2, 44100, 16, 441), {44100, 16, 2, 441 * 4}},
        {"quad.wav", PcmWav(4, 48000, 16, 480), {48000, 16, 4, 480 * 8}},
        {"bare.wav", Riff(Chunk("data", std::string(2000, '\0'))), {22050, 16, 1, 2000}},
        {"tone.ogg",
         OggBytes(Sine(0.5, 22050, 1, 440, 0.5), {1, 22050}),
         {22050, 16, 1, 11025 * 2}},
        {"tone2.OGG", OggBytes(Sine(0.25, 44100, 2, 440, 0.5), stereo), {44100, 16, 2, 11025 * 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ASSERT_TRUE(WriteFile(c.path, c.bytes));
        u32 buffer = LoadSoundBuffer(c.path);
        ASSERT_NE(buffer, INVALID_HANDLE);
        EXPECT_EQ(Facts(buffer), c.facts);
    }
    // ADPCM blocks of the file's own length: 256-byte mono blocks hold 505 samples, not
    // OpenAL's default of 65.
    ASSERT_TRUE(WriteFile("ima.wav", Riff(Chunk("fmt ", FmtBody(17, 1, 22050, 4, 256)) +
                                          Chunk("data", std::string(256 * 3, '\0')))));
    u32 buffer = LoadSoundBuffer("ima.wav");
    ASSERT_NE(buffer, INVALID_HANDLE);
    EXPECT_EQ(Facts(buffer)[0], 22050);
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
    EXPECT_EQ(format, AL_FORMAT_STEREO8);
    EXPECT_EQ(size, 8u); // whole frames only
    EXPECT_EQ(frequency, 8000u);
    EXPECT_EQ(loop, 1);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::string(static_cast<char*>(data), 8), "aaaaaaaa");
    EXPECT_EQ(std::string(static_cast<char*>(data) + 8, 31), std::string(31, '\0'));
    UnloadWAV(format, data, size, frequency);
    UnloadWAV(format, nullptr, 0, 0);

    EXPECT_FALSE(LoadWAV("missing.wav", &format, &data, &size, &frequency, &loop));
    EXPECT_EQ(format, AL_FORMAT_MONO16);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(frequency, 22050u);
    EXPECT_EQ(loop, 0);
}

TEST_F(SoundBufferTest, RefusedNamesAndMissingFiles) {
    for (const char* path : {(const char*)nullptr, "song.mp3", "gone.wav", "gone.ogg"})
        EXPECT_EQ(LoadSoundBuffer(path), INVALID_HANDLE) << (path ? path : "null");
}

TEST_F(SoundBufferTest, DamagedFilesLeaveNoBuffer) {
    std::string ogg = OggBytes(Sine(0.3, 44100, 1, 440, 0.5), OggOptions{});
    std::string scrambled = ogg;
    for (size_t i = ogg.size() / 2; i < ogg.size(); i += 7) scrambled[i] = char(i * 31);
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
    EXPECT_EQ(NextBufferName(), before) << "a failed load left a buffer behind";
    // Damage after the headers decodes what can be decoded, or nothing; never a crash.
    ASSERT_TRUE(WriteFile("scrambled.ogg", scrambled));
    u32 buffer = LoadSoundBuffer("scrambled.ogg");
    if (buffer != INVALID_HANDLE) {
        EXPECT_LE(Facts(buffer)[3], 44100 * 2);
    }
}
