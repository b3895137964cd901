// The stream slots and their double-buffered refill. A refill decodes one chunk into the buffer
// the source has just finished; chunks are long enough that one of them outlasts a late frame.
#include "audio/streams.h"

#include <AL/al.h>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "audio/device.h"
#include "audio/vorbis.h"
#include "engine/log.h"
#include "engine/utils.h"

namespace {

constexpr int STREAM_BUFFERS = 2;
constexpr size_t EXTENSION_SIZE = 20;
// Every chunk holds between half a second and two seconds of sound, whatever bit rate the file
// claims. Right after a refill the chunk behind the playing one is whole, so the queue outlasts
// any wait for the next refill shorter than a chunk: a 100 ms frame that comes a quarter second
// late still leaves 150 ms to spare. The cap bounds what one refill decodes and allocates.
constexpr u32 MIN_CHUNK_MS = 500;
constexpr u32 MAX_CHUNK_MS = 2000;
constexpr u32 MS_PER_SECOND = 1000;
// Playing streams are looked at no more often than this: far below the shortest chunk, and it
// keeps a frame at 1000 fps from paying for OpenAL queries that cannot find anything to do.
constexpr auto POLL_INTERVAL = std::chrono::milliseconds(5);

struct StreamSlot {
    OggVorbis_File vorbis;
    VorbisLayout layout;
    std::string path;
    u32 buffers[STREAM_BUFFERS];
    i32 format;
    u32 chunkSize;
    u32 source;
    bool playing;
    bool started; // its source was set playing and has not been rewound since
    bool inUse;
    bool finished; // the decoder reached the end of the file and is closed
};

// The stream slots, the decode space shared by all refills (one thread), and when playing
// streams were last looked at.
struct StreamsState {
    StreamSlot slots[STREAM_SLOTS] = {};
    std::vector<u8> chunk;
    std::chrono::steady_clock::time_point lastPoll;
};
StreamsState streams;

bool ALFailed() {
    return alGetError() != AL_NO_ERROR;
}

StreamSlot* SlotOf(u32 handle) {
    return handle < STREAM_SLOTS && streams.slots[handle].inUse ? &streams.slots[handle] : nullptr;
}

void ForgetSlot(StreamSlot& s) {
    s.path.clear();
    s.path.shrink_to_fit();
    s.inUse = s.playing = s.started = s.finished = false;
    s.source = INVALID_HANDLE;
    for (u32& b : s.buffers) b = INVALID_HANDLE;
}

// The file's average bit rate read as a byte count, kept within the chunk duration limits.
u32 ChooseChunkSize(OggVorbis_File* vf, const VorbisLayout& layout) {
    u32 frameBytes = layout.channels * VORBIS_BYTES_PER_SAMPLE;
    u64 bytesPerSecond = u64(layout.rate) * frameBytes;
    u64 lowest = bytesPerSecond * MIN_CHUNK_MS / MS_PER_SECOND;
    u64 highest = bytesPerSecond * MAX_CHUNK_MS / MS_PER_SECOND;
    long bitrate = ov_bitrate(vf, -1);
    u64 size = bitrate > 0 ? u64(bitrate) : lowest;
    if (size < lowest) size = lowest;
    if (size > highest) size = highest;
    size -= size % frameBytes;
    return u32(size < VORBIS_READ_REQUEST ? VORBIS_READ_REQUEST : size);
}

// Hands the open file to a new decoder (which closes it, also on failure).
const char* StartDecoder(StreamSlot& s, FILE* file) {
    if (const char* error = VorbisOpenFile(file, &s.vorbis, &s.layout)) return error;
    s.format = s.layout.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    s.chunkSize = ChooseChunkSize(&s.vorbis, s.layout);
    s.finished = false;
    return nullptr;
}

void FillStreamBuffer(StreamSlot& s, int index) {
    size_t bytes = 0;
    if (!s.finished) {
        streams.chunk.resize(size_t(s.chunkSize) + VORBIS_READ_REQUEST);
        bool ended = false;
        bytes = VorbisRead(&s.vorbis, &s.layout, streams.chunk.data(), s.chunkSize,
                           streams.chunk.size(), &ended);
        if (ended) {
            VorbisClose(&s.vorbis);
            s.finished = true;
        }
    }
    alBufferData(s.buffers[index], s.format, streams.chunk.data(), ALsizei(bytes),
                 ALsizei(s.layout.rate));
}

bool GenerateBuffers(StreamSlot& s) {
    ALuint names[STREAM_BUFFERS] = {};
    alGenBuffers(STREAM_BUFFERS, names);
    if (ALFailed()) return false;
    for (int i = 0; i < STREAM_BUFFERS; i++) s.buffers[i] = names[i];
    return true;
}

void FillAndQueueBoth(StreamSlot& s) {
    for (int i = 0; i < STREAM_BUFFERS; i++) FillStreamBuffer(s, i);
    ALuint names[STREAM_BUFFERS] = {s.buffers[0], s.buffers[1]};
    alSourceQueueBuffers(s.source, STREAM_BUFFERS, names);
}

// Stops the source and gives its buffers back to OpenAL.
void ReleaseBuffers(StreamSlot& s) {
    if (s.source != INVALID_HANDLE) {
        alSourceStop(s.source);
        alSourcei(s.source, AL_BUFFER, 0); // unqueues every buffer of a stopped source
        // A stopped source counts whatever is queued next as processed; a rewound one does not.
        alSourceRewind(s.source);
    }
    s.started = false;
    for (u32& b : s.buffers) {
        if (b == INVALID_HANDLE) continue;
        ALuint name = b;
        alDeleteBuffers(1, &name);
        b = INVALID_HANDLE;
    }
}

void CloseSlot(StreamSlot& s) {
    ReleaseBuffers(s);
    FreeSource(s.source);
    if (!s.finished) VorbisClose(&s.vorbis);
    ForgetSlot(s);
}

// A free slot first; when all are taken, one whose stream played out and let go of its buffers.
int TakeSlot() {
    for (int i = 0; i < STREAM_SLOTS; i++)
        if (!streams.slots[i].inUse) return i;
    for (int i = 0; i < STREAM_SLOTS; i++) {
        StreamSlot& s = streams.slots[i];
        if (s.finished && !s.playing && s.buffers[0] == INVALID_HANDLE) {
            CloseSlot(s);
            return i;
        }
    }
    return -1;
}

bool HasExtension(const char* path, const char* wanted) {
    char ext[EXTENSION_SIZE];
    PathExtension(path, ext);
    return strcmp(ext, wanted) == 0;
}

u32 FailOpen(StreamSlot& s, const char* path, const char* reason) {
    if (reason) LogWrite(StrFormat("[ERROR]<OpenStream> File '%s': %s", path, reason));
    if (s.inUse) CloseSlot(s);
    LogWrite(StrFormat("Failed to open stream from file '%s', error code=", path));
    return INVALID_HANDLE;
}

// Refills every buffer the source has finished with, oldest first, so a slow frame that used
// up both buffers still gets both back. True when new sound was queued.
bool RefillProcessed(StreamSlot& s, ALint processed) {
    bool refilled = false;
    for (; processed > 0 && !s.finished; processed--) {
        ALuint oldest = 0;
        alSourceUnqueueBuffers(s.source, 1, &oldest);
        s.buffers[0] = s.buffers[1];
        s.buffers[1] = oldest;
        FillStreamBuffer(s, 1);
        alSourceQueueBuffers(s.source, 1, &oldest);
        refilled = true;
    }
    return refilled;
}

bool Drained(const StreamSlot& s) {
    ALint queued = 0, processed = 0;
    alGetSourcei(s.source, AL_BUFFERS_QUEUED, &queued);
    alGetSourcei(s.source, AL_BUFFERS_PROCESSED, &processed);
    return processed >= queued;
}

void UpdateStream(StreamSlot& s) {
    ALint processed = 0;
    alGetSourcei(s.source, AL_BUFFERS_PROCESSED, &processed);
    // Nothing used up since the last look: a source we started is still playing its queue.
    if (processed == 0 && s.started) return;
    bool refilled = RefillProcessed(s, processed);
    ALint state = AL_STOPPED;
    alGetSourcei(s.source, AL_SOURCE_STATE, &state);
    if (state == AL_PLAYING || s.buffers[0] == INVALID_HANDLE) return;
    if (s.finished && !refilled && state == AL_STOPPED && Drained(s)) {
        ReleaseBuffers(s);
        s.playing = false;
        return;
    }
    // A new stream starts here; one that ran dry during a stall is restarted.
    alSourcePlay(s.source);
    s.started = true;
}

} // namespace

