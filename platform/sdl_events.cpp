// SDL events into the engine's window messages.
#include "platform/platform.h"
#include "platform/sdl_internal.h"

namespace {
// One SDL event can become several messages (a text event carries several characters).
constexpr int QUEUE_SIZE = 64;
struct EventState {
    SysMessage queue[QUEUE_SIZE];
    int queueHead = 0, queueCount = 0;
    // Modifiers as they were at the last key press in event order. SDL's own modifier state is
    // already past the whole batch of pumped events, so a quick Alt+Shift+S would read as no
    // modifiers by the time its text event is translated.
    uint16_t keyMods = 0;
};
EventState events;

void Push(uint32_t type, uint32_t wparam, uint32_t lparam) {
    if (events.queueCount == QUEUE_SIZE) return;
    events.queue[(events.queueHead + events.queueCount++) % QUEUE_SIZE] =
        SysMessage{type, wparam, lparam};
}

// A key is a system key while Alt is held, and Alt and F10 are system keys themselves.
bool IsSystemKey(const SDL_Keysym& sym) {
    return (sym.mod & KMOD_ALT) || sym.scancode == SDL_SCANCODE_LALT ||
           sym.scancode == SDL_SCANCODE_RALT || sym.scancode == SDL_SCANCODE_F10;
}

void PushKey(const SDL_KeyboardEvent& e) {
    if (e.type == SDL_KEYDOWN) events.keyMods = e.keysym.mod;
    SDLP_Key key = SDLP_TranslateKey(e.keysym);
    if (key.virtualKey == 0) return;
    bool down = e.type == SDL_KEYDOWN;
    bool sys = IsSystemKey(e.keysym);
    uint32_t type =
        down ? (sys ? SYSMSG_SYSKEYDOWN : SYSMSG_KEYDOWN) : (sys ? SYSMSG_SYSKEYUP : SYSMSG_KEYUP);
    Push(type, key.virtualKey, SysMakeKeyFlags(key.scanCode, key.extended, e.repeat != 0));
}

// Letters typed with the left Alt or a Ctrl key held are shortcuts (the screenshot key, Alt+F4,
// select-all), not text; a desktop sends them as system keys only. AltGr (right Alt, or Ctrl with
// Alt on some layouts) still types its characters.
bool TypedWithSystemChord() {
    uint16_t mods = events.keyMods;
    if (mods & (KMOD_RALT | KMOD_MODE)) return false;
    return (mods & (KMOD_LALT | KMOD_CTRL)) != 0;
}

void PushText(const char* text) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        uint32_t cp = *p, extra = 0;
        if (cp >= 0xF0)
            cp &= 0x07, extra = 3;
        else if (cp >= 0xE0)
            cp &= 0x0F, extra = 2;
        else if (cp >= 0xC0)
            cp &= 0x1F, extra = 1;
        p++;
        for (; extra && (*p & 0xC0) == 0x80; extra--, p++) cp = cp << 6 | (*p & 0x3F);
        Push(SYSMSG_CHAR, cp, 0);
    }
}

void PushButton(const SDL_MouseButtonEvent& e) {
    bool down = e.type == SDL_MOUSEBUTTONDOWN;
    uint32_t type = 0;
    switch (e.button) {
    case SDL_BUTTON_LEFT: type = down ? SYSMSG_LBUTTONDOWN : SYSMSG_LBUTTONUP; break;
    case SDL_BUTTON_RIGHT: type = down ? SYSMSG_RBUTTONDOWN : SYSMSG_RBUTTONUP; break;
    case SDL_BUTTON_MIDDLE: type = down ? SYSMSG_MBUTTONDOWN : SYSMSG_MBUTTONUP; break;
    default: return;
    }
    Push(type, 0, SysMakePoint(e.x, e.y));
}

void PushWindowEvent(const SDL_WindowEvent& e) {
    // Events still queued for a window that was replaced (a new display mode) would minimise
    // or resize the new one.
    SDL_Window* current = SDLP_Window();
    if (!current || e.windowID != SDL_GetWindowID(current)) return;
    switch (e.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        Push(SYSMSG_SIZE, SYS_SIZE_RESTORED, SysMakePoint(e.data1, e.data2));
        break;
    case SDL_WINDOWEVENT_MINIMIZED: Push(SYSMSG_SIZE, SYS_SIZE_MINIMIZED, 0); break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED: {
        int w = 0, h = 0;
        GLimp_ClientSize(&w, &h);
        uint32_t kind =
            e.event == SDL_WINDOWEVENT_MAXIMIZED ? SYS_SIZE_MAXIMIZED : SYS_SIZE_RESTORED;
        Push(SYSMSG_SIZE, kind, SysMakePoint(w, h));
        break;
    }
    case SDL_WINDOWEVENT_FOCUS_LOST: Push(SYSMSG_KILLFOCUS, 0, 0); break;
    case SDL_WINDOWEVENT_CLOSE: Push(SYSMSG_CLOSE, 0, 0); break;
    default: break;
    }
}

void Translate(const SDL_Event& e) {
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: PushKey(e.key); break;
    case SDL_TEXTINPUT:
        if (!TypedWithSystemChord()) PushText(e.text.text);
        break;
    case SDL_MOUSEMOTION: Push(SYSMSG_MOUSEMOVE, 0, SysMakePoint(e.motion.x, e.motion.y)); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: PushButton(e.button); break;
    case SDL_MOUSEWHEEL:
        if (e.wheel.y != 0) {
            int steps = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            Push(SYSMSG_MOUSEWHEEL, uint32_t(steps * 120), 0);
        }
        break;
    case SDL_WINDOWEVENT: PushWindowEvent(e.window); break;
    case SDL_QUIT: Push(SYSMSG_QUIT, 0, 0); break;
    default: break;
    }
}
} // namespace

bool Sys_PollMessage(SysMessage* msg) {
    SDL_Event e;
    while (events.queueCount == 0 && SDL_WasInit(SDL_INIT_EVENTS) && SDL_PollEvent(&e))
        Translate(e);
    if (events.queueCount == 0) return false;
    *msg = events.queue[events.queueHead];
    events.queueHead = (events.queueHead + 1) % QUEUE_SIZE;
    events.queueCount--;
    return true;
}
