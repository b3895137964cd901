// Fuzzes the DSX inspector of "assettool info": any bytes, no read outside them, and the counts
// it reports must add up to the stream it walked.
#include <cstdlib>

#include "tools/assettool/dsx_inspect.h"

extern "C" int LLVMFuzzerTestOneInput(const u8* data, size_t size) {
    DsxInfo info;
    std::string error;
    if (!InspectDSX(data, size, &info, &error)) return 0;
    size_t total = 0;
    for (int c = 0; c < dsx_tool::DSX_CODINGS; ++c) total += info.bytes[c];
    if (total != info.streamBytes || info.streamBytes + info.trailingBytes > size) std::abort();
    return 0;
}
