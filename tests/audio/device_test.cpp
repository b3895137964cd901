// The device, the one-shot pool and the game's effect player: no device, the 33rd overlapping
// sound, finished sounds cleaned up, and zoom-dependent gains.
#include "game/shell/sounds.h"
#include "game/sim/objects.h"
#include "tests/audio/audio_fixture.h"

TEST(AudioDeviceTest, WithoutADeviceEverythingIsSilent) {
    TempDir dir;
    fake::Reset();
    EXPECT_FALSE(InitAL("No such sound card"));
    EXPECT_FALSE(IsALReady());
    EXPECT_STREQ(GetALVersion(), "0.0");
    Lines log = LogTexts(dir);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].rfind("Failed to initialize OpenAL, error code=", 0), 0u) << log[1];
    EXPECT_NE(log[1], "Failed to initialize OpenAL, error code=0");
    ASSERT_TRUE(WriteFile("beep.wav", PcmWav(1, 8000, 16, 800)));
    ASSERT_TRUE(WriteOgg("song.ogg", Sine(0.2, 22050, 1, 440, 0.5), {1, 22050, 0.2f}));
    EXPECT_EQ(LoadSoundBuffer("beep.wav"), INVALID_HANDLE);
    EXPECT_EQ(PlaySoundBuffer(1), INVALID_HANDLE);
    EXPECT_EQ(NewSource(), INVALID_HANDLE);
    PlayUISound(1);
    EXPECT_EQ(OpenStream("song.ogg"), INVALID_HANDLE);
    UpdateStreams();
    EXPECT_EQ(SoundPoolCount(), 0);
    DestroyAL();
}

using SoundPoolTest = AudioTest;

TEST_F(SoundPoolTest, TheThirtyThirdSoundStopsTheOldest) {
    u32 buffer = ToneBuffer(2.0);
    std::vector<u32> sources;
    for (int i = 0; i <= SOUND_POOL_SIZE; i++) sources.push_back(PlaySoundBuffer(buffer));
    ASSERT_NE(sources.back(), INVALID_HANDLE);
    EXPECT_EQ(SoundPoolCount(), SOUND_POOL_SIZE);
    for (u16 i = 0; i < SOUND_POOL_SIZE; i++) {
        EXPECT_EQ(SoundPoolSource(i), sources[i + 1]) << i;
        EXPECT_EQ(SourceInt(sources[i + 1], AL_SOURCE_STATE), AL_PLAYING) << i;
    }
    EXPECT_EQ(SoundPoolSource(SOUND_POOL_SIZE), INVALID_HANDLE);
    EXPECT_EQ(SourceInt(sources.back(), AL_SOURCE_RELATIVE), AL_TRUE);
}

// Finished sounds leave the pool at the next frame; the caller's own sources stay out of it.
TEST_F(SoundPoolTest, FinishedSoundsAreDeletedByTheFrameUpdateAndOwnSourcesKept) {
    u32 beep = PlaySoundBuffer(ToneBuffer(0.05));
    u32 tone = PlaySoundBuffer(ToneBuffer(3.0));
    u32 source = NewSource();
    ASSERT_NE(source, INVALID_HANDLE);
    ASSERT_EQ(SoundPoolCount(), 2);
    ASSERT_TRUE(FramesUntil([] { return SoundPoolCount() == 1; }));
    EXPECT_EQ(SoundPoolSource(0), tone);
    EXPECT_FALSE(alIsSource(beep));
    EXPECT_EQ(SourceInt(tone, AL_SOURCE_STATE), AL_PLAYING);
    EXPECT_TRUE(alIsSource(source)); // the caller's to delete
    EXPECT_EQ(PlaySoundBuffer(INVALID_HANDLE), INVALID_HANDLE);
    EXPECT_EQ(PlaySoundBuffer(0), INVALID_HANDLE); // a sound never loaded
    EXPECT_EQ(SoundPoolCount(), 1);
}

TEST_F(SoundPoolTest, EffectGainFollowsTheCameraZoom) {
    u32 buffer = ToneBuffer(1.0);
    const f32 savedZoom = systems.zoom;
    for (auto [zoom, gain] : {std::pair{1000.0f, 0.75f}, {3000.0f, 0.25f}, {5000.0f, 0.0f}}) {
        systems.zoom = zoom;
        u16 before = SoundPoolCount();
        PlayUISound(buffer);
        ASSERT_EQ(SoundPoolCount(), before + 1);
        u32 source = SoundPoolSource(before);
        ALfloat played = 0;
        alGetSourcef(source, AL_GAIN, &played);
        EXPECT_FLOAT_EQ(played, gain) << "zoom " << zoom;
        EXPECT_EQ(SourceInt(source, AL_SOURCE_RELATIVE), AL_FALSE);
        EXPECT_EQ(SourceInt(source, AL_SOURCE_STATE), AL_PLAYING);
    }
    systems.zoom = savedZoom;
}
