// The music playlist: the gate the program sets, a missing or empty folder, the random pick over
// the folder's files, and a track list that keeps going past the 32 stream slots.
#include <AL/al.h>
#include <cstdlib>

#include "tests/audio/audio_fixture.h"
#include "tests/audio/sound_files.h"

using namespace sound;

class MusicTest : public AudioTest {
  protected:
    void AddTrack(const std::string& name, double seconds) {
        ASSERT_EQ(system("mkdir -p Data/Music"), 0);
        ASSERT_TRUE(
            WriteOgg("Data/Music/" + name, Sine(seconds, 22050, 1, 440, 0.4), {1, 22050, 0.1f}));
    }
    Lines OpenedTracks() const {
        Lines opened = LoggedAfter("Opening audio stream from 'Data/Music/");
        for (std::string& name : opened) name.pop_back(); // the closing quote
        return opened;
    }
    bool MusicPlaying() const {
        return MusicStream() != NO_MUSIC &&
               StreamQuery(MusicStream(), AL_SOURCE_STATE) == AL_PLAYING;
    }
};

TEST_F(MusicTest, TickWaitsUntilMusicIsAllowedAndForThePlayingTrack) {
    AddTrack("a.ogg", 3.0);
    SetMusicAllowed(false);
    MusicTick();
    EXPECT_EQ(MusicStream(), NO_MUSIC);
    EXPECT_TRUE(OpenedTracks().empty());
    SetMusicAllowed(true);
    MusicTick();
    u32 first = MusicStream();
    EXPECT_NE(first, NO_MUSIC);
    // A track playing holds the next one.
    UpdateStreams();
    MusicTick();
    MusicAdvance();
    EXPECT_EQ(MusicStream(), first);
    EXPECT_EQ(OpenedTracks(), Lines{"a.ogg"});
    SetMusicAllowed(false);
}

TEST_F(MusicTest, MissingOrEmptyFolderStartsNothingAndIsNotRescannedEveryFrame) {
    const std::string here = dir.Path();
    auto scans = [&] { return LoggedAfter("Opening directory Data/Music, finding *.ogg").size(); };
    auto cwd = [] {
        char path[4096];
        return std::string(getcwd(path, sizeof path) ? path : "");
    };
    MusicAdvance();
    EXPECT_EQ(MusicStream(), NO_MUSIC);
    EXPECT_EQ(cwd(), here);
    EXPECT_EQ(scans(), 1u);
    for (int frame = 0; frame < 100; frame++) {
        fake::AdvanceTime(16);
        MusicAdvance();
    }
    EXPECT_EQ(scans(), 1u) << "an empty scan holds the next ones";
    fake::AdvanceTime(1000); // 2.6 s after the scan
    ASSERT_EQ(system("mkdir -p Data/Music && touch Data/Music/readme.txt"), 0);
    MusicAdvance();
    EXPECT_EQ(scans(), 2u);
    EXPECT_EQ(MusicStream(), NO_MUSIC);
    EXPECT_EQ(cwd(), here);

    AddTrack("late.ogg", 0.5);
    fake::AdvanceTime(2500);
    MusicAdvance();
    EXPECT_EQ(OpenedTracks(), Lines{"late.ogg"});
}

TEST_F(MusicTest, OneTrackRepeatsBeyondThirtyTwoStarts) {
    AddTrack("loop.ogg", 0.02);
    const int starts = STREAM_SLOTS + 3;
    for (int i = 0; i < starts; i++) {
        MusicAdvance();
        ASSERT_NE(MusicStream(), INVALID_HANDLE) << "start " << i;
        ASSERT_TRUE(FramesUntil([&] { return !MusicPlaying(); })) << "start " << i;
    }
    Lines opened = OpenedTracks();
    EXPECT_EQ(opened.size(), size_t(starts));
    EXPECT_EQ(opened.back(), "loop.ogg");
}

TEST_F(MusicTest, BrokenTrackStopsThePlaylist) {
    ASSERT_EQ(system("mkdir -p Data/Music"), 0);
    ASSERT_TRUE(WriteFile("Data/Music/broken.ogg", "not a vorbis file"));
    MusicAdvance();
    EXPECT_EQ(MusicStream(), INVALID_HANDLE);
    MusicAdvance();
    EXPECT_EQ(OpenedTracks().size(), 1u);
}
