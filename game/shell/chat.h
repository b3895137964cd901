// The in-flight GUI: the chat panel with its message list, and the system messages.
#pragma once

#include "engine/types.h"

struct Texture;

constexpr int CHAT_SLOTS = 6; // five lines shown; the sixth stays empty as the end marker
constexpr int CHAT_SHOWN = CHAT_SLOTS - 1;
constexpr int CHAT_LINE_BYTES = 600; // 599 bytes of text and the terminator
constexpr f32 CHAT_LINE_SECONDS = 10.0f;
constexpr int PILOT_COUNT = 14;
constexpr int PILOT_NAME_BYTES = 32;

struct ChatLine {
    Texture* avatar = nullptr;
    f32 timer = 0.0f; // seconds the top line still stays (slot 0 only)
    char text[CHAT_LINE_BYTES] = {};
};

struct ChatState {
    ChatLine lines[CHAT_SLOTS];
    char lastChatTarget[PILOT_NAME_BYTES] = {};
};
extern ChatState chat;

// The pilots offered for a private message.
extern const i16 pilotCount;
extern const char pilotNames[PILOT_COUNT][PILOT_NAME_BYTES];
// The local pilot every sent line is attributed to.
constexpr const char* LOCAL_PILOT = "Ravenfox";

using ChatSendHandler = void (*)();

void InitGameGUI();
void ChatKeyHit(u32 key);
void OpenChat(const char* caption, bool listMode, u32 colour, bool showList,
              ChatSendHandler sendHandler);
void CloseChat();
void ChatBoxKeyDown(u32 key);
void SendToAll();
void SendToGroup();
void SendToPilot();
void AddChatLine(const char* text, Texture* avatar);
void UpdateChat(f32 dt);
void DrawChat();
// Shows text as a system line of the chat panel.
void SystemMessage(const char* text);
// Message n: the system line with game text entry n.
void GameMessage(u32 n);
