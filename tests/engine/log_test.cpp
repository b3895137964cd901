// The log: its header, the time stamps, one shutdown, and a folder where it cannot be written.
#include <filesystem>

#include "engine/engine.h"
#include "engine/log.h"
#include "tests/engine/engine_fixture.h"

class LogTest : public EngineFixture {
  protected:
    void TearDown() override { DestroyEngine(); }
};

TEST_F(LogTest, TimeStampsCountHoursMinutesSecondsFromTheStart) {
    const std::pair<u32, std::string> cases[] = {
        {75999, "[00:01:15]"}, {36000000, "[10:00:00]"}, {100u * 3600000u + 61000u, "[100:01:01]"}};
    for (const auto& [ms, want] : cases) {
        char out[32];
        LogFormatTime(ms, out, sizeof out);
        EXPECT_EQ(out, want);
    }
    fake::SetTime(5000); // lines count from the start, not from the platform's tick
    InitEngine(nullptr);
    fake::AdvanceTime(75000);
    LogWrite("after a while");
    const std::string log = dir.Read("vaelor.log");
    EXPECT_EQ(log.substr(log.rfind('\n', log.size() - 2) + 1), "[00:01:15] - after a while\n");
}

TEST_F(LogTest, ShutdownRunsOnceInItsOrderAndANewStartTruncates) {
    InitEngine(nullptr);
    LogWrite("first run");
    DestroyEngine();
    DestroyEngine();
    std::string log = dir.Read("vaelor.log");
    size_t first = log.find("Destroying Vaelor engine");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(log.find("Destroying Vaelor engine", first + 1), std::string::npos);
    size_t window = log.find("Destroying window"), gl = log.find("Destroying OpenGL"),
           end = log.find("Vaelor engine destroyed");
    EXPECT_TRUE(first < window && window < gl && gl < end) << log;
    EXPECT_TRUE(IsEngineDestroyed());
    InitEngine(nullptr);
    EXPECT_EQ(dir.Read("vaelor.log").find("first run"), std::string::npos);
}

TEST_F(LogTest, UnwritableLogIsNoFailureAndTitlesAreKeptOrCut) {
    std::filesystem::create_directory(dir.File("vaelor.log")); // cannot be opened as a file
    InitEngine("still starts");
    LogWrite("dropped");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("vaelor.log")));
    EXPECT_STREQ(GetWindowTitle(), "still starts");
    DestroyEngine(); // a null title keeps the title, long titles are cut
    InitEngine(nullptr);
    EXPECT_STREQ(GetWindowTitle(), "still starts");
    DestroyEngine();
    InitEngine(std::string(300, 'x').c_str());
    EXPECT_EQ(std::string(GetWindowTitle()), std::string(127, 'x'));
}

TEST_F(LogTest, AllocationListFreesAndForgets) {
    InitEngine(nullptr);
    u32 before = TrackedAllocCount();
    std::vector<void*> blocks;
    for (int i = 0; i < 130; i++) { // crosses two growth steps
        blocks.push_back(malloc(8));
        TrackAlloc(blocks.back());
    }
    UntrackAlloc(blocks[5]);
    UntrackAlloc(blocks[5]); // absent now: ignored
    UntrackAlloc(reinterpret_cast<void*>(0x1234));
    EXPECT_EQ(TrackedAllocCount(), before + 129);
    free(blocks[5]);
    DestroyEngine(); // frees the rest; leak checkers would see anything left behind
    EXPECT_EQ(TrackedAllocCount(), 0u);
}
