// The engine log "vaelor.log": one time-stamped line per call, file opened and closed each time
// so that the log survives a crash.
#pragma once

#include "engine/types.h"

constexpr const char* LOG_FILE_NAME = "vaelor.log";

// Truncates the log and writes its header and the system-information block.
void LogStart();
// Takes the base of all time stamps; lines before it show [00:00:00].
void LogSetStartTime(u32 ms);
// Appends "[hh:mm:ss] - text".
void LogWrite(const char* text);
// The time-stamp prefix for a number of elapsed milliseconds, e.g. "[00:01:15]".
void LogFormatTime(u32 elapsedMs, char* out, size_t capacity);
