// The editing core shared by TextBox and MLTextBox: a UTF-8 buffer with a caret and a
// selection, input cleaned and filtered by format and length, and the editing keys.
#pragma once

#include <string>

#include "engine/types.h"

// Text boxes hold at most this many bytes; longer input is cut at a character boundary.
constexpr size_t TEXT_EDIT_MAX_BYTES = 65536;

enum TextFormat : u8 { FORMAT_STRING = 0, FORMAT_INTEGER = 1, FORMAT_FLOAT = 2 };

struct TextEditor {
    std::string text;
    i32 cPos = 0; // caret, a byte offset
    i32 nSel = 0; // selection from the caret: negative lies before it
    u8 format = FORMAT_STRING;
    i32 maxLen = 0; // characters; 0 = no limit
    bool multiLine = false;
    f32 blink = 0;
    bool caretVisible = true;

    // cPos and nSel are public properties: brought back inside the text, on character
    // boundaries, before every use.
    void Normalize();
    i32 SelStart() const;
    i32 SelEnd() const;
    // Inserts at a byte position under the box's rules; false when nothing went in.
    bool Insert(i32 position, const char* bytes, size_t length);
    void SetText(const char* value); // the caller runs the Change handler
    bool DeleteSelection();
    void Backspace();
    void DeleteForward();
    void MoveLeft(bool extend);
    void MoveRight(bool extend);
    void SelectAll();
    void SelectWordAtCaret();
    std::string Selection() const;
    void RestartBlink();
    void UpdateBlink(f32 dt);
};

i32 PreviousCharStart(const std::string& text, i32 position);
i32 NextCharStart(const std::string& text, i32 position);
