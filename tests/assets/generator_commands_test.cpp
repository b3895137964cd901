// The generator commands: clean failures, repeatable pictures, and the audio writers.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "tests/support/test_dir.h"
#include "tools/assettool/art.h"
#include "tools/assettool/sound.h"

namespace {

TEST(GeneratorCommands, RefuseBadArgumentsWithoutWritingAnything) {
    TempDir dir;
    const std::string png = dir.File("x.png"), wav = dir.File("x.wav"), ogg = dir.File("x.ogg");
    const struct {
        CommandFn command;
        Args args;
        int status;
    } refused[] = {{CmdArt, {"no_such_picture", png}, EXIT_FAILED},
                   {CmdArt, {"flag_pl", dir.File("x.bmp")}, EXIT_FAILED},
                   {CmdArt, {"flag_pl"}, EXIT_USAGE},
                   {CmdSound, {"no_such_sound", wav}, EXIT_FAILED},
                   {CmdSound, {"distruptor", dir.File("x.mp3")}, EXIT_FAILED},
                   {CmdSound, {}, EXIT_USAGE},
                   {CmdMusic, {"3", ogg}, EXIT_FAILED},
                   {CmdMusic, {"1x", ogg}, EXIT_FAILED},
                   {CmdMusic, {"1", wav}, EXIT_FAILED}};
    for (const auto& call : refused) {
        EXPECT_EQ(call.command(call.args), call.status) << testing::PrintToString(call.args);
        EXPECT_TRUE(std::filesystem::is_empty(dir.Path())) << "a failed command left a file";
    }
    EXPECT_EQ(CmdArt({"flag_pl", png}), EXIT_OK);
    EXPECT_TRUE(dir.Exists("x.png"));
    EXPECT_EQ(CmdSound({"distruptor", wav}), EXIT_OK);
    EXPECT_TRUE(dir.Exists("x.wav"));
}

TEST(GeneratorCommands, EveryPictureIsRepeatableAndEveryNameUnique) {
    for (const ArtEntry* e = ArtTable(); e->name; ++e) {
        EXPECT_EQ(FindArt(e->name), e) << e->name;
        if (std::string(e->name).rfind("flag_", 0) != 0) continue; // the small ones suffice
        const ArtImage a = e->make(), b = e->make();
        EXPECT_EQ(a.rgba, b.rgba) << e->name;
    }
    for (const SoundEntry* e = SoundTable(); e->name; ++e) EXPECT_EQ(FindSound(e->name), e);
}

// WAV stores signed 16-bit samples, clipping out-of-range values rather than wrapping them (the
// Ogg writer is checked through the built effects and music, which it wrote).
TEST(GeneratorCommands, WavWriterClipsInsteadOfWrapping) {
    AudioClip clip;
    clip.rate = 8000;
    clip.channels = 2;
    clip.samples = {0.0f, 1.0f, -1.0f, 0.5f, 2.0f, -3.0f};
    std::vector<u8> bytes;
    ASSERT_TRUE(EncodeWav(clip, &bytes));
    ASSERT_EQ(bytes.size(), 44u + 12u);
    std::vector<int16_t> samples(clip.samples.size());
    std::memcpy(samples.data(), &bytes[44], 12);
    EXPECT_EQ(samples, (std::vector<int16_t>{0, 32767, -32767, 16384, 32767, -32767}));
}

} // namespace
