// The window procedure: key and button messages become engine key codes with a key-state
// table, the mouse is measured in the 800 x 600 virtual screen, and every event goes to the
// registered modules (the GUI) first and then to the game's callback slots.
#include "engine/input.h"

#include <iterator>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/loop.h"
#include "engine/module.h"
#include "engine/screenshot.h"
#include "engine/strings.h"
#include "engine/window.h"

namespace {
constexpr int KEY_NAME_SIZE = 32; // at most 31 characters
constexpr u32 KEY_S = 83;
constexpr int MAX_SCREENSHOTS = 998;
constexpr f32 DOUBLE_CLICK_DISTANCE = 5.0f;
constexpr u32 NO_CLICK = 255;

// The keyboard table, key names, pointer position and double-click memory; a default record
// is the state before any message arrives.
struct InputState {
    u8 keyState[256] = {};
    char keyNames[256][KEY_NAME_SIZE] = {};
    f32 mouseX = 0, mouseY = 0;
    i32 previousX = 0, previousY = 0;
    u32 lastClickCode = NO_CLICK;
    u32 lastClickTime = 0;
    f32 lastClickX = 0, lastClickY = 0;
    bool screenshotRequested = false;
};
InputState input;

template <typename F> void Call(u32 slot, u32 arg) {
    if (auto cb = CallbackAs<F>(slot)) cb(arg);
}
} // namespace

void ResetInputState() {
    input = InputState{};
}

u32 TranslateKey(u32 vk, u32 flags) {
    bool extended = flags & SYS_KEYFLAG_EXTENDED;
    u32 scan = (flags >> SYS_KEYFLAG_SCAN_SHIFT) & 0xFF;
    switch (vk) {
    case VK_SHIFT: return scan == 0x2A ? KEY_LSHIFT : KEY_RSHIFT;
    case VK_CONTROL: return extended ? KEY_RCONTROL : KEY_LCONTROL;
    case VK_MENU: return extended ? KEY_RALT : KEY_LALT;
    case VK_RETURN: return extended ? u32(KEY_NUMPAD_ENTER) : u32(VK_RETURN);
    default: break;
    }
    if (!extended) {
        // Keypad keys with Num Lock off arrive as navigation keys without the extended flag;
        // they keep their keypad codes so the keypad means the same with and without Num Lock.
        switch (vk) {
        case VK_CLEAR: return 101;
        case VK_PRIOR: return 105;
        case VK_NEXT: return 99;
        case VK_END: return 97;
        case VK_HOME: return 103;
        case VK_LEFT: return 100;
        case VK_UP: return 104;
        case VK_RIGHT: return 102;
        case VK_DOWN: return 98;
        case VK_INSERT: return 96;
        case VK_DELETE: return 110;
        default: break;
        }
    }
    return vk < 256 ? vk : 0; // codes index a 256-entry table
}

bool IsKeyDown(u32 code) {
    switch (code) {
    case KEY_CONTROL: return input.keyState[KEY_LCONTROL] || input.keyState[KEY_RCONTROL];
    case KEY_ALT: return input.keyState[KEY_LALT] || input.keyState[KEY_RALT];
    case KEY_SHIFT: return input.keyState[KEY_LSHIFT] || input.keyState[KEY_RSHIFT];
    default: return code < 256 && input.keyState[code];
    }
}

const char* GetKeyName(u16 code) {
    if (code < 256 && input.keyNames[code][0]) return input.keyNames[code];
    return StrFormat("Key %i", code);
}

void SetKeyNames(const char* const* names) {
    for (int i = 0; i < 256; i++) {
        const char* n = names ? names[i] : nullptr;
        // Longer names are cut to the 31 characters the table holds.
        snprintf(input.keyNames[i], KEY_NAME_SIZE, "%s", n ? n : "");
    }
}

void GetMousePos(f32* x, f32* y) {
    if (x) *x = input.mouseX;
    if (y) *y = input.mouseY;
}

void SetMousePos(f32 x, f32 y) {
    input.mouseX = x;
    input.mouseY = y;
}

// Messages are pumped after the swap, when the back buffer holds nothing defined; the hot key
// only asks, and the next frame takes the shot of what it drew before it swaps.
void TakeRequestedScreenshot() {
    if (!input.screenshotRequested) return;
    input.screenshotRequested = false;
    const char* name = nullptr;
    for (int n = 1; n <= MAX_SCREENSHOTS; n++) {
        name = StrFormat("Screenshot%.3i.bmp", n);
        FILE* f = fopen(name, "rb");
        if (!f) break;
        fclose(f);
    }
    glScreenShot(name);
}

static bool IsDoubleClick(u32 code) {
    if (code != input.lastClickCode) return false;
    u32 elapsed = Sys_Milliseconds() - input.lastClickTime;
    if (f32(elapsed) >= EngineGetf(ENGINE_DOUBLE_CLICK_TIME) * 1000.0f) return false;
    return fabsf(input.mouseX - input.lastClickX) < DOUBLE_CLICK_DISTANCE &&
           fabsf(input.mouseY - input.lastClickY) < DOUBLE_CLICK_DISTANCE;
}

