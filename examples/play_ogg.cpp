// An Ogg Vorbis file played as a stream: the audio layer registers with the engine, whose frame
// then keeps the stream's buffers filled.
#include <AL/al.h>

#include "audio/audio.h"
#include "audio/module.h"
#include "engine/engine.h"
#include "engine/loop.h"
#include "engine/window.h"

namespace {
constexpr int FRAMES = 30;
int frames = 0;

void CountFrame() {
    if (++frames == FRAMES) StopEngine();
}
} // namespace

int main() {
    RegisterAudioModule();
    InitEngine("An Ogg file played");
    if (!InitAL(nullptr)) return 1; // no sound device
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    u32 stream = OpenStream("Data/Music/ion_storm.ogg");
    PlayStream(stream);
    AddTimer(CountFrame, 0.0f); // every frame
    RunMainLoop();
    bool playing = StreamQuery(stream, AL_SOURCE_STATE) == AL_PLAYING; // started by the frame
    DestroyAL();
    DestroyEngine();
    return frames == FRAMES && playing ? 0 : 1;
}
