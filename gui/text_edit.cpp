// The editing core of the text boxes: input cleaning (valid UTF-8 only, line breaks and tabs
// mapped), the length and format filters, selection and caret moves. No I/O: plain text in.
#include "gui/text_edit.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
constexpr f32 BLINK_SECONDS = 0.5f;
constexpr const char REPLACEMENT[] = "\xEF\xBF\xBD"; // U+FFFD for bytes that are not UTF-8

bool IsContinuation(u8 b) {
    return (b & 0xC0) == 0x80;
}

// The length of a well-formed UTF-8 sequence at p (at most `available` bytes), 0 if none.
int SequenceLength(const u8* p, size_t available) {
    u8 b = p[0];
    int n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || size_t(n) > available) return 0;
    for (int i = 1; i < n; i++)
        if (!IsContinuation(p[i])) return 0;
    if (n == 2 && b < 0xC2) return 0;                                  // overlong
    if (n == 3 && b == 0xE0 && p[1] < 0xA0) return 0;                  // overlong
    if (n == 3 && b == 0xED && p[1] >= 0xA0) return 0;                 // surrogate
    if (n == 4 && b == 0xF0 && p[1] < 0x90) return 0;                  // overlong
    if (n == 4 && (b > 0xF4 || (b == 0xF4 && p[1] >= 0x90))) return 0; // past U+10FFFF
    return n;
}

// Typed or pasted bytes as the box keeps them: valid UTF-8, line breaks as "|" (or kept as
// newlines with carriage returns dropped in a multi-line box), tabs as spaces.
std::string Clean(const char* bytes, size_t length, bool multiLine) {
    std::string out;
    const u8* p = reinterpret_cast<const u8*>(bytes);
    size_t i = 0;
    while (i < length && out.size() < TEXT_EDIT_MAX_BYTES) {
        int n = SequenceLength(p + i, length - i);
        if (n == 0) {
            out += REPLACEMENT;
            i++;
            while (i < length && IsContinuation(p[i])) i++;
            continue;
        }
        char c = char(p[i]);
        if (n == 1 && (c == '\n' || c == '\r')) {
            if (!multiLine)
                out += '|';
            else if (c == '\n')
                out += '\n';
        } else if (n == 1 && c == '\t') {
            out += ' ';
        } else {
            out.append(bytes + i, size_t(n));
        }
        i += size_t(n);
    }
    return out;
}

i32 CountChars(const char* s, size_t n) {
    i32 count = 0;
    for (size_t i = 0; i < n; i++)
        if (!IsContinuation(u8(s[i]))) count++;
    return count;
}

// The first `chars` characters of s, in bytes.
size_t PrefixBytes(const std::string& s, i32 chars) {
    size_t i = 0;
    for (i32 c = 0; c < chars && i < s.size(); c++) {
        i++;
        while (i < s.size() && IsContinuation(u8(s[i]))) i++;
    }
    return i;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsWordDelimiter(char c) {
    return strchr(" .,!?-:;+=", c) != nullptr && c != 0;
}

i32 SnapBack(const std::string& text, i32 position) {
    position = std::clamp(position, 0, i32(text.size()));
    while (position > 0 && position < i32(text.size()) && IsContinuation(u8(text[position])))
        position--;
    return position;
}
} // namespace

i32 PreviousCharStart(const std::string& text, i32 position) {
    if (position <= 0) return 0;
    position--;
    while (position > 0 && IsContinuation(u8(text[size_t(position)]))) position--;
    return position;
}

i32 NextCharStart(const std::string& text, i32 position) {
    i32 size = i32(text.size());
    if (position >= size) return size;
    position++;
    while (position < size && IsContinuation(u8(text[size_t(position)]))) position++;
    return position;
}

void TextEditor::Normalize() {
    cPos = SnapBack(text, cPos);
    i32 end = SnapBack(text, i32(std::clamp<i64>(i64(cPos) + nSel, 0, i64(text.size()))));
    nSel = end - cPos;
}

i32 TextEditor::SelStart() const {
    return std::min(cPos, cPos + nSel);
}
i32 TextEditor::SelEnd() const {
    return std::max(cPos, cPos + nSel);
}

