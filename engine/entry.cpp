// Process entry: the program's own folder becomes the current directory, so every data path
// is relative to it; then the game's main sequence runs and the engine shuts down once.
#include <cstring>

#include "engine/engine.h"
#include "game/shell/startup.h"
#include "platform/platform.h"

int main() {
    Sys_SteadyHeap();
    constexpr size_t PATH_SIZE = 513;
    char path[PATH_SIZE];
    if (Sys_ProgramPath(path, sizeof path)) {
        if (char* slash = strrchr(path, '/')) {
            *slash = 0;
            Sys_ChangeDir(path[0] ? path : "/");
        }
    }
    int status = GameMain();
    DestroyEngine();
    return status;
}
