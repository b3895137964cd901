// Game-held looping sources and the listener's master gain.
#include "audio/loop_source.h"

#include <AL/al.h>

#include "audio/device.h"

namespace {
struct LoopSourceState {
    f32 masterVolume = 1.0f;
};
LoopSourceState loops;
} // namespace

u32 StartLoopSource(u32 buffer) {
    if (!IsALReady() || buffer == 0 || buffer == INVALID_HANDLE) return INVALID_HANDLE;
    u32 source = NewSource();
    if (source == INVALID_HANDLE) return INVALID_HANDLE;
    alSourcei(source, AL_BUFFER, ALint(buffer));
    alSourcei(source, AL_LOOPING, AL_TRUE);
    alSourcePlay(source);
    return source;
}

void SetLoopSourceGain(u32 source, f32 gain) {
    if (!IsALReady() || source == INVALID_HANDLE) return;
    alSourcef(source, AL_GAIN, gain);
}

void PlayLoopSource(u32 source, u32 buffer, f32 gain) {
    if (!IsALReady() || source == INVALID_HANDLE) return;
    bool silent = buffer == 0 || buffer == INVALID_HANDLE;
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, silent ? 0 : ALint(buffer));
    alSourcei(source, AL_LOOPING, AL_TRUE);
    alSourcei(source, AL_SOURCE_RELATIVE, AL_FALSE);
    alSourcef(source, AL_GAIN, gain);
    alSourcePlay(source);
}

void StopLoopSource(u32 source) {
    if (IsALReady() && source != INVALID_HANDLE) alSourceStop(source);
}

void PlaceSourceInWorld(u32 source, f32 gain) {
    if (!IsALReady() || source == INVALID_HANDLE) return;
    alSourcei(source, AL_SOURCE_RELATIVE, AL_FALSE);
    alSourcef(source, AL_GAIN, gain);
}

f32 MasterVolume() {
    return loops.masterVolume;
}

void SetMasterVolume(f32 gain) {
    loops.masterVolume = gain;
    if (IsALReady()) alListenerf(AL_GAIN, gain);
}
