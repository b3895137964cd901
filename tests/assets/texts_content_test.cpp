// The built texts, fonts and key bindings against what the game reads and draws.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "engine/input.h"
#include "engine/loop.h"
#include "graphics/font.h"
#include "graphics/markup.h"
#include "tools/assettool/atomic_file.h"
#include "tools/assettool/bindings_format.h"
#include "tools/assettool/loc_format.h"

namespace {

const std::string DIST = ASSET_DIST_DIR;
const char* const LANGUAGES[] = {"eng", "cro", "cz", "pl", "de", "it", "spa", "fin"};
const char* const LOC_FILES[] = {"menu", "game", "keyboard"};
const int FONT_SIZES[] = {12, 15, 17, 19, 24, 30, 34, 38, 48};
// The game draws with the small font's scale; small fonts come out this many units high.
constexpr f32 SMALL_DRAW_HEIGHT = 12;
constexpr int LARGEST_SMALL_FONT = 24;

constexpr size_t MENU_ENTRIES = 19;
constexpr size_t GAME_ENTRIES = 53;
constexpr size_t KEY_NAMES = 256;
constexpr size_t KEY_NAME_MAX_BYTES = 31;
constexpr size_t QUICK_HELP_ENTRY = 47;
constexpr size_t QUICK_HELP_ROWS = 23;

// game.loc entries used as printf formats, with their conversions in order.
const std::map<size_t, std::string> GAME_FORMATS = {{31, "s"}, {32, "sss"}, {48, "s"}, {51, "f"}};

std::vector<u8> ReadBytes(const std::string& path) {
    std::vector<u8> data;
    std::string error;
    EXPECT_TRUE(ReadFileBytes(path, &data, &error)) << path << ": " << error;
    return data;
}

LocEntries LoadLoc(const std::string& lang, const std::string& file) {
    std::vector<u8> data = ReadBytes(DIST + "/Texts/" + lang + "/" + file + ".loc");
    std::string error;
    LocEntries entries;
    EXPECT_TRUE(ParseLocBinary(data.data(), data.size(), &entries, &error)) << file << error;
    return entries;
}

// Conversion letters of a printf format ("%%" is none); "!" marks a conversion cut short.
std::string Conversions(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') continue;
        size_t j = i + 1;
        while (j < text.size() && std::strchr("-+ #0123456789.", text[j])) ++j;
        if (j >= text.size()) return out + "!";
        if (text[j] != '%') out += text[j];
        i = j;
    }
    return out;
}

// The code points a text draws, line breaks included: markup tags take no glyph.
std::vector<i32> DrawnCodePoints(const std::string& text) {
    std::vector<i32> out;
    for (const char* p = text.c_str(); *p;) {
        int step = *p == '<' ? MarkupTagLength(p) : 0;
        if (step <= 0) out.push_back(DecodeUTF8(p, &step));
        p += step;
    }
    return out;
}

// A built font as the game loads it (no GL context: it measures, it does not draw).
using FontPtr = std::unique_ptr<Font, decltype(&FreeFont)>;
FontPtr LoadDistFont(int size) {
    const std::string path = DIST + "/Data/Fonts/arial_" + std::to_string(size) + ".dsf";
    FontPtr font(LoadFont(path.c_str()), FreeFont);
    EXPECT_NE(font, nullptr) << path;
    return font;
}

// Width of the widest line in texels: the pre-game menu (800 x 600) draws fonts at their size.
int TexelWidth(const Font& font, const std::string& text) {
    return int(std::lround(TextWidthFont(text.c_str(), &font) / font.scale));
}

BindingTable LoadDefaultBindings() {
    std::vector<u8> data = ReadBytes(DIST + "/Users/default.cdu");
    std::string error;
    BindingTable table;
    EXPECT_EQ(data.size(), BINDING_FILE_BYTES);
    EXPECT_TRUE(ParseBindingsBinary(data.data(), data.size(), &table, &error)) << error;
    return table;
}

class TextsContent : public testing::Test {
  protected:
    void SetUp() override { EngineEnable(ENGINE_TEXT_MARKUP); }
};

} // namespace

TEST_F(TextsContent, EveryLanguageHoldsEveryEntryTheGameReadsWithItsFormats) {
    for (const char* lang : LANGUAGES) {
        SCOPED_TRACE(lang);
        LocEntries menu = LoadLoc(lang, "menu"), game = LoadLoc(lang, "game");
        LocEntries keys = LoadLoc(lang, "keyboard");
        EXPECT_EQ(menu.size(), MENU_ENTRIES);
        ASSERT_GE(game.size(), GAME_ENTRIES);
        ASSERT_GE(keys.size(), KEY_NAMES);
        for (size_t n = 0; n < menu.size(); ++n) {
            EXPECT_FALSE(menu[n].empty()) << "menu " << n;
            EXPECT_EQ(Conversions(menu[n]), "") << menu[n];
        }
        for (size_t n = 0; n < game.size(); ++n) {
            EXPECT_TRUE(n >= GAME_ENTRIES || !game[n].empty()) << "game " << n;
            auto format = GAME_FORMATS.find(n);
            EXPECT_EQ(Conversions(game[n]), format == GAME_FORMATS.end() ? "" : format->second)
                << "game " << n << ": " << game[n];
        }
        for (size_t k = 0; k < KEY_NAMES; ++k) {
            EXPECT_FALSE(keys[k].empty()) << "key " << k;
            EXPECT_LE(keys[k].size(), KEY_NAME_MAX_BYTES) << "key " << k;
        }
        size_t rows =
            std::count(game[QUICK_HELP_ENTRY].begin(), game[QUICK_HELP_ENTRY].end(), '\n') + 1;
        EXPECT_EQ(rows, QUICK_HELP_ROWS) << "quick-help descriptions, one per key row";
    }
}

