// The narrow interface between the engine and the operating system. Everything that
// touches SDL, POSIX or X11 lives behind these calls; nothing outside platform/ includes them.
#pragma once

#include <cstddef>
#include <cstdint>

// ---------------------------------------------------------------------------------------------
// Window messages. The platform turns its events into these, shaped like the classic window
// messages the engine's window procedure is written against.
// ---------------------------------------------------------------------------------------------
enum SysMessageType : uint32_t {
    SYSMSG_NONE = 0,
    SYSMSG_KEYDOWN,     // wparam: virtual-key code; lparam: key flags (below)
    SYSMSG_KEYUP,       // as SYSMSG_KEYDOWN
    SYSMSG_SYSKEYDOWN,  // a key pressed while Alt is held (and Alt/F10 themselves)
    SYSMSG_SYSKEYUP,    //
    SYSMSG_CHAR,        // wparam: Unicode code point of a typed character
    SYSMSG_MOUSEMOVE,   // lparam: client x | client y << 16
    SYSMSG_LBUTTONDOWN, // lparam as SYSMSG_MOUSEMOVE
    SYSMSG_LBUTTONUP,
    SYSMSG_RBUTTONDOWN,
    SYSMSG_RBUTTONUP,
    SYSMSG_MBUTTONDOWN,
    SYSMSG_MBUTTONUP,
    SYSMSG_MOUSEWHEEL, // wparam: wheel delta as a signed 32-bit value (120 per notch)
    SYSMSG_SIZE,       // wparam: SYS_SIZE_*; lparam: width | height << 16
    SYSMSG_KILLFOCUS,  // the window lost the keyboard focus
    SYSMSG_CLOSE,      // the user asked to close the window
    SYSMSG_QUIT,       // the process was asked to end (SIGTERM, session end)
};

constexpr uint32_t SYS_SIZE_RESTORED = 0, SYS_SIZE_MINIMIZED = 1, SYS_SIZE_MAXIMIZED = 2;

// Key message flags: the scan code in bits 16..23, the extended-key flag in bit 24 and the
// previous key state (set for auto-repeats) in bit 30.
constexpr uint32_t SYS_KEYFLAG_SCAN_SHIFT = 16;
constexpr uint32_t SYS_KEYFLAG_EXTENDED = 1u << 24;
constexpr uint32_t SYS_KEYFLAG_REPEAT = 1u << 30;

struct SysMessage {
    uint32_t type;
    uint32_t wparam;
    uint32_t lparam;
};

inline uint32_t SysMakeKeyFlags(uint32_t scan, bool extended, bool repeat) {
    return (scan & 0xFF) << SYS_KEYFLAG_SCAN_SHIFT | (extended ? SYS_KEYFLAG_EXTENDED : 0) |
           (repeat ? SYS_KEYFLAG_REPEAT : 0);
}
inline uint32_t SysMakePoint(int x, int y) {
    return (uint32_t(uint16_t(x))) | (uint32_t(uint16_t(y)) << 16);
}

// ---------------------------------------------------------------------------------------------
// Process, time and files (POSIX)
// ---------------------------------------------------------------------------------------------

// Monotonic milliseconds with 32-bit wrap: differences are taken modulo 2^32.
uint32_t Sys_Milliseconds();
void Sys_Sleep(uint32_t ms);

// Sets the C heap up for a long run: large blocks are mapped apart and given back when freed,
// so resident memory settles instead of creeping. Called once, first thing in main.
void Sys_SteadyHeap();

// Full path of the running executable; false when it cannot be found or does not fit.
bool Sys_ProgramPath(char* out, size_t capacity);
bool Sys_ChangeDir(const char* path);
bool Sys_GetCwd(char* out, size_t capacity);

// Folder scan over the current directory: names matching a shell pattern ("*.ogg") in any
// letter case, in byte order. Sys_OpenScan returns null when nothing matches.
struct SysDirScan;
SysDirScan* Sys_OpenScan(const char* pattern);
const char* Sys_NextScan(SysDirScan* scan); // null at the end
void Sys_CloseScan(SysDirScan* scan);

