// A fresh battle for weapon tests, aiming the cursor relative to the ship.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "engine/input.h"
#include "engine/window.h"
#include "game/shell/bindings.h"
#include "game/sim/objects.h"
#include "game/sim/weapons.h"
#include "tests/support/fake_platform.h"

class WeaponsTest : public ::testing::Test {
  protected:
    static constexpr u8 UNUSED_KEY = 200;
    void SetUp() override {
        ResetInputState();
        SetClientSize(800, 600);
        ResetSimulation();
        keyBindings[ACTION_CONSOLE] = KeyBinding{{UNUSED_KEY, 0, 0}, 1};
    }
    void TearDown() override { FreeObjects(); }

    Ship& ShipRef() { return *world.playerShip; }
    void UseClass(int index) {
        ShipRef().shipClass = &world.shipClasses[index];
        BuildArcTable();
    }
    // The cursor over the world point (dx, dy) from the ship at the view's centre.
    void Aim(f32 dx, f32 dy) {
        f32 perUnit = 600.0f / systems.zoom;
        SetMousePos(400.0f + dx * perUnit, 300.0f + dy * perUnit);
    }
    void Button(u32 type) {
        f32 x, y;
        GetMousePos(&x, &y);
        WndProc(fake::Button(type, int(x), int(y)));
        SetMousePos(x, y); // the message carries whole pixels only
    }
    static std::vector<u8> Listed() {
        u8 list[MAX_MOUNTS];
        return std::vector<u8>(list, list + MountsInArc(list));
    }
    u32 Projectiles() const { return world.objectCount - 1; }
};
