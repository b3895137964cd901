// When the game lets the playlist play: while a sheet is up that holds more than a lone
// control (no sheet at all, or a single control on it, keeps the music off).
#pragma once

bool GameAllowsMusic();
// Tells the audio layer; runs every frame as a timer, just before the playlist's own timer.
void UpdateMusicGate();
