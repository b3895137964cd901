// The weapon status inside the tactical console: the firing-arc coverage ring with each mount's
// charge, the torpedo rack pips, the system health icons and the console's fixed decorations.
#include "game/sim/tactical.h"

#include <cmath>

#include "engine/input.h"
#include "engine/utils.h"
#include "game/shell/console_art.h"
#include "game/shell/consoles.h"
#include "game/shell/resources.h"
#include "game/sim/objects.h"
#include "game/sim/scene.h"
#include "game/sim/weapons.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"

namespace {
constexpr f32 RING_X = 101.0f, RING_Y = 498.5f;
constexpr f32 RACK_X = 101.0f, RACK_Y = 498.0f;
constexpr f32 RING_OUTER = 74.0f, RING_DEPTH = 12.0f, RING_INNER = RING_OUTER - RING_DEPTH;
constexpr f32 ENTRY_DEGREES = 2.0f, RING_START = 90.0f;
constexpr f32 RING_ALPHA = 0.8f, BLINK_DEPTH = 0.1f;
constexpr f32 SCREEN_CENTRE_X = 400.0f, SCREEN_CENTRE_Y = 300.0f, SCREEN_HEIGHT = 600.0f;
constexpr f32 OUTLINE_GREY = 0.5f;
constexpr int RING_QUAD_VERTICES = ARC_TABLE_ENTRIES * ARC_ENTRY_MOUNTS * 4;
constexpr int RING_LINE_VERTICES = ARC_TABLE_ENTRIES * ARC_ENTRY_MOUNTS * 2 * 3;

constexpr f32 PIP_ARC = 747.5f; // degrees x radius between neighbouring pips
constexpr f32 FRAME_ALPHA = 0.7f;
constexpr ArtPoint PIP_FRAME_POS{-8.0f, -1.0f}, PIP_FRAME_SIZE{14.0f, 8.0f};
constexpr ArtPoint PIP_POS{-6.9f, 0.0f}, PIP_SIZE{11.5f, 5.7f};
constexpr f32 LOADED_MARGIN = 0.05f;
constexpr f32 BYTE = 255.0f;
constexpr u8 LOADED_RGB[3] = {38, 75, 134};
constexpr u8 EMPTY_RGB[3] = {168, 44, 31};
constexpr int CLOAK_SYSTEM = 5;

constexpr int STATUS_PIP_COUNT = 5;
constexpr ArtPoint STATUS_PIP_POS{62.0f, 476.0f}, STATUS_PIP_SIZE{9.0f, 12.0f};
constexpr f32 STATUS_PIP_STEP = 8.0f;

constexpr f32 BADGE_TINT = 0.78431f;
constexpr ArtPoint BADGE_FILL_POS{6.0f, 423.0f};
constexpr f32 BADGE_FILL_SIZE = 29.0f;
constexpr ArtPoint BADGE_POS{3.0f, 420.0f};
constexpr f32 BADGE_SIZE = 35.0f;

constexpr int GAUGE_SEGMENTS = 8;
constexpr f32 GAUGE_X = 53.7f, GAUGE_STEP = 9.3f, GAUGE_Y = 489.0f;
constexpr f32 GAUGE_W = 9.5f, GAUGE_H = 21.0f;
constexpr u8 GAUGE_RGB[3] = {50, 93, 171};
constexpr f32 GAUGE_ALPHA_MAX = 215.0f, GAUGE_ALPHA_GAIN = 2150.0f, GAUGE_FADE = 0.1f;
constexpr int END_POINTS = 33;
constexpr ArtPoint GAUGE_LEFT_END{63.0f, 500.0f}, GAUGE_RIGHT_END{138.0f, 500.0f};
constexpr f32 END_RADIUS_X = 11.0f, END_RADIUS_Y = 10.5f;

struct TacticalBuffers {
    ColorVertex quads[RING_QUAD_VERTICES];
    ColorVertex lines[RING_LINE_VERTICES];
    int quadCount = 0, lineCount = 0;
};
TacticalBuffers tac;

struct RingPoint {
    f32 x, y;
};
RingPoint RingAt(f32 t, f32 r) {
    return {-CosDeg(t) * r, -SinDeg(t) * r};
}

void AddQuad(f32 t0, f32 t1, f32 outer, f32 inner, LevelRGBA c) {
    RingPoint p[4] = {RingAt(t0, outer), RingAt(t1, outer), RingAt(t1, inner), RingAt(t0, inner)};
    for (const RingPoint& q : p) tac.quads[tac.quadCount++] = {q.x, q.y, c.r, c.g, c.b, c.a};
}

void AddLine(RingPoint a, RingPoint b) {
    tac.lines[tac.lineCount++] = {a.x, a.y, 1.0f, 1.0f, 1.0f, 1.0f};
    tac.lines[tac.lineCount++] = {b.x, b.y, OUTLINE_GREY, OUTLINE_GREY, OUTLINE_GREY, 0.0f};
}

// A usable entry: a count within the entry and mounts the class has.
int EntryCount(const ArcEntry& e, const ShipClass& c) {
    int n = e.count > ARC_ENTRY_MOUNTS ? ARC_ENTRY_MOUNTS : e.count;
    for (int j = 0; j < n; j++)
        if (e.mounts[j] >= c.mountCount || e.mounts[j] >= MAX_MOUNTS) return 0;
    return n;
}

bool EntryLists(int k, u8 mount, const ShipClass& c) {
    const ArcEntry& e = weapons.arcTable[(k + ARC_TABLE_ENTRIES) % ARC_TABLE_ENTRIES];
    int n = EntryCount(e, c);
    for (int j = 0; j < n; j++)
        if (e.mounts[j] == mount) return true;
    return false;
}

// Which beam and disruptor mounts the cursor direction (from the screen centre) lies in.
void AimedMounts(const Ship& ship, const ShipClass& c, bool aimed[MAX_MOUNTS]) {
    f32 mx, my;
    GetMousePos(&mx, &my);
    f32 k = systems.zoom / SCREEN_HEIGHT;
    f32 wx = (mx - SCREEN_CENTRE_X) * k, wy = (my - SCREEN_CENTRE_Y) * k;
    f32 s = SinDeg(-ship.heading), co = CosDeg(-ship.heading);
    f32 cx = wx * co - wy * s, cy = wx * s + wy * co;
    for (int i = 0; i < MAX_MOUNTS; i++) {
        aimed[i] = false;
        if (i >= c.mountCount) continue;
        const WeaponMount& m = c.mounts[i];
        if (m.type == MOUNT_TORPEDO) continue;
        f32 dx = cx - m.x, dy = cy - m.y, len = std::sqrt(dx * dx + dy * dy);
        if (!(len > 0.0f)) continue;
        f32 dot = (dx * m.dirX + dy * m.dirY) / len;
        aimed[i] = std::acos(std::fmax(-1.0f, std::fmin(1.0f, dot))) * RAD_TO_DEG < f32(m.arc);
    }
}

void RingEntry(int k, const ShipClass& c, const bool aimed[MAX_MOUNTS]) {
    f32 t0 = RING_START + ENTRY_DEGREES * f32(k), t1 = t0 + ENTRY_DEGREES;
    const ArcEntry& e = weapons.arcTable[k];
    int n = EntryCount(e, c);
    if (n == 0) {
        AddQuad(t0, t1, RING_OUTER, RING_INNER, {0.0f, 0.0f, 0.0f, RING_ALPHA});
        return;
    }
    f32 band = RING_DEPTH / f32(n);
    f32 blink = RING_ALPHA + BLINK_DEPTH * SinDeg(weapons.displayBlink);
    for (int j = 0; j < n; j++) {
        u8 mount = e.mounts[j];
        f32 outer = RING_OUTER - f32(j) * band, inner = outer - band;
        AddQuad(t0, t1, outer, inner,
                LevelColour(systems.weaponCharge[mount], aimed[mount] ? blink : RING_ALPHA));
        if (j > 0) AddLine(RingAt(t0, outer), RingAt(t1, outer));
        if (!EntryLists(k - 1, mount, c)) AddLine(RingAt(t0, outer), RingAt(t0, inner));
        if (!EntryLists(k + 1, mount, c)) AddLine(RingAt(t1, outer), RingAt(t1, inner));
    }
}

void SetByteColour(const u8 rgb[3], f32 alpha) {
    SetColorF(f32(rgb[0]) / BYTE, f32(rgb[1]) / BYTE, f32(rgb[2]) / BYTE, alpha);
}

void DrawSheet(ArtRect region, f32 x, f32 y, f32 w, f32 h) {
    glDrawTextureRect(x, y, w, h, hud.tacticalTexture,
                      glTempRect(region.x, region.y, region.w, region.h));
}

void DrawRack(const TorpedoRack& rack) {
    f32 angle = std::trunc(rack.angle);
    for (int j = 0; j < rack.capacity; j++) {
        {
            Transform2D frame;
            glTranslate2D(RACK_X, RACK_Y);
            glRotate2D(angle);
            SetColorF(1.0f, 1.0f, 1.0f, FRAME_ALPHA);
            DrawSheet(RACK_PIP_FRAME, PIP_FRAME_POS.x, PIP_FRAME_POS.y - rack.radius,
                      PIP_FRAME_SIZE.x, PIP_FRAME_SIZE.y);
            bool loaded = systems.weaponCharge[rack.mount] >= f32(j + 1) - LOADED_MARGIN;
            SetByteColour(loaded ? LOADED_RGB : EMPTY_RGB, 1.0f);
            DrawSheet(RACK_PIP, PIP_POS.x, PIP_POS.y - rack.radius, PIP_SIZE.x, PIP_SIZE.y);
        }
        // A rack at the centre has no arc to spread its pips along.
        if (rack.radius > 0.0f) angle = std::trunc(PIP_ARC / rack.radius + angle);
    }
}

void HalfDisc(ArtPoint centre, f32 fromDegrees) {
    ColorVertex fan[END_POINTS + 1];
    f32 r = f32(GAUGE_RGB[0]) / BYTE, g = f32(GAUGE_RGB[1]) / BYTE, b = f32(GAUGE_RGB[2]) / BYTE;
    f32 a = GAUGE_ALPHA_MAX / BYTE;
    fan[0] = {centre.x, centre.y, r, g, b, a};
    for (int i = 0; i < END_POINTS; i++) {
        f32 t = fromDegrees + 180.0f * f32(i) / f32(END_POINTS - 1);
        fan[i + 1] = {
            centre.x + CosDeg(t) * END_RADIUS_X, centre.y + SinDeg(t) * END_RADIUS_Y, r, g, b, a};
    }
    glDrawColored(PRIM_TRIANGLE_FAN, fan, END_POINTS + 1);
}
} // namespace

