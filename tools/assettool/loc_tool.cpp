// "assettool loc": compiles a readable text source into a LOC file and dumps a LOC file back.
#include <cstdio>
#include <cstdlib>

#include "tools/assettool/atomic_file.h"
#include "tools/assettool/command.h"
#include "tools/assettool/loc_format.h"

namespace {

const char LOC_USAGE[] =
    "loc compile IN.txt OUT.loc [--entries N] [--max-bytes N] | loc dump IN.loc";

// Optional checks the build asks for: at least N entries, at most N bytes per entry.
struct LocLimits {
    size_t minEntries = 0;
    size_t maxBytes = LOC_MAX_BYTES;
};

bool ParseCount(const std::string& text, size_t* out) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    *out = size_t(std::strtoul(text.c_str(), nullptr, 10));
    return true;
}

bool ParseLimits(const Args& args, size_t first, LocLimits* limits) {
    for (size_t i = first; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) return false;
        size_t* target = args[i] == "--entries"     ? &limits->minEntries
                         : args[i] == "--max-bytes" ? &limits->maxBytes
                                                    : nullptr;
        if (!target || !ParseCount(args[i + 1], target)) return false;
    }
    return true;
}

bool CheckLimits(const LocEntries& entries, const LocLimits& limits, std::string* error) {
    if (entries.size() < limits.minEntries) {
        *error = "has " + std::to_string(entries.size()) + " entries, needs at least " +
                 std::to_string(limits.minEntries);
        return false;
    }
    for (size_t n = 0; n < entries.size(); ++n) {
        if (entries[n].size() > limits.maxBytes) {
            *error = "entry " + std::to_string(n) + " is " + std::to_string(entries[n].size()) +
                     " bytes, at most " + std::to_string(limits.maxBytes) + " allowed";
            return false;
        }
    }
    return true;
}

int Compile(const Args& args) {
    LocLimits limits;
    if (args.size() < 3 || !ParseLimits(args, 3, &limits)) return ToolUsage(LOC_USAGE);
    const std::string& in = args[1];
    const std::string& out = args[2];
    std::vector<u8> source;
    std::string error;
    if (!ReadFileBytes(in, &source, &error)) return ToolFail(in, error);
    LocEntries entries;
    if (!ParseLocText(source.data(), source.size(), &entries, &error) ||
        !CheckLimits(entries, limits, &error))
        return ToolFail(in, error);
    std::vector<u8> binary;
    if (!WriteLocBinary(entries, &binary, &error)) return ToolFail(in, error);
    if (!WriteFileAtomic(out, binary, &error)) return ToolFail(out, error);
    return EXIT_OK;
}

int Dump(const Args& args) {
    if (args.size() != 2) return ToolUsage(LOC_USAGE);
    const std::string& in = args[1];
    std::vector<u8> binary;
    std::string error;
    if (!ReadFileBytes(in, &binary, &error)) return ToolFail(in, error);
    LocEntries entries;
    if (!ParseLocBinary(binary.data(), binary.size(), &entries, &error)) return ToolFail(in, error);
    std::string text = FormatLocText(entries);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return EXIT_OK;
}

} // namespace

int CmdLoc(const Args& args) {
    if (args.empty()) return ToolUsage(LOC_USAGE);
    if (args[0] == "compile") return Compile(args);
    if (args[0] == "dump") return Dump(args);
    return ToolUsage(LOC_USAGE);
}
