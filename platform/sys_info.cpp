// Operating-system facts for the log header.
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <sys/utsname.h>

#include "platform/platform.h"

void Sys_OSName(char* out, size_t capacity) {
    utsname u;
    if (uname(&u) != 0) {
        snprintf(out, capacity, "%s", "");
        return;
    }
    snprintf(out, capacity, "%s %s", u.sysname, u.release);
}

void Sys_OSVersion(char* out, size_t capacity) {
    utsname u;
    snprintf(out, capacity, "%s", uname(&u) == 0 ? u.version : "");
}

// A network is seen when any interface other than loopback is up.
bool Sys_HasNetwork() {
    DIR* dir = opendir("/sys/class/net");
    if (!dir) return false;
    bool found = false;
    while (dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.' || strcmp(e->d_name, "lo") == 0) continue;
        char path[512], state[32] = {};
        snprintf(path, sizeof path, "/sys/class/net/%s/operstate", e->d_name);
        if (FILE* f = fopen(path, "r")) {
            if (fgets(state, sizeof state, f) && strncmp(state, "down", 4) != 0) found = true;
            fclose(f);
        }
    }
    closedir(dir);
    return found;
}
