// The GUI's control model: the three control layers with their 23 operations, class and
// property descriptors, and the name-based public calls (create, find, destroy, properties,
// events) that game code uses.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "engine/types.h"

struct Font;
class Control;

// Names of controls and classes hold at most this many bytes; longer names are refused.
constexpr int CONTROL_NAME_MAX = 31;
constexpr u16 NO_TAB_STOP = 0xFFFF;

// The last error of a public GUI call; nothing in the program reads it back.
extern u8 GUIError;
enum GUIErrorCode : u8 {
    GUI_ERROR_NONE = 0,
    GUI_ERROR_PROPERTY = 1,  // property refused or unknown
    GUI_ERROR_CLASS = 2,     // class unknown
    GUI_ERROR_EVENT = 3,     // event unknown
    GUI_ERROR_PARENT = 4,    // parent not found
    GUI_ERROR_NAME = 5,      // name not found or invalid (empty, too long, control chars)
    GUI_ERROR_LIMIT = 6,     // the control table is full
    GUI_ERROR_NO_FONT = 7,   // no font for a message box
    GUI_ERROR_NOT_FOUND = 8, // control to destroy not found, invalid message-box arguments
};

enum PropertyType : u8 {
    PT_BOOL = 1,
    PT_CHAR = 2,
    PT_SHORT = 3,
    PT_INT = 4,
    PT_FLOAT = 5,
    PT_DOUBLE = 6,
    PT_COLOR = 7,
    PT_STRING = 8,
    PT_TEXTURE = 9,
    PT_SURFACE = 10,
    PT_SHORT2 = 11, // 16-bit values no built-in class uses
    PT_SHORT3 = 12,
    PT_FONT = 13,
    PT_BACKGROUND = 14,
    PT_ENUM = 15,
    PT_DIALOGSKIN = 16,
    PT_SCROLLSKIN = 17,
};

// A colour, or a surface, texture or function, chosen by the owner's mode property (Button
// "Style", Sheet "BackgroundMode"). Both are kept so changing the mode never reads a colour as
// a pointer.
struct BackgroundValue {
    u32 color = 0;
    void* pointer = nullptr;
};

// Event handlers are plain functions; each event calls its handler with the arguments it
// documents (none, a key code, two floats or an item index). Stored in this common shape.
using GUIHandler = void (*)();
template <typename F> inline GUIHandler ToHandler(F* function) {
    return reinterpret_cast<GUIHandler>(function);
}

struct PropertyDesc {
    const char* name;
    u8 type;
    const char* help;             // the values it takes, or null
    void* (*field)(Control*);     // where the value lives in a control of the class
    bool (*holdsColor)(Control*); // PT_BACKGROUND only: whether the owner's mode is a colour
};

struct EventDesc {
    const char* name;
    u8 slot; // index into EventControl's handler table
};

struct ClassDesc {
    char name[CONTROL_NAME_MAX + 1];
    u8 tabStoppable;
    u8 tabScope; // Tab stays inside the nearest control of such a class
    u8 keepsTab; // receives Tab as an ordinary key
    Control* (*factory)();
    i16 propertyCount; // -1 until the first instance exists
    PropertyDesc* properties;
    i16 eventCount;
    EventDesc* events;
};
using DescribeClassFunc = void (*)(ClassDesc*);

// The common record and the 23-operation interface, in slot order.
class Control {
  public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual void Draw() {}
    virtual void Update(f32) {}
    virtual void KeyDown(u32) {}
    virtual void KeyUp(u32) {}
    virtual void MouseDown(u32) {}
    virtual void Click(u32) {}
    virtual void MouseMove(f32, f32) {}
    virtual void DoubleClick(u32) {}
    virtual void Char(u32) {}
    virtual void Show() {}
    virtual void Hide() {}
    virtual void Move(f32 newX, f32 newY);
    virtual void Size(f32 newW, f32 newH);
    virtual void GetFocus() {}
    virtual void LoseFocus() {}
    virtual bool SetProperty(const char* name, const void* value);
    virtual int GetProperty(const char* name, void* out);
    virtual bool SetEvent(const char* name, GUIHandler handler);
    virtual GUIHandler GetEvent(const char* name);
    virtual bool HitTest(f32 px, f32 py);
    virtual int DescribeProperties(PropertyDesc* out);
    virtual int DescribeEvents(EventDesc* out);
    virtual void Delete(); // runs the Destroy handler where there is one, then frees the control

