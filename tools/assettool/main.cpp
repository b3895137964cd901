// assettool: the command-line tool that builds the game's content and lets modders convert
// images, fonts, texts and key bindings. One table lists every subcommand.
#include <cstdio>
#include <cstring>

#include "tools/assettool/art.h"
#include "tools/assettool/command.h"
#include "tools/assettool/sound.h"

namespace {

// To add a generator: declare its function in your own header, include it above and add one
// line here. The usage text is printed by --help and on a usage error.
const Command COMMANDS[] = {
    {"decode", "decode IN OUT.png", "DSX, TGA or BMP picture to PNG (the engine's own decoders)",
     CmdDecode},
    {"encode", "encode IN.png OUT.dsx [--rgb|--rgba]", "PNG picture to lossless DSX", CmdEncode},
    {"info", "info FILE", "size and format of a picture; coding statistics of a DSX file", CmdInfo},
    {"font", "font TTF SIZE OUT.dsf [--draw-height N]",
     "TrueType font to a DSF bitmap font of SIZE pixel lines, drawn N units high", CmdFont},
    {"loc", "loc compile IN.txt OUT.loc [--entries N] [--max-bytes N] | loc dump IN.loc",
     "localised text source to LOC file and back", CmdLoc},
    {"bindings",
     "bindings compile IN.txt OUT.cdu [--keys keyboard.loc] | bindings dump IN.cdu "
     "[--keys keyboard.loc]",
     "key-binding source to the 512-byte binding table and back", CmdBindings},
    {"art", "art NAME OUT.dsx|OUT.png|OUT.tga | art list", "draw one of the game's pictures",
     CmdArt},
    {"sound", "sound NAME OUT.wav|OUT.ogg | sound list", "synthesise one of the game's sounds",
     CmdSound},
    {"music", "music N OUT.ogg", "compose music track N (1 or 2) as Ogg Vorbis", CmdMusic},
};

void PrintHelp() {
    std::printf("assettool: builds and converts the content of Corvane Drift 2\n\n"
                "usage: assettool COMMAND ARGS...   (assettool COMMAND --help for one command)"
                "\n\ncommands:\n");
    for (const Command& c : COMMANDS) std::printf("  %-10s %s\n", c.name, c.summary);
}

const Command* FindCommand(const char* name) {
    for (const Command& c : COMMANDS)
        if (std::strcmp(c.name, name) == 0) return &c;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintHelp();
        return EXIT_USAGE;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        PrintHelp();
        return EXIT_OK;
    }
    const Command* command = FindCommand(argv[1]);
    if (!command) {
        std::fprintf(stderr, "assettool: unknown command '%s' (assettool --help lists them)\n",
                     argv[1]);
        return EXIT_USAGE;
    }
    Args args(argv + 2, argv + argc);
    if (WantsHelp(args)) {
        std::printf("usage: assettool %s\n%s\n", command->usage, command->summary);
        return EXIT_OK;
    }
    return command->run(args);
}
