// The in-flight sheet and its chat panel: opening the box in one of three modes, sending a line
// to everybody, the group or one pilot, and closing it again.
#include "game/shell/chat.h"

#include <cstring>
#include <string>

#include "engine/input.h"
#include "engine/log.h"
#include "engine/loop.h"
#include "engine/utils.h"
#include "graphics/font.h"
#include "gui/control.h"
#include "gui/lists.h"
#include "gui/sheet.h"
#include "game/shell/bindings.h"
#include "game/shell/chat_format.h"
#include "game/shell/consoles.h"
#include "game/shell/loc.h"
#include "game/shell/resources.h"
#include "game/sim/weapons.h"

namespace {
constexpr const char* GAME_SHEET = "GameSheet";
constexpr const char* CHAT_BOX = "ChatBox";
constexpr const char* CHAT_SEND = "ChatSend";
constexpr const char* CHAT_INFO = "ChatInfo";
constexpr const char* CHAT_SHORTCUTS = "ChatShortcutInfo";
constexpr const char* CHAT_LIST = "ChatList";
constexpr const char* CHAT_CONTROLS[] = {CHAT_BOX, CHAT_SEND, CHAT_INFO, CHAT_SHORTCUTS, CHAT_LIST};

constexpr u32 BOX_BLUE = MakeRGBA(50, 93, 171, 180);
constexpr u32 WHITE = MakeRGB(255, 255, 255);
constexpr u32 INFO_GREY = MakeRGBA(128, 128, 128, 80);
constexpr i32 CHAT_MAX_CHARS = 256;
constexpr f32 LABEL_PAD = 2.0f;
constexpr f32 SHORTCUTS_RIGHT = 750.0f;
constexpr int MESSAGE_BYTES = 2048;

constexpr i32 MENU_CURSOR_SLOT = 1;
constexpr i32 WEAPON_CURSOR_SLOT = 2;

enum ChatText : u32 {
    TEXT_SEND = 27,
    TEXT_ALL = 28,
    TEXT_GROUP = 29,
    TEXT_PILOT = 30,
    TEXT_SHORTCUTS = 31,
    TEXT_SHORTCUTS_LIST = 32,
    TEXT_GROUP_TAG = 33,
    TEXT_TO = 35,
};

struct ChatMode {
    u32 binding;
    u32 caption;
    u32 colour;
    bool showList;
    ChatSendHandler send;
};
const ChatMode CHAT_MODES[] = {
    {ACTION_CHAT_ALL, TEXT_ALL, MakeRGBA(50, 150, 50, 180), false, SendToAll},
    {ACTION_CHAT_GROUP, TEXT_GROUP, MakeRGBA(150, 50, 50, 180), false, SendToGroup},
    {ACTION_CHAT_PILOT, TEXT_PILOT, MakeRGBA(50, 93, 171, 180), true, SendToPilot},
};

void SetText(const char* control, const char* text) {
    SetProperty(control, "Text", text);
}

std::string GetText(const char* control) {
    int n = GetProperty(control, "Text", nullptr);
    if (n <= 0) return {};
    std::string text(size_t(n) + 1, '\0');
    GetProperty(control, "Text", text.data());
    text.resize(strnlen(text.c_str(), size_t(n)));
    return text;
}

void SetFloat(const char* control, const char* property, f32 value) {
    SetProperty(control, property, &value);
}

// Width of a label's text in the label's own font.
f32 LabelTextWidth(const char* control, const char* text) {
    Font* font = nullptr;
    GetProperty(control, "Font", &font);
    return TextWidthFont(text, font ? font : GetFont());
}

void CreateChatControls() {
    CreateControl("TextBox", CHAT_BOX, GAME_SHEET, 50, 290, 700, 20);
    SetPropertyValue(CHAT_BOX, "Color", BOX_BLUE);
    SetPropertyValue(CHAT_BOX, "TextColor", WHITE);
    SetPropertyValue(CHAT_BOX, "SelectedColor", MakeRGB(200, 200, 200));
    SetPropertyValue(CHAT_BOX, "SelectedTextColor", MakeRGB(0, 0, 0));
    SetPropertyValue(CHAT_BOX, "MaxLen", u32(CHAT_MAX_CHARS));
    SetEventFn(CHAT_BOX, "KeyDown", ChatBoxKeyDown);
    SetText(CHAT_BOX, "Damn this game rocks!");

    CreateControl("Button", CHAT_SEND, GAME_SHEET, 650, 314, 100, 18);
    SetPropertyValue(CHAT_SEND, "Background", BOX_BLUE);
    SetPropertyValue(CHAT_SEND, "TextColor", WHITE);

    CreateControl("Label", CHAT_INFO, GAME_SHEET, 50, 275, 300, 12);
    SetPropertyValue(CHAT_INFO, "Color", INFO_GREY);
    SetPropertyValue(CHAT_INFO, "TextColor", WHITE);

    CreateControl("Label", CHAT_SHORTCUTS, GAME_SHEET, 500, 275, 250, 12);
    SetPropertyValue(CHAT_SHORTCUTS, "Color", INFO_GREY);
    SetPropertyValue(CHAT_SHORTCUTS, "TextColor", WHITE);
    SetText(CHAT_SHORTCUTS, "Shortcuts: Enter - Send ; Up/Down - Choose player");

    CreateControl("ListBox", CHAT_LIST, GAME_SHEET, 300, 314, 200, 200);
    SetPropertyValue(CHAT_LIST, "Color", BOX_BLUE);
    SetPropertyValue(CHAT_LIST, "TextColor", WHITE);
    SetPropertyValue(CHAT_LIST, "SelectorColor", MakeRGBA(200, 200, 200, 170));
    SetPropertyValue(CHAT_LIST, "SelectedTextColor", MakeRGB(0, 0, 0));

    for (const char* name : CHAT_CONTROLS) SetPropertyValue(name, "Visible", 0);
}

void CopyTarget(const char* name) {
    if (!name) return;
    strncpy(chat.lastChatTarget, name, PILOT_NAME_BYTES - 1);
    chat.lastChatTarget[PILOT_NAME_BYTES - 1] = 0;
}

void FillPilotList() {
    Control* list = FindControl(CHAT_LIST);
    ClearItems(list);
    i32 selected = 0;
    for (i16 i = 0; i < pilotCount; ++i) {
        AddItem(list, pilotNames[i], u32(i));
        if (selected == 0 && i > 0 && strcmp(pilotNames[i], chat.lastChatTarget) == 0) selected = i;
    }
    SetSelected(list, selected);
}

// The pilot a private line goes to: the list's selection, or the first pilot without one.
const char* SelectedPilot() {
    Control* list = FindControl(CHAT_LIST);
    const char* name = GetItemText(list, GetSelected(list));
    if (!name) name = GetItemText(list, 0);
    return name ? name : pilotNames[0];
}

// Takes the typed line out of the box; empty when there is nothing to send.
std::string TakeTypedLine() {
    std::string text = GetText(CHAT_BOX);
    if (!text.empty()) SetText(CHAT_BOX, "");
    return text;
}

const char* HudColorHex() {
    return StrFormat("%.8X", res.hudColor);
}
} // namespace

