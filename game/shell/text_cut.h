// Cutting UTF-8 text to a byte budget between characters, for texts from files and typing.
#pragma once

#include <cstddef>

// A character has at most this many bytes after its first.
constexpr size_t UTF8_MAX_CONTINUATION = 3;

// The bytes of text (length bytes long) to keep within limit bytes: all of them when they fit,
// else limit backed off to the start of the character it would split. Stray continuation
// bytes with no character start near the cut are garbage that no cut can keep whole, so the
// cut then stays at limit rather than throwing away the text before them.
inline size_t CharacterCut(const char* text, size_t length, size_t limit) {
    if (length <= limit) return length;
    for (size_t back = 0; back <= UTF8_MAX_CONTINUATION && back <= limit; back++)
        if ((static_cast<unsigned char>(text[limit - back]) & 0xC0) != 0x80) return limit - back;
    return limit;
}