// System information for the log header.
void Sys_OSName(char* out, size_t capacity);    // "Linux 6.1.0-18-amd64"
void Sys_OSVersion(char* out, size_t capacity); // kernel build text
int Sys_MonitorCount();
int Sys_MouseButtonCount();
bool Sys_HasNetwork();

// Swap pacing: where the driver does not hold a buffer swap until the display refreshes (no
// vsync under Xvfb, or a driver that refuses it), the swap waits for the next refresh itself so
// the frame loop does not spin. VAELOR_NO_SWAP_WAIT=1 in the environment turns the wait off.
struct SysSwapPacer {
    uint32_t nextRefresh = 0; // tick of the refresh the next swap waits for
    bool started = false;
};
constexpr int SYS_DEFAULT_REFRESH_HZ = 60;
// Milliseconds between refreshes of a display refreshing refreshHz times a second (60 when
// unknown or implausible), at least 1.
uint32_t Sys_RefreshPeriodMs(int refreshHz);
// How long a swap made at tick now waits, and the pacer moved on to the refresh after it. A
// swap later than its refresh does not wait and starts a new count from now.
uint32_t Sys_PaceSwap(SysSwapPacer* pacer, uint32_t now, uint32_t periodMs);
// False when the environment switch VAELOR_NO_SWAP_WAIT is set to anything but "" or "0".
bool Sys_SwapWaitWanted();

// ---------------------------------------------------------------------------------------------
// Window, GL context and display (SDL2)
// ---------------------------------------------------------------------------------------------
// Exit status of a process whose display connection broke under it.
constexpr int EXIT_DISPLAY_LOST = 3;

enum SysWindowKind { SYS_WINDOW_FIXED, SYS_WINDOW_RESIZABLE, SYS_WINDOW_FULLSCREEN };

// Screen (desktop) size of the primary display.
void GLimp_ScreenSize(int* width, int* height);
// Frame sizes of a fixed framed window: each side's border and the caption height. The
// outer window is client + 2 * border wide and client + caption + 2 * border high.
void GLimp_FrameMetrics(int* border, int* caption);
// Creates the one window with its client area exactly width x height at (x, y) of the outer
// frame. False when the window cannot be made.
bool GLimp_CreateWindow(const char* title, int x, int y, int width, int height, SysWindowKind kind);
void GLimp_DestroyWindow(); // safe without a window
bool GLimp_HasWindow();
// True while the window is mapped and viewable on the display. Creation waits (bounded) until
// it is, and the first swaps show it again until one has seen it on screen.
bool GLimp_WindowShown();
void GLimp_SetTitle(const char* title);
void GLimp_ClientSize(int* width, int* height);
void GLimp_MinimizeWindow();

// Compatibility (immediate-mode) context with double buffer, depth >= 24 and stencil 8,
// made current on the window. False when no context can be made.
bool GLimp_CreateContext();
void GLimp_DestroyContext(); // safe without a context
bool GLimp_HasContext();
void GLimp_SwapBuffers();

// Full-screen display modes. SetDisplayMode records the mode the next full-screen window
// uses; false when the display does not offer it. refresh 0 leaves it to the driver.
bool GLimp_SetDisplayMode(int width, int height, int bits, int refresh);
void GLimp_RestoreDisplayMode();
// Enumerates the display's modes: false past the last index.
bool GLimp_DisplayMode(int index, int* width, int* height, int* bits, int* refresh);

// Takes the next pending message; false when none is waiting.
bool Sys_PollMessage(SysMessage* msg);
// Cursor position in client pixels, as the system knows it now.
void Sys_CursorPos(int* x, int* y);
void Sys_ShowCursor(bool visible);

// The system clipboard as UTF-8 text. Sys_GetClipboardText returns a copy the caller frees
// with free(), or null when the clipboard holds no text.
void Sys_SetClipboardText(const char* text);
char* Sys_GetClipboardText();

enum SysMessageBoxIcon { SYS_MB_ERROR, SYS_MB_WARNING, SYS_MB_INFO };
// Modal system message box with one "Ok" button; works before any window exists.
void Sys_MessageBox(const char* text, const char* caption, SysMessageBoxIcon icon);