void DrawWeaponRing() {
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return;
    const ShipClass& c = *ship->shipClass;
    bool aimed[MAX_MOUNTS];
    AimedMounts(*ship, c, aimed);
    tac.quadCount = tac.lineCount = 0;
    for (int k = 0; k < ARC_TABLE_ENTRIES; k++) RingEntry(k, c, aimed);
    Transform2D frame;
    glTranslate2D(RING_X, RING_Y);
    glDrawColored(PRIM_QUADS, tac.quads, tac.quadCount);
    glDrawColored(PRIM_LINES, tac.lines, tac.lineCount);
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
}

void DrawRackPips() {
    const Ship* ship = world.playerShip;
    if (!ship || !ship->shipClass) return;
    const ShipClass& c = *ship->shipClass;
    for (int i = 0; i < c.rackCount && i < MAX_RACKS; i++)
        if (c.racks[i].mount < WEAPON_CHARGES) DrawRack(c.racks[i]);
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
}

void DrawSystemIcons() {
    const Ship* ship = world.playerShip;
    bool hasCloak = ship && ship->shipClass && ship->shipClass->cloakDrain != 0.0f;
    for (int i = 0; i < SYSTEM_ICON_COUNT; i++) {
        const SystemIconArt& icon = SYSTEM_ICONS[i];
        // A class without a cloaking device shows that icon grey whatever its health says.
        f32 level = i == CLOAK_SYSTEM && !hasCloak ? -1.0f : systems.systemHealth[i];
        SetLevelColour(level, 1.0f);
        DrawSheet(icon.region, icon.pos.x, icon.pos.y, icon.size.x, icon.size.y);
    }
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
}

