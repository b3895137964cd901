// "assettool decode", "encode" and "info": pictures between the engine's formats and PNG.
#include <cstdio>

#include "tools/assettool/atomic_file.h"
#include "tools/assettool/command.h"
#include "tools/assettool/dsx_encoder.h"
#include "tools/assettool/dsx_inspect.h"
#include "tools/assettool/image_formats.h"
#include "tools/assettool/png_io.h"

using namespace dsx_tool;

namespace {

const char DECODE_USAGE[] = "decode IN OUT.png";
const char ENCODE_USAGE[] = "encode IN.png OUT.dsx [--rgb|--rgba]";
const char INFO_USAGE[] = "info FILE";

// Changes the channel count without losing anything; fails when --rgb would drop alpha.
bool ConvertChannels(Picture* picture, u32 channels, std::string* error) {
    if (picture->channels == channels) return true;
    size_t n = picture->PixelCount();
    std::vector<u8> out(n * channels);
    for (size_t i = 0; i < n; ++i) {
        const u8* src = &picture->pixels[i * picture->channels];
        u8* dst = &out[i * channels];
        dst[0] = src[0], dst[1] = src[1], dst[2] = src[2];
        if (channels == 4) {
            dst[3] = 255;
        } else if (src[3] != 255) {
            *error = "has transparent pixels that --rgb would lose";
            return false;
        }
    }
    picture->pixels.swap(out);
    picture->channels = channels;
    return true;
}

void PrintDsxStatistics(const DsxInfo& info) {
    std::printf("global palette: %u entries\n", info.paletteEntries);
    std::printf("%-18s %8s %10s\n", "coding", "regions", "bytes");
    for (u32 c = 0; c < DSX_CODINGS; ++c) {
        if (info.regions[c] == 0) continue;
        std::printf("%-18s %8zu %10zu\n", DsxCodingName(c), info.regions[c], info.bytes[c]);
    }
    if (info.trailingBytes) std::printf("trailing bytes: %zu\n", info.trailingBytes);
}

} // namespace

int CmdDecode(const Args& args) {
    if (args.size() != 2) return ToolUsage(DECODE_USAGE);
    const std::string& in = args[0];
    const std::string& out = args[1];
    std::vector<u8> data;
    std::string error;
    Picture picture;
    if (!ReadFileBytes(in, &data, &error) || !DecodePicture(data, &picture, &error))
        return ToolFail(in, error);
    std::vector<u8> png;
    if (!WritePNG(picture, &png, &error) || !WriteFileAtomic(out, png, &error))
        return ToolFail(out, error);
    return EXIT_OK;
}

int CmdEncode(const Args& args) {
    if (args.size() < 2 || args.size() > 3) return ToolUsage(ENCODE_USAGE);
    u32 channels = 0;
    if (args.size() == 3) {
        if (args[2] == "--rgb")
            channels = 3;
        else if (args[2] == "--rgba")
            channels = 4;
        else
            return ToolUsage(ENCODE_USAGE);
    }
    const std::string& in = args[0];
    const std::string& out = args[1];
    std::vector<u8> data;
    std::string error;
    Picture picture;
    if (!ReadFileBytes(in, &data, &error) || !ReadPNG(data.data(), data.size(), &picture, &error))
        return ToolFail(in, error);
    if (channels && !ConvertChannels(&picture, channels, &error)) return ToolFail(in, error);
    DsxEncodeResult encoded;
    if (!EncodeDSX(picture, &encoded, &error)) return ToolFail(in, error);
    if (!WriteFileAtomic(out, encoded.bytes, &error)) return ToolFail(out, error);
    return EXIT_OK;
}

int CmdInfo(const Args& args) {
    if (args.size() != 1) return ToolUsage(INFO_USAGE);
    const std::string& in = args[0];
    std::vector<u8> data;
    std::string error;
    if (!ReadFileBytes(in, &data, &error)) return ToolFail(in, error);
    PictureFormat format = DetectPictureFormat(data);
    Picture picture;
    if (!DecodePicture(data, &picture, &error)) return ToolFail(in, error);
    std::printf("%s: %s %u x %u, %s, %zu bytes\n", in.c_str(), PictureFormatName(format),
                picture.width, picture.height, picture.channels == 4 ? "RGBA" : "RGB", data.size());
    if (format != PictureFormat::DSX) return EXIT_OK;
    DsxInfo info;
    if (!InspectDSX(data.data(), data.size(), &info, &error)) return ToolFail(in, error);
    PrintDsxStatistics(info);
    return EXIT_OK;
}
