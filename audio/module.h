// The audio layer's hook into the engine: the streams are refilled at the start of every frame.
#pragma once

struct EngineModule;

const EngineModule* AudioModule();
void RegisterAudioModule();
