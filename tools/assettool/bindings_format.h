// The key-binding table "Users/default.cdu" (128 records of three engine key codes and a
// count) and its readable source: "ActionName = Key + Key" lines, with the action names of
// the game and the English key names of keyboard.loc.
#pragma once

#include <string>
#include <vector>

#include "engine/types.h"

constexpr size_t BINDING_ACTIONS = 128;
constexpr size_t BINDING_MAX_KEYS = 3;
constexpr size_t BINDING_RECORD_BYTES = 4;
constexpr size_t BINDING_FILE_BYTES = BINDING_ACTIONS * BINDING_RECORD_BYTES;
constexpr size_t KEY_CODES = 256;

struct Binding {
    u8 keys[BINDING_MAX_KEYS] = {0, 0, 0};
    u8 count = 0;
};
using BindingTable = std::vector<Binding>; // always BINDING_ACTIONS entries

// The readable name of an action ("SpeedUp"), or "ActionN" for numbers the game leaves free.
std::string ActionName(size_t action);
// Action number of a name (case-insensitive, "ActionN" accepted), or -1.
int FindAction(const std::string& name);
// True for the actions the game reads (the default bindings must bind them all).
bool IsGameAction(size_t action);

// Key names by engine code, usually the 256 entries of keyboard.loc. A name is used for
// writing only when it reads back to its own code; "Key N" always works.
class KeyNames {
  public:
    KeyNames() = default;
    explicit KeyNames(const std::vector<std::string>& names);
    int Find(const std::string& name) const; // code, or -1
    std::string Name(u8 code) const;

  private:
    std::vector<std::string> names_;
};

bool ParseBindingsBinary(const u8* data, size_t size, BindingTable* out, std::string* error);
std::vector<u8> WriteBindingsBinary(const BindingTable& table);

// Errors name the line. Actions not listed stay unbound.
bool ParseBindingsText(const u8* data, size_t size, const KeyNames& keys, BindingTable* out,
                       std::string* error);
// Canonical source: every named action (bound or not), then any other bound action.
std::string FormatBindingsText(const BindingTable& table, const KeyNames& keys);
