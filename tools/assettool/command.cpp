// Shared reporting of the asset tool's commands: one line per failure, usage errors apart.
#include "tools/assettool/command.h"

#include <cstdio>

int ToolFail(const std::string& file, const std::string& reason) {
    std::fprintf(stderr, "assettool: %s: %s\n", file.c_str(), reason.c_str());
    return EXIT_FAILED;
}

int ToolUsage(const char* usage) {
    std::fprintf(stderr, "assettool: usage: assettool %s\n", usage);
    return EXIT_USAGE;
}

bool WantsHelp(const Args& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}
