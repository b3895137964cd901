// The audio layer's engine module.
#include "audio/module.h"

#include "audio/streams.h"
#include "engine/module.h"

namespace {
void RefillStreams(f32 /*dt*/) {
    UpdateStreams();
}

const EngineModule audioModule = {
    // No shutdown: the program closes the device itself, before the engine goes.
    .name = "audio",
    .update = RefillStreams,
};
} // namespace

const EngineModule* AudioModule() {
    return &audioModule;
}

void RegisterAudioModule() {
    RegisterEngineModule(&audioModule);
}
