// Fuzzes the text boxes' editing core: the input is a script of edits (insertions and set
// texts of arbitrary bytes, deletions, caret moves, selections, raw caret and selection
// values). After every step the editor must hold valid UTF-8 within its size limit, keep
// its caret and selection inside the text on character boundaries, and respect its format
// and length limit.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gui/text_edit.h"

namespace {
enum Op : uint8_t { INSERT, SET_TEXT, BACKSPACE, DELETE, LEFT, RIGHT, ALL, WORD, RAW, CUT, OPS };

struct Reader {
    const uint8_t* data;
    size_t size, at = 0;
    uint8_t Byte() { return at < size ? data[at++] : 0; }
    int32_t Int() {
        uint32_t v = 0;
        for (int i = 0; i < 4; i++) v = v << 8 | Byte();
        return int32_t(v);
    }
    std::string Chunk() {
        size_t n = std::min<size_t>(Byte(), size - at);
        std::string s(reinterpret_cast<const char*>(data + at), n);
        at += n;
        return s;
    }
};

bool ValidUTF8(const std::string& s) {
    size_t i = 0;
    while (i < s.size()) {
        uint8_t b = uint8_t(s[i]);
        size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; k++)
            if ((uint8_t(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

bool Boundary(const std::string& s, int32_t at) {
    return at == int32_t(s.size()) || (uint8_t(s[size_t(at)]) & 0xC0) != 0x80;
}

void Check(TextEditor& e) {
    e.Normalize();
    const std::string& t = e.text;
    if (!ValidUTF8(t) || t.size() > TEXT_EDIT_MAX_BYTES) abort();
    int32_t end = e.cPos + e.nSel;
    if (e.cPos < 0 || e.cPos > int32_t(t.size()) || end < 0 || end > int32_t(t.size())) abort();
    if (!Boundary(t, e.cPos) || !Boundary(t, end)) abort();
    if (!e.multiLine && t.find_first_of("\n\r\t") != std::string::npos) abort();
    if (e.multiLine && t.find_first_of("\r\t") != std::string::npos) abort();
    if (e.maxLen > 0) {
        int32_t chars = 0;
        for (char c : t) chars += (uint8_t(c) & 0xC0) != 0x80;
        if (chars > e.maxLen) abort();
    }
    if (e.format == FORMAT_INTEGER && t.find_first_not_of("0123456789") != std::string::npos)
        abort();
    if (e.format == FORMAT_FLOAT &&
        (t.find_first_not_of("0123456789.") != std::string::npos || t.find('.') != t.rfind('.')))
        abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader in{data, size};
    TextEditor e;
    e.format = in.Byte() % 3;
    e.maxLen = in.Byte() % 4 == 0 ? in.Byte() : 0;
    e.multiLine = in.Byte() & 1;
    while (in.at < in.size) {
        uint8_t op = in.Byte() % OPS;
        switch (op) {
        case INSERT: {
            int32_t at = in.Byte() & 1 ? e.cPos : in.Int();
            std::string bytes = in.Chunk();
            e.Insert(at, bytes.data(), bytes.size());
            break;
        }
        case SET_TEXT: e.SetText(in.Chunk().c_str()); break;
        case BACKSPACE: e.Backspace(); break;
        case DELETE: e.DeleteForward(); break;
        case LEFT: e.MoveLeft(in.Byte() & 1); break;
        case RIGHT: e.MoveRight(in.Byte() & 1); break;
        case ALL: e.SelectAll(); break;
        case WORD: e.SelectWordAtCaret(); break;
        case RAW: // caret and selection are public properties: any value may arrive
            e.cPos = in.Int();
            e.nSel = in.Int();
            break;
        case CUT: {
            std::string taken = e.Selection();
            if (!ValidUTF8(taken)) abort();
            e.DeleteSelection();
            break;
        }
        default: break;
        }
        Check(e);
    }
    return 0;
}
