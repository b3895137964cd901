// The scripted platform layer behind fake_platform.h.
#include "tests/support/fake_platform.h"

#include <cstring>
#include <deque>

namespace {
// Everything the fake platform knows; a default record is the state after Reset.
struct FakeState {
    uint32_t now = 0, slept = 0;
    int cursorX = 0, cursorY = 0;
    std::deque<SysMessage> messages;
    fake::WindowRecord window;
    int screenW = 1024, screenH = 768;
    int frameBorder = 0, frameCaption = 0;
    bool contextFails = false, hasContext = false, displayModeAccepted = true;
    std::vector<fake::MessageBoxRecord> boxes;
    std::string clipboard;
};
FakeState state;
} // namespace

namespace fake {
void Reset() {
    state = FakeState{};
}
void SetTime(uint32_t ms) {
    state.now = ms;
}
void AdvanceTime(uint32_t ms) {
    state.now += ms;
}
uint32_t SleptMilliseconds() {
    return state.slept;
}
void PushMessage(const SysMessage& msg) {
    state.messages.push_back(msg);
}
size_t PendingMessages() {
    return state.messages.size();
}
WindowRecord& Window() {
    return state.window;
}
void SetScreenSize(int width, int height) {
    state.screenW = width;
    state.screenH = height;
}
void SetFrameMetrics(int border, int caption) {
    state.frameBorder = border;
    state.frameCaption = caption;
}
void SetContextFails(bool fails) {
    state.contextFails = fails;
}
void SetDisplayModeAccepted(bool accepted) {
    state.displayModeAccepted = accepted;
}
std::string& Clipboard() {
    return state.clipboard;
}
const std::vector<MessageBoxRecord>& MessageBoxes() {
    return state.boxes;
}

SysMessage KeyDown(uint32_t vk, uint32_t scan, bool extended, bool repeat) {
    return SysMessage{SYSMSG_KEYDOWN, vk, SysMakeKeyFlags(scan, extended, repeat)};
}
SysMessage KeyUp(uint32_t vk, uint32_t scan, bool extended) {
    return SysMessage{SYSMSG_KEYUP, vk, SysMakeKeyFlags(scan, extended, false)};
}
SysMessage SysKeyDown(uint32_t vk, uint32_t scan, bool extended) {
    return SysMessage{SYSMSG_SYSKEYDOWN, vk, SysMakeKeyFlags(scan, extended, false)};
}
SysMessage Char(uint32_t cp) {
    return SysMessage{SYSMSG_CHAR, cp, 0};
}
SysMessage MouseMove(int x, int y) {
    state.cursorX = x;
    state.cursorY = y;
    return SysMessage{SYSMSG_MOUSEMOVE, 0, SysMakePoint(x, y)};
}
SysMessage Button(uint32_t type, int x, int y) {
    return SysMessage{type, 0, SysMakePoint(x, y)};
}
SysMessage Wheel(int delta) {
    return SysMessage{SYSMSG_MOUSEWHEEL, uint32_t(delta), 0};
}
SysMessage Size(uint32_t kind, int width, int height) {
    return SysMessage{SYSMSG_SIZE, kind, SysMakePoint(width, height)};
}
} // namespace fake

// ---- the platform interface ----
uint32_t Sys_Milliseconds() {
    return state.now;
}
void Sys_Sleep(uint32_t ms) {
    state.slept += ms;
    state.now += ms;
}
int Sys_MonitorCount() {
    return 1;
}
int Sys_MouseButtonCount() {
    return 3;
}

void GLimp_ScreenSize(int* width, int* height) {
    *width = state.screenW;
    *height = state.screenH;
}
void GLimp_FrameMetrics(int* border, int* caption) {
    *border = state.frameBorder;
    *caption = state.frameCaption;
}
bool GLimp_CreateWindow(const char* title, int x, int y, int width, int height,
                        SysWindowKind kind) {
    fake::WindowRecord& w = state.window;
    w.created = true;
    w.title = title ? title : "";
    w.x = x;
    w.y = y;
    w.width = width;
    w.height = height;
    w.kind = kind;
    return true;
}
void GLimp_DestroyWindow() {
    state.window.created = false;
}
bool GLimp_HasWindow() {
    return state.window.created;
}
void GLimp_SetTitle(const char* title) {
    state.window.title = title ? title : "";
}
void GLimp_ClientSize(int* width, int* height) {
    *width = state.window.width;
    *height = state.window.height;
}
void GLimp_MinimizeWindow() {
    state.window.minimizeRequests++;
}
bool GLimp_CreateContext() {
    if (state.contextFails) return false;
    state.hasContext = true;
    state.window.contextsCreated++;
    return true;
}
void GLimp_DestroyContext() {
    state.hasContext = false;
}
bool GLimp_HasContext() {
    return state.hasContext;
}
void GLimp_SwapBuffers() {
    state.window.swaps++;
}
bool GLimp_SetDisplayMode(int, int, int, int) {
    return state.displayModeAccepted;
}
void GLimp_RestoreDisplayMode() {}
bool GLimp_DisplayMode(int index, int* width, int* height, int* bits, int* refresh) {
    if (index != 0) return false;
    *width = state.screenW;
    *height = state.screenH;
    *bits = 24;
    *refresh = 60;
    return true;
}
bool Sys_PollMessage(SysMessage* msg) {
    if (state.messages.empty()) return false;
    *msg = state.messages.front();
    state.messages.pop_front();
    if (msg->type == SYSMSG_MOUSEMOVE) fake::MouseMove(msg->lparam & 0xFFFF, msg->lparam >> 16);
    return true;
}
void Sys_CursorPos(int* x, int* y) {
    *x = state.cursorX;
    *y = state.cursorY;
}
void Sys_ShowCursor(bool) {}
void Sys_MessageBox(const char* text, const char* caption, SysMessageBoxIcon) {
    state.boxes.push_back({text ? text : "", caption ? caption : ""});
}
void Sys_SetClipboardText(const char* text) {
    state.clipboard = text ? text : "";
}
char* Sys_GetClipboardText() {
    return state.clipboard.empty() ? nullptr : strdup(state.clipboard.c_str());
}
