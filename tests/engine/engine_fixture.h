// Shared set-up for windowless engine tests: scripted platform reset, engine state back to its
// start values, a temporary working folder, and a recorder for callback calls.
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "engine/input.h"
#include "engine/loop.h"
#include "engine/window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/test_dir.h"

using Lines = std::vector<std::string>;

struct CallRecorder {
    static Lines& Calls() {
        static Lines calls;
        return calls;
    }
    static void Add(const std::string& s) { Calls().push_back(s); }
    static void Add(const char* what, u32 value) { Add(what + (" " + std::to_string(value))); }
};

class EngineFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::Reset();
        ResetLoopState();
        ResetInputState();
        SetClientSize(800, 600);
        SetMinimized(false);
        CallRecorder::Calls().clear();
    }
    void Send(const SysMessage& msg) { WndProc(msg); }
    Lines& Calls() { return CallRecorder::Calls(); }
    TempDir dir;
};
