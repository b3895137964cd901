// The text boxes' input and measuring: editing keys with the clipboard, typed characters,
// text measured as typed, and the markup switch held off while a box draws.
#pragma once

#include <string>

#include "engine/types.h"
#include "gui/text_edit.h"

// Backspace, Delete, Left, Right and the Ctrl combinations (A selects all, C copies, X cuts,
// V pastes). True when the key was one of them.
bool HandleEditKey(TextEditor& editor, u32 key);
// A typed character (32 and up, a valid code point) as UTF-8; false for anything else.
bool EncodeTypedChar(u32 ch, std::string* out);

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
