// Minimal bodies until this module is written.
#include "game/shell/chat.h"

void InitGameGUI() {}
void ChatKeyHit(u32 /*key*/) {}
void CloseChat() {}
void SendToAll() {}
void SendToGroup() {}
void SendToPilot() {}
void AddChatLine(const char* /*text*/, Texture* /*avatar*/) {}
void UpdateChat(f32 /*dt*/) {}
void DrawChat() {}
void SystemMessage(const char* /*text*/) {}
void GameMessage(u32 /*n*/) {}
