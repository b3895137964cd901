// Streams on the null device: opening, the query codes, short files, slot exhaustion and reuse,
// refused and damaged files, and a source restarted after it ran dry.
#include "tests/audio/audio_fixture.h"

class StreamTest : public AudioTest {
  protected:
    void SetUp() override {
        AudioTest::SetUp();
        ASSERT_TRUE(WriteOgg("long.ogg", Sine(3.0, 44100, 1, 440, 0.5), {}));
        ASSERT_TRUE(WriteOgg("short.ogg", Sine(0.1, 44100, 1, 440, 0.5), {}));
    }
    bool PlaysOut(u32 h) {
        return FramesUntil([&] { return StreamQuery(h, AL_SOURCE_STATE) != AL_PLAYING; });
    }
    // What the stream's OpenAL source says.
    static ALint Source(u32 h, ALenum what) { return SourceInt(StreamSource(h), what); }
};

TEST_F(StreamTest, OpenPlayAndQuery) {
    u32 h = OpenStream("long.ogg");
    ASSERT_EQ(h, 0u);
    EXPECT_EQ(StreamQuery(h, STREAM_FINISHED), 0u);
    EXPECT_EQ(StreamQuery(h, AL_SOURCE_STATE), u32(AL_PAUSED));
    EXPECT_EQ(Source(h, AL_BUFFERS_QUEUED), 2);
    EXPECT_EQ(Source(h, AL_SOURCE_RELATIVE), AL_TRUE);
    PlayStream(h);
    EXPECT_EQ(StreamQuery(h, AL_SOURCE_STATE), u32(AL_PLAYING));
    EXPECT_EQ(Source(h, AL_SOURCE_STATE), AL_INITIAL) << "the source starts with the next frame";
    UpdateStreams();
    EXPECT_EQ(Source(h, AL_SOURCE_STATE), AL_PLAYING);
    for (u32 bad : {40u, 1u}) { // out of range, a free slot
        EXPECT_EQ(StreamQuery(bad, STREAM_FINISHED), INVALID_HANDLE) << bad;
        EXPECT_EQ(StreamSource(bad), INVALID_HANDLE) << bad;
        PlayStream(bad);
    }
    EXPECT_EQ(StreamQuery(h, AL_GAIN), INVALID_HANDLE);
    PlayStream(INVALID_HANDLE);
}

TEST_F(StreamTest, ShortFilePlaysOnceThenAgainOnRequestThenGivesUpItsSlot) {
    u32 h = OpenStream("short.ogg");
    ASSERT_EQ(h, 0u);
    EXPECT_EQ(StreamQuery(h, STREAM_FINISHED), 1u) << "shorter than one chunk";
    for (int round = 0; round < 2; round++) { // the second from the start, the file opened again
        PlayStream(h);
        EXPECT_EQ(Source(h, AL_BUFFERS_QUEUED), 2);
        UpdateStreams();
        EXPECT_EQ(Source(h, AL_SOURCE_STATE), AL_PLAYING) << "a finished stream plays its rest";
        ASSERT_TRUE(PlaysOut(h));
        EXPECT_EQ(StreamQuery(h, AL_SOURCE_STATE), u32(AL_STOPPED));
        EXPECT_EQ(Source(h, AL_BUFFERS_QUEUED), 0) << "buffers released";
    }
    for (u32 i = 1; i < STREAM_SLOTS; i++) ASSERT_EQ(OpenStream("long.ogg"), i);
    // Every slot is taken; the one that played out makes room.
    EXPECT_EQ(OpenStream("long.ogg"), h);
    EXPECT_EQ(StreamQuery(h, STREAM_FINISHED), 0u);
    size_t logged = LogTexts(dir).size();
    EXPECT_EQ(OpenStream("long.ogg"), INVALID_HANDLE);
    EXPECT_EQ(LogTexts(dir).size(), logged) << "a full table is not logged";
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
    // A stall: no frame runs until both queued chunks have played.
    for (int waited = 0; Source(h, AL_SOURCE_STATE) == AL_PLAYING && waited < 5000; waited += 20)
        SleepMs(20);
    ASSERT_EQ(Source(h, AL_SOURCE_STATE), AL_STOPPED);
    EXPECT_EQ(Source(h, AL_BUFFERS_PROCESSED), 2);
    UpdateStreams();
    EXPECT_EQ(Source(h, AL_SOURCE_STATE), AL_PLAYING);
    EXPECT_EQ(Source(h, AL_BUFFERS_QUEUED), 2);
    EXPECT_EQ(Source(h, AL_BUFFERS_PROCESSED), 0) << "both chunks refilled";
    EXPECT_EQ(StreamQuery(h, AL_SOURCE_STATE), u32(AL_PLAYING));
}
