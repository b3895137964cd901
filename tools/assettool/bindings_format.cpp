// Reading and writing the key-binding table and its readable source form.
#include "tools/assettool/bindings_format.h"
#include "tools/assettool/text_escape.h"

#include <algorithm>
#include <cctype>

namespace {

struct NamedAction {
    u8 action;
    const char* name;
};

// The actions the game reads: speed, the navigation and tactical console elements, the
// power-meter shortcuts, flight, zoom steps, chat and the console key.
const NamedAction NAMED_ACTIONS[] = {
    {0, "SpeedUp"},
    {1, "SlowDown"},
    {2, "WarpCoreBreach"},
    {3, "Signal"},
    {4, "Warp"},
    {5, "PolarizePlating"},
    {6, "TractorBeam"},
    {7, "ZoomIn"},
    {8, "ZoomOut"},
    {9, "Pause"},
    {10, "BalanceShields"},
    {11, "ReinforceRearShield"},
    {12, "ReinforceFrontShield"},
    {13, "ReinforceRightShield"},
    {14, "ReinforceLeftShield"},
    {15, "WeaponsPowerUp"},
    {16, "ShieldsPowerUp"},
    {17, "EnginesPowerUp"},
    {18, "SensorsPowerUp"},
    {20, "WeaponsPowerDown"},
    {21, "ShieldsPowerDown"},
    {22, "EnginesPowerDown"},
    {23, "SensorsPowerDown"},
    {25, "TargetLock"},
    {26, "TorpedoSpread"},
    {27, "LancerMode"},
    {28, "Cloak"},
    {29, "RepairCrews"},
    {64, "TurnLeft"},
    {65, "TurnRight"},
    {66, "SlideLeft"},
    {67, "SlideRight"},
    {68, "ZoomInStep"},
    {69, "ZoomOutStep"},
    {70, "ChatAll"},
    {71, "ChatGroup"},
    {72, "ChatPilot"},
    {127, "ConsoleMode"},
};

const char ACTION_PREFIX[] = "Action";
const char KEY_PREFIX[] = "Key ";
const char KEY_SEPARATOR[] = " + ";
constexpr size_t KEY_SEPARATOR_BYTES = 3;
constexpr int DUMP_NAME_COLUMN = 22;
constexpr size_t MAX_NUMBER_DIGITS = 3;

std::string Lower(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = char(std::tolower(u8(c)));
    return out;
}

std::string Trim(const std::string& s) {
    size_t begin = s.find_first_not_of(" \t");
    if (begin == std::string::npos) return "";
    size_t end = s.find_last_not_of(" \t");
    return s.substr(begin, end - begin + 1);
}

// "123" after a prefix, at most three digits; -1 otherwise.
int ParseSmallNumber(const std::string& s) {
    if (s.empty() || s.size() > MAX_NUMBER_DIGITS) return -1;
    int value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// A key name is at most 31 bytes; no longer stretch of text between separators can be one.
constexpr size_t MAX_KEY_TEXT = 40;

// Reads "Key + Key + Key" from pos on, trying every choice of " + " separator, so that a key
// whose own name holds a plus ("Num +") still reads back. At most three keys.
bool MatchKeys(const std::string& text, size_t pos, const KeyNames& keys, Binding* binding) {
    if (binding->count == BINDING_MAX_KEYS) return false;
    for (size_t sep = text.find(KEY_SEPARATOR, pos);; sep = text.find(KEY_SEPARATOR, sep + 1)) {
        size_t end = sep == std::string::npos ? text.size() : sep;
        if (end - pos > MAX_KEY_TEXT) return false;
        int code = keys.Find(Trim(text.substr(pos, end - pos)));
        if (code >= 0) {
            Binding next = *binding;
            next.keys[next.count++] = u8(code);
            if (sep == std::string::npos ||
                MatchKeys(text, sep + KEY_SEPARATOR_BYTES, keys, &next)) {
                *binding = next;
                return true;
            }
        }
        if (sep == std::string::npos) return false;
    }
}

// Why key text did not read: the first unknown key of a plain split, or too many keys.
std::string DescribeKeyError(const std::string& text, const KeyNames& keys,
                             const std::string& action) {
    std::vector<std::string> parts;
    for (size_t pos = 0;;) {
        size_t next = text.find(KEY_SEPARATOR, pos);
        parts.push_back(Trim(text.substr(pos, next == std::string::npos ? next : next - pos)));
        if (next == std::string::npos) break;
        pos = next + KEY_SEPARATOR_BYTES;
    }
    for (const std::string& part : parts)
        if (keys.Find(part) < 0) return "unknown key '" + part + "'";
    return "more than three keys for '" + action + "'";
}

std::string JoinKeys(const Binding& b, const KeyNames& keys, bool readable) {
    std::string out;
    for (size_t k = 0; k < b.count && k < BINDING_MAX_KEYS; ++k) {
        if (k) out += KEY_SEPARATOR;
        out += readable ? keys.Name(b.keys[k]) : KEY_PREFIX + std::to_string(b.keys[k]);
    }
    return out;
}

// The readable key names, unless they would read back as other keys (names next to a
// separator can merge with it); then the numeric forms, which always read back.
std::string FormatKeys(const Binding& b, const KeyNames& keys) {
    std::string readable = JoinKeys(b, keys, true);
    Binding back;
    if (MatchKeys(readable, 0, keys, &back) && back.count == b.count &&
        std::equal(b.keys, b.keys + b.count, back.keys))
        return readable;
    return JoinKeys(b, keys, false);
}

bool ParseBindingLine(const std::string& line, const KeyNames& keys, BindingTable* table,
                      std::vector<bool>* seen, std::string* error) {
    size_t equals = line.find('=');
    if (equals == std::string::npos) {
        *error = "expected \"Action = Key + Key\"";
        return false;
    }
    std::string name = Trim(line.substr(0, equals));
    int action = FindAction(name);
    if (action < 0) {
        *error = "unknown action '" + name + "'";
        return false;
    }
    if ((*seen)[size_t(action)]) {
        *error = "action '" + name + "' bound twice";
        return false;
    }
    (*seen)[size_t(action)] = true;
    std::string keyText = Trim(line.substr(equals + 1));
    Binding binding;
    if (!keyText.empty() && !MatchKeys(keyText, 0, keys, &binding)) {
        *error = DescribeKeyError(keyText, keys, name);
        return false;
    }
    (*table)[size_t(action)] = binding;
    return true;
}

} // namespace

std::string ActionName(size_t action) {
    for (const NamedAction& a : NAMED_ACTIONS)
        if (a.action == action) return a.name;
    return ACTION_PREFIX + std::to_string(action);
}

int FindAction(const std::string& name) {
    std::string lower = Lower(name);
    for (const NamedAction& a : NAMED_ACTIONS)
        if (Lower(a.name) == lower) return a.action;
    std::string prefix = Lower(ACTION_PREFIX);
    if (lower.compare(0, prefix.size(), prefix) != 0) return -1;
    int n = ParseSmallNumber(lower.substr(prefix.size()));
    return n >= 0 && size_t(n) < BINDING_ACTIONS ? n : -1;
}

bool IsGameAction(size_t action) {
    for (const NamedAction& a : NAMED_ACTIONS)
        if (a.action == action) return true;
    return false;
}

KeyNames::KeyNames(const std::vector<std::string>& names) : names_(names) {
    if (names_.size() > KEY_CODES) names_.resize(KEY_CODES);
}

int KeyNames::Find(const std::string& name) const {
    std::string lower = Lower(name);
    if (lower.empty()) return -1;
    for (size_t code = 0; code < names_.size(); ++code)
        if (Lower(names_[code]) == lower) return int(code);
    std::string prefix = Lower(KEY_PREFIX);
    if (lower.compare(0, prefix.size(), prefix) != 0) return -1;
    int n = ParseSmallNumber(lower.substr(prefix.size()));
    return n >= 0 && size_t(n) < KEY_CODES ? n : -1;
}

std::string KeyNames::Name(u8 code) const {
    if (code < names_.size()) {
        const std::string& name = names_[code];
        bool readable = !name.empty() && name == Trim(name) &&
                        name.find(KEY_SEPARATOR) == std::string::npos &&
                        name.find('\n') == std::string::npos;
        if (readable && Find(name) == code) return name;
    }
    return KEY_PREFIX + std::to_string(code);
}

bool ParseBindingsBinary(const u8* data, size_t size, BindingTable* out, std::string* error) {
    out->assign(BINDING_ACTIONS, Binding());
    if (size != BINDING_FILE_BYTES) {
        *error = "is " + std::to_string(size) + " bytes, a binding table is " +
                 std::to_string(BINDING_FILE_BYTES);
        return false;
    }
    for (size_t n = 0; n < BINDING_ACTIONS; ++n) {
        const u8* record = data + n * BINDING_RECORD_BYTES;
        Binding& b = (*out)[n];
        b.count = record[BINDING_MAX_KEYS];
        if (b.count > BINDING_MAX_KEYS) {
            *error = "action " + std::to_string(n) + " has " + std::to_string(b.count) +
                     " keys, at most 3 fit";
            return false;
        }
        // Key bytes past the count carry nothing; they are dropped.
        for (size_t k = 0; k < b.count; ++k) b.keys[k] = record[k];
    }
    return true;
}

std::vector<u8> WriteBindingsBinary(const BindingTable& table) {
    std::vector<u8> out(BINDING_FILE_BYTES, 0);
    for (size_t n = 0; n < BINDING_ACTIONS && n < table.size(); ++n) {
        u8* record = out.data() + n * BINDING_RECORD_BYTES;
        for (size_t k = 0; k < table[n].count && k < BINDING_MAX_KEYS; ++k)
            record[k] = table[n].keys[k];
        record[BINDING_MAX_KEYS] = table[n].count;
    }
    return out;
}

bool ParseBindingsText(const u8* data, size_t size, const KeyNames& keys, BindingTable* out,
                       std::string* error) {
    out->assign(BINDING_ACTIONS, Binding());
    std::vector<bool> seen(BINDING_ACTIONS, false);
    return ForEachSourceLine(
        data, size,
        [&](const std::string& line, std::string* reason) {
            return ParseBindingLine(line, keys, out, &seen, reason);
        },
        error);
}

std::string FormatBindingsText(const BindingTable& table, const KeyNames& keys) {
    std::string out;
    for (size_t n = 0; n < BINDING_ACTIONS && n < table.size(); ++n) {
        const Binding& b = table[n];
        if (!IsGameAction(n) && b.count == 0) continue;
        std::string name = ActionName(n);
        out += name;
        out.append(name.size() < DUMP_NAME_COLUMN ? DUMP_NAME_COLUMN - name.size() : 1, ' ');
        out += b.count ? "= " : "=";
        out += FormatKeys(b, keys);
        out += '\n';
    }
    return out;
}
