// A scripted platform layer for windowless tests: a clock the test sets, a cursor it places,
// a message queue it fills, and window/GL calls that only record what happened.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace fake {

void Reset();

void SetTime(uint32_t ms);
void AdvanceTime(uint32_t ms);
uint32_t SleptMilliseconds(); // total of every Sys_Sleep since Reset

void PushMessage(const SysMessage& msg);
size_t PendingMessages();

// What the window layer was asked to do.
struct WindowRecord {
    bool created = false;
    std::string title;
    int x = 0, y = 0, width = 0, height = 0;
    SysWindowKind kind = SYS_WINDOW_FIXED;
    int swaps = 0, contextsCreated = 0, minimizeRequests = 0;
};
WindowRecord& Window();
void SetScreenSize(int width, int height);
void SetFrameMetrics(int border, int caption);
void SetContextFails(bool fails);
void SetDisplayModeAccepted(bool accepted);

// The clipboard the text boxes copy to and paste from.
std::string& Clipboard();

struct MessageBoxRecord {
    std::string text, caption;
};
const std::vector<MessageBoxRecord>& MessageBoxes();

// Message helpers shaped like the platform's own.
SysMessage KeyDown(uint32_t vk, uint32_t scan = 0, bool extended = false, bool repeat = false);
SysMessage KeyUp(uint32_t vk, uint32_t scan = 0, bool extended = false);
SysMessage SysKeyDown(uint32_t vk, uint32_t scan = 0, bool extended = false);
SysMessage Char(uint32_t codePoint);
SysMessage MouseMove(int x, int y); // also places the cursor, for tests that call WndProc
SysMessage Button(uint32_t type, int x = 0, int y = 0);
SysMessage Wheel(int delta);
SysMessage Size(uint32_t kind, int width, int height);

} // namespace fake
