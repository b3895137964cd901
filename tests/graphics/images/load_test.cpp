// The LoadProcs: decoding an opened file from its current position to its end, and refusing
// files beyond the size limit without reading them into memory whole.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "tests/graphics/images/image_bytes.h"

namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

// An anonymous temporary file holding junk and then the given bytes, positioned after the junk.
File Opened(const ByteVector& junk, const ByteVector& bytes) {
    File file(tmpfile(), fclose);
    if (!file) return file;
    fwrite(junk.data(), 1, junk.size(), file.get());
    fwrite(bytes.data(), 1, bytes.size(), file.get());
    fflush(file.get());
    fseek(file.get(), long(junk.size()), SEEK_SET);
    return file;
}

struct Loaded {
    ImageData image;
    bool ok = false;
    Loaded(LoadProc load, FILE* file) { ok = load(file, &image); }
    ~Loaded() { FreeImageData(&image); }
    Loaded(const Loaded&) = delete;
    Loaded& operator=(const Loaded&) = delete;
};

const ByteVector TGA_GREY_2X1 = {0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1, 0, 8, 0x20, 40, 80};
const ByteVector JUNK = {'j', 'u', 'n', 'k'};

TEST(ImageLoad, EachLoadProcReadsFromTheCurrentPosition) {
    Bytes dsx;
    dsx.Raw({'d', 's', 'x', 0}).F32(1.0f).U16(1).U16(1).U8(32).U8(0).U16(0).U8(1);
    dsx.Raw({1, 2, 3, 4});
    Bytes bmp;
    bmp.Raw({'B', 'M'}).Fill(12, 0).U32(40).U32(1).U32(1).U16(1).U16(24).Fill(24, 0);
    bmp.Raw({9, 8, 7, 0});
    const struct {
        const char* kind;
        LoadProc load;
        ByteVector file;
        size_t byte;
        u8 value;
    } cases[] = {{"TGA", LoadTGA, TGA_GREY_2X1, 3, 80},
                 {"DSX", LoadDSX, dsx, 3, 4},
                 {"BMP", LoadBMP, bmp, 0, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        File file = Opened(JUNK, c.file);
        ASSERT_NE(file, nullptr);
        Loaded loaded(c.load, file.get());
        ASSERT_TRUE(loaded.ok);
        EXPECT_EQ(loaded.image.pixels[c.byte], c.value);
    }

    // Damage and no file at all are failures that leave no pixels.
    Loaded bad(LoadTGA, Opened({}, JUNK).get());
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.image.pixels, nullptr);
    EXPECT_FALSE(Loaded(LoadDSX, nullptr).ok);
}

TEST(ImageLoad, StreamsThatCannotSeekAreReadToTheirEnd) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ASSERT_EQ(write(ends[1], TGA_GREY_2X1.data(), TGA_GREY_2X1.size()),
              ssize_t(TGA_GREY_2X1.size()));
    close(ends[1]);
    File stream(fdopen(ends[0], "rb"), fclose);
    ASSERT_NE(stream, nullptr);
    Loaded fromPipe(LoadTGA, stream.get());
    ASSERT_TRUE(fromPipe.ok);
    EXPECT_EQ(fromPipe.image.pixels[0], 40);
}

// The fuzzers' seed files are small valid pictures of every kind the decoders read.
TEST(ImageLoad, EverySeedFileDecodes) {
    const struct {
        const char* folder;
        LoadProc load;
    } kinds[] = {{"dsx", LoadDSX}, {"tga", LoadTGA}, {"bmp", LoadBMP}};
    for (const auto& kind : kinds) {
        const std::string folder = std::string(IMAGE_SEED_DIR) + "/" + kind.folder;
        int files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            File file(fopen(entry.path().c_str(), "rb"), fclose);
            ASSERT_NE(file, nullptr) << entry.path();
            EXPECT_TRUE(Loaded(kind.load, file.get()).ok) << entry.path();
            files++;
        }
        EXPECT_GE(files, 4) << folder;
    }
}

TEST(ImageLoad, FilesBeyondTheSizeLimitAreRefused) {
    // A valid picture followed by zeros: the decoder would accept the bytes, the size not.
    File huge = Opened({}, TGA_GREY_2X1);
    ASSERT_EQ(ftruncate(fileno(huge.get()), off_t(IMAGE_MAX_FILE_BYTES) + 1), 0);
    EXPECT_FALSE(Loaded(LoadTGA, huge.get()).ok);
    ASSERT_EQ(ftruncate(fileno(huge.get()), off_t(IMAGE_MAX_FILE_BYTES)), 0);
    rewind(huge.get());
    EXPECT_TRUE(Loaded(LoadTGA, huge.get()).ok);
}

} // namespace
