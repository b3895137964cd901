// The scripted platform layer behind fake_platform.h.
#include "tests/support/fake_platform.h"

#include <cstring>
#include <deque>

namespace {
uint32_t now = 0;
uint32_t slept = 0;
int cursorX = 0, cursorY = 0;
std::deque<SysMessage> messages;
fake::WindowRecord window;
int screenW = 1024, screenH = 768;
int frameBorder = 0, frameCaption = 0;
bool contextFails = false;
bool hasContext = false;
bool displayModeAccepted = true;
std::vector<fake::MessageBoxRecord> boxes;
std::string clipboard;

SysMessage Make(uint32_t type, uint32_t w, uint32_t l) {
    return SysMessage{type, w, l};
}
} // namespace

namespace fake {
void Reset() {
    now = 0;
    slept = 0;
    cursorX = cursorY = 0;
    messages.clear();
    window = WindowRecord{};
    screenW = 1024;
    screenH = 768;
    frameBorder = frameCaption = 0;
    contextFails = false;
    hasContext = false;
    displayModeAccepted = true;
    boxes.clear();
    clipboard.clear();
}
void SetTime(uint32_t ms) {
    now = ms;
}
void AdvanceTime(uint32_t ms) {
    now += ms;
}
uint32_t SleptMilliseconds() {
    return slept;
}
void SetCursor(int x, int y) {
    cursorX = x;
    cursorY = y;
}
void PushMessage(const SysMessage& msg) {
    messages.push_back(msg);
}
size_t PendingMessages() {
    return messages.size();
}
WindowRecord& Window() {
    return window;
}
void SetScreenSize(int width, int height) {
    screenW = width;
    screenH = height;
}
void SetFrameMetrics(int border, int caption) {
    frameBorder = border;
    frameCaption = caption;
}
void SetContextFails(bool fails) {
    contextFails = fails;
}
void SetDisplayModeAccepted(bool accepted) {
    displayModeAccepted = accepted;
}
std::string& Clipboard() {
    return clipboard;
}
const std::vector<MessageBoxRecord>& MessageBoxes() {
    return boxes;
}

SysMessage KeyDown(uint32_t vk, uint32_t scan, bool extended, bool repeat) {
    return Make(SYSMSG_KEYDOWN, vk, SysMakeKeyFlags(scan, extended, repeat));
}
SysMessage KeyUp(uint32_t vk, uint32_t scan, bool extended) {
    return Make(SYSMSG_KEYUP, vk, SysMakeKeyFlags(scan, extended, false));
}
SysMessage SysKeyDown(uint32_t vk, uint32_t scan, bool extended) {
    return Make(SYSMSG_SYSKEYDOWN, vk, SysMakeKeyFlags(scan, extended, false));
}
SysMessage SysKeyUp(uint32_t vk, uint32_t scan, bool extended) {
    return Make(SYSMSG_SYSKEYUP, vk, SysMakeKeyFlags(scan, extended, false));
}
SysMessage Char(uint32_t cp) {
    return Make(SYSMSG_CHAR, cp, 0);
}
SysMessage MouseMove(int x, int y) {
    SetCursor(x, y);
    return Make(SYSMSG_MOUSEMOVE, 0, SysMakePoint(x, y));
}
SysMessage Button(uint32_t type, int x, int y) {
    return Make(type, 0, SysMakePoint(x, y));
}
SysMessage Wheel(int delta) {
    return Make(SYSMSG_MOUSEWHEEL, uint32_t(delta), 0);
}
SysMessage Size(uint32_t kind, int width, int height) {
    return Make(SYSMSG_SIZE, kind, SysMakePoint(width, height));
}
} // namespace fake

// ---- the platform interface ----
uint32_t Sys_Milliseconds() {
    return now;
}
void Sys_Sleep(uint32_t ms) {
    slept += ms;
    now += ms;
}
int Sys_MonitorCount() {
    return 1;
}
int Sys_MouseButtonCount() {
    return 3;
}

void GLimp_ScreenSize(int* width, int* height) {
    *width = screenW;
    *height = screenH;
}
void GLimp_FrameMetrics(int* border, int* caption) {
    *border = frameBorder;
    *caption = frameCaption;
}
bool GLimp_CreateWindow(const char* title, int x, int y, int width, int height,
                        SysWindowKind kind) {
    window.created = true;
    window.title = title ? title : "";
    window.x = x;
    window.y = y;
    window.width = width;
    window.height = height;
    window.kind = kind;
    return true;
}
void GLimp_DestroyWindow() {
    window.created = false;
}
bool GLimp_HasWindow() {
    return window.created;
}
void GLimp_SetTitle(const char* title) {
    window.title = title ? title : "";
}
void GLimp_ClientSize(int* width, int* height) {
    *width = window.width;
    *height = window.height;
}
void GLimp_MinimizeWindow() {
    window.minimizeRequests++;
}
bool GLimp_CreateContext() {
    if (contextFails) return false;
    hasContext = true;
    window.contextsCreated++;
    return true;
}
void GLimp_DestroyContext() {
    if (!hasContext) return;
    hasContext = false;
    window.contextsDestroyed++;
}
bool GLimp_HasContext() {
    return hasContext;
}
void GLimp_SwapBuffers() {
    window.swaps++;
}
bool GLimp_SetDisplayMode(int, int, int, int) {
    return displayModeAccepted;
}
void GLimp_RestoreDisplayMode() {}
bool GLimp_DisplayMode(int index, int* width, int* height, int* bits, int* refresh) {
    if (index != 0) return false;
    *width = screenW;
    *height = screenH;
    *bits = 24;
    *refresh = 60;
    return true;
}
bool Sys_PollMessage(SysMessage* msg) {
    if (messages.empty()) return false;
    *msg = messages.front();
    messages.pop_front();
    if (msg->type == SYSMSG_MOUSEMOVE) fake::SetCursor(msg->lparam & 0xFFFF, msg->lparam >> 16);
    return true;
}
void Sys_CursorPos(int* x, int* y) {
    *x = cursorX;
    *y = cursorY;
}
void Sys_ShowCursor(bool) {}
void Sys_MessageBox(const char* text, const char* caption, SysMessageBoxIcon) {
    boxes.push_back({text ? text : "", caption ? caption : ""});
}
void Sys_SetClipboardText(const char* text) {
    clipboard = text ? text : "";
}
char* Sys_GetClipboardText() {
    return clipboard.empty() ? nullptr : strdup(clipboard.c_str());
}
