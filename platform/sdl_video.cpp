// The window, its compatibility GL context and the full-screen display modes, on SDL2.
#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>
#include <cstdio>
#include <unistd.h>
#include <cstring>

#include "platform/platform.h"
#include "platform/sdl_internal.h"

namespace {
// The one window and its context, how it was made, the full-screen mode chosen for it, and
// the swap pacing measured from the display's refresh.
struct VideoState {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    SysWindowKind windowKind = SYS_WINDOW_FIXED;
    bool videoStarted = false;
    bool haveMode = false;
    SDL_DisplayMode chosenMode{};
    // Set once a swap has seen the window on screen; until then every swap makes sure it is.
    bool shownConfirmed = false;
    SysSwapPacer pacer;
    bool swapWaits = false;
    uint32_t refreshPeriodMs = 0;
};
VideoState video;
} // namespace

// The X server went away (the session ended, the virtual server was stopped). Nothing can be
// drawn or received any more, and the shutdown code would only talk to the dead connection and
// hang in it, so the process ends at once with a failure status.
static int DisplayLost(Display*) {
    static const char message[] = "Vaelor Engine: the connection to the display was lost\n";
    ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
    (void)written;
    _exit(EXIT_DISPLAY_LOST);
}

bool SDLP_EnsureVideo() {
    if (video.videoStarted) return true;
    // Closing the window is a message to the engine, not an automatic quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return false;
    XSetIOErrorHandler(DisplayLost);
    video.videoStarted = true;
    return true;
}

SDL_Window* SDLP_Window() {
    return video.window;
}

int Sys_MonitorCount() {
    if (!SDLP_EnsureVideo()) return 0;
    int n = SDL_GetNumVideoDisplays();
    return n < 0 ? 0 : n;
}

int Sys_MouseButtonCount() {
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) return 0;
    unsigned char map[256];
    int n = XGetPointerMapping(dpy, map, sizeof map);
    XCloseDisplay(dpy);
    return n;
}

void GLimp_ScreenSize(int* width, int* height) {
    *width = *height = 0;
    SDL_DisplayMode mode;
    if (SDLP_EnsureVideo() && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        *width = mode.w;
        *height = mode.h;
    }
}

void GLimp_FrameMetrics(int* border, int* caption) {
    // SDL sizes the client area itself and the window manager adds its frame around it.
    *border = 0;
    *caption = 0;
}

// The window's X connection and id; false when SDL does not run on X.
static bool NativeWindow(Display** display, ::Window* xwindow) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!video.window || !SDL_GetWindowWMInfo(video.window, &info) ||
        info.subsystem != SDL_SYSWM_X11)
        return false;
    *display = info.info.x11.display;
    *xwindow = info.info.x11.window;
    return true;
}

bool GLimp_WindowShown() {
    Display* display = nullptr;
    ::Window xwindow = 0;
    if (!NativeWindow(&display, &xwindow)) return video.window != nullptr;
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, xwindow, &attributes) &&
           attributes.map_state == IsViewable;
}

// Asks for the window to be shown and waits, for a bounded time, until the server has it on
// screen. A map request can go unanswered (a window manager starting up, a map lost while the
// window was being set up); asking again is harmless when it was not.
static void EnsureShown() {
    constexpr int SHOW_ATTEMPTS = 50;
    constexpr uint32_t SHOW_RETRY_MS = 10;
    Display* display = nullptr;
    ::Window xwindow = 0;
    if (!NativeWindow(&display, &xwindow)) {
        SDL_ShowWindow(video.window);
        return;
    }
    for (int attempt = 0; attempt < SHOW_ATTEMPTS && !GLimp_WindowShown(); attempt++) {
        XMapRaised(display, xwindow);
        XSync(display, False);
        if (!GLimp_WindowShown()) Sys_Sleep(SHOW_RETRY_MS);
    }
}

bool GLimp_CreateWindow(const char* title, int x, int y, int width, int height,
                        SysWindowKind kind) {
    if (!SDLP_EnsureVideo()) return false;
    GLimp_DestroyWindow();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN;
    if (kind == SYS_WINDOW_RESIZABLE) flags |= SDL_WINDOW_RESIZABLE;
    if (kind == SYS_WINDOW_FULLSCREEN) {
        flags |= SDL_WINDOW_FULLSCREEN | SDL_WINDOW_BORDERLESS;
        x = y = 0;
    }
    video.window = SDL_CreateWindow(title, x, y, width, height, flags);
    if (!video.window) return false;
    video.windowKind = kind;
    if (kind == SYS_WINDOW_FULLSCREEN && video.haveMode)
        SDL_SetWindowDisplayMode(video.window, &video.chosenMode);
    SDL_StartTextInput();
    video.shownConfirmed = false;
    EnsureShown();
    return true;
}

void GLimp_DestroyWindow() {
    if (!video.window) return;
    SDL_DestroyWindow(video.window);
    video.window = nullptr;
}

bool GLimp_HasWindow() {
    return video.window != nullptr;
}

