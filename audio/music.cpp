// The music playlist over the folder scan and the stream slots.
#include "audio/music.h"

#include <AL/al.h>
#include <cstdio>
#include <cstdlib>

#include "audio/streams.h"
#include "engine/utils.h"
#include "platform/platform.h"

namespace {

constexpr const char* MUSIC_FOLDER = "Data/Music";
constexpr const char* MUSIC_PATTERN = "*.ogg";
constexpr size_t MUSIC_NAME_SIZE = 256; // names of up to 255 characters
// The game's update runs the playlist step every frame; a folder that held no music is not
// scanned (and logged) again before this much time has passed. Shorter than the 3-second
// timer period, so the timer still looks every time.
constexpr u32 EMPTY_SCAN_HOLD_MS = 2500;

struct MusicState {
    u32 stream = NO_MUSIC;
    u32 ending = NO_MUSIC; // the track before, playing its last decoded chunks
    bool allowed = false;  // the game says when
    bool lastScanEmpty = false;
    u32 lastScanTime = 0;
    // The last scan's list; 16 KB, kept here rather than on the stack.
    char names[MAX_MUSIC_FILES][MUSIC_NAME_SIZE] = {};
};
MusicState music;

// The folder's Ogg files, in the scan's order; at most MAX_MUSIC_FILES of them.
int ListMusic(char (*names)[MUSIC_NAME_SIZE]) {
    int count = 0;
    OpenDir(MUSIC_FOLDER, MUSIC_PATTERN);
    for (const char* name; count < MAX_MUSIC_FILES && (name = NextDirEntry());)
        snprintf(names[count++], MUSIC_NAME_SIZE, "%s", name);
    CloseDir();
    return count;
}

// A track that has played out is closed, so the playlist holds one stream (two while a track's
// tail overlaps the next one's start) however long the game runs.
void CloseEndedTrack() {
    if (music.ending == NO_MUSIC || StreamQuery(music.ending, AL_SOURCE_STATE) == AL_PLAYING)
        return;
    CloseStream(music.ending);
    music.ending = NO_MUSIC;
}

} // namespace

void SetMusicAllowed(bool allowed) {
    music.allowed = allowed;
}

bool MusicAllowed() {
    return music.allowed;
}

void MusicTick() {
    if (music.allowed) MusicAdvance();
}

void MusicAdvance() {
    CloseEndedTrack();
    // A track still playing, or a failed open (65535), both leave the music as it is.
    if (music.stream != NO_MUSIC && StreamQuery(music.stream, STREAM_FINISHED) != 1) return;
    u32 now = Sys_Milliseconds();
    if (music.lastScanEmpty && u32(now - music.lastScanTime) < EMPTY_SCAN_HOLD_MS) return;
    int count = ListMusic(music.names);
    music.lastScanEmpty = count == 0;
    music.lastScanTime = now;
    if (count == 0) return;
    int pick = rand() % count;
    // A tail still playing from two tracks back is cut short rather than kept.
    if (music.ending != NO_MUSIC) CloseStream(music.ending);
    music.ending = music.stream;
    music.stream = OpenStream(StrFormat("%s/%s", MUSIC_FOLDER, music.names[pick]));
    PlayStream(music.stream);
}

u32 MusicStream() {
    return music.stream;
}

void ResetMusic() {
    music.stream = NO_MUSIC;
    music.ending = NO_MUSIC;
}
