// libpng over memory buffers: every read is bounded by the buffer, every libpng error comes
// back as one message.
#include "tools/assettool/png_io.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <png.h>

#include "graphics/images/image_data.h"

namespace {

constexpr size_t PNG_SIGNATURE_BYTES = 8;
// Text and other ancillary chunks a hostile file could inflate are capped.
constexpr size_t PNG_CHUNK_MALLOC_MAX = size_t(8) << 20;

struct ReadSource {
    const u8* data;
    size_t size;
    size_t pos;
};

struct ErrorSink {
    char message[256];
};

void OnPngError(png_structp png, png_const_charp message) {
    auto* sink = static_cast<ErrorSink*>(png_get_error_ptr(png));
    std::snprintf(sink->message, sizeof sink->message, "%s", message);
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* src = static_cast<ReadSource*>(png_get_io_ptr(png));
    if (src->size - src->pos < length) png_error(png, "truncated");
    std::memcpy(out, src->data + src->pos, length);
    src->pos += length;
}

void WriteToMemory(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<u8>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

// Everything after setjmp lives in the caller or in libpng, so a longjmp skips no destructor.
bool ReadWithLibpng(png_structp png, png_infop info, ReadSource* src, Picture* out,
                    std::vector<png_bytep>* rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, src, ReadFromMemory);
    png_set_user_limits(png, IMAGE_MAX_SIDE, IMAGE_MAX_SIDE);
    png_set_chunk_malloc_max(png, PNG_CHUNK_MALLOC_MAX);
    png_read_info(png, info);
    png_uint_32 width = png_get_image_width(png, info);
    png_uint_32 height = png_get_image_height(png, info);
    if (u64(width) * height > IMAGE_MAX_PIXELS) png_error(png, "picture too large");
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    u32 channels = png_get_channels(png, info);
    if (channels != 3 && channels != 4) png_error(png, "unsupported colour type");
    out->width = width;
    out->height = height;
    out->channels = channels;
    out->pixels.resize(size_t(width) * height * channels);
    rows->resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        (*rows)[y] = out->pixels.data() + size_t(y) * width * channels;
    png_read_image(png, rows->data());
    png_read_end(png, nullptr);
    return true;
}

bool WriteWithLibpng(png_structp png, png_infop info, const Picture& picture, int level,
                     std::vector<u8>* out, std::vector<png_bytep>* rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, out, WriteToMemory, FlushNothing);
    png_set_compression_level(png, level);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    int colorType = picture.channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
    png_set_IHDR(png, info, picture.width, picture.height, 8, colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    rows->resize(picture.height);
    for (u32 y = 0; y < picture.height; ++y)
        (*rows)[y] = const_cast<png_bytep>(picture.Pixel(0, y));
    png_write_image(png, rows->data());
    png_write_end(png, nullptr);
    return true;
}

} // namespace

bool ReadPNG(const u8* data, size_t size, Picture* out, std::string* error) {
    if (size < PNG_SIGNATURE_BYTES || png_sig_cmp(data, 0, PNG_SIGNATURE_BYTES) != 0) {
        *error = "not a PNG file";
        return false;
    }
    ErrorSink sink = {"unreadable PNG"};
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, &sink, OnPngError, OnPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        *error = "out of memory";
        return false;
    }
    ReadSource src = {data, size, 0};
    std::vector<png_bytep> rows;
    bool ok = ReadWithLibpng(png, info, &src, out, &rows);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) {
        *out = Picture();
        *error = std::string("bad PNG: ") + sink.message;
    }
    return ok;
}

bool WritePNG(const Picture& picture, std::vector<u8>* out, std::string* error, int level) {
    out->clear();
    if (picture.width == 0 || picture.height == 0 ||
        (picture.channels != 3 && picture.channels != 4) ||
        picture.pixels.size() != picture.PixelCount() * picture.channels) {
        *error = "picture has no valid size";
        return false;
    }
    ErrorSink sink = {"PNG writing failed"};
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, OnPngError, OnPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        *error = "out of memory";
        return false;
    }
    std::vector<png_bytep> rows;
    bool ok = WriteWithLibpng(png, info, picture, level, out, &rows);
    png_destroy_write_struct(&png, &info);
    if (!ok) *error = sink.message;
    return ok;
}
