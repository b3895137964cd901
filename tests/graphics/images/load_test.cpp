// The LoadProcs: decoding an opened file from its current position to its end, and refusing
// files beyond the size limit without reading them into memory whole.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/graphics/images/image_bytes.h"

namespace {

// An anonymous temporary file holding junk and then the given bytes, positioned after the junk.
class OpenedFile {
  public:
    OpenedFile(const ByteVector& junk, const ByteVector& bytes) : file_(tmpfile()) {
        if (!file_) return;
        fwrite(junk.data(), 1, junk.size(), file_);
        fwrite(bytes.data(), 1, bytes.size(), file_);
        fflush(file_);
        fseek(file_, long(junk.size()), SEEK_SET);
    }
    ~OpenedFile() {
        if (file_) fclose(file_);
    }
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;
    FILE* Get() const { return file_; }

  private:
    FILE* file_;
};

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
    OpenedFile tga(JUNK, TGA_GREY_2X1);
    ASSERT_NE(tga.Get(), nullptr);
    Loaded fromTga(LoadTGA, tga.Get());
    ASSERT_TRUE(fromTga.ok);
    EXPECT_EQ(fromTga.image.width, 2);
    EXPECT_EQ(fromTga.image.pixels[3], 80);

    Bytes dsx;
    dsx.Raw({'d', 's', 'x', 0}).F32(1.0f).U16(1).U16(1).U8(32).U8(0).U16(0).U8(1);
    dsx.Raw({1, 2, 3, 4});
    OpenedFile dsxFile(JUNK, dsx);
    Loaded fromDsx(LoadDSX, dsxFile.Get());
    ASSERT_TRUE(fromDsx.ok);
    EXPECT_EQ(fromDsx.image.format, u32(GL_RGBA));
    EXPECT_EQ(fromDsx.image.pixels[3], 4);

    Bytes bmp;
    bmp.Raw({'B', 'M'}).Fill(12, 0).U32(40).U32(1).U32(1).U16(1).U16(24).Fill(24, 0);
    bmp.Raw({9, 8, 7, 0});
    OpenedFile bmpFile(JUNK, bmp);
    Loaded fromBmp(LoadBMP, bmpFile.Get());
    ASSERT_TRUE(fromBmp.ok);
    EXPECT_EQ(fromBmp.image.pixels[0], 7);
}

TEST(ImageLoad, StreamsThatCannotSeekAreReadToTheirEnd) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ASSERT_EQ(write(ends[1], TGA_GREY_2X1.data(), TGA_GREY_2X1.size()),
              ssize_t(TGA_GREY_2X1.size()));
    close(ends[1]);
    FILE* stream = fdopen(ends[0], "rb");
    ASSERT_NE(stream, nullptr);
    Loaded fromPipe(LoadTGA, stream);
    fclose(stream);
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
            FILE* file = fopen(entry.path().c_str(), "rb");
            ASSERT_NE(file, nullptr) << entry.path();
            Loaded loaded(kind.load, file);
            fclose(file);
            EXPECT_TRUE(loaded.ok) << entry.path();
            files++;
        }
        EXPECT_GE(files, 4) << folder;
    }
}

TEST(ImageLoad, FailuresLeaveNoPixels) {
    OpenedFile junkOnly({}, JUNK);
    Loaded bad(LoadTGA, junkOnly.Get());
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.image.pixels, nullptr);
    Loaded none(LoadDSX, nullptr);
    EXPECT_FALSE(none.ok);
}

TEST(ImageLoad, FilesBeyondTheSizeLimitAreRefused) {
    // A valid picture followed by zeros: the decoder would accept the bytes, the size not.
    OpenedFile small({}, TGA_GREY_2X1);
    EXPECT_TRUE(Loaded(LoadTGA, small.Get()).ok);
    OpenedFile huge({}, TGA_GREY_2X1);
    ASSERT_EQ(ftruncate(fileno(huge.Get()), off_t(IMAGE_MAX_FILE_BYTES) + 1), 0);
    EXPECT_FALSE(Loaded(LoadTGA, huge.Get()).ok);
    ASSERT_EQ(ftruncate(fileno(huge.Get()), off_t(IMAGE_MAX_FILE_BYTES)), 0);
    rewind(huge.Get());
    EXPECT_TRUE(Loaded(LoadTGA, huge.Get()).ok);
}

} // namespace
