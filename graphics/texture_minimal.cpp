// Minimal texture registry until the loaders land: no textures exist, so a lost context has
// nothing to save or rebuild.
#include "engine/log.h"
#include "graphics/texture.h"

void glDownload() {
    LogWrite("Performing glDownload()");
}

void glUpload() {
    LogWrite("Performing glUpload()");
}
