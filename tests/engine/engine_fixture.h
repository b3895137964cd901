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

struct CallRecorder {
    static std::vector<std::string>& Calls() {
        static std::vector<std::string> calls;
        return calls;
    }
    static void Add(const std::string& s) { Calls().push_back(s); }
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
    std::vector<std::string>& Calls() { return CallRecorder::Calls(); }
    TempDir dir;
};
