// Common dialogs: the 128 slots of open message boxes, opening a modal dialog (with a root
// sheet of its own when none is active) and closing it again.
#pragma once

#include "engine/types.h"

class Control;
struct Font;

constexpr int COMMON_DIALOG_SLOTS = 128;

struct CommonDialog {
    int slot = -1; // -1: no slot was free or the dialog could not be made
    Control* dialog = nullptr;
    f32 contentX = 0, contentY = 0;
};

// Opens a dialog with room for content of w x h; the result has slot -1 on failure.
CommonDialog OpenCommonDialog(f32 contentW, f32 contentH, const char* caption, Font* font);
void CloseCommonDialog(const CommonDialog& d);
// 1 while waiting, 2 + n once button n was pressed, COMMON_DIALOG_GONE when the dialog was
// destroyed by someone else.
u8 CommonDialogState(int slot);
constexpr u8 COMMON_DIALOG_WAITING = 1;
constexpr u8 COMMON_DIALOG_FIRST_BUTTON = 2;
constexpr u8 COMMON_DIALOG_GONE = 255;
// The Click handler of every message-box button.
void CommonDialogButtonClick(u32 button);
u32 GetCommonDialogTextColor();
