// The log file: a header with the system information at start, then one line per LogWrite,
// each written with the file opened and closed again so the log survives a crash.
#include "engine/log.h"

#include <cstdio>

#include "engine/engine.h"
#include "platform/platform.h"

namespace {
// When the clock started and where the log lives. The full path is fixed when the log is
// started: a folder scan changes the current directory and the log must not follow it.
struct LogState {
    bool startTaken = false;
    u32 startTime = 0;
    char logPath[1024] = "vaelor.log";
};
LogState logState;
} // namespace

void LogSetStartTime(u32 ms) {
    logState.startTime = ms;
    logState.startTaken = true;
}

void LogFormatTime(u32 elapsedMs, char* out, size_t capacity) {
    u32 seconds = elapsedMs / 1000;
    u32 h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    snprintf(out, capacity, "[%02u:%02u:%02u]", h, m, s);
}

void LogStart() {
    char cwd[900];
    if (Sys_GetCwd(cwd, sizeof cwd))
        snprintf(logState.logPath, sizeof logState.logPath, "%s/%s", cwd, LOG_FILE_NAME);
    FILE* f = fopen(logState.logPath, "w");
    if (!f) return; // a read-only folder: the program goes on without a log
    char name[128], version[256];
    Sys_OSName(name, sizeof name);
    Sys_OSVersion(version, sizeof version);
    fprintf(f, "Vaelor Engine (%s) log\n----------\nSystem information: \n\n", GetEngineVersion());
    fprintf(f, "OS: %s", name);
    fprintf(f, " %s\n", version);
    fprintf(f, "Number of monitors: %i\n", Sys_MonitorCount());
    fprintf(f, "Number of mouse buttons : %i\n", Sys_MouseButtonCount());
    fprintf(f, "Windows sees network: %s\n", Sys_HasNetwork() ? "Yes" : "No");
    fprintf(f, "----------\n");
    fclose(f);
}

void LogWrite(const char* text) {
    FILE* f = fopen(logState.logPath, "a");
    if (!f) return;
    char stamp[32];
    LogFormatTime(logState.startTaken ? Sys_Milliseconds() - logState.startTime : 0, stamp,
                  sizeof stamp);
    fprintf(f, "%s - %s\n", stamp, text ? text : "");
    fclose(f);
}
