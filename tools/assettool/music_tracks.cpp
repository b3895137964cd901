// The two music tracks of Data/Music: "Outer Drift" (A minor, unhurried) and "Ion Storm"
// (D minor, driving). Each runs a little over a minute.
#include "tools/assettool/music_sequencer.h"
#include "tools/assettool/sound.h"

namespace {

// MIDI roots in octave 3.
constexpr int A3 = 57, C3 = 48, D3 = 50, E3 = 52, F3 = 53, G3 = 55, BB3 = 58;

Song OuterDrift() {
    return {92,
            28,
            {{A3, true},
             {F3, false},
             {C3 + 12, false},
             {G3, false},
             {A3, true},
             {F3, false},
             {G3, false},
             {E3, false}},
            1,
            true,
            101};
}

Song IonStorm() {
    return {118,
            36,
            {{D3, true},
             {BB3, false},
             {F3, false},
             {C3 + 12, false},
             {G3, true},
             {BB3, false},
             {C3 + 12, false},
             {A3, false}},
            0,
            false,
            202};
}

} // namespace

AudioClip MakeMusicTrack(int n) {
    if (n == 1) return RenderSong(OuterDrift(), MUSIC_RATE);
    if (n == 2) return RenderSong(IonStorm(), MUSIC_RATE);
    return AudioClip{};
}