void DrawStatusPips() {
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
    for (int i = 0; i < STATUS_PIP_COUNT; i++)
        DrawSheet(STATUS_PIP, STATUS_PIP_POS.x + STATUS_PIP_STEP * f32(i), STATUS_PIP_POS.y,
                  STATUS_PIP_SIZE.x, STATUS_PIP_SIZE.y);
}

void DrawConsoleBadge() {
    u32 c = res.hudColor;
    SetColorF(f32(ColorR(c)) / BYTE * BADGE_TINT, f32(ColorG(c)) / BYTE * BADGE_TINT,
              f32(ColorB(c)) / BYTE * BADGE_TINT, f32(ColorA(c)) / BYTE);
    glFillRect(BADGE_FILL_POS.x, BADGE_FILL_POS.y, BADGE_FILL_SIZE, BADGE_FILL_SIZE);
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
    DrawSheet(TACTICAL_BADGE, BADGE_POS.x, BADGE_POS.y, BADGE_SIZE, BADGE_SIZE);
}

void DrawConsoleBody() {
    const ArtPoint* fan = TacticalBodyFan();
    TexVertex v[TACTICAL_BODY_POINTS];
    for (int i = 0; i < TACTICAL_BODY_POINTS; i++) {
        ArtPoint p = ArtToScreen(fan[i], TACTICAL_BODY_OFFSET, CONSOLE_SCALE, TACTICAL_ORIGIN);
        v[i] = {p.x, p.y, fan[i].x / f32(CONSOLE_SHEET_SIZE), fan[i].y / f32(CONSOLE_SHEET_SIZE)};
    }
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
    glDrawTextured(PRIM_TRIANGLE_FAN, v, TACTICAL_BODY_POINTS, hud.tacticalTexture);
}

void DrawConsoleGauge() {
    for (int i = 1; i <= GAUGE_SEGMENTS; i++) {
        f32 alpha = std::fmin((1.0f - GAUGE_FADE * f32(i)) * GAUGE_ALPHA_GAIN, GAUGE_ALPHA_MAX);
        SetByteColour(GAUGE_RGB, alpha / BYTE);
        glFillRect(GAUGE_X + GAUGE_STEP * f32(i), GAUGE_Y, GAUGE_W, GAUGE_H);
    }
    HalfDisc(GAUGE_LEFT_END, 90.0f);
    HalfDisc(GAUGE_RIGHT_END, -90.0f);
    SetColorF(1.0f, 1.0f, 1.0f, 1.0f);
}
