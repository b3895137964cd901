// Fuzzes the chat panel's text path: pieces of the input (split at zero bytes) are a localised
// format with its arguments and lines added to the message list, typed or as system lines.
// Formats must stay inside any buffer and cut only between characters; stored lines are
// prefixes of what was sent; every shown line is then measured and wrapped as the panel does.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/dsf_fuzz_support.h"
#include "fuzz/shell_stand_ins.h"
#include "game/shell/chat.h"
#include "game/shell/chat_format.h"

namespace {

constexpr size_t CAPACITIES[] = {1, 2, 3, 8, 31};
constexpr f32 COLUMN_WIDTH = 250.0f;     // the panel's text column
constexpr f32 AVATAR_INDENT = 1.6f * 16; // the column left beside an avatar
constexpr f32 TICK = 3.5f;               // seconds per update; a line leaves after ten
constexpr size_t MAX_LINE = CHAT_LINE_BYTES - 1;
constexpr size_t UTF8_MAX_EXTRA = 3;
const std::string SYSTEM_LINE = "<c green># <c yellow>"; // how a system line begins

using Piece = std::string;

std::vector<Piece> Split(const u8* data, size_t size) {
    std::vector<Piece> pieces(1);
    for (size_t i = 0; i < size; i++) {
        if (data[i] == 0)
            pieces.emplace_back();
        else
            pieces.back() += char(data[i]);
    }
    return pieces;
}

bool Valid(const std::string& s) {
    return shell_fuzz::IsValidUTF8(s.data(), s.size());
}

// The format's meaning: %s takes the next text (none: nothing), %% is one %, all else stays.
std::string Expand(const std::string& format, const char* const args[3]) {
    std::string out;
    int next = 0;
    for (size_t i = 0; i < format.size(); i++) {
        char after = i + 1 < format.size() ? format[i + 1] : 0;
        if (format[i] == '%' && (after == 's' || after == '%')) {
            if (after == '%')
                out += '%';
            else if (next < 3 && args[next])
                out += args[next];
            if (after == 's') next++;
            i++;
        } else {
            out += format[i];
        }
    }
    return out;
}

void CheckFormat(const std::vector<Piece>& pieces) {
    const char* args[3] = {};
    bool valid = Valid(pieces[0]);
    for (size_t i = 1; i < pieces.size() && i <= 3; i++) {
        args[i - 1] = pieces[i].c_str();
        valid = valid && Valid(pieces[i]);
    }
    std::string full = Expand(pieces[0], args);
    // Just room enough for the whole result, as an exact heap block.
    std::vector<char> exact(full.size() + 1, 'x');
    FormatLoc(exact.data(), exact.size(), pieces[0].c_str(), args[0], args[1], args[2]);
    if (full != exact.data()) abort();
    for (size_t capacity : CAPACITIES) {
        std::vector<char> out(capacity, 'x'); // an exact heap block: no byte past it is ours
        FormatLoc(out.data(), capacity, pieces[0].c_str(), args[0], args[1], args[2]);
        size_t length = shell_fuzz::CheckedLength(out.data(), capacity);
        // A cut result is the start of the whole one, short of it by less than a character.
        if (full.compare(0, length, out.data()) != 0) abort();
        if (full.size() > length && length + 1 + UTF8_MAX_EXTRA < capacity) abort();
        if (valid && !shell_fuzz::IsValidUTF8(out.data(), length)) abort();
    }
}

// Slots fill from the top, the sixth stays empty, and the newest line is a whole-character
// start of what was sent.
void CheckLines(const std::string& sent) {
    int shown = 0;
    while (shown < CHAT_SLOTS && chat.lines[shown].text[0]) shown++;
    for (int i = shown; i < CHAT_SLOTS; i++)
        if (chat.lines[i].text[0]) abort();
    if (shown == CHAT_SLOTS) abort();
    if (sent.empty()) return;
    if (shown == 0) abort();
    const char* line = chat.lines[shown - 1].text;
    size_t length = strlen(line);
    size_t expected = sent.size() < MAX_LINE ? sent.size() : MAX_LINE;
    if (sent.compare(0, length, line) != 0 || length + UTF8_MAX_EXTRA < expected) abort();
    if (Valid(sent) && !shell_fuzz::IsValidUTF8(line, length)) abort();
}

// The newest line measured and wrapped as the panel does, beside an avatar or not.
void MeasureNewest(bool avatar) {
    int newest = 0;
    while (newest + 1 < CHAT_SHOWN && chat.lines[newest + 1].text[0]) newest++;
    const char* line = chat.lines[newest].text;
    std::vector<char> text(line, line + strlen(line));
    f32 width = avatar ? COLUMN_WIDTH - AVATAR_INDENT : COLUMN_WIDTH;
    dsf_fuzz::RunLayout(text.data(), int(text.size()), &dsf_fuzz::LatinFont(), width);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const u8* data, size_t size) {
    chat = ChatState{};
    dsf_fuzz::markupOn = true;
    std::vector<Piece> pieces = Split(data, size);
    CheckFormat(pieces);
    for (size_t i = 0; i < pieces.size(); i++) {
        if (i % 2) {
            SystemMessage(pieces[i].c_str());
            CheckLines(SYSTEM_LINE + pieces[i]);
        } else {
            AddChatLine(pieces[i].c_str(), nullptr);
            CheckLines(pieces[i]);
        }
        MeasureNewest(i % 4 < 2);
        UpdateChat(TICK);
    }
    return 0;
}
