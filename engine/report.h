// Errors the user must see.
#pragma once

// Logs the error and shows it in a modal box captioned with the failing function's name
// (location may be null); returns the box's result.
int ReportError(const char* message, const char* location);
