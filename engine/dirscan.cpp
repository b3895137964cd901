// The folder scan behind the music playlist: enter a folder, list the names matching a pattern,
// return to where we were.
#include <cstdio>
#include <cstring>

#include "engine/log.h"
#include "engine/dirscan.h"
#include "engine/strings.h"
#include "platform/platform.h"

namespace {
constexpr int PATH_SIZE = 1024;
// The one scan that may be open: the folder to return to, the pattern, and the platform scan,
// which starts on the first entry asked for.
struct DirScanState {
    char savedDir[PATH_SIZE] = {};
    char pattern[256] = {};
    SysDirScan* scan = nullptr;
    bool started = false;
    bool open = false;
};
DirScanState dir;
} // namespace

bool OpenDir(const char* folder, const char* filePattern) {
    LogWrite(StrFormat("Opening directory %s, finding %s files", folder, filePattern));
    if (dir.scan) Sys_CloseScan(dir.scan);
    dir.scan = nullptr;
    dir.started = false;
    dir.open = false;
    if (!Sys_GetCwd(dir.savedDir, sizeof dir.savedDir)) dir.savedDir[0] = 0;
    if (!Sys_ChangeDir(StrFormat("%s/%s", dir.savedDir, folder))) {
        LogWrite(StrFormat("Unable to open directory '%s' (Current directory is: '%s'", folder,
                           dir.savedDir));
        return false;
    }
    snprintf(dir.pattern, sizeof dir.pattern, "%s", filePattern ? filePattern : "*");
    dir.open = true;
    return true;
}

const char* NextDirEntry() {
    if (!dir.open) return nullptr;
    if (!dir.started) {
        dir.started = true;
        dir.scan = Sys_OpenScan(dir.pattern);
        if (!dir.scan) {
            LogWrite(StrFormat("Unable to open directory, no %s files found", dir.pattern));
            Sys_ChangeDir(dir.savedDir);
            LogWrite("Folder Closed");
            dir.open = false;
            return nullptr;
        }
    }
    return dir.scan ? Sys_NextScan(dir.scan) : nullptr;
}

void CloseDir() {
    if (dir.scan) Sys_CloseScan(dir.scan);
    dir.scan = nullptr;
    dir.started = false;
    dir.open = false;
    if (dir.savedDir[0]) Sys_ChangeDir(dir.savedDir);
    LogWrite("Folder Closed");
}
