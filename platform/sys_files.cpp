// Program path, working directory and folder scans on POSIX.
#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <fnmatch.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/platform.h"

struct SysDirScan {
    std::vector<std::string> names;
    size_t next = 0;
};

bool Sys_ProgramPath(char* out, size_t capacity) {
    if (capacity == 0) return false;
    ssize_t n = readlink("/proc/self/exe", out, capacity - 1);
    if (n <= 0 || size_t(n) >= capacity - 1) return false;
    out[n] = 0;
    return true;
}

bool Sys_ChangeDir(const char* path) {
    return path && chdir(path) == 0;
}

bool Sys_GetCwd(char* out, size_t capacity) {
    return getcwd(out, capacity) != nullptr;
}

SysDirScan* Sys_OpenScan(const char* pattern) {
    DIR* dir = opendir(".");
    if (!dir) return nullptr;
    auto* scan = new SysDirScan;
    while (dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.' && (!e->d_name[1] || (e->d_name[1] == '.' && !e->d_name[2])))
            continue;
        // Names match whatever their case: "Track.OGG" is as much music as "track.ogg".
        if (fnmatch(pattern, e->d_name, FNM_CASEFOLD) == 0) scan->names.emplace_back(e->d_name);
    }
    closedir(dir);
    if (scan->names.empty()) {
        delete scan;
        return nullptr;
    }
    // Directory order is arbitrary on Linux; byte order makes scans repeatable.
    std::sort(scan->names.begin(), scan->names.end());
    return scan;
}

const char* Sys_NextScan(SysDirScan* scan) {
    if (!scan || scan->next >= scan->names.size()) return nullptr;
    return scan->names[scan->next++].c_str();
}

void Sys_CloseScan(SysDirScan* scan) {
    delete scan;
}
