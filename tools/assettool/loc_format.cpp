// Reading and writing LOC files and their readable source form.
#include "tools/assettool/loc_format.h"

#include "engine/byte_writer.h"
#include "tools/assettool/text_escape.h"

namespace {

constexpr size_t LOC_FIELD_BYTES = 2;
constexpr size_t MAX_INDEX_DIGITS = 5;

i16 ReadI16(const u8* p) {
    return i16(u16(p[0] | p[1] << 8));
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// One "INDEX = TEXT" line (already known not to be blank or a comment).
bool ParseEntryLine(const std::string& line, size_t expected, std::string* text,
                    std::string* error) {
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    size_t digitsStart = i;
    size_t index = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
        if (i - digitsStart >= MAX_INDEX_DIGITS) {
            *error = "index too long";
            return false;
        }
        index = index * 10 + size_t(line[i] - '0');
        ++i;
    }
    if (i == digitsStart) {
        *error = "expected \"INDEX = TEXT\"";
        return false;
    }
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size() || line[i] != '=') {
        *error = "expected '=' after the index";
        return false;
    }
    ++i;
    if (i < line.size() && line[i] == ' ') ++i;
    if (index != expected) {
        *error = "entry " + std::to_string(expected) + " expected, found " + std::to_string(index);
        return false;
    }
    std::string raw = line.substr(i);
    if (!IsValidUtf8(raw)) {
        *error = "text is not valid UTF-8";
        return false;
    }
    if (!UnescapeText(raw, text, error)) return false;
    if (text->size() > LOC_MAX_BYTES) {
        *error = "text longer than " + std::to_string(LOC_MAX_BYTES) + " bytes";
        return false;
    }
    return true;
}

} // namespace

bool ParseLocBinary(const u8* data, size_t size, LocEntries* out, std::string* error) {
    out->clear();
    if (size < LOC_FIELD_BYTES) {
        *error = "truncated: no entry count";
        return false;
    }
    i16 count = ReadI16(data);
    if (count < 0) {
        *error = "negative entry count " + std::to_string(count);
        return false;
    }
    size_t pos = LOC_FIELD_BYTES;
    for (i16 n = 0; n < count; ++n) {
        if (size - pos < LOC_FIELD_BYTES) {
            *error = "truncated: entry " + std::to_string(n) + " has no length";
            return false;
        }
        i16 length = ReadI16(data + pos);
        pos += LOC_FIELD_BYTES;
        if (length < 0) {
            *error = "entry " + std::to_string(n) + " has a negative length";
            return false;
        }
        if (size - pos < size_t(length)) {
            *error = "truncated: entry " + std::to_string(n) + " needs " + std::to_string(length) +
                     " bytes, " + std::to_string(size - pos) + " left";
            return false;
        }
        out->emplace_back(reinterpret_cast<const char*>(data + pos), size_t(length));
        pos += size_t(length);
    }
    return true;
}

bool WriteLocBinary(const LocEntries& entries, std::vector<u8>* out, std::string* error) {
    out->clear();
    if (entries.size() > LOC_MAX_ENTRIES) {
        *error = "more than " + std::to_string(LOC_MAX_ENTRIES) + " entries";
        return false;
    }
    ByteWriter(out).U16(u32(entries.size()));
    for (size_t n = 0; n < entries.size(); ++n) {
        if (entries[n].size() > LOC_MAX_BYTES) {
            *error = "entry " + std::to_string(n) + " is longer than " +
                     std::to_string(LOC_MAX_BYTES) + " bytes";
            return false;
        }
        ByteWriter(out).U16(u32(entries[n].size()));
        out->insert(out->end(), entries[n].begin(), entries[n].end());
    }
    return true;
}

bool ParseLocText(const u8* data, size_t size, LocEntries* out, std::string* error) {
    out->clear();
    return ForEachSourceLine(
        data, size,
        [&](const std::string& line, std::string* reason) {
            if (out->size() >= LOC_MAX_ENTRIES) {
                *reason = "more than " + std::to_string(LOC_MAX_ENTRIES) + " entries";
                return false;
            }
            std::string entry;
            if (!ParseEntryLine(line, out->size(), &entry, reason)) return false;
            out->push_back(std::move(entry));
            return true;
        },
        error);
}

std::string FormatLocText(const LocEntries& entries) {
    std::string out;
    for (size_t n = 0; n < entries.size(); ++n) {
        out += std::to_string(n);
        out += entries[n].empty() ? " =" : " = ";
        out += EscapeText(entries[n]);
        out += '\n';
    }
    return out;
}
