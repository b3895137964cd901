// The game's music rule, handed to the audio layer every frame.
#include "game/shell/music_gate.h"

#include "audio/music.h"
#include "gui/gui.h"

namespace {
constexpr u16 LONE_CONTROL = 1;
}

bool GameAllowsMusic() {
    Control* sheet = GetActiveSheet();
    return sheet && ControlChildCount(sheet) != LONE_CONTROL;
}

void UpdateMusicGate() {
    SetMusicAllowed(GameAllowsMusic());
}
