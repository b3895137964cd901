// Table-driven properties and events: the per-class tables built at the first instance,
// binary search by name, and copying values by the size their type code gives.
#include <algorithm>
#include <cstring>
#include <string>

#include "gui/gui_internal.h"
#include "gui/skins.h"

namespace {
template <typename Desc> void SortByName(Desc* table, int count) {
    std::sort(table, table + count,
              [](const Desc& a, const Desc& b) { return strcmp(a.name, b.name) < 0; });
}

template <typename Desc> const Desc* Search(const Desc* table, int count, const char* name) {
    if (!table || !name) return nullptr;
    int lo = 0, hi = count - 1;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        int order = strcmp(table[mid].name, name);
        if (order == 0) return &table[mid];
        if (order < 0)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
    return nullptr;
}
} // namespace

int PropertyTypeSize(u8 type) {
    switch (type) {
    case PT_BOOL:
    case PT_CHAR:
    case PT_ENUM: return 1;
    case PT_SHORT:
    case PT_SHORT2:
    case PT_SHORT3: return 2;
    case PT_INT:
    case PT_FLOAT:
    case PT_COLOR: return 4;
    case PT_DOUBLE: return 8;
    case PT_TEXTURE:
    case PT_SURFACE:
    case PT_FONT:
    case PT_BACKGROUND: return int(sizeof(void*));
    case PT_DIALOGSKIN: return int(sizeof(DialogSkin));
    case PT_SCROLLSKIN: return int(sizeof(ScrollSkin));
    default: return 0;
    }
}

int PropertyValueSize(Control* control, const PropertyDesc* desc) {
    if (desc->type == PT_BACKGROUND && desc->holdsColor && desc->holdsColor(control))
        return int(sizeof(u32));
    return PropertyTypeSize(desc->type);
}

void BuildClassTables(ClassDesc* cls, Control* instance) {
    if (cls->propertyCount < 0) {
        int count = instance->DescribeProperties(nullptr);
        cls->properties = new PropertyDesc[size_t(std::max(count, 1))];
        instance->DescribeProperties(cls->properties);
        SortByName(cls->properties, count);
        cls->propertyCount = i16(count);
    }
    if (cls->eventCount < 0) {
        int count = instance->DescribeEvents(nullptr);
        cls->events = new EventDesc[size_t(std::max(count, 1))];
        instance->DescribeEvents(cls->events);
        SortByName(cls->events, count);
        cls->eventCount = i16(count);
    }
}

const PropertyDesc* FindPropertyDesc(const ClassDesc* cls, const char* name) {
    if (!cls || cls->propertyCount <= 0) return nullptr;
    return Search(cls->properties, cls->propertyCount, name);
}

const EventDesc* FindEventDesc(const ClassDesc* cls, const char* name) {
    if (!cls || cls->eventCount <= 0) return nullptr;
    return Search(cls->events, cls->eventCount, name);
}

bool SetTableProperty(Control* control, const char* name, const void* value) {
    const PropertyDesc* desc = FindPropertyDesc(control->cls, name);
    if (!desc) {
        GUIError = GUI_ERROR_NAME;
        return false;
    }
    void* field = desc->field(control);
    if (desc->type == PT_STRING) {
        *static_cast<std::string*>(field) = value ? static_cast<const char*>(value) : "";
        return true;
    }
    if (!value) return false;
    if (desc->type == PT_BACKGROUND) {
        auto* bg = static_cast<BackgroundValue*>(field);
        if (desc->holdsColor && desc->holdsColor(control))
            memcpy(&bg->color, value, sizeof bg->color);
        else
            memcpy(&bg->pointer, value, sizeof bg->pointer);
        return true;
    }
    memcpy(field, value, size_t(PropertyTypeSize(desc->type)));
    return true;
}

int GetTableProperty(Control* control, const char* name, void* out) {
    const PropertyDesc* desc = FindPropertyDesc(control->cls, name);
    if (!desc) return 0;
    void* field = desc->field(control);
    if (desc->type == PT_STRING) {
        const std::string& s = *static_cast<std::string*>(field);
        if (out) memcpy(out, s.c_str(), s.size() + 1);
        return int(s.size());
    }
    if (desc->type == PT_BACKGROUND) {
        auto* bg = static_cast<BackgroundValue*>(field);
        bool color = desc->holdsColor && desc->holdsColor(control);
        if (out) {
            if (color)
                memcpy(out, &bg->color, sizeof bg->color);
            else
                memcpy(out, &bg->pointer, sizeof bg->pointer);
        }
        return color ? int(sizeof bg->color) : int(sizeof bg->pointer);
    }
    int size = PropertyTypeSize(desc->type);
    if (out) memcpy(out, field, size_t(size));
    return size;
}
