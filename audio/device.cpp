// The OpenAL device, its context and the one-shot source pool. Every call is safe without a
// device: sound is then simply absent.
#include "audio/device.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <cstdio>
#include <cstring>

#include "audio/music.h"
#include "audio/streams.h"
#include "engine/log.h"
#include "engine/utils.h"

namespace {

constexpr size_t VERSION_SIZE = 32;
constexpr const char* NO_VERSION = "0.0";

// The device and its context, the loopback render entry (set while the device is a loopback
// one), the version text, and the one-shot sources still playing.
struct DeviceState {
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    LPALCRENDERSAMPLESSOFT renderSamples = nullptr;
    char version[VERSION_SIZE] = "0.0";
    u32 pool[SOUND_POOL_SIZE] = {};
    i16 poolCount = 0;
    u32 liveSources = 0; // made by NewSource and not yet freed: what a long run watches
};
DeviceState al;

void RemoveFromPool(i16 index) {
    for (i16 i = index; i + 1 < al.poolCount; i++) al.pool[i] = al.pool[i + 1];
    al.poolCount--;
}

void EmptyPool() {
    for (i16 i = 0; i < al.poolCount; i++) FreeSource(al.pool[i]);
    al.poolCount = 0;
}

void FinishStart();

void CloseDevice() {
    alcMakeContextCurrent(nullptr);
    if (al.context) alcDestroyContext(al.context);
    if (al.device) alcCloseDevice(al.device);
    al.context = nullptr;
    al.device = nullptr;
    al.renderSamples = nullptr;
    al.liveSources = 0; // every source went with the context
}

} // namespace

bool InitAL(const char* deviceName) {
    LogWrite(StrFormat("Initializing OpenAL (device=%s)", deviceName ? deviceName : "(null)"));
    if (al.device) {
        LogWrite("Unable to initialize OpenAL, OpenAL already initialized");
        return false;
    }
    bool useDefault = !deviceName || strcmp(deviceName, DEFAULT_AUDIO_DEVICE) == 0;
    al.device = alcOpenDevice(useDefault ? nullptr : deviceName);
    bool ok = al.device != nullptr;
    if (ok) {
        al.context = alcCreateContext(al.device, nullptr);
        alcGetError(al.device);
        ok = al.context && alcMakeContextCurrent(al.context) &&
             alcGetError(al.device) == ALC_NO_ERROR;
    }
    if (!ok) {
        LogWrite(
            StrFormat("Failed to initialize OpenAL, error code=%ld", long(alcGetError(al.device))));
        snprintf(al.version, sizeof al.version, "%s", NO_VERSION);
        // A half-made start is undone so nothing stays open behind the forgotten handles.
        CloseDevice();
        return false;
    }
    FinishStart();
    return true;
}

bool InitALLoopback(u32 rate) {
    LogWrite(StrFormat("Initializing OpenAL (loopback, %u Hz)", rate));
    if (al.device) {
        LogWrite("Unable to initialize OpenAL, OpenAL already initialized");
        return false;
    }
    auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    al.renderSamples = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
        alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    al.device = open && al.renderSamples ? open(nullptr) : nullptr;
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT,
                                 ALC_STEREO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT,
                                 ALC_SHORT_SOFT,
                                 ALC_FREQUENCY,
                                 ALCint(rate),
                                 0};
    if (al.device) al.context = alcCreateContext(al.device, attributes);
    if (!al.context || !alcMakeContextCurrent(al.context)) {
        LogWrite("Failed to initialize OpenAL, no loopback device");
        CloseDevice();
        return false;
    }
    FinishStart();
    return true;
}

bool RenderAL(i16* out, u32 frames) {
    if (!al.renderSamples || !al.device || !out) return false;
    al.renderSamples(al.device, out, ALCsizei(frames));
    return true;
}

namespace {
// The common end of both starts: version, a clean error state, empty tables.
void FinishStart() {
    ALCint major = 0, minor = 0;
    alcGetIntegerv(al.device, ALC_MAJOR_VERSION, 1, &major);
    alcGetIntegerv(al.device, ALC_MINOR_VERSION, 1, &minor);
    snprintf(al.version, sizeof al.version, "%i.%i", int(major), int(minor));
    LogWrite(StrFormat("OpenAL version: %s", al.version));
    alGetError();
    alcGetError(al.device);
    al.poolCount = 0;
    al.liveSources = 0;
    LogWrite("OpenAL initialized successfully");
    ResetStreams();
    ResetMusic();
}
} // namespace

void DestroyAL() {
    LogWrite("Destroying OpenAL");
    if (!al.device) {
        LogWrite("Unable to destroy OpenAL, it was already destroyed");
        return;
    }
    // Streams and one-shot sources hold decoders and sources; they go before the context.
    CloseAllStreams();
    EmptyPool();
    CloseDevice();
    LogWrite("OpenAL destroyed");
}

bool IsALReady() {
    return al.context != nullptr;
}

const char* GetALVersion() {
    return al.version;
}

u32 PlaySoundBuffer(u32 buffer) {
    // 0 (never loaded) and INVALID_HANDLE (failed to load) are no sound at all.
    if (!al.context || buffer == 0 || buffer == INVALID_HANDLE) return INVALID_HANDLE;
    if (al.poolCount == SOUND_POOL_SIZE) {
        FreeSource(al.pool[0]);
        RemoveFromPool(0);
    }
    u32 source = NewSource();
    if (source == INVALID_HANDLE) return INVALID_HANDLE;
    ALuint name = source, queued = buffer;
    alSourcei(name, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(name, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourceQueueBuffers(name, 1, &queued);
    alSourcePlay(name);
    al.pool[al.poolCount++] = source;
    return source;
}

u32 NewSource() {
    if (!al.context) return INVALID_HANDLE;
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) return INVALID_HANDLE;
    al.liveSources++;
    return u32(source);
}

void FreeSource(u32 source) {
    if (!al.context || source == INVALID_HANDLE) return;
    ALuint name = source;
    alSourceStop(name);
    alDeleteSources(1, &name);
    if (al.liveSources > 0) al.liveSources--;
}

u32 LiveSourceCount() {
    return al.liveSources;
}

u16 SoundPoolCount() {
    return u16(al.poolCount);
}

u32 SoundPoolSource(u16 index) {
    return index < al.poolCount ? al.pool[index] : INVALID_HANDLE;
}

void ReleaseFinishedSounds() {
    if (!al.context) return;
    for (i16 i = 0; i < al.poolCount;) {
        ALint state = AL_STOPPED;
        alGetSourcei(al.pool[i], AL_SOURCE_STATE, &state);
        if (state == AL_PLAYING) {
            i++;
            continue;
        }
        FreeSource(al.pool[i]);
        RemoveFromPool(i);
    }
}