void InitGameGUI() {
    LogWrite("Entering InitGameGUI()");
    LogWrite("Initializing display consoles");
    navInit();
    powInit();
    tacInit();
    scrInit();
    LogWrite("Creating Game GUI controls");
    EnableGUIFlag(GUI_SHOW_SCENE);
    CreateRootControl("Sheet", GAME_SHEET, nullptr, 0, 0, 0, 0);
    SetPropertyValue(GAME_SHEET, "Background", 0);
    SetActiveSheet(GAME_SHEET);
    CreateChatControls();
    LogWrite("Loading cursors");
    SetCursorShape(WEAPON_CURSOR_SLOT, DrawWeaponCursor, nullptr, 0, 0, 0, 0.0f, 1.0f, 0, 0);
    SetCursorShape(MENU_CURSOR_SLOT, DrawMenuPointer, nullptr, 0, 0, 0, 0.0f, 1.0f, 0, 0);
    LogWrite("InitGameGUI() finished successfully");
}

void ChatKeyHit(u32 key) {
    if (GetFocusControl() == GetActiveSheet()) {
        if (IsKeyDown(KEY_CONTROL)) return;
        for (const ChatMode& mode : CHAT_MODES) {
            if (!IsActionDown(mode.binding)) continue;
            OpenChat(GameText(mode.caption), mode.showList, mode.colour, mode.showList, mode.send);
            if (mode.showList) FillPilotList();
            return;
        }
        return;
    }
    Control* focus = GetFocusControl();
    if (!focus || strcmp(focus->name, CHAT_BOX) != 0) return;
    if (key == VK_ESCAPE) {
        CloseChat();
    } else if (key == VK_RETURN) {
        if (Control* send = FindControl(CHAT_SEND)) send->Click(KEY_MOUSE_LEFT);
    }
}

