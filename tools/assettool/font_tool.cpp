// "assettool font": renders a TrueType font with FreeType into a DSF bitmap font.
#include <cstdlib>

#include "tools/assettool/atomic_file.h"
#include "tools/assettool/command.h"
#include "tools/assettool/dsf_writer.h"
#include "tools/assettool/font_render.h"

namespace {

const char FONT_USAGE[] = "font TTF SIZE OUT.dsf [--draw-height N]";
constexpr long MIN_FONT_SIZE = 4;
constexpr long MAX_FONT_SIZE = 128;

// SIZE is the line height in texels; --draw-height N stores the scale N / SIZE, so the game
// draws the lines N units high (a larger SIZE then only sharpens the text on a larger display).
bool ParseSize(const std::string& text, u32* out) {
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < MIN_FONT_SIZE || v > MAX_FONT_SIZE) return false;
    *out = u32(v);
    return true;
}

} // namespace

int CmdFont(const Args& args) {
    if (args.size() != 3 && args.size() != 5) return ToolUsage(FONT_USAGE);
    if (args.size() == 5 && args[3] != "--draw-height") return ToolUsage(FONT_USAGE);
    const std::string& ttf = args[0];
    const std::string& out = args[2];
    u32 size = 0;
    if (!ParseSize(args[1], &size))
        return ToolFail(args[1], "size must be a whole number of pixels from 4 to 128");
    u32 drawHeight = size;
    if (args.size() == 5 && !ParseSize(args[4], &drawHeight))
        return ToolFail(args[4], "draw height must be a whole number of units from 4 to 128");
    std::vector<u8> fontData;
    std::string error;
    if (!ReadFileBytes(ttf, &fontData, &error)) return ToolFail(ttf, error);
    RenderedFont font;
    if (!RenderFont(fontData, size, FontCharacterSet(), &font, &error)) return ToolFail(ttf, error);
    font.scale = f32(drawHeight) / f32(size);
    std::vector<u8> dsf;
    if (!WriteDSF(font, &dsf, &error)) return ToolFail(out, error);
    if (!WriteFileAtomic(out, dsf, &error)) return ToolFail(out, error);
    return EXIT_OK;
}
