// The graphics layer's engine module: context loss and restore, and the registry's shutdown.
#include "graphics/module.h"

#include "engine/module.h"
#include "graphics/texture.h"

namespace {
const EngineModule graphicsModule = {
    .name = "graphics",
    .shutdown = ResetTextureRegistry, // its owners are freed with the engine's records
    .contextLost = glDownload,
    .contextRestored = glUpload,
};
} // namespace

const EngineModule* GraphicsModule() {
    return &graphicsModule;
}

void RegisterGraphicsModule() {
    RegisterEngineModule(&graphicsModule);
}
