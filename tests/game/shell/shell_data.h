// The shell's data files made in the test's folder, and a fixture resetting the shell's state.
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "engine/types.h"
#include "game/shell/bindings.h"
#include "tests/support/test_dir.h"

using Texts = std::vector<std::string>;

std::vector<u8> LocBytes(const Texts& entries);
void WriteFile(const std::string& path, const std::vector<u8>& bytes);
// count entries "<code> <file> <n>" (e.g. "fin menu 3").
Texts NumberedTexts(const std::string& code, const std::string& file, int count);
// menu.loc, game.loc and a keyboard.loc naming keys 65 and 66 for a language.
void WriteLanguage(const std::string& code);
void WriteBindings(const std::vector<KeyBinding>& records, size_t bytes);
// The nine font sizes, each file's line height its size and its scale the stored draw scale.
void WriteFonts();

// On the scripted platform: a fresh folder as the current one, engine input and loop state
// reset, the GUI, and every shell table empty; the shell's state is released again afterwards.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // A left click fed through the window procedure as the platform would deliver it.
    static void ClickAt(int x, int y);
    TempDir dir;
};
