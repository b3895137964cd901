// The audio layer's engine module.
#include "audio/module.h"

#include "audio/device.h"
#include "audio/streams.h"
#include "engine/module.h"

namespace {
void RefillStreams(f32 /*dt*/) {
    UpdateStreams();
}

// The program closes the device itself before the engine goes; this catches the exits that skip
// that (a fatal error box ends the program from inside start-up), so no device is left open.
void CloseDeviceLeftOpen() {
    if (IsALReady()) DestroyAL();
}

const EngineModule audioModule = {
    .name = "audio",
    .shutdown = CloseDeviceLeftOpen,
    .update = RefillStreams,
};
} // namespace

const EngineModule* AudioModule() {
    return &audioModule;
}

void RegisterAudioModule() {
    RegisterEngineModule(&audioModule);
}
