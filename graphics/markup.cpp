// The colour-tag grammar and the colour-name table; no GL, so layout and fuzzing can use it.
#include "graphics/markup.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "engine/loop.h"

namespace {

struct NamedColor {
    const char* name;
    u8 r, g, b;
};
constexpr NamedColor COLOR_NAMES[] = {
    {"red", 255, 0, 0},      {"grey", 150, 150, 150}, {"blue", 0, 0, 255},
    {"brown", 128, 64, 0},   {"green", 0, 255, 0},    {"white", 255, 255, 255},
    {"yellow", 255, 255, 0}, {"orange", 255, 128, 0},
};
constexpr u8 OPAQUE = 255;
constexpr f32 CHANNEL_MAX = 255.0f;

constexpr char CLOSE_TAG[] = "</c>";
constexpr char COLOR_DEFAULT_TAG[] = "<color default>";
constexpr char COLOR_PREFIX[] = "<color ";
constexpr char SHORT_PREFIX[] = "<c ";
constexpr int COLOR_PREFIX_LEN = sizeof COLOR_PREFIX - 1;
constexpr int SHORT_PREFIX_LEN = sizeof SHORT_PREFIX - 1;
constexpr int MAX_COMPONENTS = 3;
constexpr int MAX_COMPONENT_CHARS = 3;
constexpr int PACKED_DIGITS = 8;
constexpr int PACKED_TAG_LEN = SHORT_PREFIX_LEN + PACKED_DIGITS + 1;
constexpr u8 LOW_BYTE = 0xFF;

enum class TagKind { None, Default, Components, Packed, Named };

struct Tag {
    TagKind kind = TagKind::None;
    int length = 0;
};

// The bytes a tag may occupy: up to MARKUP_MAX_TAG, never past a zero or the allowed count.
int ScanLength(const char* text, int available) {
    int limit = available < 0 || available > MARKUP_MAX_TAG ? MARKUP_MAX_TAG : available;
    int n = 0;
    while (n < limit && text[n]) n++;
    return n;
}

bool StartsWith(const char* s, int n, const char* prefix) {
    int len = int(strlen(prefix));
    return n >= len && memcmp(s, prefix, size_t(len)) == 0;
}

// "<color " then one to three components of one to three characters, split by ",", then ">".
int ComponentsTagLength(const char* s, int n) {
    int i = COLOR_PREFIX_LEN, components = 0;
    for (;;) {
        int start = i;
        while (i < n && s[i] != ',' && s[i] != '>') i++;
        int len = i - start;
        if (len < 1 || len > MAX_COMPONENT_CHARS || ++components > MAX_COMPONENTS) return 0;
        if (i >= n) return 0; // the text ends inside the tag
        if (s[i] == '>') return i + 1;
        i++;
    }
}

bool IsPackedLead(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

int NamedTagLength(const char* s, int n) {
    const char* close = static_cast<const char*>(memchr(s, '>', size_t(n)));
    if (!close) return 0;
    int nameLen = int(close - s) - SHORT_PREFIX_LEN;
    if (nameLen < 1 || ColorByName(s + SHORT_PREFIX_LEN, nameLen) == 0) return 0;
    return int(close - s) + 1;
}

Tag Classify(const char* s, int n) {
    if (n < 1 || s[0] != '<') return {};
    if (StartsWith(s, n, CLOSE_TAG)) return {TagKind::Default, int(sizeof CLOSE_TAG - 1)};
    if (StartsWith(s, n, COLOR_DEFAULT_TAG))
        return {TagKind::Default, int(sizeof COLOR_DEFAULT_TAG - 1)};
    if (StartsWith(s, n, COLOR_PREFIX)) {
        int len = ComponentsTagLength(s, n);
        return len ? Tag{TagKind::Components, len} : Tag{};
    }
    if (!StartsWith(s, n, SHORT_PREFIX)) return {};
    if (n >= PACKED_TAG_LEN && s[PACKED_TAG_LEN - 1] == '>' && IsPackedLead(s[SHORT_PREFIX_LEN]))
        return {TagKind::Packed, PACKED_TAG_LEN};
    int len = NamedTagLength(s, n);
    return len ? Tag{TagKind::Named, len} : Tag{};
}

void PackedToFloats(u32 packed, f32 color[4]) {
    for (int i = 0; i < 4; i++) color[i] = f32((packed >> (8 * i)) & LOW_BYTE) / CHANNEL_MAX;
}

// Components read like C integer literals: 0x.. hexadecimal, 0.. octal, else decimal.
void ComponentsColor(const char* s, int length, const f32 defaultColor[4], f32 color[4]) {
    char part[MAX_COMPONENT_CHARS + 1];
    int i = COLOR_PREFIX_LEN;
    for (int c = 0; c < MAX_COMPONENTS; c++) {
        color[c] = 0;
        if (i >= length) continue;
        int start = i;
        while (s[i] != ',' && s[i] != '>') i++;
        memcpy(part, s + start, size_t(i - start));
        part[i - start] = 0;
        color[c] = f32(strtol(part, nullptr, 0) & LOW_BYTE) / CHANNEL_MAX;
        i++; // past the separator; after ">" this ends the walk
    }
    color[3] = defaultColor[3] >= 1.0f ? 1.0f : 0.0f;
}

void TagColor(const char* s, const Tag& tag, const f32 defaultColor[4], f32 color[4]) {
    switch (tag.kind) {
    case TagKind::Default: memcpy(color, defaultColor, 4 * sizeof(f32)); break;
    case TagKind::Components: ComponentsColor(s, tag.length, defaultColor, color); break;
    case TagKind::Packed: {
        char digits[PACKED_DIGITS + 1];
        memcpy(digits, s + SHORT_PREFIX_LEN, PACKED_DIGITS);
        digits[PACKED_DIGITS] = 0;
        PackedToFloats(u32(strtoul(digits, nullptr, 16)), color);
        break;
    }
    case TagKind::Named:
        PackedToFloats(ColorByName(s + SHORT_PREFIX_LEN, tag.length - SHORT_PREFIX_LEN - 1), color);
        break;
    case TagKind::None: break;
    }
}

} // namespace

u32 ColorByName(const char* name, int length) {
    if (!name || length < 1) return 0;
    for (const NamedColor& c : COLOR_NAMES) {
        if (int(strlen(c.name)) == length && memcmp(c.name, name, size_t(length)) == 0)
            return u32(c.r) | u32(c.g) << 8 | u32(c.b) << 16 | u32(OPAQUE) << 24;
    }
    return 0;
}

int ParseMarkupTag(const char* text, int available, const f32 defaultColor[4], f32 color[4]) {
    if (!text) return 0;
    int n = ScanLength(text, available);
    Tag tag = Classify(text, n);
    if (tag.kind != TagKind::None && defaultColor && color)
        TagColor(text, tag, defaultColor, color);
    return tag.length;
}

int MarkupTagLengthN(const char* text, int available) {
    if (!EngineIsEnabled(ENGINE_TEXT_MARKUP)) return 0;
    return ParseMarkupTag(text, available, nullptr, nullptr);
}

int MarkupTagLength(const char* text) {
    return MarkupTagLengthN(text, -1);
}

namespace {
// Gathers the entries up to the first ">" as bytes, so the 32-bit forms share the grammar.
int GatherTagEntries(const i32* text, int count, char out[MARKUP_MAX_TAG + 1]) {
    int n = 0;
    int limit = count < MARKUP_MAX_TAG ? count : MARKUP_MAX_TAG;
    while (text && n < limit && text[n] >= 1 && text[n] <= LOW_BYTE) {
        out[n] = char(text[n]);
        if (out[n++] == '>') break;
    }
    out[n] = 0;
    return n;
}
} // namespace

int ParseMarkupTag32(const i32* text, int count, const f32 defaultColor[4], f32 color[4]) {
    char gathered[MARKUP_MAX_TAG + 1];
    int n = GatherTagEntries(text, count, gathered);
    return ParseMarkupTag(gathered, n, defaultColor, color);
}

int MarkupTagLength32(const i32* text, int count) {
    if (!EngineIsEnabled(ENGINE_TEXT_MARKUP)) return 0;
    return ParseMarkupTag32(text, count, nullptr, nullptr);
}