static void OnPress(u32 code) {
    // Alt+Shift+S belongs to the engine, like the quit keys: the S of the chord is no game key,
    // or every screenshot would also nudge whatever S is bound to.
    if (code == KEY_S && IsKeyDown(KEY_ALT) && IsKeyDown(KEY_SHIFT)) {
        input.screenshotRequested = true;
        return;
    }
    bool wasHeld = input.keyState[code];
    input.keyState[code] = 1;
    ModulesKeyDown(code);
    if (IsDoubleClick(code)) {
        ModulesDoubleClick(code);
        Call<void(u32)>(CB_DOUBLE_CLICK, code);
        input.lastClickCode = NO_CLICK; // a third click starts a new pair
        return;
    }
    if (!wasHeld) Call<void(u32)>(CB_KEY_HIT, code);
    if (!wasHeld || EngineIsEnabled(ENGINE_KEY_REPEAT)) Call<void(u32)>(CB_KEY_DOWN, code);
    if (code == KEY_MOUSE_LEFT || code == KEY_MOUSE_RIGHT || code == KEY_MOUSE_MIDDLE) {
        input.lastClickCode = code;
        input.lastClickTime = Sys_Milliseconds();
        input.lastClickX = input.mouseX;
        input.lastClickY = input.mouseY;
    }
}

static void OnRelease(u32 code) {
    input.keyState[code] = 0;
    ModulesKeyUp(code);
    Call<void(u32)>(CB_KEY_UP, code);
}

// A window that loses the keyboard focus never hears the releases of the keys still held
// (another window gets them), so they count as released now: a held turn or speed key must not
// go on acting after an Alt+Tab or a focus change.
static void ReleaseHeldKeys() {
    for (u32 code = 0; code < std::size(input.keyState); code++)
        if (input.keyState[code]) OnRelease(code);
}

static void OnWheel(i32 delta) {
    u32 code = delta > 0 ? KEY_WHEEL_UP : KEY_WHEEL_DOWN;
    input.keyState[code] = 1;
    ModulesKeyDown(code);
    Call<void(u32)>(CB_KEY_DOWN, code);
    Call<void(u32)>(CB_KEY_HIT, code);
    ModulesKeyUp(code);
    Call<void(u32)>(CB_KEY_UP, code);
    input.keyState[code] = 0;
}

static void OnMouseMove() {
    // A window shrunk to nothing has no pixels to measure the cursor in; the mouse stays where
    // it was rather than going to infinity.
    if (GetClientWidth() <= 0 || GetClientHeight() <= 0) return;
    f32 sx = f32(VIRTUAL_WIDTH) / f32(GetClientWidth());
    f32 sy = f32(VIRTUAL_HEIGHT) / f32(GetClientHeight());
    int x = 0, y = 0;
    Sys_CursorPos(&x, &y);
    input.mouseX = f32(x) * sx;
    input.mouseY = f32(y) * sy;
    ModulesMouseMove(f32(x - input.previousX) * sx, f32(y - input.previousY) * sy);
    if (auto cb = CallbackAs<void(f32, f32)>(CB_MOUSE_MOVE))
        cb(f32(400 - input.previousX) * sx, f32(300 - input.previousY) * sy);
    input.previousX = x;
    input.previousY = y;
}

static void Quit() {
    StopEngine();
    GLimp_DestroyWindow();
}

// Escape and Alt+F4, tested before the key is translated. True when the key ended the program.
static bool HandleQuitKeys(u32 vk) {
    if (vk == VK_ESCAPE && EngineIsEnabled(ENGINE_ESCAPE_QUITS)) {
        Quit();
        return true;
    }
    if (vk == VK_F4 && EngineIsEnabled(ENGINE_ALT_F4_QUITS) && IsKeyDown(KEY_ALT)) {
        Quit();
        return true;
    }
    return false;
}

static void OnSize(u32 kind, u32 size) {
    if (kind == SYS_SIZE_MINIMIZED) {
        HandleMinimize();
    } else if (IsMinimized()) {
        HandleRestore();
    } else {
        HandleResize(i16(size & 0xFFFF), i16(size >> 16));
    }
}

long WndProc(const SysMessage& msg) {
    switch (msg.type) {
    case SYSMSG_KEYDOWN:
    case SYSMSG_SYSKEYDOWN:
        if (!HandleQuitKeys(msg.wparam)) OnPress(TranslateKey(msg.wparam, msg.lparam));
        return 0;
    case SYSMSG_KEYUP:
    case SYSMSG_SYSKEYUP: OnRelease(TranslateKey(msg.wparam, msg.lparam)); return 0;
    case SYSMSG_LBUTTONDOWN: OnPress(KEY_MOUSE_LEFT); return 0;
    case SYSMSG_RBUTTONDOWN: OnPress(KEY_MOUSE_RIGHT); return 0;
    case SYSMSG_MBUTTONDOWN: OnPress(KEY_MOUSE_MIDDLE); return 0;
    case SYSMSG_LBUTTONUP: OnRelease(KEY_MOUSE_LEFT); return 0;
    case SYSMSG_RBUTTONUP: OnRelease(KEY_MOUSE_RIGHT); return 0;
    case SYSMSG_MBUTTONUP: OnRelease(KEY_MOUSE_MIDDLE); return 0;
    case SYSMSG_MOUSEWHEEL: OnWheel(i32(msg.wparam)); return 1;
    case SYSMSG_MOUSEMOVE: OnMouseMove(); return 1;
    case SYSMSG_CHAR:
        if (msg.wparam >= 32) {
            ModulesChar(msg.wparam);
            if (auto cb = CallbackAs<void(u32)>(CB_CHAR)) cb(msg.wparam);
        }
        return 1;
    case SYSMSG_SIZE: OnSize(msg.wparam, msg.lparam); return 1;
    case SYSMSG_KILLFOCUS:
        ReleaseHeldKeys();
        HandleFocusLoss();
        return 1;
    case SYSMSG_CLOSE:
        if (EngineIsEnabled(ENGINE_ALT_F4_QUITS)) Quit();
        return 0;
    case SYSMSG_QUIT: Quit(); return 0;
    default: return 1;
    }
}

void PumpMessages() {
    SysMessage msg;
    while (Sys_PollMessage(&msg)) WndProc(msg);
}
