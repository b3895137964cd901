// Loading DSF fonts into glyph tables and luminance-alpha page textures, and freeing them.
#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>

#include "engine/engine.h"
#include "engine/log.h"
#include "engine/utils.h"
#include "engine/window.h"
#include "graphics/dsf.h"
#include "graphics/font.h"
#include "graphics/texture.h"

namespace {

constexpr size_t TEXEL_BYTES = 2; // luminance, alpha
u8 pageWork[DSF_MAX_PAGE_TEXELS * TEXEL_BYTES];

// The whole file in one malloc'd block, or nullptr when it is missing or too large.
u8* ReadFontFile(const char* path, size_t* size) {
    FILE* file = path ? fopen(path, "rb") : nullptr;
    if (!file) return nullptr;
    u8* data = nullptr;
    long length = fseek(file, 0, SEEK_END) == 0 ? ftell(file) : -1;
    if (length > 0 && size_t(length) <= DSF_MAX_FILE_SIZE && fseek(file, 0, SEEK_SET) == 0) {
        data = static_cast<u8*>(malloc(size_t(length)));
        if (data && fread(data, 1, size_t(length), file) != size_t(length)) {
            free(data);
            data = nullptr;
        }
    }
    fclose(file);
    *size = data ? size_t(length) : 0;
    return data;
}

void FreeRecord(Font* font) {
    free(font->pages);
    free(font->glyphs);
    free(font);
}

// The record with its page array and glyph table; all three or nothing.
Font* AllocateFont(const DsfInfo& info) {
    Font* font = static_cast<Font*>(calloc(1, sizeof(Font)));
    if (!font) return nullptr;
    font->pages =
        static_cast<FontPage*>(calloc(info.pageCount ? info.pageCount : 1, sizeof(FontPage)));
    font->glyphs =
        static_cast<Glyph*>(calloc(info.glyphCount ? info.glyphCount : 1, sizeof(Glyph)));
    if (!font->pages || !font->glyphs) {
        FreeRecord(font);
        return nullptr;
    }
    return font;
}

void UploadPages(const u8* data, const DsfInfo& info, Font* font) {
    u32 names[DSF_MAX_PAGES] = {};
    glGenTextures(info.pageCount, names);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (u32 p = 0; p < info.pageCount; p++) {
        const DsfPageInfo& page = info.pages[p];
        ExpandDSFPage(data, page, pageWork);
        glBindTexture(GL_TEXTURE_2D, names[p]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, page.textureWidth, page.textureHeight, 0,
                     GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, pageWork);
        font->pages[p].name = names[p];
        RegisterTexture(&font->pages[p].name, page.textureWidth, page.textureHeight, GL_LINEAR,
                        GL_LUMINANCE_ALPHA, false);
    }
}

Font* BuildFont(const u8* data, const DsfInfo& info) {
    Font* font = AllocateFont(info);
    if (!font) return nullptr;
    font->pageCount = info.pageCount;
    font->glyphCount = info.glyphCount;
    font->lineHeight = info.lineHeight;
    font->scale = info.scale;
    font->asciiDirect = info.asciiDirect;
    ReadDSFGlyphs(data, info, font->glyphs);
    for (u32 p = 0; p < info.pageCount; p++) {
        font->pages[p].width = info.pages[p].textureWidth;
        font->pages[p].height = info.pages[p].textureHeight;
    }
    if (HasGLContext()) UploadPages(data, info, font);
    TrackAlloc(font);
    TrackAlloc(font->pages);
    TrackAlloc(font->glyphs);
    return font;
}

} // namespace

Font* LoadFont(const char* path) {
    size_t size = 0;
    u8* data = ReadFontFile(path, &size);
    if (!data) return nullptr;
    DsfInfo info;
    Font* font = nullptr;
    if (ParseDSF(data, size, &info)) {
        font = BuildFont(data, info);
    } else {
        LogWrite(StrFormat("[ERROR]<LoadFont> '%s': %s", path, DsfFailureReason()));
    }
    free(data);
    return font;
}

void FreeFont(Font* font) {
    if (!font) return;
    if (GetFont() == font) SetFont(nullptr);
    // Pages of a font loaded without a context have no texture to delete.
    for (u32 p = 0; p < font->pageCount; p++)
        if (font->pages[p].name) DeleteRegisteredTexture(&font->pages[p].name);
    UntrackAlloc(font->glyphs);
    UntrackAlloc(font->pages);
    UntrackAlloc(font);
    FreeRecord(font);
}
