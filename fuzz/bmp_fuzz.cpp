// libFuzzer target: the BMP decoder over arbitrary bytes.
#include "fuzz/image_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzImageDecoder(DecodeBMP, data, size);
}
