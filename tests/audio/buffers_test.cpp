// Sound buffers from WAV and Ogg Vorbis files through OpenAL: the formats they end up in, the
// log lines of refused files, and damaged files that must leave nothing behind.
#include <AL/al.h>

#include "tests/audio/audio_fixture.h"
#include "tests/audio/sound_files.h"

using namespace sound;

namespace {

struct BufferFacts {
    ALint frequency = 0, bits = 0, channels = 0, size = 0;
};

BufferFacts Facts(u32 buffer) {
    BufferFacts f;
    alGetBufferi(buffer, AL_FREQUENCY, &f.frequency);
    alGetBufferi(buffer, AL_BITS, &f.bits);
    alGetBufferi(buffer, AL_CHANNELS, &f.channels);
    alGetBufferi(buffer, AL_SIZE, &f.size);
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

TEST_F(SoundBufferTest, WavLayoutsBecomeTheirOpenALFormats) {
    ASSERT_TRUE(WriteFile("mono8.WAV", PcmWav(1, 11025, 8, 1000)));
    ASSERT_TRUE(WriteFile("stereo16.wav", PcmWav(2, 44100, 16, 441)));
    ASSERT_TRUE(WriteFile("quad.wav", PcmWav(4, 48000, 16, 480)));
    ASSERT_TRUE(WriteFile("bare.wav", Riff(Chunk("data", std::string(2000, '\0')))));

    u32 mono = LoadSoundBuffer("mono8.WAV"); // upper-case extension
    ASSERT_NE(mono, INVALID_HANDLE);
    BufferFacts f = Facts(mono);
    EXPECT_EQ(f.frequency, 11025);
    EXPECT_EQ(f.bits, 8);
    EXPECT_EQ(f.channels, 1);
    EXPECT_EQ(f.size, 1000);

    f = Facts(LoadSoundBuffer("stereo16.wav"));
    EXPECT_EQ(f.bits, 16);
    EXPECT_EQ(f.channels, 2);
    EXPECT_EQ(f.size, 441 * 4);

    f = Facts(LoadSoundBuffer("quad.wav"));
    EXPECT_EQ(f.channels, 4);

    f = Facts(LoadSoundBuffer("bare.wav"));
    EXPECT_EQ(f.frequency, 22050);
    EXPECT_EQ(f.bits, 16);
    EXPECT_EQ(f.channels, 1);

    std::vector<std::string> log = Log();
    std::vector<std::string> expected = {"Loading audio buffer from 'mono8.WAV'",
                                         "Audio buffer loaded"};
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(log.end() - 8, log.end() - 6), expected);
}

TEST_F(SoundBufferTest, AdpcmBlocksOfTheFilesOwnLength) {
    // 256-byte mono blocks hold 505 samples, not OpenAL's default of 65.
    std::string ima = Riff(Chunk("fmt ", FmtBody(17, 1, 22050, 4, 256)) +
                           Chunk("data", std::string(256 * 3, '\0')));
    ASSERT_TRUE(WriteFile("ima.wav", ima));
    u32 buffer = LoadSoundBuffer("ima.wav");
    ASSERT_NE(buffer, INVALID_HANDLE);
    EXPECT_EQ(Facts(buffer).frequency, 22050);
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

TEST_F(SoundBufferTest, OggFilesDecodeWhole) {
    OggOptions mono;
    mono.rate = 22050;
    ASSERT_TRUE(WriteOgg("tone.ogg", Sine(0.5, 22050, 1, 440, 0.5), mono));
    OggOptions stereo;
    stereo.channels = 2;
    ASSERT_TRUE(WriteOgg("tone2.OGG", Sine(0.25, 44100, 2, 440, 0.5), stereo));

    BufferFacts f = Facts(LoadSoundBuffer("tone.ogg"));
    EXPECT_EQ(f.frequency, 22050);
    EXPECT_EQ(f.channels, 1);
    EXPECT_EQ(f.bits, 16);
    EXPECT_EQ(f.size, 11025 * 2);

    f = Facts(LoadSoundBuffer("tone2.OGG"));
    EXPECT_EQ(f.channels, 2);
    EXPECT_EQ(f.size, 11025 * 4);
}

TEST_F(SoundBufferTest, RefusedNamesAndMissingFiles) {
    EXPECT_EQ(LoadSoundBuffer(nullptr), INVALID_HANDLE);
    EXPECT_EQ(LoadSoundBuffer("song.mp3"), INVALID_HANDLE);
    EXPECT_EQ(LoadSoundBuffer("gone.wav"), INVALID_HANDLE);
    EXPECT_EQ(LoadSoundBuffer("gone.ogg"), INVALID_HANDLE);
    std::vector<std::string> expected = {
        "Loading audio buffer from '(null)'",
        "Failed to load file, Path cannot be NULL",
        "Loading audio buffer from 'song.mp3'",
        "Failed to load file 'song.mp3', file extension not supported",
        "Loading audio buffer from 'gone.wav'",
        "File not found",
        "Failed to load file 'gone.wav', error code=",
        "Loading audio buffer from 'gone.ogg'",
        "File not found",
        "Failed to load file 'gone.ogg', error code=",
    };
    std::vector<std::string> log = Log();
    ASSERT_GE(log.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(log.end() - long(expected.size()), log.end()), expected);
}

TEST_F(SoundBufferTest, DamagedFilesGiveAReasonAndNoBuffer) {
    std::string wav = PcmWav(1, 8000, 16, 100);
    std::string lying = wav;
    lying.replace(40, 4, U32(0x7FFFFFFF));
    ASSERT_TRUE(WriteFile("lying.wav", lying));
    std::string ogg = OggBytes(Sine(0.3, 44100, 1, 440, 0.5), OggOptions{});
    ASSERT_TRUE(WriteFile("garbage.ogg", std::string(5000, '\x5a')));
    ASSERT_TRUE(WriteFile("headless.ogg", ogg.substr(0, 60)));
    ASSERT_TRUE(WriteFile("empty.ogg", ""));
    std::string scrambled = ogg;
    for (size_t i = ogg.size() / 2; i < ogg.size(); i += 7) scrambled[i] = char(i * 31);
    ASSERT_TRUE(WriteFile("scrambled.ogg", scrambled));

    ASSERT_TRUE(WriteFile("mp3.wav", Riff(Chunk("fmt ", FmtBody(85, 2, 44100, 0, 1)) +
                                          Chunk("data", std::string(99, '\1')))));

    ALuint before = NextBufferName();
    EXPECT_EQ(LoadSoundBuffer("lying.wav"), INVALID_HANDLE);
    EXPECT_EQ(LoadSoundBuffer("mp3.wav"), INVALID_HANDLE);
    EXPECT_EQ(LoadSoundBuffer("garbage.ogg"), INVALID_HANDLE);
    EXPECT_EQ(LoadSoundBuffer("headless.ogg"), INVALID_HANDLE);
    EXPECT_EQ(LoadSoundBuffer("empty.ogg"), INVALID_HANDLE);
    EXPECT_EQ(NextBufferName(), before) << "a failed load left a buffer behind";
    EXPECT_TRUE(Logged("[ERROR]<LoadWAV> File 'lying.wav' cannot be used: a chunk runs past "
                       "the end of the file"));
    EXPECT_TRUE(Logged("[ERROR]<LoadWAV> File 'mp3.wav' cannot be used: OpenAL cannot play "
                       "AL_FORMAT_MP3"));
    EXPECT_TRUE(Logged("[ERROR]<LoadSoundBuffer> File 'garbage.ogg' cannot be used: the file "
                       "is not an Ogg Vorbis stream"));

    // Damage after the headers decodes what can be decoded, or nothing; never a crash.
    u32 buffer = LoadSoundBuffer("scrambled.ogg");
    if (buffer != INVALID_HANDLE) {
        EXPECT_LE(Facts(buffer).size, 44100 * 2);
    }
}

TEST_F(SoundBufferTest, ChainedFileStopsWhereTheLayoutChanges) {
    // Links of several pages each: noise does not compress into one page.
    OggOptions first;
    first.rate = 22050;
    OggOptions third = first;
    third.serial = 3;
    OggOptions stereo;
    stereo.channels = 2;
    stereo.serial = 2;
    std::string link = OggBytes(Noise(3.0, 22050, 1, 0.25), first);
    ASSERT_TRUE(WriteFile("same.ogg", link + OggBytes(Noise(3.0, 22050, 1, 0.25, 2), third)));
    ASSERT_TRUE(WriteFile("mixed.ogg", link + OggBytes(Noise(3.0, 44100, 2, 0.25), stereo)));
    const ALint linkBytes = 3 * 22050 * 2;
    EXPECT_EQ(Facts(LoadSoundBuffer("same.ogg")).size, 2 * linkBytes);
    EXPECT_EQ(Facts(LoadSoundBuffer("mixed.ogg")).size, linkBytes);
}
