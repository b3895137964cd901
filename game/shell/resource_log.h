// The resource log: on request (VAELOR_RESOURCE_LOG set and not "0") a line every ten seconds
// with the live GL textures, OpenAL sources and heap, so a long flight can be watched for growth.
#pragma once

constexpr const char* RESOURCE_LOG_VARIABLE = "VAELOR_RESOURCE_LOG";

// Writes the first line and starts the timer when the variable asks for it; nothing otherwise.
void StartResourceLog();
// Writes one line now: "Resources: N textures, N sources held, N one-shot, heap N kB in use,
// N kB held".
void LogResources();
