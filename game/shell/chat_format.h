// Fills the %s places of a localised format with given texts. The formats come from text files
// a translator edits, so only %s and %% are honoured: any other directive is copied as it
// stands and a %s without a text becomes empty, never a read of a missing argument.
#pragma once

#include <cstddef>

void FormatLoc(char* out, size_t capacity, const char* format, const char* a = nullptr,
               const char* b = nullptr, const char* c = nullptr);
// The same for a format with one number: its first floating conversion (%f, %.1f, %g, ...)
// shows value; any other directive is copied as it stands.
void FormatLocFloat(char* out, size_t capacity, const char* format, float value);
