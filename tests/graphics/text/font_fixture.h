// A font loaded from a DSF file built in the test, made current for the test's duration.
#pragma once

#include <gtest/gtest.h>

#include "engine/loop.h"
#include "graphics/font.h"
#include "tests/graphics/text/dsf_builder.h"
#include "tests/support/test_dir.h"

class FontFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        EngineEnable(ENGINE_TEXT_MARKUP);
        // Glyphs beyond ASCII: U+00E9, U+00F6, U+0160; the euro and anything above have none.
        font = Load(AsciiTestFont({0xE9, 0xF6, 0x160}));
        ASSERT_NE(font, nullptr);
        previous = SetFont(font);
    }
    void TearDown() override {
        SetFont(previous);
        for (Font* f : loaded) FreeFont(f);
        EngineEnable(ENGINE_TEXT_MARKUP);
    }
    // Loads a font to be freed after the test; nullptr when it is refused.
    Font* Load(const TestFont& source) {
        std::string path = dir.File("font" + std::to_string(loaded.size()) + ".dsf");
        if (!WriteBytes(path, BuildDSF(source))) return nullptr;
        Font* f = LoadFont(path.c_str());
        if (f) loaded.push_back(f);
        return f;
    }
    TempDir dir;
    Font* font = nullptr;
    Font* previous = nullptr;
    std::vector<Font*> loaded;
};
