// Backslash escapes for the readable text formats, and UTF-8 validation.
#include "tools/assettool/text_escape.h"

namespace {

constexpr u8 ASCII_DELETE = 0x7F;
constexpr u32 MAX_CODE_POINT = 0x10FFFF;
constexpr u32 SURROGATE_FIRST = 0xD800;
constexpr u32 SURROGATE_LAST = 0xDFFF;

const char HEX_DIGITS[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AppendHexEscape(std::string* out, u8 byte) {
    *out += "\\x";
    *out += HEX_DIGITS[byte >> 4];
    *out += HEX_DIGITS[byte & 0xF];
}

} // namespace

size_t Utf8SequenceLength(const u8* p, size_t avail) {
    if (avail == 0) return 0;
    u8 lead = p[0];
    if (lead < 0x80) return 1;
    size_t length;
    u32 cp;
    u32 minimum;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (avail < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (p[i] & 0x3F);
    }
    if (cp < minimum || cp > MAX_CODE_POINT) return 0;
    if (cp >= SURROGATE_FIRST && cp <= SURROGATE_LAST) return 0;
    return length;
}

bool IsValidUtf8(const std::string& text) {
    const u8* p = reinterpret_cast<const u8*>(text.data());
    size_t i = 0;
    while (i < text.size()) {
        size_t n = Utf8SequenceLength(p + i, text.size() - i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string EscapeText(const std::string& raw) {
    std::string out;
    const u8* p = reinterpret_cast<const u8*>(raw.data());
    size_t i = 0;
    while (i < raw.size()) {
        u8 c = p[i];
        bool edge = i == 0 || i + 1 == raw.size();
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == ASCII_DELETE || (c == ' ' && edge)) {
            AppendHexEscape(&out, c);
        } else {
            size_t n = Utf8SequenceLength(p + i, raw.size() - i);
            if (n == 0) {
                AppendHexEscape(&out, c);
            } else {
                out.append(raw, i, n);
                i += n;
                continue;
            }
        }
        ++i;
    }
    return out;
}

bool UnescapeText(const std::string& escaped, std::string* out, std::string* error) {
    out->clear();
    for (size_t i = 0; i < escaped.size(); ++i) {
        char c = escaped[i];
        if (c != '\\') {
            *out += c;
            continue;
        }
        if (i + 1 >= escaped.size()) {
            *error = "line ends in a lone backslash";
            return false;
        }
        char e = escaped[++i];
        switch (e) {
        case 'n': *out += '\n'; break;
        case 'r': *out += '\r'; break;
        case 't': *out += '\t'; break;
        case '\\': *out += '\\'; break;
        case 'x': {
            int high = i + 1 < escaped.size() ? HexValue(escaped[i + 1]) : -1;
            int low = i + 2 < escaped.size() ? HexValue(escaped[i + 2]) : -1;
            if (high < 0 || low < 0) {
                *error = "\\x needs two hexadecimal digits";
                return false;
            }
            *out += char(high << 4 | low);
            i += 2;
            break;
        }
        default: *error = std::string("unknown escape '\\") + e + "'"; return false;
        }
    }
    return true;
}

namespace {
const char UTF8_BOM[] = "\xEF\xBB\xBF";
constexpr size_t UTF8_BOM_BYTES = 3;

bool IsSkippedLine(const std::string& line) {
    size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == '#';
}
} // namespace

bool ForEachSourceLine(const u8* data, size_t size, const SourceLineHandler& handle,
                       std::string* error) {
    std::string text(reinterpret_cast<const char*>(data), size);
    size_t pos = text.compare(0, UTF8_BOM_BYTES, UTF8_BOM) == 0 ? UTF8_BOM_BYTES : 0;
    for (size_t lineNumber = 1; pos < text.size(); ++lineNumber) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (IsSkippedLine(line)) continue;
        std::string reason;
        if (!handle(line, &reason)) {
            *error = "line " + std::to_string(lineNumber) + ": " + reason;
            return false;
        }
    }
    return true;
}
