// Chooses the image decoder by the path's extension, runs it over the opened file, and reports
// every failure with the calling loader's messages.
#include "graphics/image_loader.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstring>

#include "engine/log.h"
#include "engine/utils.h"

const LoaderMessages TEXTURE_LOADER_MESSAGES = {
    "glLoadTexture", "[ERROR]<glLoadTexture> Unable to load texture,Path is NULL",
    "Unable to load texture,Path cannot be NULL", true};
const LoaderMessages SURFACE_LOADER_MESSAGES = {
    "glLoadSurface", "[ERROR]<glLoadSurface> Unable to load surface, Path is NULL",
    "Unable to load surface,Path cannot be NULL", false};

namespace {
constexpr size_t EXTENSION_BUFFER = 20; // PathExtension's 19 characters and the terminator

struct DecoderChoice {
    const char* extension;
    LoadProc decoder; // null: a known extension with no decoder
};
constexpr DecoderChoice DECODERS[] = {
    {"bmp", LoadBMP}, {"tga", LoadTGA}, {"dsx", LoadDSX}, {"jpg", nullptr}};

const DecoderChoice* FindDecoder(const char* extension) {
    for (const DecoderChoice& choice : DECODERS)
        if (strcmp(choice.extension, extension) == 0) return &choice;
    return nullptr;
}

// Writes "[ERROR]<function> text" to the log and shows text in the function's error box.
void Fail(const LoaderMessages& messages, const char* text) {
    // StrFormat's buffers rotate; the message box must not see its text overwritten.
    char message[STRFORMAT_SIZE];
    snprintf(message, sizeof message, "%s", text);
    LogWrite(StrFormat("[ERROR]<%s> %s", messages.function, message));
    ReportError(message, messages.function);
}

bool IsUsable(const ImageData& image) {
    return image.pixels && image.width > 0 && image.height > 0 &&
           (image.format == GL_RGB || image.format == GL_RGBA);
}

} // namespace

void ReportLoadFailure(const LoaderMessages& messages, const char* path) {
    Fail(messages, StrFormat("Failed to load '%s'", path));
}

bool RunLoadProc(FILE* file, LoadProc decoder, const LoaderMessages& messages, const char* path,
                 ImageData* image) {
    *image = ImageData{};
    if (!decoder) {
        ReportLoadFailure(messages, path);
        return false;
    }
    if (!decoder(file, image)) {
        FreeImageData(image);
        LogWrite(StrFormat("[ERROR]<%s> LoadProc returned NULL", messages.function));
        ReportLoadFailure(messages, path);
        LogWrite(StrFormat("[ERROR]<%s> '%s': %s", messages.function, path, ImageFailureReason()));
        return false;
    }
    if (!IsUsable(*image)) {
        FreeImageData(image);
        if (messages.reportMissingPixels)
            LogWrite(StrFormat("[ERROR]<%s> Failed to load Texture, data.data == NULL",
                               messages.function));
        ReportLoadFailure(messages, path);
        return false;
    }
    return true;
}
bool LoadImageFile(const char* path, const LoaderMessages& messages, ImageData* image) {
    *image = ImageData{};
    if (!path) {
        LogWrite(messages.nullPathLog);
        ReportError(messages.nullPathReport, messages.function);
        return false;
    }
    char extension[EXTENSION_BUFFER];
    PathExtension(path, extension);
    const DecoderChoice* choice = FindDecoder(extension);
    if (!choice) {
        Fail(messages,
             StrFormat("Failed to load '%s', '*.%s' files aren't supported by the Vaelor Engine",
                       path, extension));
        return false;
    }
    FILE* file = fopen(path, "rb");
    if (!file) {
        Fail(messages, StrFormat("File '%s' not found", path));
        return false;
    }
    bool decoded = RunLoadProc(file, choice->decoder, messages, path, image);
    fclose(file);
    return decoded;
}
