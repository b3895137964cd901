// `assettool art`: the table of generated pictures and the command that saves one.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/assettool/art.h"
#include "tools/assettool/art_output.h"

namespace {

constexpr const char* ART_USAGE = "art NAME OUT.dsx|OUT.png|OUT.tga  (art list: the names)";

const ArtEntry ART_TABLE[] = {
    {"nav", "navigation console sheet, 512 x 512", ArtNavSheet},
    {"keyboard", "keyboard icon of the tooltips", ArtKeyboardIcon},
    {"question", "question-mark icon of the tooltips", ArtQuestionIcon},
    {"tactical", "tactical console sheet, 512 x 512", ArtTacticalSheet},
    {"power", "power display sheet, 512 x 512", ArtPowerSheet},
    {"score", "score display surface", ArtScoreDisplay},
    {"tessaly", "Tessaly class cruiser sprite", ArtTessaly},
    {"shrike", "Shrike class raider sprite", ArtShrike},
    {"meridian", "Meridian class carrier sprite", ArtMeridian},
    {"disruptor", "disruptor bolt", ArtDisruptor},
    {"torpedo", "pulse torpedo, 3 x 3 frames of 42 x 42", ArtTorpedo},
    {"lancer", "lancer beam cross-section", ArtLancer},
    {"spark", "lancer emitter spark", ArtSpark},
    {"menu_cursor", "menu pointer", ArtMenuCursor},
    {"game_cursor", "weapon crosshair (tinted by the game)", ArtGameCursor},
    {"avatar", "pilot portrait of the chat", ArtAvatar},
    {"flag_eng", "English flag, 69 x 42", ArtFlagEng},
    {"flag_cro", "Croatian flag, 69 x 42", ArtFlagCro},
    {"flag_cz", "Czech flag, 69 x 42", ArtFlagCz},
    {"flag_pl", "Polish flag, 69 x 42", ArtFlagPl},
    {"flag_de", "German flag, 69 x 42", ArtFlagDe},
    {"flag_it", "Italian flag, 69 x 42", ArtFlagIt},
    {"flag_spa", "Spanish flag, 69 x 42", ArtFlagSpa},
    {"flag_fin", "Finnish flag, 69 x 42", ArtFlagFin},
    {nullptr, nullptr, nullptr},
};

int ListArt() {
    for (const ArtEntry* e = ART_TABLE; e->name; ++e) std::printf("%-12s %s\n", e->name, e->what);
    return EXIT_OK;
}

} // namespace

const ArtEntry* ArtTable() {
    return ART_TABLE;
}

const ArtEntry* FindArt(const char* name) {
    for (const ArtEntry* e = ART_TABLE; e->name; ++e)
        if (std::strcmp(e->name, name) == 0) return e;
    return nullptr;
}

int CmdArt(const Args& args) {
    if (args.size() == 1 && args[0] == "list") return ListArt();
    if (args.size() != 2) return ToolUsage(ART_USAGE);
    const ArtEntry* entry = FindArt(args[0].c_str());
    if (!entry) return ToolFail(args[0], "no such picture (assettool art list names them)");
    std::string error;
    if (!SaveArtImage(args[1], entry->make(), &error)) return ToolFail(args[1], error);
    return EXIT_OK;
}
