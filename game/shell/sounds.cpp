// The game's sound effects and the zoom-dependent effect player.
#include "game/shell/sounds.h"

#include "audio/audio.h"
#include "audio/loop_source.h"
#include "game/shell/startup.h"
#include "game/sim/objects.h"

u32 engineSound = 0;
u32 cloakOnSound = 0;
u32 cloakOffSound = 0;
u32 warpSound = 0;
u32 warpExitSound = 0;
u32 torpedoSound = 0;
u32 disruptorSound = 0;
u32 lancerSound = 0;
u32 lancerStartSound = 0;

namespace {

constexpr f32 SILENT_ZOOM = 4000.0f;
constexpr f32 GAIN_PER_ZOOM = 0.00025f;

struct SoundFile {
    u32* handle;
    const char* path;
};

const SoundFile SOUND_FILES[] = {
    {&engineSound, "Data/Audio/engine.wav"},
    {&cloakOnSound, "Data/Audio/cloak_on.ogg"},
    {&cloakOffSound, "Data/Audio/cloak_off.ogg"},
    {&warpSound, "Data/Audio/warp.ogg"},
    {&warpExitSound, "Data/Audio/exit_warp.ogg"},
    {&torpedoSound, "Data/Audio/pulse_torpedo.ogg"},
    {&disruptorSound, "Data/Audio/distruptor.wav"},
    {&lancerSound, "Data/Audio/lancer.wav"},
    {&lancerStartSound, "Data/Audio/lancer_start.wav"},
};

} // namespace

void LoadSounds() {
    for (const SoundFile& sound : SOUND_FILES) *sound.handle = LoadSoundBuffer(sound.path);
}

f32 ZoomGain() {
    f32 gain = (SILENT_ZOOM - systems.zoom) * GAIN_PER_ZOOM;
    return gain > 0.0f ? gain : 0.0f;
}

void PlayUISound(u32 buffer) {
    u32 source = PlaySoundBuffer(buffer);
    if (source == INVALID_HANDLE) return;
    PlaceSourceInWorld(source, ZoomGain());
}
