// The default operations of the three control layers: Control stores geometry, EventControl
// calls the bound handlers, ToolTipControl adds the tooltip countdown and a font.
#include <cstring>

#include "engine/input.h"
#include "graphics/font.h"
#include "gui/gui_internal.h"

namespace {
constexpr f32 TOOLTIP_RAISE_AT = 0.24f;  // countdown at which the tip appears
constexpr f32 TOOLTIP_FADE_BASE = 0.25f; // the fade starts at (0.25 - countdown) x 4
constexpr f32 TOOLTIP_FADE_RATE = 4.0f;
constexpr f32 TOOLTIP_OLDEST = -500.0f;
constexpr f32 TOOLTIP_RAISED = -501.0f; // not raised again until the mouse moves over it
} // namespace

// ---- Control ----
void Control::Move(f32 newX, f32 newY) {
    x = newX;
    y = newY;
}
void Control::Size(f32 newW, f32 newH) {
    w = newW;
    h = newH;
}
bool Control::SetProperty(const char* propertyName, const void* value) {
    return SetTableProperty(this, propertyName, value);
}
int Control::GetProperty(const char* propertyName, void* out) {
    return GetTableProperty(this, propertyName, out);
}
bool Control::SetEvent(const char*, GUIHandler) {
    return false;
}
GUIHandler Control::GetEvent(const char*) {
    return nullptr;
}
bool Control::HitTest(f32 px, f32 py) {
    return 0.0f <= px && px <= w && 0.0f <= py && py <= h;
}
int Control::DescribeProperties(PropertyDesc*) {
    return 0;
}
int Control::DescribeEvents(EventDesc*) {
    return 0;
}
void Control::Delete() {
    ReleaseControl(this);
}

// ---- EventControl ----
void EventControl::Fire(u8 slot) {
    if (GUIHandler h = handlers[slot]) h();
}
void EventControl::FireKey(u8 slot, u32 key) {
    if (GUIHandler h = handlers[slot]) reinterpret_cast<void (*)(u32)>(h)(key);
}
void EventControl::FireIndex(u8 slot, i32 index) {
    if (GUIHandler h = handlers[slot]) reinterpret_cast<void (*)(i32)>(h)(index);
}
void EventControl::FirePair(u8 slot, f32 a, f32 b) {
    if (GUIHandler h = handlers[slot]) reinterpret_cast<void (*)(f32, f32)>(h)(a, b);
}

void EventControl::KeyDown(u32 key) {
    FireKey(EV_KEY_DOWN, key);
}
void EventControl::KeyUp(u32 key) {
    FireKey(EV_KEY_UP, key);
}
void EventControl::MouseDown(u32 button) {
    FireKey(EV_MOUSE_DOWN, button);
}
void EventControl::Click(u32 button) {
    FireKey(EV_CLICK, button);
}
void EventControl::MouseMove(f32 dx, f32 dy) {
    FirePair(EV_MOUSE_MOVE, dx, dy);
}
void EventControl::DoubleClick(u32 button) {
    FireKey(EV_DOUBLE_CLICK, button);
}
void EventControl::Show() {
    Fire(EV_SHOW);
}
void EventControl::Hide() {
    Fire(EV_HIDE);
}
void EventControl::Move(f32 newX, f32 newY) {
    FirePair(EV_MOVE, newX, newY);
    Control::Move(newX, newY);
}
void EventControl::Size(f32 newW, f32 newH) {
    FirePair(EV_SIZE, w, h); // the handler sees the size before the change
    Control::Size(newW, newH);
}
void EventControl::GetFocus() {
    Fire(EV_GET_FOCUS);
}
void EventControl::LoseFocus() {
    Fire(EV_LOSE_FOCUS);
}

bool EventControl::SetEvent(const char* eventName, GUIHandler handler) {
    const EventDesc* desc = FindEventDesc(cls, eventName);
    if (!desc) return false;
    handlers[desc->slot] = handler;
    return true;
}
GUIHandler EventControl::GetEvent(const char* eventName) {
    const EventDesc* desc = FindEventDesc(cls, eventName);
    return desc ? handlers[desc->slot] : nullptr;
}

int EventControl::DescribeEvents(EventDesc* out) {
    static const EventDesc common[] = {
        {"KeyDown", EV_KEY_DOWN},
        {"KeyUp", EV_KEY_UP},
        {"MouseDown", EV_MOUSE_DOWN},
        {"Click", EV_CLICK},
        {"MouseMove", EV_MOUSE_MOVE},
        {"DoubleClick", EV_DOUBLE_CLICK},
        {"Show", EV_SHOW},
        {"Hide", EV_HIDE},
        {"Destroy", EV_DESTROY},
        {"Move", EV_MOVE},
        {"Size", EV_SIZE},
        {"GetFocus", EV_GET_FOCUS},
        {"LoseFocus", EV_LOSE_FOCUS},
    };
    return CopyDescriptors(common, out);
}

// Every class with events runs its Destroy handler before it goes.
void EventControl::Delete() {
    Fire(EV_DESTROY);
    Control::Delete();
}

// ---- ToolTipControl ----
ToolTipControl::ToolTipControl() : font(GetFont()) {}

// Counts down only while the pointer rests on this control where it can be seen, so hidden
// or covered controls raise no tips.
void ToolTipControl::Update(f32 dt) {
    if (toolTipText.empty()) return;
    f32 mx = 0, my = 0;
    GetMousePos(&mx, &my);
    Control* under = ControlAt(mx, my);
    if (!under || !IsInside(under, this)) return;
    toolTipCountdown -= dt;
    if (toolTipCountdown < TOOLTIP_OLDEST || toolTipCountdown > TOOLTIP_RAISE_AT) return;
    if (toolTipCountdown < 0.0f) toolTipCountdown = 0.0f;
    RaiseToolTip(this, toolTipText, mx, my,
                 (TOOLTIP_FADE_BASE - toolTipCountdown) * TOOLTIP_FADE_RATE);
    toolTipCountdown = TOOLTIP_RAISED;
}

void ToolTipControl::MouseMove(f32 dx, f32 dy) {
    EventControl::MouseMove(dx, dy);
    toolTipCountdown = TOOLTIP_DELAY;
}

bool ToolTipControl::SetProperty(const char* propertyName, const void* value) {
    if (NameIs(propertyName, "ToolTipText")) {
        toolTipText = value ? static_cast<const char*>(value) : "";
        return true;
    }
    return EventControl::SetProperty(propertyName, value);
}

int ToolTipControl::DescribeProperties(PropertyDesc* out) {
    static const PropertyDesc own[] = {
        {"Font", PT_FONT, nullptr, GUI_FIELD(ToolTipControl, font), nullptr},
        {"ToolTipText", PT_STRING, nullptr, GUI_FIELD(ToolTipControl, toolTipText), nullptr},
    };
    int n = CopyDescriptors(own, out);
    return n + EventControl::DescribeProperties(out ? out + n : nullptr);
}
