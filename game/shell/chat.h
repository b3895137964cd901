// The in-flight GUI: the chat panel with its message list, and the system messages.
#pragma once

#include "engine/types.h"

struct Texture;

void InitGameGUI();
void ChatKeyHit(u32 key);
void CloseChat();
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
