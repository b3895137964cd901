// The sound and music generators of the asset tool: `assettool sound NAME OUT.wav|OUT.ogg` and
// `assettool music N OUT.ogg`.
#pragma once

#include "tools/assettool/command.h"
#include "tools/assettool/sound_io.h"

constexpr int EFFECT_RATE = 22050;
constexpr int MUSIC_RATE = 22050;

using SoundGenerator = AudioClip (*)();
struct SoundEntry {
    const char* name;
    const char* what;
    SoundGenerator make;
};
// All effects, ended by an entry with a null name.
const SoundEntry* SoundTable();
const SoundEntry* FindSound(const char* name);

constexpr int MUSIC_TRACK_COUNT = 2;
// Track n (1-based) as stereo; an empty clip for an unknown number.
AudioClip MakeMusicTrack(int n);

int CmdSound(const Args& args);
int CmdMusic(const Args& args);