u32 OpenStream(const char* path) {
    int index = TakeSlot();
    if (index < 0) return INVALID_HANDLE;
    StreamSlot& s = streams.slots[index];
    if (!path) return FailOpen(s, "(null)", "the path is null");
    LogWrite(StrFormat("Opening audio stream from '%s'", path));
    if (!HasExtension(path, "ogg")) {
        LogWrite(
            StrFormat("Failed to open stream from file '%s', file extension not supported", path));
        return INVALID_HANDLE;
    }
    FILE* file = fopen(path, "rb");
    if (!file) {
        LogWrite("File not found");
        return FailOpen(s, path, nullptr);
    }
    ForgetSlot(s);
    s.inUse = true;
    s.finished = true; // no decoder yet
    u32 source = NewSource();
    const char* error = source == INVALID_HANDLE ? "no OpenAL source can be made" : nullptr;
    if (!error) s.source = source;
    if (!error && !GenerateBuffers(s)) error = "no OpenAL buffer can be made";
    if (error) {
        fclose(file);
        return FailOpen(s, path, error);
    }
    error = StartDecoder(s, file);
    if (error) return FailOpen(s, path, error);
    FillAndQueueBoth(s);
    alSourcei(s.source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(s.source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    s.path = path;
    LogWrite("Stream opened");
    return u32(index);
}

void PlayStream(u32 handle) {
    StreamSlot* s = SlotOf(handle);
    if (!s) return;
    ALint state = AL_INITIAL;
    alGetSourcei(s->source, AL_SOURCE_STATE, &state);
    // A file shorter than two chunks is finished before it ever played: its queue is still whole.
    bool untouched = state == AL_INITIAL && s->buffers[0] != INVALID_HANDLE;
    if (s->finished && !untouched) {
        ReleaseBuffers(*s);
        alGetError();
        FILE* file = fopen(s->path.c_str(), "rb");
        const char* error = nullptr;
        if (!file) {
            error = "the file cannot be opened again";
        } else if (!GenerateBuffers(*s)) {
            fclose(file);
            error = "no OpenAL buffer can be made";
        } else {
            error = StartDecoder(*s, file);
        }
        if (error) {
            LogWrite(StrFormat("[ERROR]<PlayStream> File '%s': %s", s->path.c_str(), error));
            ReleaseBuffers(*s);
            s->playing = false;
            return;
        }
        FillAndQueueBoth(*s);
    }
    s->playing = true;
}

u32 StreamQuery(u32 handle, u32 parameter) {
    const StreamSlot* s = SlotOf(handle);
    if (!s) return INVALID_HANDLE;
    if (parameter == STREAM_FINISHED) return s->finished ? 1 : 0;
    if (parameter == AL_SOURCE_STATE)
        return u32(s->playing ? AL_PLAYING : s->finished ? AL_STOPPED : AL_PAUSED);
    return INVALID_HANDLE;
}

u32 StreamSource(u32 handle) {
    const StreamSlot* s = SlotOf(handle);
    return s ? s->source : INVALID_HANDLE;
}

void CloseStream(u32 handle) {
    if (StreamSlot* s = SlotOf(handle)) CloseSlot(*s);
}

void UpdateStreams() {
    if (!IsALReady()) return;
    auto now = std::chrono::steady_clock::now();
    bool due = now - streams.lastPoll >= POLL_INTERVAL;
    if (due) streams.lastPoll = now;
    for (StreamSlot& s : streams.slots)
        if (s.inUse && s.playing && (due || !s.started)) UpdateStream(s);
    ReleaseFinishedSounds();
}

void ResetStreams() {
    for (StreamSlot& s : streams.slots) ForgetSlot(s);
}

void CloseAllStreams() {
    for (StreamSlot& s : streams.slots)
        if (s.inUse) CloseSlot(s);
}
