// %s substitution for localised formats, bounded by the output buffer.
#include "game/shell/chat_format.h"

#include <cstring>

namespace {
// Appends up to the room left (keeping a terminator); cuts at a UTF-8 character boundary.
void Append(char* out, size_t capacity, size_t* used, const char* text, size_t length) {
    if (*used + 1 >= capacity) return;
    size_t room = capacity - 1 - *used;
    if (length > room) {
        length = room;
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) length--;
    }
    memcpy(out + *used, text, length);
    *used += length;
    out[*used] = 0;
}
} // namespace

void FormatLoc(char* out, size_t capacity, const char* format, const char* a, const char* b,
               const char* c) {
    if (!out || capacity == 0) return;
    out[0] = 0;
    if (!format) return;
    const char* args[3] = {a, b, c};
    int next = 0;
    size_t used = 0;
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            const char* arg = next < 3 ? args[next] : nullptr;
            next++;
            if (arg) Append(out, capacity, &used, arg, strlen(arg));
            ++p;
        } else if (p[0] == '%' && p[1] == '%') {
            Append(out, capacity, &used, "%", 1);
            ++p;
        } else {
            Append(out, capacity, &used, p, 1);
        }
    }
}
