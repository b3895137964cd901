// The object table's order, removal, heading wrap and bound, and the warp keys.
#include <vector>

#include "game/sim/callbacks.h"
#include "game/sim/power.h"
#include "tests/game/sim/sim_fixture.h"

namespace {
std::vector<int> updated;

struct Probe : GameObject {
    int id;
    explicit Probe(int n) : id(n) {}
    void Draw() override {}
    void Update(f32 dt) override {
        updated.push_back(id);
        MoveObject(this, dt);
    }
};

Probe* Add(int id, f32 age) {
    GameObject** slot = NewObjectSlot();
    if (!slot) return nullptr;
    auto* p = new Probe(id);
    p->age = age;
    *slot = p;
    return p;
}

std::vector<int> TableIds() {
    std::vector<int> ids;
    for (u32 i = 0; i < world.objectCount; ++i) {
        auto* p = dynamic_cast<Probe*>(world.objects[i]);
        ids.push_back(p ? p->id : 0); // 0 = the ship
    }
    return ids;
}
} // namespace

TEST_F(SimTest, ExpiredObjectsLeaveInOrderAndFollowersStillUpdate) {
    updated.clear();
    Add(1, 1.0f);
    Add(2, 4.95f); // reaches 5.0 this frame
    Add(3, 2.0f);
    Add(4, 4.99f);
    Add(5, 0.0f);
    UpdateObjects(0.05f);
    EXPECT_EQ(updated, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(TableIds(), (std::vector<int>{0, 1, 3, 5}));
    world.playerShip->age = 100.0f;
    UpdateObjects(0.05f);
    EXPECT_EQ(TableIds()[0], 0) << "the player's ship is never removed";
}

TEST_F(SimTest, HeadingWrapsOncePast360AndStaysNegativeBelowZero) {
    struct Case {
        f32 heading, turnRate, expected;
    } cases[] = {{359.0f, 3.0f, 2.0f}, {2.0f, -3.0f, -1.0f}, {10.0f, 800.0f, 450.0f}};
    for (const Case& c : cases) {
        Probe p(1);
        p.heading = c.heading;
        p.turnRate = c.turnRate;
        MoveObject(&p, 1.0f);
        EXPECT_FLOAT_EQ(p.heading, c.expected) << c.heading << " + " << c.turnRate;
    }
}

TEST_F(SimTest, FullTableRefusesNewObjectsAndFrontMoveKeepsOrder) {
    Add(1, 0.0f);
    Add(2, 0.0f);
    MoveObjectToFront(2);
    EXPECT_EQ(TableIds(), (std::vector<int>{2, 0, 1}));
    while (world.objectCount < MAX_OBJECTS) ASSERT_NE(Add(9, 0.0f), nullptr);
    EXPECT_EQ(NewObjectSlot(), nullptr);
    EXPECT_EQ(world.objectCount, MAX_OBJECTS);
}

TEST_F(SimTest, WarpKeysStepByTheSafeFactorAndCreditLowering) {
    struct Case {
        f32 target;
        u32 action;
        f32 expected;
    } cases[] = {{0.9f, ACTION_FASTER, 0.9f}, // below warp 1: nothing
                 {1.0f, ACTION_FASTER, 1.2f}, {9.2f, ACTION_FASTER, 9.3f},
                 {9.2f, ACTION_SLOWER, 9.0f}, {9.5f, ACTION_SLOWER, 9.4f},
                 {9.7f, ACTION_FASTER, 9.8f}, {1.1f, ACTION_SLOWER, 1.0f}};
    for (const Case& c : cases) {
        SetUp();
        ship().warpFactor = ship().warpTarget = c.target;
        Hold(c.action, 'W');
        GameKeyDown('W');
        EXPECT_NEAR(ship().warpTarget, c.expected, 1e-5f) << c.target;
        WndProc(fake::KeyUp('W'));
    }
    SetUp();
    ship().warpFactor = ship().warpTarget = 2.0f;
    systems.powerLevel[0] = 3.0f; // leaves no power: every change is refused
    Hold(ACTION_SLOWER, 'S');
    GameKeyDown('S');
    EXPECT_FLOAT_EQ(ship().warpTarget, 2.0f);
    EXPECT_NEAR(power.warpRefund, 0.02f, 1e-6f) << "lowering is credited even when refused";
}
