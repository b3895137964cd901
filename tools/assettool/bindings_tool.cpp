// "assettool bindings": compiles a readable key-binding source into "Users/default.cdu" and
// dumps a binding table back, naming keys as the English keyboard.loc does.
#include <cstdio>

#include "tools/assettool/atomic_file.h"
#include "tools/assettool/bindings_format.h"
#include "tools/assettool/command.h"
#include "tools/assettool/loc_format.h"

namespace {

const char BINDINGS_USAGE[] = "bindings compile IN.txt OUT.cdu [--keys keyboard.loc] | "
                              "bindings dump IN.cdu [--keys keyboard.loc]";
// Where a modder working in the game folder has the English key names.
const char DEFAULT_KEY_FILE[] = "Texts/eng/keyboard.loc";

// Splits off "--keys FILE"; returns false on a malformed option.
bool TakeKeyOption(const Args& args, Args* rest, std::string* keyFile, bool* explicitKeys) {
    *explicitKeys = false;
    *keyFile = DEFAULT_KEY_FILE;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--keys") {
            if (i + 1 >= args.size()) return false;
            *keyFile = args[++i];
            *explicitKeys = true;
        } else if (args[i].compare(0, 2, "--") == 0) {
            return false;
        } else {
            rest->push_back(args[i]);
        }
    }
    return true;
}

// A missing default file only means "Key N" names; a named file must load.
bool LoadKeyNames(const std::string& path, bool required, KeyNames* out, std::string* error) {
    std::vector<u8> data;
    if (!ReadFileBytes(path, &data, error)) {
        if (required) return false;
        *out = KeyNames();
        return true;
    }
    LocEntries names;
    if (!ParseLocBinary(data.data(), data.size(), &names, error)) return false;
    *out = KeyNames(names);
    return true;
}

int Compile(const Args& files, const KeyNames& keys) {
    if (files.size() != 3) return ToolUsage(BINDINGS_USAGE);
    const std::string& in = files[1];
    const std::string& out = files[2];
    std::vector<u8> source;
    std::string error;
    if (!ReadFileBytes(in, &source, &error)) return ToolFail(in, error);
    BindingTable table;
    if (!ParseBindingsText(source.data(), source.size(), keys, &table, &error))
        return ToolFail(in, error);
    if (!WriteFileAtomic(out, WriteBindingsBinary(table), &error)) return ToolFail(out, error);
    return EXIT_OK;
}

int Dump(const Args& files, const KeyNames& keys) {
    if (files.size() != 2) return ToolUsage(BINDINGS_USAGE);
    const std::string& in = files[1];
    std::vector<u8> data;
    std::string error;
    if (!ReadFileBytes(in, &data, &error)) return ToolFail(in, error);
    BindingTable table;
    if (!ParseBindingsBinary(data.data(), data.size(), &table, &error)) return ToolFail(in, error);
    std::string text = FormatBindingsText(table, keys);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return EXIT_OK;
}

} // namespace

int CmdBindings(const Args& args) {
    Args files;
    std::string keyFile;
    bool explicitKeys = false;
    if (args.empty() || !TakeKeyOption(args, &files, &keyFile, &explicitKeys) || files.empty())
        return ToolUsage(BINDINGS_USAGE);
    if (files[0] != "compile" && files[0] != "dump") return ToolUsage(BINDINGS_USAGE);
    KeyNames keys;
    std::string error;
    if (!LoadKeyNames(keyFile, explicitKeys, &keys, &error)) return ToolFail(keyFile, error);
    return files[0] == "compile" ? Compile(files, keys) : Dump(files, keys);
}