void OpenChat(const char* caption, bool listMode, u32 colour, bool showList,
              ChatSendHandler sendHandler) {
    EngineDisable(ENGINE_ESCAPE_QUITS);
    for (const char* name : {CHAT_BOX, CHAT_SEND, CHAT_INFO, CHAT_SHORTCUTS})
        SetPropertyValue(name, "Visible", 1);

    const char* info = StrFormat(" %s :", caption ? caption : "");
    SetText(CHAT_INFO, info);
    SetFloat(CHAT_INFO, "w", LabelTextWidth(CHAT_INFO, info) + LABEL_PAD);

    char shortcuts[MESSAGE_BYTES];
    if (listMode)
        FormatLoc(shortcuts, sizeof shortcuts, GameText(TEXT_SHORTCUTS_LIST), GetKeyName(VK_RETURN),
                  GetKeyName(VK_UP), GetKeyName(VK_DOWN));
    else
        FormatLoc(shortcuts, sizeof shortcuts, GameText(TEXT_SHORTCUTS), GetKeyName(VK_RETURN));
    SetText(CHAT_SHORTCUTS, shortcuts);
    f32 width = LabelTextWidth(CHAT_SHORTCUTS, shortcuts);
    SetFloat(CHAT_SHORTCUTS, "w", width + LABEL_PAD);
    SetFloat(CHAT_SHORTCUTS, "x", SHORTCUTS_RIGHT - width - LABEL_PAD);

    SetFocusControl(FindControl(CHAT_BOX));
    SetPropertyValue(CHAT_BOX, "cPos", u32(GetText(CHAT_BOX).size()));
    SetPropertyValue(CHAT_BOX, "nSel", 0);

    SetPropertyValue(CHAT_LIST, "Visible", showList ? 1 : 0);
    SetPropertyValue(CHAT_BOX, "Color", colour);
    SetPropertyValue(CHAT_SEND, "Background", colour);
    SetText(CHAT_SEND, GameText(TEXT_SEND));
    SetEvent(CHAT_SEND, "Click", sendHandler);
}

void CloseChat() {
    for (const char* name : CHAT_CONTROLS) SetPropertyValue(name, "Visible", 0);
    SetFocusControl(GetActiveSheet());
    EngineEnable(ENGINE_ESCAPE_QUITS);
    Control* list = FindControl(CHAT_LIST);
    CopyTarget(GetItemText(list, GetSelected(list)));
}

void ChatBoxKeyDown(u32 key) {
    if (key != VK_UP && key != VK_DOWN) return;
    u8 visible = 0;
    GetProperty(CHAT_LIST, "Visible", &visible);
    if (!visible) return;
    if (Control* list = FindControl(CHAT_LIST)) list->KeyDown(key);
}

void SendToAll() {
    std::string text = TakeTypedLine();
    if (!text.empty()) {
        const char* c = HudColorHex();
        AddChatLine(StrFormat("<c %s>[ %s ]</c> %s", c, LOCAL_PILOT, text.c_str()),
                    res.avatarTexture);
    }
    CloseChat();
}

void SendToGroup() {
    std::string text = TakeTypedLine();
    if (!text.empty()) {
        const char* c = HudColorHex();
        AddChatLine(StrFormat("<c %s>[ %s <c grey>(%s) <c %s>]</c> %s", c, LOCAL_PILOT,
                              GameText(TEXT_GROUP_TAG), c, text.c_str()),
                    res.avatarTexture);
    }
    CloseChat();
}

void SendToPilot() {
    std::string text = TakeTypedLine();
    if (!text.empty()) {
        const char* c = HudColorHex();
        std::string pilot = SelectedPilot();
        AddChatLine(StrFormat("<c %s>[ %s <c grey>(%s %s) <c %s>]</c> %s", c, LOCAL_PILOT,
                              GameText(TEXT_TO), pilot.c_str(), c, text.c_str()),
                    res.avatarTexture);
        CopyTarget(pilot.c_str());
    }
    CloseChat();
}
