// Engine utilities: formatted strings, extensions, UTF-8, screenshot file layouts, hit tests,
// sorting, folder scans and error reports.
#include <GL/gl.h>
#include <filesystem>
#include <fstream>

#include "engine/engine.h"
#include "engine/utils.h"
#include "tests/engine/engine_fixture.h"

namespace {
u32 Get32(const std::string& s, size_t at) {
    return u8(s[at]) | u8(s[at + 1]) << 8 | u8(s[at + 2]) << 16 | u32(u8(s[at + 3])) << 24;
}
std::string Cwd() {
    return std::filesystem::current_path().string();
}
template <typename T> std::vector<T> Sorted(std::vector<T> values, u32 glType) {
    SortByGLType(values.data(), u32(values.size()), glType);
    return values;
}
} // namespace

using UtilsTest = EngineFixture;

// Five buffers in turn, each cut at 1023 bytes; results can feed a further call.
TEST_F(UtilsTest, StrFormatRotatesFiveCutBuffers) {
    const char* r[6];
    for (int i = 0; i < 6; i++) r[i] = StrFormat("value %d", i);
    EXPECT_EQ(r[5], r[0]);
    EXPECT_STREQ(r[0], "value 5");
    for (int i = 1; i < 5; i++) EXPECT_STREQ(r[i], ("value " + std::to_string(i)).c_str());
    EXPECT_STREQ(StrFormat("%s-%s", StrFormat("left"), StrFormat("right")), "left-right");
    EXPECT_EQ(strlen(StrFormat("%s", std::string(5000, 'q').c_str())), 1023u);
    EXPECT_STREQ(StrFormat("ok"), "ok"); // the neighbouring buffer is untouched
}

TEST_F(UtilsTest, PathExtensionRule) {
    const std::pair<const char*, std::string> cases[] = {
        {"Data/ship.DSX", "dsx"},
        {"archive.pak|inner.TGA", "tga"},
        {"noextension", "noextension"},
        {"file.abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrs"},
        {nullptr, ""},
    };
    for (const auto& [path, want] : cases) {
        char ext[20];
        PathExtension(path, ext);
        EXPECT_EQ(ext, want) << (path ? path : "null");
    }
}

TEST_F(UtilsTest, EncodeUTF8WritesOneToFourBytes) {
    const std::pair<u32, std::string> cases[] = {{'c', "abc"},
                                                 {0xE9, "ab\xC3\xA9"},
                                                 {0x20AC, "ab\xE2\x82\xAC"},
                                                 {0x1F680, "ab\xF0\x9F\x9A\x80"}};
    for (const auto& [code, bytes] : cases) {
        char buf[16] = "ab";
        EXPECT_EQ(EncodeUTF8(buf, 2, code), int(bytes.size()) - 2) << code;
        EXPECT_EQ(buf, bytes) << code;
    }
}

TEST_F(UtilsTest, ScreenshotFilesHaveTheirLayouts) {
    const int w = 801, h = 600;
    std::vector<u8> rgb(size_t(w) * h * 3);
    for (size_t i = 0; i < rgb.size(); i++) rgb[i] = u8(i * 7);
    ASSERT_TRUE(WriteBMP24(dir.File("shot.bmp").c_str(), w, h, rgb.data()));
    std::string f = dir.Read("shot.bmp");
    const u32 row = 2404; // rows are padded to four bytes
    ASSERT_EQ(f.size(), 54u + row * h);
    EXPECT_EQ(std::pair(Get32(f, 18), Get32(f, 22)), std::pair(u32(w), u32(h)));
    // Row 1 (second from the bottom), last pixel: blue, green, red, then one zero pad byte.
    size_t at = 54 + row * 1 + (w - 1) * 3, src = (size_t(w) * 1 + (w - 1)) * 3;
    EXPECT_EQ(f.substr(at, 4),
              (std::string{char(rgb[src + 2]), char(rgb[src + 1]), char(rgb[src]), '\0'}));

    ASSERT_TRUE(WriteTGA24(dir.File("shot.tga").c_str(), 2, 1, rgb.data()));
    const u8 tga[] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1, 0, 24, 0};
    std::string want(reinterpret_cast<const char*>(tga), 18);
    for (int i : {2, 1, 0, 5, 4, 3}) want += char(rgb[i]); // blue, green, red
    EXPECT_EQ(dir.Read("shot.tga"), want);
}

TEST_F(UtilsTest, ErrorsAreLoggedAndShownWithTheirLocation) {
    InitEngine(nullptr);
    glScreenShot("picture.png");
    glScreenShot(nullptr);
    ReportError("No place", nullptr);
    DestroyEngine();
    std::string log = dir.Read("vaelor.log");
    for (const char* line : {"[ERROR] Error in 'glScreenshot': Failed to save 'picture.png'",
                             "[ERROR] Error in 'glScreenShot': The Path cannot be NULL."})
        EXPECT_NE(log.find(line), std::string::npos) << line;
    EXPECT_FALSE(dir.Exists("picture.png"));
    ASSERT_FALSE(fake::MessageBoxes().empty());
    EXPECT_EQ(fake::MessageBoxes().back().caption, "Error"); // no location given
}

