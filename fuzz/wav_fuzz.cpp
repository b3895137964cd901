// Fuzzes the WAV chunk reader: any bytes must parse or fail cleanly, and a success must point at
// whole frames inside the input in a layout OpenAL can take.
#include <cstdint>
#include <cstdlib>

#include "audio/wav.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WavInfo info;
    if (ParseWAV(data, size, &info)) return 0;
    bool inside = info.samples >= data && info.size <= size &&
                  size_t(info.samples - data) <= size - info.size;
    bool whole = info.size > 0 && info.blockAlign > 0 && info.size % info.blockAlign == 0;
    bool layout = info.channels > 0 && info.frequency >= WAV_MIN_FREQUENCY &&
                  info.frequency <= WAV_MAX_FREQUENCY;
    if (!inside || !whole || !layout) abort();
    // Touch both ends of the samples so a span past the input shows as an overflow.
    volatile uint8_t ends = info.samples[0] ^ info.samples[info.size - 1];
    (void)ends;
    return 0;
}
