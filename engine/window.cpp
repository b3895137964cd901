// The main window and its GL context: creation centred with an exact client area, the initial
// GL state, display modes, and minimise/restore, where a full-screen context is thrown away
// and rebuilt while the textures wait in memory.
#include "engine/window.h"

#include <cstdlib>

#include "engine/engine.h"
#include "engine/log.h"
#include "engine/loop.h"
#include "engine/module.h"
#include "engine/strings.h"
#include "platform/gl_state.h"
#include "platform/platform.h"

namespace {
// The window's client size, the display mode in use (bits 0: the desktop's), the argument the
// GL state was set up with, the projection kind, and whether a minimise found the game paused.
struct WindowState {
    i16 clientWidth = 800, clientHeight = 600;
    i16 displayBits = 0;
    i16 displayRefresh = 0;
    i16 glStartArgument = 0;
    bool mode2D = false;
    bool wasPausedBeforeMinimize = false;
};
WindowState win;
} // namespace

i16 GetClientWidth() {
    return win.clientWidth;
}
i16 GetClientHeight() {
    return win.clientHeight;
}
void SetClientSize(i16 width, i16 height) {
    win.clientWidth = width;
    win.clientHeight = height;
}
i16 GetDisplayBits() {
    return win.displayBits;
}
bool HasGLContext() {
    return GLimp_HasContext();
}
bool Is2DMode() {
    return win.mode2D;
}
void Set2DMode(bool on) {
    win.mode2D = on;
}

void CreateMainWindow(i16 width, i16 height, u16 mode) {
    LogWrite(StrFormat("Creating window: %ix%i", width, height));
    int screenW = 0, screenH = 0;
    GLimp_ScreenSize(&screenW, &screenH);
    win.clientWidth = width;
    win.clientHeight = height;

    SysWindowKind kind = SYS_WINDOW_FIXED;
    int outerW = width, outerH = height;
    if (mode == WINDOW_FULLSCREEN) {
        kind = SYS_WINDOW_FULLSCREEN;
    } else {
        kind = mode == WINDOW_RESIZABLE ? SYS_WINDOW_RESIZABLE : SYS_WINDOW_FIXED;
        int border = 0, caption = 0;
        GLimp_FrameMetrics(&border, &caption);
        outerW = width + 2 * border;
        outerH = height + caption + 2 * border;
    }
    int x = (screenW - outerW) / 2, y = (screenH - outerH) / 2;
    if (!GLimp_CreateWindow(GetWindowTitle(), x, y, width, height, kind)) {
        LogWrite("[ERROR]<CreateMainWindow> Failed to create the window");
        return;
    }
    LogWrite("Window created");
}

void DestroyMainWindow() {
    LogWrite("Destroying window");
    GLimp_DestroyWindow();
    LogWrite("Window destroyed");
}

static void SetInitialGLState() {
    win.mode2D = false;
    GLimp_SetPerspectiveView(win.clientWidth, win.clientHeight, EngineGetf(ENGINE_NEAR_PLANE),
                             EngineGetf(ENGINE_FAR_PLANE));
    GLimp_SetDefaultState();
}

void InitGL(i16 argument) {
    LogWrite("Initializing OpenGL");
    win.glStartArgument = argument;
    if (!GLimp_CreateContext()) {
        Sys_MessageBox("Failed to initialize OpenGL,quiting...", "Error( InitGL )", SYS_MB_ERROR);
        // Without a context nothing can run; the status says so.
        exit(EXIT_NO_GL_CONTEXT);
    }
    SetInitialGLState();
    LogWrite("OpenGL initialized");
}

void DestroyGL() {
    LogWrite("Destroying OpenGL");
    GLimp_DestroyContext();
    win.mode2D = false;
    LogWrite("OpenGL destroyed");
}

bool SetDisplayMode(i16 width, i16 height, u8 bits, u8 refresh) {
    LogWrite(StrFormat("Setting Display Mode to %ix%ix%i@%i", width, height, bits, refresh));
    win.displayBits = bits;
    win.clientWidth = width;
    win.clientHeight = height;
    if (refresh) win.displayRefresh = refresh;
    if (!GLimp_SetDisplayMode(width, height, bits, refresh)) {
        LogWrite("Failed to set display mode");
        return false;
    }
    LogWrite("New Display Mode set");
    return true;
}

void RestoreDisplayMode() {
    LogWrite("Restoring display mode");
    win.displayBits = 0;
    GLimp_RestoreDisplayMode();
    LogWrite("Display Mode restored");
}

void SwapMainBuffers() {
    GLimp_SwapBuffers();
}

void HandleMinimize() {
    if (IsMinimized()) return;
    SetMinimized(true);
    win.wasPausedBeforeMinimize = IsPaused();
    if (!win.wasPausedBeforeMinimize) PauseEngine();
    if (win.displayBits != 0) {
        i16 bits = win.displayBits;
        ModulesContextLost();
        DestroyGL();
        RestoreDisplayMode();
        win.displayBits = bits; // the restore needs to know the mode
    }
    if (auto cb = CallbackAs<void()>(CB_MINIMIZE)) cb();
}

void HandleRestore() {
    if (!IsMinimized()) return;
    SetMinimized(false);
    if (!win.wasPausedBeforeMinimize) ResumeEngine();
    if (win.displayBits != 0) {
        SetDisplayMode(win.clientWidth, win.clientHeight, u8(win.displayBits),
                       u8(win.displayRefresh));
        InitGL(win.glStartArgument);
        ModulesContextRestored();
    }
    if (auto cb = CallbackAs<void()>(CB_RESTORE)) cb();
}

void HandleResize(i16 width, i16 height) {
    win.clientWidth = width;
    win.clientHeight = height;
    auto resize = CallbackAs<void(i32, i32)>(CB_RESIZE);
    if (!resize) return;
    resize(width, height);
    if (IsMainLoopActive() && IsEngineRunning() && GetCallback(CB_RENDER)) {
        if (ModulesShowScene()) CallbackAs<void()>(CB_RENDER)();
        ModulesDraw();
        SwapMainBuffers();
    }
}

void HandleFocusLoss() {
    if (win.displayBits != 0) GLimp_MinimizeWindow();
}
