// Minimal audio entry points until the OpenAL layer lands: the game runs silently.
#include "audio/audio.h"

bool InitAL(const char*) { return false; }
void DestroyAL() {}
void UpdateStreams() {}
