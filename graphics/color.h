// A stack of saved current GL colours, so text and controls can change colour and put it back.
#pragma once

#include "engine/types.h"

// Saved colours kept; deeper pushes are counted so pops stay paired but restore nothing.
constexpr int COLOR_STACK_DEPTH = 64;

void PushColor();
void PopColor(); // popping an empty stack does nothing
// Sets the current GL colour from a packed colour (red in the lowest byte).
void SetColor(u32 packed);
