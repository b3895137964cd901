// A small song sequencer for the music tracks: a chord progression played by a pad, a bass, an
// arpeggio and drums, with sections that bring the layers in and out.
#pragma once

#include <vector>

#include "tools/assettool/sound_io.h"

struct Chord {
    int root; // MIDI note of the root, octave 3 (48..59)
    bool minor;
};

struct Song {
    f64 bpm;
    int bars;
    std::vector<Chord> progression; // one chord per bar, repeated
    int arpPattern;                 // 0 rising, 1 up and down
    bool halfTimeDrums;
    u32 seed;
};

// Renders the song as stereo at MUSIC_RATE.
AudioClip RenderSong(const Song& song, int rate);
