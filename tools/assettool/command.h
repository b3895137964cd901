// The asset tool's subcommands: each takes the arguments after its name and returns the
// process exit status. Failures print one line naming the file and the reason.
#pragma once

#include <string>
#include <vector>

using Args = std::vector<std::string>;
using CommandFn = int (*)(const Args& args);

struct Command {
    const char* name;
    const char* usage;   // "decode IN OUT.png"
    const char* summary; // one line for --help
    CommandFn run;
};

constexpr int EXIT_OK = 0;
constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

// Prints "assettool: FILE: REASON" and returns EXIT_FAILED.
int ToolFail(const std::string& file, const std::string& reason);
// Prints "assettool: usage: assettool USAGE" and returns EXIT_USAGE.
int ToolUsage(const char* usage);
// True when the arguments ask for help ("--help" or "-h" anywhere).
bool WantsHelp(const Args& args);

// The core commands (image, font, text and binding tools).
int CmdDecode(const Args& args);
int CmdEncode(const Args& args);
int CmdInfo(const Args& args);
int CmdFont(const Args& args);
int CmdLoc(const Args& args);
int CmdBindings(const Args& args);
