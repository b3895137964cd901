// Errors the user must see: a log line and a modal message box captioned with the failing
// function's name.
#include "engine/log.h"
#include "engine/module.h"
#include "engine/report.h"
#include "engine/strings.h"

int ReportError(const char* message, const char* location) {
    const char* caption = location ? StrFormat("Error( %s )", location) : "Error";
    LogWrite(StrFormat("[ERROR] Error in '%s': %s", location ? location : "(null)",
                       message ? message : ""));
    return ModulesReportError(message ? message : "", caption);
}
