// The art generators of the asset tool: every picture of the game drawn by code. `assettool art
// NAME OUT` saves one; the extension of OUT (.dsx, .png, .tga) picks the format.
#pragma once

#include "tools/assettool/art_canvas.h"
#include "tools/assettool/command.h"

using ArtGenerator = ArtImage (*)();

struct ArtEntry {
    const char* name;
    const char* what;
    ArtGenerator make;
};

// The table of all pictures, ended by an entry with a null name.
const ArtEntry* ArtTable();
const ArtEntry* FindArt(const char* name);

int CmdArt(const Args& args);

ArtImage ArtNavSheet();
ArtImage ArtTacticalSheet();
ArtImage ArtKeyboardIcon();
ArtImage ArtQuestionIcon();
ArtImage ArtPowerSheet();
ArtImage ArtScoreDisplay();
ArtImage ArtTessaly();
ArtImage ArtShrike();
ArtImage ArtMeridian();
ArtImage ArtDisruptor();
ArtImage ArtTorpedo();
ArtImage ArtLancer();
ArtImage ArtSpark();
ArtImage ArtMenuCursor();
ArtImage ArtGameCursor();
ArtImage ArtAvatar();
ArtImage ArtFlagEng();
ArtImage ArtFlagCro();
ArtImage ArtFlagCz();
ArtImage ArtFlagPl();
ArtImage ArtFlagDe();
ArtImage ArtFlagIt();
ArtImage ArtFlagSpa();
ArtImage ArtFlagFin();