void GLimp_SetTitle(const char* title) {
    if (video.window) SDL_SetWindowTitle(video.window, title);
}

void GLimp_ClientSize(int* width, int* height) {
    *width = *height = 0;
    if (video.window) SDL_GetWindowSize(video.window, width, height);
}

void GLimp_MinimizeWindow() {
    if (video.window) SDL_MinimizeWindow(video.window);
}

bool GLimp_CreateContext() {
    if (!video.window) return false;
    GLimp_DestroyContext();
    video.context = SDL_GL_CreateContext(video.window);
    if (!video.context) return false;
    if (SDL_GL_MakeCurrent(video.window, video.context) != 0) {
        GLimp_DestroyContext();
        return false;
    }
    SDL_GL_SetSwapInterval(1);
    // Whether or not the driver honoured the interval, the swap also paces itself: under a
    // working vsync the swap already returns at the refresh and the pacer finds nothing to wait.
    SDL_DisplayMode mode{};
    int refresh = SDL_GetWindowDisplayMode(video.window, &mode) == 0 ? mode.refresh_rate : 0;
    video.refreshPeriodMs = Sys_RefreshPeriodMs(refresh);
    video.swapWaits = Sys_SwapWaitWanted();
    video.pacer = SysSwapPacer{};
    return true;
}

void GLimp_DestroyContext() {
    if (!video.context) return;
    SDL_GL_MakeCurrent(video.window, nullptr);
    SDL_GL_DeleteContext(video.context);
    video.context = nullptr;
}

bool GLimp_HasContext() {
    return video.context != nullptr;
}

void GLimp_SwapBuffers() {
    if (!video.window || !video.context) return;
    SDL_GL_SwapWindow(video.window);
    // Only the first frames check: later, an unmapped window is one the user minimised.
    if (!video.shownConfirmed) {
        EnsureShown();
        video.shownConfirmed = GLimp_WindowShown();
    }
    if (!video.swapWaits) return;
    uint32_t wait = Sys_PaceSwap(&video.pacer, Sys_Milliseconds(), video.refreshPeriodMs);
    if (wait) Sys_Sleep(wait);
}

// Display modes carry no colour depth on X; 16, 24 and 32 bits all mean the mode's own.
static bool BitsAccepted(int bits) {
    return bits == 16 || bits == 24 || bits == 32;
}

bool GLimp_SetDisplayMode(int width, int height, int bits, int refresh) {
    if (!SDLP_EnsureVideo() || !BitsAccepted(bits)) return false;
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; i++) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
        if (mode.w != width || mode.h != height) continue;
        if (refresh != 0 && mode.refresh_rate != 0 && abs(mode.refresh_rate - refresh) > 1)
            continue;
        video.chosenMode = mode;
        video.haveMode = true;
        if (video.window && video.windowKind == SYS_WINDOW_FULLSCREEN) {
            SDL_SetWindowDisplayMode(video.window, &video.chosenMode);
            SDL_SetWindowFullscreen(video.window, SDL_WINDOW_FULLSCREEN);
        }
        return true;
    }
    return false;
}

void GLimp_RestoreDisplayMode() {
    video.haveMode = false;
    if (video.window && video.windowKind == SYS_WINDOW_FULLSCREEN)
        SDL_SetWindowFullscreen(video.window, 0);
}

bool GLimp_DisplayMode(int index, int* width, int* height, int* bits, int* refresh) {
    if (!SDLP_EnsureVideo() || index < 0 || index >= SDL_GetNumDisplayModes(0)) return false;
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(0, index, &mode) != 0) return false;
    *width = mode.w;
    *height = mode.h;
    *bits = int(SDL_BITSPERPIXEL(mode.format));
    *refresh = mode.refresh_rate;
    return true;
}

void Sys_ShowCursor(bool visible) {
    if (SDLP_EnsureVideo()) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void Sys_CursorPos(int* x, int* y) {
    *x = *y = 0;
    if (video.videoStarted) SDL_GetMouseState(x, y);
}

void Sys_MessageBox(const char* text, const char* caption, SysMessageBoxIcon icon) {
    Uint32 flags = icon == SYS_MB_ERROR     ? SDL_MESSAGEBOX_ERROR
                   : icon == SYS_MB_WARNING ? SDL_MESSAGEBOX_WARNING
                                            : SDL_MESSAGEBOX_INFORMATION;
    if (SDL_ShowSimpleMessageBox(flags, caption, text, video.window) != 0)
        fprintf(stderr, "%s: %s\n", caption, text); // no display at all: the terminal gets it
}

void Sys_SetClipboardText(const char* text) {
    if (text && SDLP_EnsureVideo()) SDL_SetClipboardText(text);
}

char* Sys_GetClipboardText() {
    if (!SDLP_EnsureVideo() || !SDL_HasClipboardText()) return nullptr;
    char* held = SDL_GetClipboardText();
    if (!held) return nullptr;
    char* copy = strdup(held);
    SDL_free(held);
    return copy;
}
