// Fuzzes the LOC reader and the LOC source parser. Whatever either accepts must survive the
// trip through the other form unchanged.
#include <cstdlib>

#include "tools/assettool/loc_format.h"

extern "C" int LLVMFuzzerTestOneInput(const u8* data, size_t size) {
    LocEntries entries;
    std::string error;
    if (ParseLocBinary(data, size, &entries, &error)) {
        std::string text = FormatLocText(entries);
        LocEntries back;
        if (!ParseLocText(reinterpret_cast<const u8*>(text.data()), text.size(), &back, &error) ||
            back != entries)
            std::abort();
    }
    if (ParseLocText(data, size, &entries, &error)) {
        std::vector<u8> binary;
        if (!WriteLocBinary(entries, &binary, &error)) return 0;
        LocEntries back;
        if (!ParseLocBinary(binary.data(), binary.size(), &back, &error) || back != entries)
            std::abort();
    }
    return 0;
}
