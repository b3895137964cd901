// SDL keys to the Windows virtual-key codes, PC scan codes and extended-key flags that the
// engine's window procedure expects.
#include "platform/sdl_internal.h"

namespace {
struct KeyRow {
    SDL_Scancode sdl;
    uint32_t vk;
    uint32_t scan;
    bool extended;
};

// Keys whose virtual-key code does not depend on the keyboard layout.
constexpr KeyRow KEY_TABLE[] = {
    {SDL_SCANCODE_BACKSPACE, 8, 0x0E, false},     {SDL_SCANCODE_TAB, 9, 0x0F, false},
    {SDL_SCANCODE_RETURN, 13, 0x1C, false},       {SDL_SCANCODE_KP_ENTER, 13, 0x1C, true},
    {SDL_SCANCODE_LSHIFT, 16, 0x2A, false},       {SDL_SCANCODE_RSHIFT, 16, 0x36, false},
    {SDL_SCANCODE_LCTRL, 17, 0x1D, false},        {SDL_SCANCODE_RCTRL, 17, 0x1D, true},
    {SDL_SCANCODE_LALT, 18, 0x38, false},         {SDL_SCANCODE_RALT, 18, 0x38, true},
    {SDL_SCANCODE_PAUSE, 19, 0x45, false},        {SDL_SCANCODE_CAPSLOCK, 20, 0x3A, false},
    {SDL_SCANCODE_ESCAPE, 27, 0x01, false},       {SDL_SCANCODE_SPACE, 32, 0x39, false},
    {SDL_SCANCODE_PAGEUP, 33, 0x49, true},        {SDL_SCANCODE_PAGEDOWN, 34, 0x51, true},
    {SDL_SCANCODE_END, 35, 0x4F, true},           {SDL_SCANCODE_HOME, 36, 0x47, true},
    {SDL_SCANCODE_LEFT, 37, 0x4B, true},          {SDL_SCANCODE_UP, 38, 0x48, true},
    {SDL_SCANCODE_RIGHT, 39, 0x4D, true},         {SDL_SCANCODE_DOWN, 40, 0x50, true},
    {SDL_SCANCODE_PRINTSCREEN, 44, 0x37, true},   {SDL_SCANCODE_INSERT, 45, 0x52, true},
    {SDL_SCANCODE_DELETE, 46, 0x53, true},        {SDL_SCANCODE_LGUI, 91, 0x5B, true},
    {SDL_SCANCODE_RGUI, 92, 0x5C, true},          {SDL_SCANCODE_APPLICATION, 93, 0x5D, true},
    {SDL_SCANCODE_KP_MULTIPLY, 106, 0x37, false}, {SDL_SCANCODE_KP_PLUS, 107, 0x4E, false},
    {SDL_SCANCODE_KP_MINUS, 109, 0x4A, false},    {SDL_SCANCODE_KP_DIVIDE, 111, 0x35, true},
    {SDL_SCANCODE_NUMLOCKCLEAR, 144, 0x45, true}, {SDL_SCANCODE_SCROLLLOCK, 145, 0x46, false},
};

// The keypad with Num Lock on gives the digit codes; with it off, the navigation codes that
// the separate cursor block also has, but without the extended flag.
struct KeypadRow {
    SDL_Scancode sdl;
    uint32_t numVk;
    uint32_t navVk;
    uint32_t scan;
};
constexpr KeypadRow KEYPAD_TABLE[] = {
    {SDL_SCANCODE_KP_0, 96, 45, 0x52},       {SDL_SCANCODE_KP_1, 97, 35, 0x4F},
    {SDL_SCANCODE_KP_2, 98, 40, 0x50},       {SDL_SCANCODE_KP_3, 99, 34, 0x51},
    {SDL_SCANCODE_KP_4, 100, 37, 0x4B},      {SDL_SCANCODE_KP_5, 101, 12, 0x4C},
    {SDL_SCANCODE_KP_6, 102, 39, 0x4D},      {SDL_SCANCODE_KP_7, 103, 36, 0x47},
    {SDL_SCANCODE_KP_8, 104, 38, 0x48},      {SDL_SCANCODE_KP_9, 105, 33, 0x49},
    {SDL_SCANCODE_KP_PERIOD, 110, 46, 0x53},
};

// Punctuation keys by their US-layout position, with the OEM virtual-key codes.
struct OemRow {
    SDL_Scancode sdl;
    uint32_t vk;
    uint32_t scan;
};
constexpr OemRow OEM_TABLE[] = {
    {SDL_SCANCODE_SEMICOLON, 186, 0x27},  {SDL_SCANCODE_EQUALS, 187, 0x0D},
    {SDL_SCANCODE_COMMA, 188, 0x33},      {SDL_SCANCODE_MINUS, 189, 0x0C},
    {SDL_SCANCODE_PERIOD, 190, 0x34},     {SDL_SCANCODE_SLASH, 191, 0x35},
    {SDL_SCANCODE_GRAVE, 192, 0x29},      {SDL_SCANCODE_LEFTBRACKET, 219, 0x1A},
    {SDL_SCANCODE_BACKSLASH, 220, 0x2B},  {SDL_SCANCODE_RIGHTBRACKET, 221, 0x1B},
    {SDL_SCANCODE_APOSTROPHE, 222, 0x28}, {SDL_SCANCODE_NONUSBACKSLASH, 226, 0x56},
};

// Set-1 scan codes of the letter and digit positions (US layout), indexed from A and from 1.
constexpr uint8_t LETTER_SCANS[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                      0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                      0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
constexpr uint8_t DIGIT_SCANS[10] = {0x02, 0x03, 0x04, 0x05, 0x06,
                                     0x07, 0x08, 0x09, 0x0A, 0x0B}; // 1..9, 0
constexpr uint8_t F_SCANS[12] = {0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40,
                                 0x41, 0x42, 0x43, 0x44, 0x57, 0x58};
} // namespace

SDLP_Key SDLP_TranslateKey(const SDL_Keysym& sym) {
    SDL_Scancode sc = sym.scancode;
    for (const auto& row : KEY_TABLE)
        if (row.sdl == sc) return {row.vk, row.scan, row.extended};
    for (const auto& row : KEYPAD_TABLE)
        if (row.sdl == sc) {
            bool numLock = SDL_GetModState() & KMOD_NUM;
            return {numLock ? row.numVk : row.navVk, row.scan, false};
        }
    for (const auto& row : OEM_TABLE)
        if (row.sdl == sc) return {row.vk, row.scan, false};
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12)
        return {uint32_t(112 + (sc - SDL_SCANCODE_F1)), F_SCANS[sc - SDL_SCANCODE_F1], false};
    if (sc >= SDL_SCANCODE_F13 && sc <= SDL_SCANCODE_F24)
        return {uint32_t(124 + (sc - SDL_SCANCODE_F13)), 0x64 + uint32_t(sc - SDL_SCANCODE_F13),
                false};

    // Letters and digits follow the layout, as their virtual keys do: the key that types 'q'
    // is Q whatever its position.
    uint32_t scan = 0;
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) scan = LETTER_SCANS[sc - SDL_SCANCODE_A];
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_0) scan = DIGIT_SCANS[sc - SDL_SCANCODE_1];
    SDL_Keycode kc = sym.sym;
    if (kc >= 'a' && kc <= 'z') return {uint32_t(kc - 'a' + 'A'), scan, false};
    if (kc >= '0' && kc <= '9') return {uint32_t(kc), scan, false};
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z)
        return {uint32_t('A' + (sc - SDL_SCANCODE_A)), scan, false};
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9)
        return {uint32_t('1' + (sc - SDL_SCANCODE_1)), scan, false};
    if (sc == SDL_SCANCODE_0) return {uint32_t('0'), scan, false};
    return {0, 0, false};
}
