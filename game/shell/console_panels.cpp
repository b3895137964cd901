// The score display (a fixed mock-up: there is no match behind it) and the quick-help overlay
// listing the keys of the main actions.
#include <cstring>

#include "engine/input.h"
#include "engine/utils.h"
#include "graphics/color.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_hud.h"
#include "graphics/font.h"
#include "game/shell/bindings.h"
#include "game/shell/chat.h"
#include "game/shell/chat_format.h"
#include "game/shell/console_art.h"
#include "game/shell/consoles.h"
#include "game/shell/loc.h"
#include "game/shell/resources.h"
#include "game/sim/callbacks.h"

namespace {
constexpr u32 WHITE = MakeRGB(255, 255, 255);
constexpr u32 FIGURE_GREY = MakeRGB(200, 200, 200);
constexpr u32 OPPONENT = MakeRGB(255, 128, 0);
constexpr u32 KEY_YELLOW = MakeRGB(246, 235, 20);
constexpr const char* OPPONENT_PILOT = "Corsair Vey";
constexpr f32 FIGURE_Y = 6, NAME_Y = 22;

constexpr f32 HELP_BOX_X = 195, HELP_BOX_Y = 65, HELP_BOX_W = 410, HELP_BOX_H = 350;
constexpr f32 STRIPE_X = 200, STRIPE_Y = 100, STRIPE_W = 400;
constexpr int STRIPE_ROWS = 24;
constexpr f32 TITLE_X = 400, TITLE_Y = 70, ROWS_X = 205, KEYS_X = 595, ROWS_Y = 100;
constexpr f32 CLOSE_X = 400, CLOSE_Y = 400;
constexpr u32 TEXT_HELP_TITLE = 46, TEXT_HELP_ROWS = 47, TEXT_HELP_CLOSE = 48;
constexpr size_t KEY_COLUMN_BYTES = 2048;
constexpr u32 SINGLE_KEY_ROWS[] = {0, 1, 64, 65, 66, 67, 7, 8, 9, 4, 28, 12, 11, 14, 13, 10};
constexpr u32 PAIRED_KEY_ROWS[][2] = {{20, 15}, {21, 16}, {22, 17}, {23, 18}};
constexpr u32 CHAT_KEY_CODES[] = {84, 69, 82}; // T, E and R, named as keys, not bindings

void AppendText(char* out, size_t capacity, const char* text) {
    size_t used = strnlen(out, capacity);
    if (!text || used + 1 >= capacity) return;
    size_t n = strnlen(text, capacity - 1 - used);
    memcpy(out + used, text, n);
    out[used + n] = 0;
}

void BuildKeyColumn(char* out, size_t capacity) {
    out[0] = 0;
    for (u32 binding : SINGLE_KEY_ROWS) BindingKeyNames(out, capacity, binding, true);
    for (const auto& pair : PAIRED_KEY_ROWS) {
        BindingKeyNames(out, capacity, pair[0], false);
        AppendText(out, capacity, " <c white>&</c> ");
        BindingKeyNames(out, capacity, pair[1], true);
    }
    for (u32 code : CHAT_KEY_CODES) {
        AppendText(out, capacity, GetKeyName(u16(code)));
        AppendText(out, capacity, "\n");
    }
}

void DrawIn(u32 colour, f32 x, f32 y, const char* text, i32 alignment) {
    SetColor(colour);
    DrawText(x, y, text, alignment);
}
} // namespace

void DrawScoreDisplay() {
    PushColor();
    SetColor(WHITE);
    glDrawSurface(SCORE_POS.x, SCORE_POS.y, SCORE_DRAW_SIZE.x, SCORE_DRAW_SIZE.y, hud.scoreSurface,
                  nullptr, FLIP_NONE);
    Font* previous = SetFont(res.largeFont);
    DrawIn(WHITE, 400, FIGURE_Y, "250", ALIGN_CENTER);
    DrawIn(FIGURE_GREY, 375, FIGURE_Y, "132", ALIGN_RIGHT);
    DrawIn(FIGURE_GREY, 425, FIGURE_Y, "150", ALIGN_LEFT);
    DrawIn(res.hudColor, 288, FIGURE_Y, "4", ALIGN_LEFT);
    f32 placeEnd = 288 + TextWidth("4");
    DrawIn(OPPONENT, 512, FIGURE_Y, "3", ALIGN_RIGHT);
    SetFont(res.smallFont);
    DrawIn(res.hudColor, placeEnd, FIGURE_Y, "th", ALIGN_LEFT);
    DrawIn(res.hudColor, 377, NAME_Y, LOCAL_PILOT, ALIGN_RIGHT);
    DrawIn(OPPONENT, 512, FIGURE_Y, "rd", ALIGN_LEFT);
    DrawIn(OPPONENT, 423, NAME_Y, OPPONENT_PILOT, ALIGN_LEFT);
    SetFont(previous);
    PopColor();
}

void DrawQuickHelp() {
    if (!frame.showQuickHelp) return;
    PushColor();
    Font* previous = SetFont(res.smallFont);
    const Font* font = GetFont();
    f32 line = font ? font->lineHeight * font->scale : 0.0f;
    SetColorF(0.3f, 0.3f, 0.34f, 0.5f);
    glFillRect(HELP_BOX_X, HELP_BOX_Y, HELP_BOX_W, HELP_BOX_H);
    SetColorF(0.3f, 0.3f, 0.34f, 0.25f);
    for (int r = 0; r < STRIPE_ROWS; r += 2)
        glFillRect(STRIPE_X, STRIPE_Y + f32(r) * line, STRIPE_W, line);

    static char keys[KEY_COLUMN_BYTES];
    BuildKeyColumn(keys, sizeof keys);
    char closing[512];
    FormatLoc(closing, sizeof closing, GameText(TEXT_HELP_CLOSE), GetKeyName(VK_F1));
    DrawIn(WHITE, TITLE_X, TITLE_Y, GameText(TEXT_HELP_TITLE), ALIGN_CENTER);
    DrawIn(WHITE, ROWS_X, ROWS_Y, GameText(TEXT_HELP_ROWS), ALIGN_LEFT);
    DrawIn(KEY_YELLOW, KEYS_X, ROWS_Y, keys, ALIGN_RIGHT);
    DrawIn(WHITE, CLOSE_X, CLOSE_Y, closing, ALIGN_CENTER);
    SetFont(previous);
    PopColor();
}
