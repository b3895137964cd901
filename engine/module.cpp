// The registered layer modules and the engine's calls into them, in registration order.
#include "engine/module.h"

#include "platform/platform.h"

namespace {
struct ModuleTable {
    const EngineModule* entries[MAX_ENGINE_MODULES];
    int count;
};
ModuleTable modules;

// Calls one entry of every module that has it, in registration order. A module registered
// while the walk runs (a GUI started from another module's init) is visited too.
template <typename Member, typename... Args> void Each(Member member, Args... args) {
    for (int i = 0; i < modules.count; i++)
        if (auto fn = modules.entries[i]->*member) fn(args...);
}
} // namespace

bool RegisterEngineModule(const EngineModule* module) {
    if (!module) return false;
    for (int i = 0; i < modules.count; i++)
        if (modules.entries[i] == module) return true;
    if (modules.count >= MAX_ENGINE_MODULES) return false;
    modules.entries[modules.count++] = module;
    return true;
}

void UnregisterEngineModule(const EngineModule* module) {
    for (int i = 0; i < modules.count; i++) {
        if (modules.entries[i] != module) continue;
        for (int j = i + 1; j < modules.count; j++) modules.entries[j - 1] = modules.entries[j];
        modules.count--;
        return;
    }
}

int EngineModuleCount() {
    return modules.count;
}

void ModulesInit() {
    Each(&EngineModule::init);
}

void ModulesShutdown() {
    for (int i = modules.count - 1; i >= 0; i--)
        if (modules.entries[i]->shutdown) modules.entries[i]->shutdown();
}

void ModulesBeginFrame() {
    Each(&EngineModule::beginFrame);
}
void ModulesUpdate(f32 dt) {
    Each(&EngineModule::update, dt);
}

bool ModulesShowScene() {
    for (int i = 0; i < modules.count; i++)
        if (modules.entries[i]->showsScene && !modules.entries[i]->showsScene()) return false;
    return true;
}

void ModulesDraw() {
    Each(&EngineModule::draw);
}
void ModulesAdvance(f32 dt) {
    Each(&EngineModule::advance, dt);
}
void ModulesKeyDown(u32 key) {
    Each(&EngineModule::keyDown, key);
}
void ModulesKeyUp(u32 key) {
    Each(&EngineModule::keyUp, key);
}
void ModulesDoubleClick(u32 key) {
    Each(&EngineModule::doubleClick, key);
}
void ModulesChar(u32 ch) {
    Each(&EngineModule::character, ch);
}
void ModulesMouseMove(f32 dx, f32 dy) {
    Each(&EngineModule::mouseMove, dx, dy);
}
void ModulesContextLost() {
    Each(&EngineModule::contextLost);
}
void ModulesContextRestored() {
    Each(&EngineModule::contextRestored);
}

int ModulesReportError(const char* text, const char* caption) {
    for (int i = 0; i < modules.count; i++)
        if (auto report = modules.entries[i]->reportError) return report(text, caption);
    Sys_MessageBox(text, caption, SYS_MB_ERROR);
    return 0;
}