bool TextEditor::Insert(i32 position, const char* bytes, size_t length) {
    Normalize();
    if (position < 0 || position > i32(text.size()) || !bytes) return false;
    position = SnapBack(text, position);
    RestartBlink();
    std::string add = Clean(bytes, length, multiLine);
    i32 selectedChars = CountChars(text.data() + SelStart(), size_t(SelEnd() - SelStart()));
    if (maxLen > 0) {
        // The selection is about to be replaced, so its characters leave room.
        i32 room = std::max(0, maxLen - (CountChars(text.data(), text.size()) - selectedChars));
        add.resize(PrefixBytes(add, room));
    }
    if (format == FORMAT_INTEGER) {
        if (cPos == 0 && !add.empty() && (add[0] < '1' || add[0] > '9')) return false;
        if (!std::all_of(add.begin(), add.end(), IsDigit)) return false;
    } else if (format == FORMAT_FLOAT) {
        if (cPos == 1 && !text.empty() && text[0] == '0' && !add.empty() && add[0] != '.')
            return false;
        auto dots = std::count(add.begin(), add.end(), '.');
        bool digitsOnly =
            std::all_of(add.begin(), add.end(), [](char c) { return IsDigit(c) || c == '.'; });
        if (!digitsOnly || dots > 1 || (dots > 0 && text.find('.') != std::string::npos))
            return false;
    }
    if (add.empty()) return false;
    i32 selStart = SelStart(), selLength = SelEnd() - SelStart();
    if (DeleteSelection()) {
        if (position >= selStart + selLength)
            position -= selLength;
        else if (position > selStart)
            position = selStart;
    }
    size_t room = TEXT_EDIT_MAX_BYTES - std::min(TEXT_EDIT_MAX_BYTES, text.size());
    if (add.size() > room) {
        size_t cut = room;
        while (cut > 0 && IsContinuation(u8(add[cut]))) cut--;
        add.resize(cut);
    }
    if (add.empty()) return false;
    text.insert(size_t(position), add);
    if (position <= cPos) cPos += i32(add.size());
    return true;
}

void TextEditor::SetText(const char* value) {
    cPos = nSel = 0;
    text.clear();
    if (value) Insert(0, value, strlen(value));
    cPos = i32(text.size());
    nSel = 0;
}

bool TextEditor::DeleteSelection() {
    Normalize();
    if (nSel == 0) return false;
    i32 start = SelStart();
    text.erase(size_t(start), size_t(SelEnd() - start));
    cPos = start;
    nSel = 0;
    return true;
}

void TextEditor::Backspace() {
    if (DeleteSelection() || cPos == 0) return;
    i32 start = PreviousCharStart(text, cPos);
    text.erase(size_t(start), size_t(cPos - start));
    cPos = start;
}

void TextEditor::DeleteForward() {
    if (DeleteSelection() || cPos >= i32(text.size())) return;
    text.erase(size_t(cPos), size_t(NextCharStart(text, cPos) - cPos));
}

// With Shift the selection's free end moves; without, a selection collapses to the side
// moved towards, or the caret moves one character.
void TextEditor::MoveLeft(bool extend) {
    Normalize();
    RestartBlink();
    if (extend) {
        nSel = PreviousCharStart(text, cPos + nSel) - cPos;
    } else if (nSel != 0) {
        cPos = SelStart();
        nSel = 0;
    } else {
        cPos = PreviousCharStart(text, cPos);
    }
}

void TextEditor::MoveRight(bool extend) {
    Normalize();
    RestartBlink();
    if (extend) {
        nSel = NextCharStart(text, cPos + nSel) - cPos;
    } else if (nSel != 0) {
        cPos = SelEnd();
        nSel = 0;
    } else {
        cPos = NextCharStart(text, cPos);
    }
}

void TextEditor::SelectAll() {
    cPos = 0;
    nSel = i32(text.size());
}

// The word between the nearest delimiters, with the caret at its end.
void TextEditor::SelectWordAtCaret() {
    Normalize();
    i32 start = cPos, end = cPos, size = i32(text.size());
    while (start > 0 && !IsWordDelimiter(text[size_t(start - 1)])) start--;
    while (end < size && !IsWordDelimiter(text[size_t(end)])) end++;
    cPos = end;
    nSel = start - end;
}

std::string TextEditor::Selection() const {
    TextEditor copy = *this;
    copy.Normalize();
    return copy.text.substr(size_t(copy.SelStart()), size_t(copy.SelEnd() - copy.SelStart()));
}

void TextEditor::RestartBlink() {
    blink = BLINK_SECONDS;
    caretVisible = true;
}

void TextEditor::UpdateBlink(f32 dt) {
    blink -= dt;
    if (blink > 0.0f) return;
    blink = BLINK_SECONDS;
    caretVisible = !caretVisible;
}