TEST_F(TextsContent, EveryDrawnCharacterHasAGlyphInEveryFont) {
    std::set<i32> used;
    for (const char* lang : LANGUAGES)
        for (const char* file : LOC_FILES)
            for (const std::string& text : LoadLoc(lang, file))
                for (i32 cp : DrawnCodePoints(text)) {
                    EXPECT_GE(cp, 0) << "not UTF-8: " << text;
                    if (cp > 0 && cp != '\n') used.insert(cp);
                }
    ASSERT_GT(used.size(), 100u);
    for (int size : FONT_SIZES) {
        SCOPED_TRACE(size);
        FontPtr font = LoadDistFont(size);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(std::pair(int(font->lineHeight), int(font->asciiDirect)), std::pair(size, 1));
        f32 drawHeight = size <= LARGEST_SMALL_FONT ? SMALL_DRAW_HEIGHT : 2 * SMALL_DRAW_HEIGHT;
        EXPECT_FLOAT_EQ(font->scale * size, drawHeight);
        for (i32 cp : used) EXPECT_GE(FindGlyph(cp, font.get()), 0) << "U+" << std::hex << cp;
    }
}

// Menu control widths: labels 200, radio buttons 200 less the button, the colour-depth buttons
// to the frame's edge, the notice 500, the bottom line 740. The quick help lists a description
// (from x 205) and the keys (right-aligned at 595) per row.
TEST_F(TextsContent, MenuTextsAndQuickHelpRowsFitTheirPlaces) {
    const std::map<size_t, int> limits = {{0, 200}, {1, 180},  {2, 180}, {4, 175},
                                          {5, 175}, {6, 200},  {7, 200}, {8, 200},
                                          {9, 200}, {12, 500}, {13, 740}};
    constexpr int START_BUTTON_WIDTH = 740, ROW_WIDTH = 390;
    const std::vector<std::vector<u8>> rowKeys = {
        {0},  {1},  {64}, {65}, {66}, {67}, {7},      {8},      {9},      {4},
        {28}, {12}, {11}, {14}, {13}, {10}, {20, 15}, {21, 16}, {22, 17}, {23, 18}};
    const u8 chatKeys[] = {'T', 'E', 'R'};
    FontPtr small = LoadDistFont(12), menuFont = LoadDistFont(17), largeFont = LoadDistFont(24);
    ASSERT_TRUE(small && menuFont && largeFont);
    BindingTable bindings = LoadDefaultBindings();
    for (const char* lang : LANGUAGES) {
        SCOPED_TRACE(lang);
        LocEntries menu = LoadLoc(lang, "menu"), game = LoadLoc(lang, "game");
        LocEntries keys = LoadLoc(lang, "keyboard");
        ASSERT_GE(menu.size(), MENU_ENTRIES);
        ASSERT_GT(game.size(), QUICK_HELP_ENTRY);
        for (const auto& [entry, width] : limits)
            EXPECT_LE(TexelWidth(*menuFont, menu[entry]), width) << menu[entry];
        EXPECT_LE(TexelWidth(*largeFont, menu[3] + " (Alpha 3.3)"), START_BUTTON_WIDTH);
        std::vector<std::string> column;
        for (const std::vector<u8>& actions : rowKeys) {
            std::string text;
            for (u8 action : actions) {
                if (!text.empty()) text += " & ";
                for (u8 k = 0; k < bindings[action].count; ++k)
                    text += (k ? " + " : "") + keys[bindings[action].keys[k]];
            }
            column.push_back(text);
        }
        for (u8 key : chatKeys) column.push_back(keys[key]);
        std::istringstream descriptions(game[QUICK_HELP_ENTRY]);
        for (const std::string& keyText : column) {
            std::string row;
            std::getline(descriptions, row);
            EXPECT_LE(TexelWidth(*small, row) + TexelWidth(*small, keyText), ROW_WIDTH)
                << row << " / " << keyText;
        }
    }
}

TEST_F(TextsContent, DefaultBindingsCoverTheGameActionsWithoutClashes) {
    BindingTable table = LoadDefaultBindings();
    std::set<std::vector<u8>> chords;
    for (size_t action = 0; action < BINDING_ACTIONS; ++action) {
        const Binding& b = table[action];
        if (!IsGameAction(action)) {
            EXPECT_EQ(b.count, 0) << ActionName(action);
            continue;
        }
        ASSERT_GE(b.count, 1) << ActionName(action) << " is unbound, so always held";
        std::vector<u8> chord(b.keys, b.keys + b.count);
        std::sort(chord.begin(), chord.end());
        EXPECT_TRUE(chords.insert(chord).second) << ActionName(action) << " shares its keys";
        for (u8 key : chord) {
            EXPECT_NE(key, 0);
            // The mouse buttons already fire the weapons and work the consoles.
            EXPECT_TRUE(key < KEY_MOUSE_LEFT || key > KEY_MOUSE_MIDDLE) << ActionName(action);
        }
    }
    // The help texts name T, R and E for the three chats.
    for (auto [action, key] : {std::pair{70, 'T'}, {71, 'R'}, {72, 'E'}})
        EXPECT_EQ(table[action].keys[0], key) << action;
    // The English key names are unambiguous, so the binding source reads back.
    LocEntries keys = LoadLoc("eng", "keyboard");
    KeyNames names(keys);
    for (size_t code = 0; code < KEY_NAMES; ++code)
        EXPECT_EQ(names.Find(keys[code]), int(code)) << keys[code];
}
