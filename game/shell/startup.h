// The game's main sequence and its own start-up and shutdown steps.
#pragma once

// Exit status when data the game cannot run without (a text file, the key bindings) is
// missing or unreadable: the failure must not report success.
constexpr int EXIT_MISSING_DATA = 4;

// Runs the whole game from engine start to the end of the main loop; returns the exit status.
int GameMain();

void PostInit();
void LoadSounds();
void LoadFonts();
void Load();
void ReleaseGameData();
