// Opening and closing the modal dialogs of message boxes, their slots and the button click
// that ends the wait.
#include "gui/common_dialog.h"

#include <cstdlib>
#include <cstring>

#include "engine/input.h"
#include "engine/loop.h"
#include "engine/utils.h"
#include "graphics/font.h"
#include "gui/gui_internal.h"
#include "gui/skins.h"

namespace {
constexpr f32 MARGIN_X = 0.01f; // of the screen width
constexpr f32 MARGIN_Y = 0.01f; // of the screen height
constexpr const char* BUTTON_PREFIX = "VAELOR_CD_Button_";

struct SlotState {
    bool wasPaused = false;
    bool pausedByUs = false;
    bool savedShowScene = false;
    bool madeRootSheet = false;
    Control* rootSheet = nullptr;
    Control* dialog = nullptr;
    Control* previousModal = nullptr;
    Control* previousFocus = nullptr;
};

// Each message box slot's answer and what opening it changed, with the font and skin the
// boxes are built with.
struct MessageBoxState {
    u8 slots[COMMON_DIALOG_SLOTS] = {};
    SlotState states[COMMON_DIALOG_SLOTS] = {};
    Font* commonFont = nullptr;
    DialogSkin commonSkin = {}; // nothing fills it: message boxes use the plain look
};
MessageBoxState boxes;
const u32 commonTextColor = MakeRGB(0, 0, 0);

int TakeSlot() {
    for (int i = 0; i < COMMON_DIALOG_SLOTS; i++)
        if (boxes.slots[i] == 0) return i;
    return -1;
}

void MakeRootSheet(int slot, SlotState& st) {
    const char* name = StrFormat("VAELOR_CD_RootWnd_%i", slot);
    Control* sheet = CreateControl("Sheet", name, nullptr, 0, 0, 0, 0);
    if (!sheet) return;
    st.rootSheet = sheet;
    st.madeRootSheet = true;
    st.savedShowScene = IsGUIFlagEnabled(GUI_SHOW_SCENE);
    EnableGUIFlag(GUI_SHOW_SCENE);
    SetPropertyValue(name, "Background", 0); // fully transparent
    SetActiveSheet(name);
}

// The slot's engine pause, root sheet and show-scene flag go back as they were.
void ReleaseSlot(int slot) {
    SlotState& st = boxes.states[slot];
    boxes.slots[slot] = 0;
    if (st.pausedByUs) ResumeEngine();
    if (st.rootSheet) DestroyControl(st.rootSheet->name);
    if (st.madeRootSheet && !st.savedShowScene) DisableGUIFlag(GUI_SHOW_SCENE);
    st = SlotState{};
}
} // namespace

void ResetMessageBoxes() {
    boxes = MessageBoxState{};
}

void SetCommonDialogFont(Font* font) {
    boxes.commonFont = font;
}
Font* GetCommonDialogFont() {
    return boxes.commonFont;
}
u32 GetCommonDialogTextColor() {
    return commonTextColor;
}

u8 CommonDialogState(int slot) {
    return slot >= 0 && slot < COMMON_DIALOG_SLOTS ? boxes.slots[slot] : 0;
}

CommonDialog OpenCommonDialog(f32 contentW, f32 contentH, const char* caption, Font* font) {
    CommonDialog d;
    int slot = TakeSlot();
    if (slot < 0) return d;
    SlotState& st = boxes.states[slot];
    boxes.slots[slot] = COMMON_DIALOG_WAITING;
    st.wasPaused = IsPaused();
    if (IsGUIFlagEnabled(GUI_PAUSE_FOR_DIALOGS) && !st.wasPaused) {
        PauseEngine();
        st.pausedByUs = true;
    }
    if (!GetActiveSheetRaw()) MakeRootSheet(slot, st);

    const f32 sw = VIRTUAL_WIDTH, sh = VIRTUAL_HEIGHT;
    f32 ox = MARGIN_X * sw;
    f32 oy = MARGIN_Y * sh +
             (boxes.commonSkin.pieceCount == 0 ? MARGIN_Y * sh + FontLineHeight(font) : 0);
    f32 width = contentW + ox, height = MARGIN_Y * sh + oy + contentH;
    const char* name = StrFormat("VAELOR_Common_Dialog_%i", slot);
    Control* sheet = GetActiveSheetRaw();
    Control* dialog =
        sheet ? CreateControl("Dialog", name, sheet->name, f32(VIRTUAL_WIDTH / 2) - width / 2,
                              f32(VIRTUAL_HEIGHT / 2) - height / 2, width, height)
              : nullptr;
    if (!sheet) GUIError = GUI_ERROR_PARENT;
    if (!dialog) {
        ReleaseSlot(slot);
        return d;
    }
    SetProperty(dialog->name, "Text", caption);
    SetProperty(dialog->name, "Skin", &boxes.commonSkin);
    SetProperty(dialog->name, "Font", &font);
    SetPropertyValue(dialog->name, "CloseButton", 0);
    // The new box is modal whatever held the focus before.
    st.dialog = dialog;
    st.previousModal = GetModalDialog();
    st.previousFocus = GetFocusRaw();
    SetFocus(dialog);
    SetModalDialog(dialog);
    d.slot = slot;
    d.dialog = dialog;
    d.contentX = ox;
    d.contentY = oy;
    return d;
}

// The focus goes back where it was before the box: to the previous modal dialog, or else to
// the control that had it.
void CloseCommonDialog(const CommonDialog& d) {
    if (d.slot < 0 || d.slot >= COMMON_DIALOG_SLOTS) return;
    SlotState& st = boxes.states[d.slot];
    Control* previous = st.previousModal;
    SetModalDialog(previous);
    if (previous) SetFocus(previous);
    if (st.dialog) {
        DestroyControl(st.dialog->name);
    } else {
        GUIError = GUI_ERROR_NOT_FOUND;
    }
    Control* focusBefore = previous ? nullptr : st.previousFocus;
    ReleaseSlot(d.slot);
    if (focusBefore && IsShown(focusBefore)) SetFocus(focusBefore);
}

// Button names carry their slot and index: VAELOR_CD_Button_<slot>_<index>.
void CommonDialogButtonClick(u32) {
    Control* focus = GetFocusRaw();
    size_t prefix = strlen(BUTTON_PREFIX);
    if (!focus || strncmp(focus->name, BUTTON_PREFIX, prefix) != 0) return;
    char* end = nullptr;
    long slot = strtol(focus->name + prefix, &end, 10);
    if (!end || *end != '_' || slot < 0 || slot >= COMMON_DIALOG_SLOTS) return;
    long index = strtol(end + 1, nullptr, 10);
    if (index < 0 || index >= MSGBOX_MAX_BUTTONS) return;
    if (boxes.slots[slot] == COMMON_DIALOG_WAITING)
        boxes.slots[slot] = u8(COMMON_DIALOG_FIRST_BUTTON + index);
}

// A box whose dialog someone else destroyed stops waiting; a remembered modal dialog that is
// destroyed is not restored later.
void ForgetMessageBoxControl(Control* c) {
    for (int i = 0; i < COMMON_DIALOG_SLOTS; i++) {
        SlotState& st = boxes.states[i];
        if (st.previousModal == c) st.previousModal = nullptr;
        if (st.previousFocus == c) st.previousFocus = nullptr;
        if (st.rootSheet == c) st.rootSheet = nullptr;
        if (st.dialog == c) {
            st.dialog = nullptr;
            if (boxes.slots[i] == COMMON_DIALOG_WAITING) boxes.slots[i] = COMMON_DIALOG_GONE;
        }
    }
}
