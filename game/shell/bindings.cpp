// Minimal bodies until this module is written.
#include "game/shell/bindings.h"

KeyBinding keyBindings[BINDING_COUNT];

void LoadUserConfig() {}
bool IsActionDown(u32 /*action*/) {
    return false;
}
void BindingKeyNames(char* /*buffer*/, size_t /*capacity*/, u32 /*action*/, bool /*lineBreak*/) {}
