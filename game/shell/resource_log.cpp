// The resource log: counts the layers keep (registered textures, live sources) and the C heap
// as glibc reports it, written through the engine's log at a low rate.
#include "game/shell/resource_log.h"

#include <malloc.h>

#include <cstdlib>
#include <cstring>

#include "audio/device.h"
#include "engine/log.h"
#include "engine/loop.h"
#include "engine/strings.h"
#include "graphics/texture.h"

namespace {
constexpr f32 RESOURCE_LOG_PERIOD = 10.0f; // seconds: low enough to cost nothing
constexpr size_t BYTES_PER_KB = 1024;

// Bytes handed out by malloc, and bytes malloc holds from the system (arenas and mappings).
struct HeapUse {
    size_t inUse = 0;
    size_t held = 0;
};

HeapUse ReadHeap() {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 33)
    struct mallinfo2 info = mallinfo2();
    return HeapUse{info.uordblks + info.hblkhd, info.arena + info.hblkhd};
#else
    return HeapUse{};
#endif
}
} // namespace

void LogResources() {
    HeapUse heap = ReadHeap();
    // One-shot sounds come and go with the fighting; the sources held apart from them must not.
    u32 oneShots = SoundPoolCount();
    LogWrite(StrFormat("Resources: %u textures, %u sources held, %u one-shot, heap %zu kB in use, "
                       "%zu kB held",
                       RegisteredTextureCount(), LiveSourceCount() - oneShots, oneShots,
                       heap.inUse / BYTES_PER_KB, heap.held / BYTES_PER_KB));
}

void StartResourceLog() {
    const char* asked = getenv(RESOURCE_LOG_VARIABLE);
    if (!asked || !*asked || strcmp(asked, "0") == 0) return;
    LogResources();
    AddTimer(LogResources, RESOURCE_LOG_PERIOD);
}
