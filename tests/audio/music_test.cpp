// The music playlist: the gate the program sets, a missing folder, the random pick over
// the folder's files, and a track list that keeps going past the 32 stream slots.
#include <filesystem>

#include "tests/audio/audio_fixture.h"

class MusicTest : public AudioTest {
  protected:
    void AddTrack(const std::string& name, double seconds) {
        std::filesystem::create_directories("Data/Music");
        ASSERT_TRUE(
            WriteOgg("Data/Music/" + name, Sine(seconds, 22050, 1, 440, 0.4), {1, 22050, 0.1f}));
    }
    Lines OpenedTracks() const {
        Lines opened = LoggedAfter("Opening audio stream from 'Data/Music/");
        for (std::string& name : opened) name.pop_back(); // the closing quote
        return opened;
    }
};

TEST_F(MusicTest, TickWaitsUntilMusicIsAllowedAndForThePlayingTrack) {
    AddTrack("a.ogg", 3.0);
    SetMusicAllowed(false);
    MusicTick();
    EXPECT_EQ(MusicStream(), NO_MUSIC);
    SetMusicAllowed(true);
    MusicTick();
    u32 first = MusicStream();
    EXPECT_NE(first, NO_MUSIC);
    UpdateStreams(); // a track playing holds the next one
    MusicTick();
    MusicAdvance();
    EXPECT_EQ(MusicStream(), first);
    EXPECT_EQ(OpenedTracks(), Lines{"a.ogg"});
    SetMusicAllowed(false);
}

// A scan that finds nothing holds the next ones for a while, and no scan leaves the working
// folder moved.
TEST_F(MusicTest, MissingFolderStartsNothingAndIsNotRescannedEveryFrame) {
    const auto here = std::filesystem::current_path();
    auto scans = [&] { return LoggedAfter("Opening directory Data/Music, finding *.ogg").size(); };
    MusicAdvance();
    EXPECT_EQ(scans(), 1u);
    for (int frame = 0; frame < 100; frame++) {
        fake::AdvanceTime(16);
        MusicAdvance();
    }
    EXPECT_EQ(scans(), 1u);
    EXPECT_EQ(MusicStream(), NO_MUSIC);
    fake::AdvanceTime(1000); // 2.6 s after the scan
    AddTrack("late.ogg", 0.5);
    MusicAdvance();
    EXPECT_EQ(scans(), 2u);
    EXPECT_EQ(std::filesystem::current_path(), here);
    EXPECT_EQ(OpenedTracks(), Lines{"late.ogg"});
}

TEST_F(MusicTest, OneTrackRepeatsBeyondThirtyTwoStarts) {
    AddTrack("loop.ogg", 0.02);
    for (int i = 0; i < STREAM_SLOTS + 3; i++) {
        MusicAdvance();
        ASSERT_NE(MusicStream(), INVALID_HANDLE) << "start " << i;
        ASSERT_TRUE(FramesUntil([] {
            return StreamQuery(MusicStream(), AL_SOURCE_STATE) != AL_PLAYING;
        })) << "start "
            << i;
    }
    EXPECT_EQ(OpenedTracks(), Lines(STREAM_SLOTS + 3, "loop.ogg"));
}

TEST_F(MusicTest, BrokenTrackStopsThePlaylist) {
    std::filesystem::create_directories("Data/Music");
    ASSERT_TRUE(WriteFile("Data/Music/broken.ogg", "not a vorbis file"));
    MusicAdvance();
    EXPECT_EQ(MusicStream(), INVALID_HANDLE);
    MusicAdvance();
    EXPECT_EQ(OpenedTracks().size(), 1u);
}
