// Slots that give a literal an address, so it can be handed to a property setter.
#pragma once

#include "engine/types.h"

// Stores the value in one static slot and returns its address; the next call overwrites it.
void* TempValue(u32 value);
// MakeRGB of the bytes, in the same slot as TempValue.
void* TempRGB(u8 r, u8 g, u8 b);
// The same as TempValue with a second, separate slot.
void* TempValue2(u32 value);
