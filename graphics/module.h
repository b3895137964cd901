// The graphics layer's hooks into the engine: the texture registry saves every texture before
// the GL context goes, rebuilds them in the new one, and is forgotten at shutdown.
#pragma once

struct EngineModule;

const EngineModule* GraphicsModule();
void RegisterGraphicsModule();
