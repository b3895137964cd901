// The live source count that long runs watch: every source NewSource makes is counted until it
// is freed, whether a one-shot sound, a stream's or one the caller keeps, and none outlives the
// device.
#include <filesystem>

#include "audio/loop_source.h"
#include "tests/audio/audio_fixture.h"

using SourceCountTest = AudioTest;

TEST_F(SourceCountTest, OneShotsAndOwnSourcesCountUntilFreed) {
    u32 longTone = ToneBuffer(3.0);
    for (int i = 0; i <= SOUND_POOL_SIZE; i++) PlaySoundBuffer(longTone);
    EXPECT_EQ(LiveSourceCount(), u32(SOUND_POOL_SIZE)) << "the oldest made room for the 33rd";
    u32 own = NewSource();
    ASSERT_NE(own, INVALID_HANDLE);
    EXPECT_EQ(LiveSourceCount(), SOUND_POOL_SIZE + 1u);
    FreeSource(own);
    FreeSource(INVALID_HANDLE);
    EXPECT_FALSE(alIsSource(own));
    EXPECT_EQ(LiveSourceCount(), u32(SOUND_POOL_SIZE));

    DestroyAL();
    EXPECT_EQ(LiveSourceCount(), 0u) << "every source goes with the device";
    ASSERT_TRUE(InitAL(nullptr));
    u32 shortTone = ToneBuffer(0.05);
    PlaySoundBuffer(shortTone);
    PlaySoundBuffer(shortTone);
    EXPECT_EQ(LiveSourceCount(), 2u);
    EXPECT_TRUE(FramesUntil([] { return LiveSourceCount() == 0; })) << "finished sounds freed";
}

TEST_F(SourceCountTest, StreamsAndLoopsCountUntilClosedOrTheDeviceGoes) {
    ASSERT_TRUE(WriteOgg("song.ogg", Sine(0.5, 22050, 1, 440, 0.5), {1, 22050, 0.2f}));
    ASSERT_TRUE(WriteFile("broken.ogg", std::string(3000, '\x33')));
    ASSERT_NE(OpenStream("song.ogg"), INVALID_HANDLE);
    EXPECT_EQ(OpenStream("broken.ogg"), INVALID_HANDLE);
    EXPECT_EQ(LiveSourceCount(), 1u) << "a failed open frees the source it made";
    ASSERT_NE(StartLoopSource(ToneBuffer(1.0)), INVALID_HANDLE);
    EXPECT_EQ(LiveSourceCount(), 2u);
    CloseAllStreams();
    EXPECT_EQ(LiveSourceCount(), 1u);
    DestroyAL();
    EXPECT_EQ(LiveSourceCount(), 0u);
    ASSERT_TRUE(InitAL(nullptr));
}

// Each track the playlist has moved past is closed once it has played out, so a game that runs
// for hours holds one music stream (two while a tail overlaps the next track).
TEST_F(SourceCountTest, PlaylistClosesTheTracksItMovedPast) {
    std::filesystem::create_directories("Data/Music");
    ASSERT_TRUE(WriteOgg("Data/Music/a.ogg", Sine(0.02, 22050, 1, 440, 0.4), {1, 22050, 0.1f}));
    for (int track = 0; track < STREAM_SLOTS + 3; track++) {
        MusicAdvance();
        ASSERT_NE(MusicStream(), INVALID_HANDLE) << "track " << track;
        EXPECT_LE(LiveSourceCount(), 2u) << "track " << track;
        ASSERT_TRUE(
            FramesUntil([] { return StreamQuery(MusicStream(), AL_SOURCE_STATE) != AL_PLAYING; }));
    }
    ResetMusic();
}
