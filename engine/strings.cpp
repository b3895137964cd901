// StrFormat's rotating buffers, path extensions and UTF-8 encoding.
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "engine/strings.h"

namespace {
// StrFormat's ring of result buffers and the one it writes next.
struct FormatRing {
    char buffers[STRFORMAT_BUFFERS][STRFORMAT_SIZE] = {};
    u8 next = 0;
};
FormatRing ring;
constexpr int EXTENSION_MAX = 19;
} // namespace

const char* StrFormat(const char* format, ...) {
    char* out = ring.buffers[ring.next];
    ring.next = u8((ring.next + 1) % STRFORMAT_BUFFERS);
    va_list args;
    va_start(args, format);
    // vsnprintf cuts long results at 1023 bytes and always terminates.
    vsnprintf(out, STRFORMAT_SIZE, format, args);
    va_end(args);
    return out;
}

void PathExtension(const char* path, char* out) {
    out[0] = 0;
    if (!path) return;
    const char* start = path;
    for (const char* p = path; *p; p++)
        if (*p == '.' || *p == '|') start = p + 1;
    int n = 0;
    for (; start[n] && n < EXTENSION_MAX; n++) out[n] = char(tolower(u8(start[n])));
    out[n] = 0;
}

int EncodeUTF8(char* buffer, int position, u32 cp) {
    u8* out = reinterpret_cast<u8*>(buffer + position);
    int n;
    if (cp < 0x80) {
        out[0] = u8(cp);
        n = 1;
    } else if (cp < 0x800) {
        out[0] = u8(0xC0 | (cp >> 6));
        out[1] = u8(0x80 | (cp & 0x3F));
        n = 2;
    } else if (cp < 0x10000) {
        out[0] = u8(0xE0 | (cp >> 12));
        out[1] = u8(0x80 | ((cp >> 6) & 0x3F));
        out[2] = u8(0x80 | (cp & 0x3F));
        n = 3;
    } else {
        out[0] = u8(0xF0 | ((cp >> 18) & 0x07));
        out[1] = u8(0x80 | ((cp >> 12) & 0x3F));
        out[2] = u8(0x80 | ((cp >> 6) & 0x3F));
        out[3] = u8(0x80 | (cp & 0x3F));
        n = 4;
    }
    out[n] = 0;
    return n;
}

int AppendUTF8(char* string, u32 codePoint) {
    return EncodeUTF8(string, int(strlen(string)), codePoint);
}
