// The LoadProcs: an opened file from its current position to its end, within the size limit.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "tests/graphics/image_files.h"

namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

// An anonymous temporary file holding junk and then the given bytes, positioned after the junk.
File Opened(const ByteVector& junk, const ByteVector& bytes) {
    File file(tmpfile(), fclose);
    if (!file) return file;
    for (const ByteVector* part : {&junk, &bytes})
        if (!part->empty()) fwrite(part->data(), 1, part->size(), file.get()); // data may be null
    fflush(file.get());
    fseek(file.get(), long(junk.size()), SEEK_SET);
    return file;
}

const ByteVector TGA_GREY_2X1 = {0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1, 0, 8, 0x20, 40, 80};
const ByteVector JUNK = {'j', 'u', 'n', 'k'};

// Each fuzz seed picture, behind junk in an opened file, loads as its bytes decode.
TEST(ImageLoad, EverySeedFileLoadsFromTheCurrentPosition) {
    const std::tuple<const char*, LoadProc, DecodeProc> kinds[] = {
        {"dsx", LoadDSX, DecodeDSX}, {"tga", LoadTGA, DecodeTGA}, {"bmp", LoadBMP, DecodeBMP}};
    for (auto [folder, load, decode] : kinds) {
        int files = 0;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(IMAGE_SEED_DIR) + "/" + folder)) {
            SCOPED_TRACE(entry.path());
            std::ifstream in(entry.path(), std::ios::binary);
            const ByteVector bytes{std::istreambuf_iterator<char>(in), {}};
            Decoded direct(decode, bytes);
            Decoded loaded(load, Opened(JUNK, bytes).get());
            ASSERT_TRUE(direct.Ok() && loaded.Ok());
            EXPECT_EQ(loaded.Picture(), direct.Picture());
            files++;
        }
        EXPECT_GE(files, 4) << folder;
    }
    // Damage and no file at all are failures that leave no pixels.
    Decoded bad(LoadTGA, Opened({}, JUNK).get());
    EXPECT_FALSE(bad.Ok());
    EXPECT_EQ(bad.Image().pixels, nullptr);
    EXPECT_FALSE(Decoded(LoadDSX, nullptr).Ok());
}

TEST(ImageLoad, StreamsThatCannotSeekAreReadToTheirEnd) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    ASSERT_EQ(write(ends[1], TGA_GREY_2X1.data(), TGA_GREY_2X1.size()),
              ssize_t(TGA_GREY_2X1.size()));
    close(ends[1]);
    File stream(fdopen(ends[0], "rb"), fclose);
    ASSERT_NE(stream, nullptr);
    Decoded fromPipe(LoadTGA, stream.get());
    ASSERT_TRUE(fromPipe.Ok());
    EXPECT_EQ(fromPipe.Picture(), (TestImage{2, 1, false, {{40, 40, 40}, {80, 80, 80}}}));
}

TEST(ImageLoad, FilesBeyondTheSizeLimitAreRefused) {
    // A valid picture followed by zeros: the decoder would accept the bytes, the size not.
    File huge = Opened({}, TGA_GREY_2X1);
    ASSERT_EQ(ftruncate(fileno(huge.get()), off_t(IMAGE_MAX_FILE_BYTES) + 1), 0);
    EXPECT_FALSE(Decoded(LoadTGA, huge.get()).Ok());
    ASSERT_EQ(ftruncate(fileno(huge.get()), off_t(IMAGE_MAX_FILE_BYTES)), 0);
    rewind(huge.get());
    EXPECT_TRUE(Decoded(LoadTGA, huge.get()).Ok());
}

} // namespace
