// The game's main sequence and its own start-up and shutdown steps.
#pragma once

// Runs the whole game from engine start to the end of the main loop; returns the exit status.
int GameMain();

void PostInit();
void LoadSounds();
void LoadFonts();
void Load();
void ReleaseGameData();
