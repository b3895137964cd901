// The music playlist: a random Ogg Vorbis file of "Data/Music" whenever no track is playing.
#pragma once

#include "engine/types.h"

constexpr u32 NO_MUSIC = 0xFFFFFFFFu;
constexpr int MAX_MUSIC_FILES = 64;

// Whether the playlist may start music is the program's rule, not the audio layer's: it says
// so here (off until it does).
void SetMusicAllowed(bool allowed);
bool MusicAllowed();
// The 3-second timer function: MusicAdvance while music is allowed, otherwise nothing.
void MusicTick();
// Starts a random track when none is playing (the current one finished decoding). After a scan
// that found no music the folder is left alone for 2.5 seconds.
void MusicAdvance();
// The current music stream handle, NO_MUSIC before the first track.
u32 MusicStream();
// Forgets the current track (a new audio device starts with no music).
void ResetMusic();
