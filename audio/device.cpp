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

ALCdevice* device = nullptr;
ALCcontext* context = nullptr;
LPALCRENDERSAMPLESSOFT renderSamples = nullptr; // set while the device is a loopback one
char version[VERSION_SIZE] = "0.0";

u32 pool[SOUND_POOL_SIZE];
i16 poolCount = 0;

void DeleteSource(u32 source) {
    ALuint name = source;
    alSourceStop(name);
    alDeleteSources(1, &name);
}

void RemoveFromPool(i16 index) {
    for (i16 i = index; i + 1 < poolCount; i++) pool[i] = pool[i + 1];
    poolCount--;
}

void EmptyPool() {
    for (i16 i = 0; i < poolCount; i++) DeleteSource(pool[i]);
    poolCount = 0;
}

void FinishStart();

void CloseDevice() {
    alcMakeContextCurrent(nullptr);
    if (context) alcDestroyContext(context);
    if (device) alcCloseDevice(device);
    context = nullptr;
    device = nullptr;
    renderSamples = nullptr;
}

} // namespace

bool InitAL(const char* deviceName) {
    LogWrite(StrFormat("Initializing OpenAL (device=%s)", deviceName ? deviceName : "(null)"));
    if (device) {
        LogWrite("Unable to initialize OpenAL, OpenAL already initialized");
        return false;
    }
    bool useDefault = !deviceName || strcmp(deviceName, DEFAULT_AUDIO_DEVICE) == 0;
    device = alcOpenDevice(useDefault ? nullptr : deviceName);
    bool ok = device != nullptr;
    if (ok) {
        context = alcCreateContext(device, nullptr);
        alcGetError(device);
        ok = context && alcMakeContextCurrent(context) && alcGetError(device) == ALC_NO_ERROR;
    }
    if (!ok) {
        LogWrite(
            StrFormat("Failed to initialize OpenAL, error code=%ld", long(alcGetError(device))));
        snprintf(version, sizeof version, "%s", NO_VERSION);
        // A half-made start is undone so nothing stays open behind the forgotten handles.
        CloseDevice();
        return false;
    }
    FinishStart();
    return true;
}

bool InitALLoopback(u32 rate) {
    LogWrite(StrFormat("Initializing OpenAL (loopback, %u Hz)", rate));
    if (device) {
        LogWrite("Unable to initialize OpenAL, OpenAL already initialized");
        return false;
    }
    auto open = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    renderSamples = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
        alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    device = open && renderSamples ? open(nullptr) : nullptr;
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT,
                                 ALC_STEREO_SOFT,
                                 ALC_FORMAT_TYPE_SOFT,
                                 ALC_SHORT_SOFT,
                                 ALC_FREQUENCY,
                                 ALCint(rate),
                                 0};
    if (device) context = alcCreateContext(device, attributes);
    if (!context || !alcMakeContextCurrent(context)) {
        LogWrite("Failed to initialize OpenAL, no loopback device");
        CloseDevice();
        return false;
    }
    FinishStart();
    return true;
}

bool RenderAL(i16* out, u32 frames) {
    if (!renderSamples || !device || !out) return false;
    renderSamples(device, out, ALCsizei(frames));
    return true;
}

namespace {
// The common end of both starts: version, a clean error state, empty tables.
void FinishStart() {
    ALCint major = 0, minor = 0;
    alcGetIntegerv(device, ALC_MAJOR_VERSION, 1, &major);
    alcGetIntegerv(device, ALC_MINOR_VERSION, 1, &minor);
    snprintf(version, sizeof version, "%i.%i", int(major), int(minor));
    LogWrite(StrFormat("OpenAL version: %s", version));
    alGetError();
    alcGetError(device);
    poolCount = 0;
    LogWrite("OpenAL initialized successfully");
    ResetStreams();
    ResetMusic();
}
} // namespace

void DestroyAL() {
    LogWrite("Destroying OpenAL");
    if (!device) {
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
    return context != nullptr;
}

const char* GetALVersion() {
    return version;
}

u32 PlaySoundBuffer(u32 buffer) {
    // 0 (never loaded) and INVALID_HANDLE (failed to load) are no sound at all.
    if (!context || buffer == 0 || buffer == INVALID_HANDLE) return INVALID_HANDLE;
    if (poolCount == SOUND_POOL_SIZE) {
        DeleteSource(pool[0]);
        RemoveFromPool(0);
    }
    u32 source = NewSource();
    if (source == INVALID_HANDLE) return INVALID_HANDLE;
    ALuint name = source, queued = buffer;
    alSourcei(name, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(name, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourceQueueBuffers(name, 1, &queued);
    alSourcePlay(name);
    pool[poolCount++] = source;
    return source;
}

u32 NewSource() {
    if (!context) return INVALID_HANDLE;
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    return alGetError() == AL_NO_ERROR ? u32(source) : INVALID_HANDLE;
}

u16 SoundPoolCount() {
    return u16(poolCount);
}

u32 SoundPoolSource(u16 index) {
    return index < poolCount ? pool[index] : INVALID_HANDLE;
}

void ReleaseFinishedSounds() {
    if (!context) return;
    for (i16 i = 0; i < poolCount;) {
        ALint state = AL_STOPPED;
        alGetSourcei(pool[i], AL_SOURCE_STATE, &state);
        if (state == AL_PLAYING) {
            i++;
            continue;
        }
        DeleteSource(pool[i]);
        RemoveFromPool(i);
    }
}
