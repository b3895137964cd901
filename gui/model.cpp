// The control table: creation, lookup by name (binary search over the sorted table),
// destruction children first, and the name-based property and event calls.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/font.h"
#include "gui/gui_internal.h"

u8 GUIError = GUI_ERROR_NONE;

namespace {
// TabStop holds the creation index in 16 bits and 0xFFFF means "none", so the table stops
// one short of that.
constexpr size_t MAX_CONTROLS = 0xFFFE;
constexpr size_t TABLE_STEP = 256;

// The controls sorted by name, and those destroyed while an event was being dispatched, which
// are freed when the outermost dispatch ends.
struct ControlTable {
    std::vector<Control*> table;
    int dispatchDepth = 0;
    std::vector<Control*> released;
};
ControlTable controls;

size_t LowerBound(const char* name) {
    size_t lo = 0, hi = controls.table.size();
    while (lo < hi) {
        size_t mid = (lo + hi) / 2;
        if (strcmp(controls.table[mid]->name, name) < 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

Control* Lookup(const char* name) {
    if (!name) return nullptr;
    size_t at = LowerBound(name);
    return at < controls.table.size() && strcmp(controls.table[at]->name, name) == 0
               ? controls.table[at]
               : nullptr;
}

void RemoveFromTable(Control* c) {
    size_t at = LowerBound(c->name);
    if (at < controls.table.size() && controls.table[at] == c)
        controls.table.erase(controls.table.begin() + long(at));
}

void RemoveFromParent(Control* c) {
    if (!c->parent || c->detached) return;
    auto& kids = c->parent->children;
    auto it = std::find(kids.begin(), kids.end(), c);
    if (it != kids.end()) kids.erase(it);
}

// Children go before their parent, the last child first. Closed dialogs that left their
// parent's child list still belong to it and go with it.
void DestroyTree(Control* c) {
    if (c->destroyed) return;
    c->destroyed = true;
    std::vector<Control*> kids;
    for (Control* t : controls.table)
        if (t->parent == c && t->detached) kids.push_back(t);
    kids.insert(kids.end(), c->children.begin(), c->children.end());
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) DestroyTree(*it);
    RemoveFromParent(c);
    RemoveFromTable(c);
    ForgetControl(c);
    c->children.clear();
    c->Delete();
}

// "x" and "y" move through Move, "w" and "h" resize through Size, the other value kept.
bool SetGeometry(Control* c, const char* property, const void* value) {
    bool moves = NameIs(property, "x") || NameIs(property, "y");
    bool sizes = NameIs(property, "w") || NameIs(property, "h");
    if (!value || (!moves && !sizes)) return false;
    f32 v = 0;
    memcpy(&v, value, sizeof v);
    if (NameIs(property, "x")) c->Move(v, c->y);
    if (NameIs(property, "y")) c->Move(c->x, v);
    if (NameIs(property, "w")) c->Size(v, c->h);
    if (NameIs(property, "h")) c->Size(c->w, v);
    return true;
}
} // namespace

// ---- deferred freeing ----
GUIDispatch::GUIDispatch() {
    controls.dispatchDepth++;
}
GUIDispatch::~GUIDispatch() {
    if (--controls.dispatchDepth == 0) FreeReleasedControls();
}
void ReleaseControl(Control* c) {
    if (controls.dispatchDepth > 0)
        controls.released.push_back(c);
    else
        delete c;
}
void FreeReleasedControls() {
    std::vector<Control*> list;
    list.swap(controls.released);
    for (Control* c : list) delete c;
}

// ---- tree queries ----
bool IsInside(const Control* c, const Control* ancestor) {
    for (; c; c = c->parent)
        if (c == ancestor) return true;
    return false;
}

bool IsShown(const Control* c) {
    for (; c; c = c->parent)
        if (!c->visible || c->detached || c->destroyed) return false;
    return true;
}

bool ClassIs(const Control* c, const char* className) {
    return c && c->cls && strcmp(c->cls->name, className) == 0;
}

u16 ControlChildCount(const Control* control) {
    return control ? u16(control->children.size()) : 0;
}

u16 ControlCount() {
    return u16(controls.table.size());
}

Control* ControlAtIndex(u16 index) {
    return index < controls.table.size() ? controls.table[index] : nullptr;
}

void DeleteAllControls() {
    std::vector<Control*> all;
    all.swap(controls.table);
    for (Control* c : all) ForgetControl(c);
    for (Control* c : all) delete c;
    FreeReleasedControls();
}

// ---- creation and destruction ----
Control* CreateControl(const char* className, const char* name, const char* parentName, f32 x,
                       f32 y, f32 w, f32 h) {
    Control* parent = nullptr;
    if (parentName && parentName[0]) {
        parent = Lookup(parentName);
        if (!parent) {
            GUIError = GUI_ERROR_PARENT;
            return nullptr;
        }
    }
    // Names that do not fit the 31-byte field are refused rather than cut into a clash.
    if (!IsValidControlName(name) || Lookup(name)) {
        GUIError = GUI_ERROR_NAME;
        return nullptr;
    }
    ClassDesc* cls = FindClassForCreate(className);
    if (!cls) {
        GUIError = GUI_ERROR_CLASS;
        return nullptr;
    }
    if (controls.table.size() >= MAX_CONTROLS) {
        GUIError = GUI_ERROR_LIMIT;
        return nullptr;
    }
    Control* c = cls->factory();
    c->cls = cls;
    strcpy(c->name, name);
    c->visible = 1;
    c->tabStop = cls->tabStoppable ? u16(controls.table.size()) : NO_TAB_STOP;
    c->parent = parent;
    BuildClassTables(cls, c);
    if (w != 0.0f && h != 0.0f) {
        c->Move(x, y);
        c->Size(w, h);
    }
    if (controls.table.size() == controls.table.capacity())
        controls.table.reserve(controls.table.size() + TABLE_STEP);
    controls.table.insert(controls.table.begin() + long(LowerBound(name)), c);
    if (parent) parent->children.push_back(c);
    return c;
}

Control* CreateRootControl(const char* className, const char* name, const void*, f32 x, f32 y,
                           f32 w, f32 h) {
    return CreateControl(className, name, nullptr, x, y, w, h);
}

Control* FindControl(const char* name) {
    Control* c = Lookup(name);
    if (!c) GUIError = GUI_ERROR_NAME;
    return c;
}

bool DestroyControl(const char* name) {
    GUIDispatch guard;
    Control* c = Lookup(name);
    if (!c) {
        GUIError = GUI_ERROR_NOT_FOUND;
        return false;
    }
    Control* focus = GetFocusRaw();
    if (focus && IsInside(focus, c)) {
        Control* sheet = GetActiveSheetRaw();
        SetFocus(sheet && !IsInside(sheet, c) ? sheet : nullptr);
    }
    DestroyTree(c);
    return true;
}

// ---- properties and events by name ----
bool SetProperty(const char* control, const char* property, const void* value) {
    GUIDispatch guard;
    Control* c = FindControl(control);
    if (!c) return false;
    if (!property) {
        GUIError = GUI_ERROR_PROPERTY;
        return false;
    }
    if (NameIs(property, "Visible") && value) {
        c->visible = *static_cast<const u8*>(value);
        if (c->visible == 1)
            c->Show();
        else
            c->Hide();
        return true;
    }
    if (SetGeometry(c, property, value)) return true;
    if (NameIs(property, "TabStop") && value) {
        memcpy(&c->tabStop, value, sizeof c->tabStop);
        return true;
    }
    if (!c->SetProperty(property, value)) {
        GUIError = GUI_ERROR_PROPERTY;
        return false;
    }
    return true;
}

bool SetPropertyValue(const char* control, const char* property, u32 value) {
    Control* c = FindControl(control);
    if (!c) return false;
    if (!property) {
        GUIError = GUI_ERROR_PROPERTY;
        return false;
    }
    u8 byte = u8(value);
    u16 half = u16(value);
    if (NameIs(property, "Visible")) return SetProperty(control, property, &byte);
    if (NameIs(property, "TabStop")) return SetProperty(control, property, &half);
    if (NameIs(property, "x") || NameIs(property, "y") || NameIs(property, "w") ||
        NameIs(property, "h"))
        return SetProperty(control, property, &value);
    const PropertyDesc* desc = FindPropertyDesc(c->cls, property);
    int size = desc && desc->type != PT_STRING ? PropertyValueSize(c, desc) : 0;
    if (size == 1) return SetProperty(control, property, &byte);
    if (size == 2) return SetProperty(control, property, &half);
    if (size == 4) return SetProperty(control, property, &value);
    GUIError = GUI_ERROR_PROPERTY;
    return false;
}

int GetProperty(const char* control, const char* property, void* out) {
    Control* c = FindControl(control);
    if (!c) return 0;
    if (!property) {
        GUIError = GUI_ERROR_PROPERTY;
        return 0;
    }
    auto give = [out](const void* v, size_t n) {
        if (out) memcpy(out, v, n);
        return 1;
    };
    if (NameIs(property, "Visible")) return give(&c->visible, sizeof c->visible);
    if (NameIs(property, "x")) return give(&c->x, sizeof(f32));
    if (NameIs(property, "y")) return give(&c->y, sizeof(f32));
    if (NameIs(property, "w")) return give(&c->w, sizeof(f32));
    if (NameIs(property, "h")) return give(&c->h, sizeof(f32));
    if (NameIs(property, "TabStop")) return give(&c->tabStop, sizeof c->tabStop);
    int result = c->GetProperty(property, out);
    if (result == 0) GUIError = GUI_ERROR_PROPERTY;
    return result;
}

int GetPropertyString(const char* control, const char* property, char* out, size_t capacity) {
    Control* c = FindControl(control);
    if (!c) return 0;
    const PropertyDesc* desc = property ? FindPropertyDesc(c->cls, property) : nullptr;
    if (!desc || desc->type != PT_STRING) {
        GUIError = GUI_ERROR_PROPERTY;
        return 0;
    }
    int length = c->GetProperty(property, nullptr);
    std::string text(size_t(length) + 1, '\0');
    c->GetProperty(property, text.data());
    if (out && capacity > 0) {
        size_t n = std::min(size_t(length), capacity - 1);
        // Never end inside a UTF-8 sequence: back up over continuation bytes that were cut.
        if (n < size_t(length))
            while (n > 0 && (u8(text[n]) & 0xC0) == 0x80) n--;
        memcpy(out, text.data(), n);
        out[n] = 0;
    }
    if (length == 0) GUIError = GUI_ERROR_PROPERTY;
    return length;
}

bool SetEvent(const char* control, const char* event, GUIHandler handler) {
    Control* c = FindControl(control);
    if (!c) return false;
    if (!event || !c->SetEvent(event, handler)) {
        GUIError = GUI_ERROR_EVENT;
        return false;
    }
    return true;
}
