// The audio layer: the OpenAL device and context, the pool of one-shot sources, sound buffers
// from WAV and Ogg Vorbis files, and the streams that the main loop refills every frame.
#pragma once

#include "audio/buffers.h"
#include "audio/device.h"
#include "audio/music.h"
#include "audio/streams.h"
