// %s substitution for localised formats, bounded by the output buffer.
#include "game/shell/chat_format.h"
#include "game/shell/text_cut.h"

#include <cstdio>
#include <cstring>

namespace {
// The result so far. Once a piece had to be cut nothing more is added, so a cut result is
// always the start of the whole one and never skips a character to fit a later, shorter one.
struct Output {
    char* text;
    size_t capacity;
    size_t used;
    bool full;
};

// Appends up to the room left (keeping a terminator); cuts at a UTF-8 character boundary.
void Append(Output* out, const char* text, size_t length) {
    if (out->full) return;
    size_t room = out->capacity - 1 - out->used;
    out->full = length > room;
    length = CharacterCut(text, length, room);
    memcpy(out->text + out->used, text, length);
    out->used += length;
    out->text[out->used] = 0;
}

// Plain text up to the next directive goes as one piece, so a cut falls between its
// characters rather than inside one. Returns the bytes taken.
size_t AppendRun(Output* out, const char* p) {
    size_t run = 1 + strcspn(p + 1, "%");
    Append(out, p, run);
    return run;
}

// The length of a floating conversion's flags, width and precision at p (just after a '%'),
// or -1 when p starts no floating conversion of at most a few such characters.
int FloatDirective(const char* p) {
    constexpr size_t MAX_FLAGS = 7;
    size_t flags = strspn(p, "0123456789.-+ #");
    if (flags > MAX_FLAGS || !p[flags] || !strchr("fFgGeE", p[flags])) return -1;
    return int(flags);
}
} // namespace

void FormatLoc(char* out, size_t capacity, const char* format, const char* a, const char* b,
               const char* c) {
    if (!out || capacity == 0) return;
    out[0] = 0;
    if (!format) return;
    const char* args[3] = {a, b, c};
    int next = 0;
    Output result{out, capacity, 0, false};
    for (const char* p = format; *p && !result.full;) {
        if (p[0] == '%' && p[1] == 's') {
            const char* arg = next < 3 ? args[next] : nullptr;
            next++;
            if (arg) Append(&result, arg, strlen(arg));
            p += 2;
        } else if (p[0] == '%' && p[1] == '%') {
            Append(&result, "%", 1);
            p += 2;
        } else {
            p += AppendRun(&result, p);
        }
    }
}

void FormatLocFloat(char* out, size_t capacity, const char* format, float value) {
    if (!out || capacity == 0) return;
    out[0] = 0;
    if (!format) return;
    Output result{out, capacity, 0, false};
    bool filled = false;
    for (const char* p = format; *p && !result.full;) {
        int flags = p[0] == '%' && !filled ? FloatDirective(p + 1) : -1;
        if (flags < 0) {
            p += AppendRun(&result, p);
            continue;
        }
        char directive[16], number[64];
        snprintf(directive, sizeof directive, "%%%.*s%c", flags, p + 1, p[1 + flags]);
        int n = snprintf(number, sizeof number, directive, double(value));
        if (n > 0) Append(&result, number, strlen(number));
        filled = true;
        p += flags + 2;
    }
}
