// The text boxes' input and measuring: editing keys with the clipboard, typed characters,
// new text, presses, text measured as typed, and the markup switch held off while drawing.
#pragma once

#include <string>

#include "engine/types.h"
#include "gui/text_edit.h"

// Backspace, Delete, Left, Right and the Ctrl combinations (A selects all, C copies, X cuts,
// V pastes). True when the key was one of them.
bool HandleEditKey(TextEditor& editor, u32 key);
// A typed character (32 and up, a valid code point) inserted at the caret under the box's
// rules; false for anything else, which leaves the text alone.
bool TypeChar(TextEditor& editor, u32 ch);

class EventControl;
// "Text": the new text replaces the old, the box's Change handler runs, and the caret goes to
// the end with nothing selected. False for any other property.
bool SetEditorText(EventControl* box, TextEditor& editor, u8 changeEvent, const char* name,
                   const void* value);
// A press runs MouseDown, the left button clearing the selection first. True when it was the
// left button and the box is still there: the caret then goes where the pointer is.
bool PressPlacesCaret(EventControl* box, TextEditor& editor, u32 button);

struct Font;
// Text measured as typed, every character by its advance, whatever the markup switch says.
f32 RawTextWidth(const Font* font, const char* text, size_t bytes);
// The byte offset before the first character whose middle lies right of x (text starting at
// 0); the end when there is none. A newline ends the search.
i32 RawPositionAt(const Font* font, const char* text, size_t bytes, f32 x);

// Colour tags stay off while a box draws or measures what was typed.
class MarkupOff {
  public:
    MarkupOff();
    ~MarkupOff();
    MarkupOff(const MarkupOff&) = delete;
    MarkupOff& operator=(const MarkupOff&) = delete;

  private:
    f32 saved_;
};