    const ClassDesc* cls = nullptr;
    char name[CONTROL_NAME_MAX + 1] = {};
    u8 visible = 1;
    u16 tabStop = NO_TAB_STOP;
    f32 x = 0, y = 0, w = 0, h = 0;
    Control* parent = nullptr;
    std::vector<Control*> children; // creation order, which is the drawing order
    bool detached = false;  // a closed dialog: alive, named, but not among its parent's children
    bool destroyed = false; // unlinked and waiting to be freed
};

// The thirteen common events, in handler-table order; classes add theirs after them.
enum EventSlot : u8 {
    EV_KEY_DOWN,
    EV_KEY_UP,
    EV_MOUSE_DOWN,
    EV_CLICK,
    EV_MOUSE_MOVE,
    EV_DOUBLE_CLICK,
    EV_SHOW,
    EV_HIDE,
    EV_DESTROY,
    EV_MOVE,
    EV_SIZE,
    EV_GET_FOCUS,
    EV_LOSE_FOCUS,
    EV_COMMON_COUNT,
    EV_EXTRA_1 = EV_COMMON_COUNT,
    EV_EXTRA_2,
    EV_EXTRA_3,
    EV_SLOT_COUNT
};

class EventControl : public Control {
  public:
    void KeyDown(u32 key) override;
    void KeyUp(u32 key) override;
    void MouseDown(u32 button) override;
    void Click(u32 button) override;
    void MouseMove(f32 dx, f32 dy) override;
    void DoubleClick(u32 button) override;
    void Show() override;
    void Hide() override;
    void Move(f32 newX, f32 newY) override;
    void Size(f32 newW, f32 newH) override;
    void GetFocus() override;
    void LoseFocus() override;
    bool SetEvent(const char* name, GUIHandler handler) override;
    GUIHandler GetEvent(const char* name) override;
    int DescribeEvents(EventDesc* out) override;
    void Delete() override;

    // Runs a bound handler with the arguments its event documents.
    void Fire(u8 slot);
    void FireKey(u8 slot, u32 key);
    void FireIndex(u8 slot, i32 index);
    void FirePair(u8 slot, f32 a, f32 b);

    GUIHandler handlers[EV_SLOT_COUNT] = {};
};

constexpr f32 TOOLTIP_DELAY = 1.5f;

class ToolTipControl : public EventControl {
  public:
    ToolTipControl();
    void Update(f32 dt) override;
    void MouseMove(f32 dx, f32 dy) override;
    bool SetProperty(const char* name, const void* value) override;
    int DescribeProperties(PropertyDesc* out) override;

    f32 toolTipCountdown = TOOLTIP_DELAY;
    Font* font = nullptr;
    std::string toolTipText;
};

// ---- public calls (names compared byte for byte, case-sensitive) ----

void RegisterControlClass(DescribeClassFunc describe); // ignored when 255 classes exist
const ClassDesc* FindControlClass(const char* name);
u16 ControlClassCount();

// Null on failure with GUIError set. Names must be 1..31 bytes without control characters.
Control* CreateControl(const char* className, const char* name, const char* parentName, f32 x,
                       f32 y, f32 w, f32 h);
Control* CreateRootControl(const char* className, const char* name, const void* ignored, f32 x,
                           f32 y, f32 w, f32 h);
Control* FindControl(const char* name);
bool DestroyControl(const char* name);
u16 ControlCount();
Control* ControlAtIndex(u16 index); // the table in name order

// value points at the value: a zero-terminated string for PT_STRING properties, otherwise a
// value of the property's type (a pointer for textures, surfaces and fonts). For
// PT_BACKGROUND set the owner's mode property first: it decides between colour and pointer.
bool SetProperty(const char* control, const char* property, const void* value);
// For values of at most 32 bits (flags, enums, integers, colours, the bits of a float). Wider
// or pointer-valued properties are refused with GUIError 1: pass them with SetProperty.
bool SetPropertyValue(const char* control, const char* property, u32 value);
// Copies the value to out when given and returns its size; for a string the text with its
// terminator is copied and its length returned (call with out null first to learn it).
// 0 (unknown property, or an empty string) sets GUIError 1.
int GetProperty(const char* control, const char* property, void* out);
// The bounded form for strings: at most capacity - 1 bytes and a terminator are written, cut
// at a character boundary. Returns the full length like GetProperty.
int GetPropertyString(const char* control, const char* property, char* out, size_t capacity);
bool SetEvent(const char* control, const char* event, GUIHandler handler);
template <typename F> inline bool SetEventFn(const char* control, const char* event, F* fn) {
    return SetEvent(control, event, ToHandler(fn));
}

inline u32 FloatBits(f32 value) {
    u32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The size in bytes that set and get copy for a type code (0 for PT_STRING).
int PropertyTypeSize(u8 type);
