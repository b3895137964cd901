// Fuzzes the key-binding table reader and the binding source parser: an accepted source must
// give the same table after a trip through the table and the canonical text.
#include <cstdlib>

#include "tools/assettool/bindings_format.h"

namespace {

struct SampleName {
    u8 code;
    const char* name;
};

// A few real names, a duplicate ("Up") and names with separator characters in them.
KeyNames SampleNames() {
    const SampleName sample[] = {{'W', "W"},         {38, "Up"},    {230, "Mouse Left"},
                                 {243, "Left Ctrl"}, {253, "Ctrl"}, {107, "Num +"},
                                 {221, "+"},         {187, "="},    {100, "Up"}};
    std::vector<std::string> names(KEY_CODES);
    for (const SampleName& s : sample) names[s.code] = s.name;
    return KeyNames(names);
}

// Table -> canonical text -> table must give the same bytes.
void CheckTextRoundTrip(const BindingTable& table, const KeyNames& names) {
    std::vector<u8> binary = WriteBindingsBinary(table);
    std::string text = FormatBindingsText(table, names);
    BindingTable again;
    std::string error;
    if (!ParseBindingsText(reinterpret_cast<const u8*>(text.data()), text.size(), names, &again,
                           &error) ||
        WriteBindingsBinary(again) != binary)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const u8* data, size_t size) {
    static const KeyNames names = SampleNames();
    BindingTable table;
    std::string error;
    if (ParseBindingsBinary(data, size, &table, &error)) CheckTextRoundTrip(table, names);
    if (ParseBindingsText(data, size, names, &table, &error)) CheckTextRoundTrip(table, names);
    return 0;
}
