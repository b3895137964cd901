// Paces buffer swaps to the display's refresh when the driver's swap returns at once, so a
// frame loop without vsync runs at the refresh rate instead of spinning.
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"

namespace {
constexpr uint32_t MS_PER_SECOND = 1000;
constexpr int MAX_REFRESH_HZ = 1000;
} // namespace

uint32_t Sys_RefreshPeriodMs(int refreshHz) {
    if (refreshHz <= 0 || refreshHz > MAX_REFRESH_HZ) refreshHz = SYS_DEFAULT_REFRESH_HZ;
    return (MS_PER_SECOND + uint32_t(refreshHz) / 2) / uint32_t(refreshHz);
}

uint32_t Sys_PaceSwap(SysSwapPacer* pacer, uint32_t now, uint32_t periodMs) {
    // Ticks wrap at 2^32: the signed difference tells a refresh still ahead from one passed.
    int32_t ahead = int32_t(pacer->nextRefresh - now);
    if (!pacer->started || ahead <= 0 || uint32_t(ahead) > periodMs) {
        pacer->started = true;
        pacer->nextRefresh = now + periodMs;
        return 0;
    }
    // Counting from the refresh rather than from the wake-up keeps the rate from drifting.
    pacer->nextRefresh += periodMs;
    return uint32_t(ahead);
}

bool Sys_SwapWaitWanted() {
    const char* value = getenv("VAELOR_NO_SWAP_WAIT");
    return !value || !value[0] || strcmp(value, "0") == 0;
}
