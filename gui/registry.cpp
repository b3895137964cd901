// The class registry: descriptors kept sorted by name and found by binary search.
#include <cstdlib>
#include <cstring>

#include "gui/classes.h"
#include "gui/gui_internal.h"

namespace {
constexpr u16 MAX_CLASSES = 255;

// The registered class descriptors, sorted by name.
struct ClassRegistry {
    ClassDesc* classes[MAX_CLASSES] = {};
    u16 classCount = 0;
};
ClassRegistry registry;

// The first index whose name does not sort before `name`.
u16 LowerBound(const char* name) {
    u16 lo = 0, hi = registry.classCount;
    while (lo < hi) {
        u16 mid = u16((lo + hi) / 2);
        if (strcmp(registry.classes[mid]->name, name) < 0)
            lo = u16(mid + 1);
        else
            hi = mid;
    }
    return lo;
}
} // namespace

bool IsValidControlName(const char* name) {
    if (!name) return false;
    size_t n = 0;
    for (; name[n]; n++) {
        if (u8(name[n]) < 32 || n >= size_t(CONTROL_NAME_MAX)) return false;
    }
    return n > 0;
}

// Kept sorted whatever order callers register in, so a class registered late is still found;
// a second class of the same name is ignored.
void RegisterControlClass(DescribeClassFunc describe) {
    if (!describe || registry.classCount >= MAX_CLASSES) return;
    ClassDesc* cls = new ClassDesc{};
    describe(cls);
    cls->name[CONTROL_NAME_MAX] = 0;
    cls->propertyCount = -1;
    cls->eventCount = -1;
    cls->properties = nullptr;
    cls->events = nullptr;
    u16 at = LowerBound(cls->name);
    bool taken = at < registry.classCount && strcmp(registry.classes[at]->name, cls->name) == 0;
    if (!cls->factory || !IsValidControlName(cls->name) || taken) {
        delete cls;
        return;
    }
    memmove(registry.classes + at + 1, registry.classes + at,
            (registry.classCount - at) * sizeof(ClassDesc*));
    registry.classes[at] = cls;
    registry.classCount++;
}

ClassDesc* FindClassForCreate(const char* name) {
    if (!name) return nullptr;
    u16 at = LowerBound(name);
    if (at < registry.classCount && strcmp(registry.classes[at]->name, name) == 0)
        return registry.classes[at];
    return nullptr;
}

const ClassDesc* FindControlClass(const char* name) {
    return FindClassForCreate(name);
}

u16 ControlClassCount() {
    return registry.classCount;
}

void FreeClassRegistry() {
    for (u16 i = 0; i < registry.classCount; i++) {
        delete[] registry.classes[i]->properties;
        delete[] registry.classes[i]->events;
        delete registry.classes[i];
        registry.classes[i] = nullptr;
    }
    registry.classCount = 0;
}

void RegisterBuiltinClasses() {
    static const DescribeClassFunc builtins[] = {
        DescribeButton,      DescribeCheckBox,  DescribeComboBox,   DescribeDialog,
        DescribeFrame,       DescribeLabel,     DescribeLine,       DescribeListBox,
        DescribeMCListBox,   DescribeMLTextBox, DescribePictureBox, DescribeProgressBar,
        DescribeRadioButton, DescribeScrollBar, DescribeShape,      DescribeSheet,
        DescribeStatusBar,   DescribeTextBox,
    };
    for (DescribeClassFunc d : builtins) RegisterControlClass(d);
}
