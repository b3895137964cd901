// Minimal bodies until this module is written.
#include "game/shell/loc.h"

LocTable gameText;
LocTable menuText;

void LoadLOC(const char* /*path*/, LocTable* /*table*/) {}
void FreeLOC(LocTable* /*table*/) {}
const char* LocText(const LocTable& /*table*/, u32 /*n*/) {
    return "";
}
const char* LanguageCode(u16 /*index*/) {
    return "";
}
