// Fuzzes the key-binding file as the game reads it, then asks every action whether it is held
// and spells out its keys: stored counts past three keys and codes anywhere in 0..255 must
// neither read past a chord nor past the key tables, and the names must fit any buffer.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/input.h"
#include "fuzz/shell_stand_ins.h"
#include "game/shell/bindings.h"

namespace {

constexpr size_t FILE_BYTES = BINDING_COUNT * sizeof(KeyBinding);
constexpr size_t CAPACITIES[] = {1, 2, 5, 17, 40, 96};
constexpr size_t ROOMY = 512; // holds any three names, the joins and the line break
constexpr u8 MAX_KEYS = 3;

// Whether the chord is held, worked out from the stored bytes rather than the game's table.
bool ExpectedDown(const u8* record) {
    u8 count = record[3] < MAX_KEYS ? record[3] : MAX_KEYS;
    for (u8 i = 0; i < count; i++)
        if (!shell_fuzz::KeyHeld(record[i])) return false;
    return true;
}

std::string ExpectedNames(const u8* record, bool lineBreak) {
    u8 count = record[3] < MAX_KEYS ? record[3] : MAX_KEYS;
    std::string names;
    for (u8 i = 0; i < count; i++) names += (i ? " + " : "") + std::string(GetKeyName(record[i]));
    return lineBreak ? names + "\n" : names;
}

// Names appended after a prefix into buffers of several sizes, each an exact heap block.
void CheckNames(u32 action, const u8* record) {
    for (bool lineBreak : {false, true}) {
        std::string full = "> " + ExpectedNames(record, lineBreak);
        for (size_t capacity : CAPACITIES) {
            std::vector<char> buffer(capacity, 0);
            strncpy(buffer.data(), "> ", capacity - 1);
            BindingKeyNames(buffer.data(), capacity, action, lineBreak);
            size_t length = shell_fuzz::CheckedLength(buffer.data(), capacity);
            // The test names are well-formed, so a cut may fall only between characters.
            if (full.compare(0, length, buffer.data()) != 0 ||
                !shell_fuzz::IsValidUTF8(buffer.data(), length))
                abort();
        }
        std::vector<char> roomy(ROOMY, 0);
        strcpy(roomy.data(), "> ");
        BindingKeyNames(roomy.data(), ROOMY, action, lineBreak);
        if (full != roomy.data()) abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const u8* data, size_t size) {
    static bool named = (shell_fuzz::SetTestKeyNames(), true);
    (void)named;
    memset(keyBindings, 0, sizeof keyBindings);
    // An exact-size copy, so a read past the given bytes is caught.
    std::vector<u8> file(data, data + size);
    size_t records = ParseUserConfig(file.data(), file.size());
    if (records != (size < FILE_BYTES ? size / sizeof(KeyBinding) : BINDING_COUNT)) abort();
    // Only a whole table whose counts all fit is told undamaged.
    bool whole = size == FILE_BYTES;
    for (size_t n = 0; whole && n < BINDING_COUNT; n++) whole = data[n * 4 + 3] <= MAX_KEYS;
    if (whole != (UserConfigDamage() == nullptr)) abort();

    // Bytes after the table choose the held keys; none and all are tried as well.
    const u8 all[] = {0xFF};
    const u8* extra = size > FILE_BYTES ? data + FILE_BYTES : nullptr;
    size_t extraSize = size > FILE_BYTES ? size - FILE_BYTES : 0;
    const u8 stored[sizeof(KeyBinding)] = {};
    for (int pass = 0; pass < 3; pass++) {
        if (pass == 0) shell_fuzz::HoldKeys(nullptr, 0);
        if (pass == 1) shell_fuzz::HoldKeys(all, sizeof all);
        if (pass == 2) shell_fuzz::HoldKeys(extra, extraSize);
        for (u32 action = 0; action < BINDING_COUNT; action++) {
            const u8* record = action < records ? data + action * sizeof(KeyBinding) : stored;
            if (IsActionDown(action) != ExpectedDown(record)) abort();
            if (pass == 0) CheckNames(action, record);
        }
        if (IsActionDown(BINDING_COUNT) || IsActionDown(~0u)) abort();
    }
    char untouched[4] = "abc";
    BindingKeyNames(untouched, sizeof untouched, BINDING_COUNT, false);
    BindingKeyNames(nullptr, 0, 0, true);
    if (strcmp(untouched, "abc") != 0) abort();
    return 0;
}
