// Places the OpenAL listener.
#include "audio/listener.h"

#include <AL/al.h>

#include "audio/device.h"

void SetListenerPosition(f32 x, f32 y, f32 z) {
    if (!IsALReady()) return;
    alListener3f(AL_POSITION, x, y, z);
}
