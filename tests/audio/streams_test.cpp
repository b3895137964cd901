// Streams on the null device: opening, the query codes, short files, slot exhaustion and reuse,
// refused and damaged files, and a source restarted after it ran dry.
#include <AL/al.h>

#include "tests/audio/audio_fixture.h"
#include "tests/audio/sound_files.h"

using namespace sound;

namespace {

// What the stream's OpenAL source says.
ALint SourceInt(u32 handle, ALenum what) {
    ALint value = -1;
    alGetSourcei(StreamSource(handle), what, &value);
    return value;
}
ALint SourceState(u32 handle) {
    return SourceInt(handle, AL_SOURCE_STATE);
}

} // namespace

class StreamTest : public AudioTest {
  protected:
    void SetUp() override {
        AudioTest::SetUp();
        OggOptions o;
        ASSERT_TRUE(WriteOgg("long.ogg", Sine(3.0, 44100, 1, 440, 0.5), o));
        ASSERT_TRUE(WriteOgg("short.ogg", Sine(0.1, 44100, 1, 440, 0.5), o));
    }
    bool PlaysOut(u32 handle) {
        return FramesUntil([&] { return StreamQuery(handle, AL_SOURCE_STATE) != AL_PLAYING; });
    }
};

TEST_F(StreamTest, OpenPlayAndQuery) {
    u32 h = OpenStream("long.ogg");
    ASSERT_EQ(h, 0u);
    EXPECT_EQ(StreamQuery(h, STREAM_FINISHED), 0u);
    EXPECT_EQ(StreamQuery(h, AL_SOURCE_STATE), u32(AL_PAUSED));
    EXPECT_EQ(SourceInt(h, AL_BUFFERS_QUEUED), 2);
    EXPECT_EQ(SourceInt(h, AL_SOURCE_RELATIVE), AL_TRUE);
    EXPECT_EQ(SourceState(h), AL_INITIAL);
    PlayStream(h);
    EXPECT_EQ(StreamQuery(h, AL_SOURCE_STATE), u32(AL_PLAYING));
    EXPECT_EQ(SourceState(h), AL_INITIAL) << "the source starts with the next frame";
    UpdateStreams();
    EXPECT_EQ(SourceState(h), AL_PLAYING);

    EXPECT_EQ(StreamQuery(40, STREAM_FINISHED), INVALID_HANDLE);
    EXPECT_EQ(StreamQuery(1, STREAM_FINISHED), INVALID_HANDLE) << "a free slot";
    EXPECT_EQ(StreamQuery(h, AL_GAIN), INVALID_HANDLE);
    EXPECT_EQ(StreamSource(40), INVALID_HANDLE);
    PlayStream(40);
    PlayStream(INVALID_HANDLE);
}

TEST_F(StreamTest, ShortFilePlaysOnceThenAgainOnRequestThenGivesUpItsSlot) {
    u32 h = OpenStream("short.ogg");
    ASSERT_EQ(h, 0u);
    EXPECT_EQ(StreamQuery(h, STREAM_FINISHED), 1u) << "shorter than one chunk";
    PlayStream(h);
    UpdateStreams();
    EXPECT_EQ(SourceState(h), AL_PLAYING) << "a finished stream still plays what it decoded";
    ASSERT_TRUE(PlaysOut(h));
    EXPECT_EQ(StreamQuery(h, AL_SOURCE_STATE), u32(AL_STOPPED));
    EXPECT_EQ(SourceInt(h, AL_BUFFERS_QUEUED), 0) << "buffers released";

    PlayStream(h); // from the start: the file is opened again
    EXPECT_EQ(SourceInt(h, AL_BUFFERS_QUEUED), 2);
    UpdateStreams();
    EXPECT_EQ(SourceState(h), AL_PLAYING);
    ASSERT_TRUE(PlaysOut(h));
    for (u32 i = 1; i < STREAM_SLOTS; i++) ASSERT_EQ(OpenStream("long.ogg"), i);
    // Every slot is taken; the one that played out makes room.
    EXPECT_EQ(OpenStream("long.ogg"), h);
    EXPECT_EQ(StreamQuery(h, STREAM_FINISHED), 0u);
    size_t logged = Log().size();
    EXPECT_EQ(OpenStream("long.ogg"), INVALID_HANDLE);
    EXPECT_EQ(Log().size(), logged) << "a full table is not logged";
}

TEST_F(StreamTest, FailedOpensGiveTheirSlotBack) {
    ASSERT_TRUE(WriteFile("broken.ogg", std::string(3000, '\x33')));
    ASSERT_TRUE(WriteFile("music.wav", PcmWav(1, 8000, 16, 100)));
    for (const char* path : {"broken.ogg", "nothing.ogg", "music.wav", (const char*)nullptr})
        EXPECT_EQ(OpenStream(path), INVALID_HANDLE) << (path ? path : "null");
    EXPECT_EQ(OpenStream("long.ogg"), 0u);
}

TEST_F(StreamTest, SourceThatRanDryIsRestarted) {
    u32 h = OpenStream("long.ogg");
    PlayStream(h);
    UpdateStreams();
    ASSERT_EQ(SourceState(h), AL_PLAYING);
    // A stall: no frame runs until both queued chunks have played.
    for (int waited = 0; SourceState(h) == AL_PLAYING && waited < 5000; waited += 20) SleepMs(20);
    ASSERT_EQ(SourceState(h), AL_STOPPED);
    EXPECT_EQ(SourceInt(h, AL_BUFFERS_PROCESSED), 2);
    UpdateStreams();
    EXPECT_EQ(SourceState(h), AL_PLAYING);
    EXPECT_EQ(SourceInt(h, AL_BUFFERS_QUEUED), 2);
    EXPECT_EQ(SourceInt(h, AL_BUFFERS_PROCESSED), 0) << "both chunks refilled";
    EXPECT_EQ(StreamQuery(h, AL_SOURCE_STATE), u32(AL_PLAYING));
}
