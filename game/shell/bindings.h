// The player's key bindings from "Users/default.cdu": 128 chords indexed by action number.
#pragma once

#include "engine/types.h"

struct KeyBinding {
    u8 keys[3];
    u8 count; // 0..3; a binding with no keys counts as always held
};

constexpr int BINDING_COUNT = 128;
extern KeyBinding keyBindings[BINDING_COUNT];

// Action numbers the simulation and consoles share with the binding file.
enum Action : u32 {
    ACTION_FASTER = 0,
    ACTION_SLOWER = 1,
    ACTION_ZOOM_IN = 7,
    ACTION_ZOOM_OUT = 8,
    ACTION_POWER_UP = 15,   // 15..18: raise system 0..3
    ACTION_POWER_DOWN = 20, // 20..23: lower system 0..3
    ACTION_TURN_LEFT = 64,
    ACTION_TURN_RIGHT = 65,
    ACTION_STRAFE_LEFT = 66,
    ACTION_STRAFE_RIGHT = 67,
    ACTION_ZOOM_STEP_IN = 68,
    ACTION_ZOOM_STEP_OUT = 69,
    ACTION_CHAT_ALL = 70,
    ACTION_CHAT_GROUP = 71,
    ACTION_CHAT_PILOT = 72,
    ACTION_CONSOLE = 127,
};

void LoadUserConfig();
// Takes every whole four-byte record of a binding file's bytes, at most BINDING_COUNT; the
// bindings past them keep what they had. Returns the records taken.
size_t ParseUserConfig(const u8* data, size_t size);
// Why the last binding file read was not exactly a table of valid records ("file ends inside
// record 2"), or nullptr when it was. A damaged file is still used as far as it goes.
const char* UserConfigDamage();
bool IsActionDown(u32 action);
// Appends the binding's key names joined by " + " (and a line break when asked) to buffer, a
// 0-terminated string of capacity bytes.
void BindingKeyNames(char* buffer, size_t capacity, u32 action, bool lineBreak);