TEST_F(UtilsTest, HitTestEdges) {
    EXPECT_TRUE(PointInRect(110, 20, 10, 20, 100, 50)); // right and top edges count
    EXPECT_TRUE(PointInRect(10, 70, 10, 20, 100, 50));  // left and bottom edges count
    EXPECT_FALSE(PointInRect(110.01f, 20, 10, 20, 100, 50));
    EXPECT_FALSE(PointInCircle(10, 0, 0, 0, 10)); // exactly on the radius is outside
    EXPECT_TRUE(PointInCircle(9.99f, 0, 0, 0, 10));
    EXPECT_TRUE(PointInEllipse(0, 4.9f, 0, 0, 20, 5));
    EXPECT_FALSE(PointInEllipse(0, 5.0f, 0, 0, 20, 5));
    // Round rect 100 x 20, roundness 1: the radius falls back to 10 (half the height).
    EXPECT_TRUE(PointInRoundRect(50, 10, 0, 0, 100, 20, 1));
    EXPECT_FALSE(PointInRoundRect(1, 1, 0, 0, 100, 20, 1));      // cut corner
    EXPECT_TRUE(PointInRoundRect(10, 1, 0, 0, 100, 20, 1));      // above the corner centre
    EXPECT_TRUE(PointInRoundRect(3, 10, 0, 0, 100, 20, 1));      // left band
    EXPECT_FALSE(PointInRoundRect(0, 10, 0, 0, 100, 20, 1));     // edges are outside
    EXPECT_TRUE(PointInRoundRect(0.5f, 0.5f, 0, 0, 100, 20, 0)); // square corners
}

TEST_F(UtilsTest, SortByGLTypeSortsEachType) {
    EXPECT_EQ(Sorted<i32>({5, -3, 9, 0}, GL_INT), (std::vector<i32>{-3, 0, 5, 9}));
    EXPECT_EQ(Sorted<f32>({2.5f, -1.0f, 1e9f, -1e9f, 0.25f}, GL_FLOAT),
              (std::vector<f32>{-1e9f, -1.0f, 0.25f, 2.5f, 1e9f}));
    EXPECT_EQ(Sorted<i16>({300, -300, 2}, GL_SHORT), (std::vector<i16>{-300, 2, 300}));
    EXPECT_EQ(Sorted<u8>({200, 5, 128}, GL_BYTE), (std::vector<u8>{5, 128, 200})); // unsigned
    EXPECT_EQ(Sorted<i8>({100, -100, 0}, 0), (std::vector<i8>{-100, 0, 100}));
    EXPECT_EQ(Sorted<f64>({3.0, 1.0, 2.0}, GL_DOUBLE), (std::vector<f64>{1.0, 2.0, 3.0}));
    EXPECT_EQ(Sorted<i32>({3, 1, 2}, GL_UNSIGNED_INT), (std::vector<i32>{3, 1, 2})); // untouched
}

// A scan lists the matches (upper-case extensions too) and leaves the working folder as it was.
TEST_F(UtilsTest, FolderScansListMatchesAndReturn) {
    std::filesystem::create_directories(dir.File("Data/Music"));
    std::filesystem::create_directories(dir.File("Empty"));
    for (const char* n : {"b.ogg", "a.ogg", "notes.txt", "Track.OGG", "c.Ogg", "ogg.txt"})
        std::ofstream(dir.File(std::string("Data/Music/") + n)) << "x";
    InitEngine(nullptr);
    const std::string start = Cwd();
    const std::pair<const char*, Lines> cases[] = {
        {"Data/Music", {"Track.OGG", "a.ogg", "b.ogg", "c.Ogg"}}, {"Empty", {}}};
    for (const auto& [folder, want] : cases) {
        ASSERT_TRUE(OpenDir(folder, "*.ogg"));
        Lines names;
        while (const char* n = NextDirEntry()) names.emplace_back(n);
        if (want.empty()) {
            EXPECT_EQ(Cwd(), start); // back as soon as nothing matched
        }
        CloseDir();
        EXPECT_EQ(names, want);
        EXPECT_EQ(Cwd(), start);
    }
    EXPECT_FALSE(OpenDir("Missing", "*.ogg"));
    EXPECT_EQ(Cwd(), start);
    DestroyEngine();
}

// Without a driver wait, each swap waits for the next refresh after the one before; a late swap
// does not wait and counts again from itself.
TEST(SwapPacing, WaitsForTheNextRefreshOnly) {
    for (auto [hz, ms] : {std::pair{60, 17u}, {144, 7u}, {0, 17u}, {-1, 17u}, {100000, 17u}})
        EXPECT_EQ(Sys_RefreshPeriodMs(hz), ms) << hz;
    const uint32_t start = 0xFFFFFFF0u; // the tick wraps along the way
    // The first swap has nothing to wait for; the third counts from the refresh at +17.
    const uint32_t steps[][2] = {{start, 0},      {start + 2, 15},  {start + 20, 14},
                                 {start + 60, 0}, {start + 61, 16}, {start + 95, 0}};
    SysSwapPacer pacer;
    for (const auto& s : steps) EXPECT_EQ(Sys_PaceSwap(&pacer, s[0], 17), s[1]) << s[0] - start;
}

TEST(SwapPacing, EnvironmentSwitchTurnsTheWaitOff) {
    for (auto [value, wanted] : {std::pair{"", true}, {"0", true}, {"1", false}, {"yes", false}}) {
        setenv("VAELOR_NO_SWAP_WAIT", value, 1);
        EXPECT_EQ(Sys_SwapWaitWanted(), wanted) << '"' << value << '"';
    }
    unsetenv("VAELOR_NO_SWAP_WAIT");
    EXPECT_TRUE(Sys_SwapWaitWanted()); // nothing here swaps: the variable need not come back
}
