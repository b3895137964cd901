// The folder scan behind the music playlist: enter a folder, list the names matching a pattern,
// return to where we were.
#include <cstdio>
#include <cstring>

#include "engine/log.h"
#include "engine/utils.h"
#include "platform/platform.h"

namespace {
constexpr int PATH_SIZE = 1024;
char savedDir[PATH_SIZE];
char pattern[256];
SysDirScan* scan = nullptr;
bool started = false;
bool open = false;
} // namespace

bool OpenDir(const char* folder, const char* filePattern) {
    LogWrite(StrFormat("Opening directory %s, finding %s files", folder, filePattern));
    if (scan) Sys_CloseScan(scan);
    scan = nullptr;
    started = false;
    open = false;
    if (!Sys_GetCwd(savedDir, sizeof savedDir)) savedDir[0] = 0;
    if (!Sys_ChangeDir(StrFormat("%s/%s", savedDir, folder))) {
        LogWrite(StrFormat("Unable to open directory '%s' (Current directory is: '%s'", folder,
                           savedDir));
        return false;
    }
    snprintf(pattern, sizeof pattern, "%s", filePattern ? filePattern : "*");
    open = true;
    return true;
}

const char* NextDirEntry() {
    if (!open) return nullptr;
    if (!started) {
        started = true;
        scan = Sys_OpenScan(pattern);
        if (!scan) {
            LogWrite(StrFormat("Unable to open directory, no %s files found", pattern));
            Sys_ChangeDir(savedDir);
            LogWrite("Folder Closed");
            open = false;
            return nullptr;
        }
    }
    return scan ? Sys_NextScan(scan) : nullptr;
}

void CloseDir() {
    if (scan) Sys_CloseScan(scan);
    scan = nullptr;
    started = false;
    open = false;
    if (savedDir[0]) Sys_ChangeDir(savedDir);
    LogWrite("Folder Closed");
}
