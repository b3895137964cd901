// The texture registry: one entry per GL texture the engine made, so that glDownload can save
// every texture's pixels before the GL context goes and glUpload can rebuild them afterwards,
// writing each new name back to where its owner keeps it.
#include <GL/gl.h>
#include <cstdlib>
#include <cstring>

#include "engine/input.h"
#include "engine/log.h"
#include "graphics/texture.h"
#include "graphics/texture_gl.h"

namespace {
constexpr u32 REGISTRY_STEP = 64;

struct RegistryEntry {
    u32* owner;
    u16 width, height;
    u8* saved; // level 0 while the context is gone
    u32 filter;
    u32 format;
    bool mipmapped;
    bool pending; // downloaded and awaiting glUpload (saved may be null if memory ran out)
};

// The entries in a growing array, and whether a download awaits its upload.
struct TextureRegistry {
    RegistryEntry* entries = nullptr;
    u32 entryCount = 0;
    u32 entryCapacity = 0;
    bool downloadPending = false;
};
TextureRegistry registry;

bool Grow() {
    u32 capacity = registry.entryCapacity + REGISTRY_STEP;
    auto* grown =
        static_cast<RegistryEntry*>(realloc(registry.entries, capacity * sizeof(RegistryEntry)));
    if (!grown) return false;
    registry.entries = grown;
    registry.entryCapacity = capacity;
    return true;
}

void RemoveAt(u32 index) {
    free(registry.entries[index].saved);
    memmove(registry.entries + index, registry.entries + index + 1,
            (registry.entryCount - index - 1) * sizeof(RegistryEntry));
    registry.entryCount--;
    if (registry.entryCount == 0) registry.downloadPending = false;
}

size_t LevelZeroBytes(const RegistryEntry& e) {
    return size_t(e.width) * e.height * TextureBytesPerPixel(e.format);
}

void SaveEntry(RegistryEntry& e) {
    e.pending = true;
    size_t bytes = LevelZeroBytes(e);
    if (bytes == 0) return;
    // Zeroed, so a texture GL cannot read back comes back black rather than as stale memory.
    e.saved = static_cast<u8*>(calloc(bytes, 1));
    if (!e.saved) {
        LogWrite("[ERROR]<glDownload> Out of memory, a texture will come back empty");
        return;
    }
    glBindTexture(GL_TEXTURE_2D, *e.owner);
    glGetTexImage(GL_TEXTURE_2D, 0, e.format, GL_UNSIGNED_BYTE, e.saved);
}

void RestoreEntry(RegistryEntry& e, u32 name) {
    *e.owner = name;
    glBindTexture(GL_TEXTURE_2D, name);
    SetTextureFilters(e.filter);
    if (e.format == GL_LUMINANCE_ALPHA) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    }
    UploadTextureImage(e.width, e.height, e.format, e.format, e.saved, e.mipmapped);
    free(e.saved);
    e.saved = nullptr;
    e.pending = false;
}
} // namespace

void RegisterTexture(u32* owner, u16 width, u16 height, u32 filter, u32 format, bool mipmapped) {
    if (!owner) return;
    if (registry.entryCount == registry.entryCapacity && !Grow()) {
        LogWrite("[ERROR]<RegisterTexture> Out of memory, texture will not survive a lost context");
        return;
    }
    registry.entries[registry.entryCount++] =
        RegistryEntry{owner, width, height, nullptr, filter, format, mipmapped, false};
}

void UnregisterTexture(u32 name) {
    for (u32 i = 0; i < registry.entryCount; i++) {
        if (*registry.entries[i].owner != name) continue;
        RemoveAt(i);
        return;
    }
}

void DeleteRegisteredTexture(u32* owner) {
    for (u32 i = 0; i < registry.entryCount; i++) {
        if (registry.entries[i].owner != owner) continue;
        if (!registry.entries[i].pending) glDeleteTextures(1, owner);
        RemoveAt(i);
        return;
    }
    glDeleteTextures(1, owner);
}

u32 RegisteredTextureCount() {
    return registry.entryCount;
}

bool GetRegisteredTexture(u32 index, RegisteredTextureInfo* out) {
    if (index >= registry.entryCount || !out) return false;
    const RegistryEntry& e = registry.entries[index];
    *out = RegisteredTextureInfo{e.owner,  *e.owner, e.width,     e.height,
                                 e.filter, e.format, e.mipmapped, e.pending};
    return true;
}

void ResetTextureRegistry() {
    for (u32 i = 0; i < registry.entryCount; i++) free(registry.entries[i].saved);
    free(registry.entries);
    registry = TextureRegistry{};
}

void glDownload() {
    LogWrite("Performing glDownload()");
    if (registry.entryCount == 0 || registry.downloadPending) return;
    GLint packAlignment = 0;
    glGetIntegerv(GL_PACK_ALIGNMENT, &packAlignment);
    // Rows of the saved images are packed tightly; the buffers have no room for padding.
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    for (u32 i = 0; i < registry.entryCount; i++) SaveEntry(registry.entries[i]);
    if (packAlignment > 0) glPixelStorei(GL_PACK_ALIGNMENT, packAlignment);
    registry.downloadPending = true;
    LogWrite("All display card data downloaded");
}

void glUpload() {
    LogWrite("Performing glUpload()");
    if (registry.entryCount == 0 || !registry.downloadPending) return;
    u32 count = 0;
    for (u32 i = 0; i < registry.entryCount; i++) count += registry.entries[i].pending ? 1 : 0;
    auto* names = static_cast<u32*>(calloc(count ? count : 1, sizeof(u32)));
    if (!names) {
        LogWrite("[ERROR]<glUpload> Out of memory");
        return;
    }
    glGenTextures(GLsizei(count), names);
    PumpMessages();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    // Textures created after the download already live in the new context and keep their names.
    u32 next = 0;
    for (u32 i = 0; i < registry.entryCount; i++)
        if (registry.entries[i].pending) RestoreEntry(registry.entries[i], names[next++]);
    free(names);
    registry.downloadPending = false;
    LogWrite("All display card data uploaded");
}
