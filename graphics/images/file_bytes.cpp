// The shared body of the LoadProcs: bounded whole-file reading, then a byte-span decoder.
#include "graphics/images/file_bytes.h"

#include <vector>

namespace {

constexpr size_t READ_CHUNK_BYTES = size_t(256) << 10;

// Bytes from the current position to the end, or -1 when the stream cannot seek.
long BytesLeft(FILE* file) {
    long start = ftell(file);
    if (start < 0 || fseek(file, 0, SEEK_END) != 0) return -1;
    long end = ftell(file);
    if (fseek(file, start, SEEK_SET) != 0 || end < start) return -1;
    return end - start;
}

// For streams that cannot seek: reads in chunks until the end, failing as soon as the limit
// is passed.
bool ReadRest(FILE* file, std::vector<u8>* bytes) {
    for (;;) {
        size_t have = bytes->size();
        bytes->resize(have + READ_CHUNK_BYTES);
        size_t got = fread(bytes->data() + have, 1, READ_CHUNK_BYTES, file);
        bytes->resize(have + got);
        if (bytes->size() > IMAGE_MAX_FILE_BYTES || ferror(file)) return false;
        if (got < READ_CHUNK_BYTES) return true;
    }
}

} // namespace

bool DecodeRestOfFile(FILE* file, ImageData* out, ImageDecodeProc decode) {
    if (!file || !out) return ImageFail("no file");
    std::vector<u8> bytes;
    long left = BytesLeft(file);
    if (left > long(IMAGE_MAX_FILE_BYTES)) return ImageFail("file larger than 64 MiB");
    if (left >= 0) {
        bytes.resize(size_t(left));
        bytes.resize(fread(bytes.data(), 1, bytes.size(), file));
        if (ferror(file)) return ImageFail("read error");
    } else if (!ReadRest(file, &bytes)) {
        return ImageFail("read error or file larger than 64 MiB");
    }
    return decode(bytes.data(), bytes.size(), out);
}
