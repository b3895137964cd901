// Window messages into engine key codes and virtual-screen mouse positions; key state, key
// names, double clicks, quit keys and the screenshot hot key.
#pragma once

#include "engine/types.h"
#include "platform/platform.h"

enum EngineKey : u32 {
    KEY_MOUSE_LEFT = 230,
    KEY_MOUSE_RIGHT = 231,
    KEY_MOUSE_MIDDLE = 232,
    KEY_WHEEL_UP = 238,
    KEY_WHEEL_DOWN = 239,
    KEY_LSHIFT = 241,
    KEY_RSHIFT = 242,
    KEY_LCONTROL = 243,
    KEY_RCONTROL = 244,
    KEY_LALT = 245,
    KEY_RALT = 246,
    KEY_NUMPAD_ENTER = 247,
    KEY_CONTROL = 253,
    KEY_ALT = 254,
    KEY_SHIFT = 255,
};

// Windows virtual-key codes the engine and the game name.
enum VirtualKey : u32 {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_CLEAR = 12,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,
    VK_PAUSE = 19,
    VK_CAPITAL = 20,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_NUMPAD0 = 96,
    VK_DECIMAL = 110,
    VK_F1 = 112,
    VK_F4 = 115,
};

// Virtual screen: every GUI, HUD and mouse coordinate lives in 800 x 600 units.
constexpr i16 VIRTUAL_WIDTH = 800;
constexpr i16 VIRTUAL_HEIGHT = 600;

// Returns the default handling's result; the engine ignores it.
long WndProc(const SysMessage& msg);
void PumpMessages();

u32 TranslateKey(u32 virtualKey, u32 flags);
bool IsKeyDown(u32 code);
const char* GetKeyName(u16 code);
void SetKeyNames(const char* const* names); // 256 entries, null entries clear the name
void GetMousePos(f32* x, f32* y);
void SetMousePos(f32 x, f32 y);
// Writes the next free "Screenshot%.3i.bmp" when the hot key asked for one since the last call;
// the frame calls it after drawing and before the swap.
void TakeRequestedScreenshot();

// Back to all keys up, no names, no last click (tests and start-up).
void ResetInputState();
