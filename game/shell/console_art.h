// Art data of the heads-up consoles: every region the consoles sample from their sheets, the
// button outlines, the dial face, the console body and the power frame polygons. The asset tool
// draws the sheets from these same tables, so the art and the game code cannot disagree.
#pragma once

#include "engine/types.h"

struct ArtPoint {
    f32 x;
    f32 y;
};

// A region of a sheet in pixels.
struct ArtRect {
    i16 x;
    i16 y;
    i16 w;
    i16 h;
};

// Console sheets (nav.dsx, tactical.dsx, power.dsx) are square; a texture coordinate is a pixel
// position divided by this size.
constexpr i32 CONSOLE_SHEET_SIZE = 512;

// Sheet pixels to virtual-screen units for the navigation and tactical consoles: a vertex is
// drawn at (point + offset) x CONSOLE_SCALE + origin, with texture coordinate point / 512.
constexpr f32 CONSOLE_SCALE = 0.4800008f;
constexpr ArtPoint NAV_ORIGIN{620.0f, 420.0f};
constexpr ArtPoint TACTICAL_ORIGIN{0.0f, 420.0f};

constexpr ArtPoint ArtToScreen(ArtPoint p, ArtPoint offset, f32 scale, ArtPoint origin) {
    return {(p.x + offset.x) * scale + origin.x, (p.y + offset.y) * scale + origin.y};
}

// Dial of the navigation console and its mirror, the weapon ring of the tactical console.
constexpr ArtPoint NAV_DIAL_CENTRE{698.72f, 498.72f};
constexpr ArtPoint TACTICAL_DIAL_CENTRE{102.28f, 498.72f};
constexpr f32 DIAL_RIM_INNER = 65.0f; // rim buttons and lever track, screen units
constexpr f32 DIAL_RIM_OUTER = 75.0f;
constexpr f32 RIM_FIRST_ANGLE = -28.0f; // rim button 7 starts here (degrees from +x, y down)
constexpr f32 RIM_BUTTON_SPAN = 18.3f;

// Corner buttons (navigation ids 2 to 6, tactical 25 to 29). Every outline is drawn as one
// triangle fan starting at its first point; the pressed state uses the same art moved 2 units
// right and 2 down, like the icons.
constexpr int CORNER_BUTTON_COUNT = 5;
constexpr int OUTLINE_MAX_POINTS = 16;
struct ButtonArt {
    u16 id;
    u16 pointCount;
    ArtPoint points[2 * OUTLINE_MAX_POINTS]; // normal outline, then pressed, in sheet pixels
    ArtPoint offset[2];                      // [0] normal, [1] pressed
    ArtRect icon;                            // w == 0: the button has no icon
    ArtPoint iconPos[2];                     // top-left on screen, [1] = [0] + (2, 2)
};
const ButtonArt* NavButtonArt();      // CORNER_BUTTON_COUNT entries, ids 2..6
const ButtonArt* TacticalButtonArt(); // CORNER_BUTTON_COUNT entries, ids 25..29

// The eight rim buttons of the dial (ids 7 to 14), drawn in white: points 0..3 are the normal
// quad and 4..7 the pressed one (the same art pushed 2 units toward the dial centre).
constexpr int RIM_BUTTON_COUNT = 8;
struct RimButtonArt {
    u16 id;
    ArtPoint points[16];
    ArtPoint offset[2];
};
const RimButtonArt* NavRimButtonArt();

// The dial face of nav.dsx: a fan of 24 points (centre first, the last point closes the rim),
// drawn in white after the rim buttons with DIAL_FACE_OFFSET and NAV_ORIGIN. It covers the face
// and, over the lever's arc, the lever track, which is transparent so the speed band shows.
constexpr int DIAL_FACE_POINTS = 24;
constexpr ArtPoint DIAL_FACE_OFFSET{0.0f, 0.0f};
const ArtPoint* DialFaceFan();

// The tactical console body of tactical.dsx: a fan of 17 points (centre first, the last point
// closes the rim), drawn in white with TACTICAL_BODY_OFFSET and TACTICAL_ORIGIN over the weapon
// ring and the gauge, whose windows it leaves transparent.
constexpr int TACTICAL_BODY_POINTS = 17;
constexpr ArtPoint TACTICAL_BODY_OFFSET{-137.0f, 0.0f};
const ArtPoint* TacticalBodyFan();

// nav.dsx regions.
constexpr ArtRect NAV_LEVER_ICON{0, 0, 26, 42};
constexpr ArtRect NAV_HELP_ICON{6, 325, 71, 71}; // bezel over the tinted help square
// Status indicator icons of the scene: all three are on tactical.dsx; warp and plating (nav
// button 5's icon) are on nav.dsx as well.
constexpr ArtRect CLOAK_ICON{86, 228, 44, 32};
constexpr ArtRect WARP_ICON{228, 475, 42, 34};
constexpr ArtRect PLATING_ICON{468, 0, 44, 32};

// tactical.dsx regions.
constexpr ArtRect TACTICAL_TORPEDO_ICON{88, 7, 26, 26}; // spread indicator
constexpr ArtRect TACTICAL_BADGE{6, 325, 71, 71};
constexpr ArtRect RACK_PIP_FRAME{199, 476, 29, 17};
constexpr ArtRect RACK_PIP{199, 494, 29, 17};
constexpr ArtRect STATUS_PIP{254, 422, 18, 24};
constexpr int SYSTEM_ICON_COUNT = 6;
struct SystemIconArt {
    ArtRect region;
    ArtPoint pos;  // top-left on screen
    ArtPoint size; // drawn size
};
// Entry i shows system i: 0 impulse engines, 1 shields, 2 sensors, 3 warp drive, 4 weapons,
// 5 cloaking device.
extern const SystemIconArt SYSTEM_ICONS[SYSTEM_ICON_COUNT];

// power.dsx regions.
constexpr ArtRect POWER_BAR_LEFT{117, 38, 13, 21};
constexpr ArtRect POWER_BAR_MIDDLE{130, 38, 11, 21};
constexpr ArtRect POWER_BAR_RIGHT{141, 38, 11, 21};
constexpr ArtRect POWER_HEALTH_ICON{156, 23, 52, 52};
constexpr ArtRect MARKER_WARP{258, 33, 18, 27};
constexpr ArtRect MARKER_RESERVE{214, 33, 18, 27};
constexpr ArtRect MARKER_CLOAK{325, 33, 18, 27};
constexpr ArtRect MARKER_POLARIZE{234, 63, 18, 27};

// The power display frame: convex polygons drawn as triangle fans, tinted with the HUD colour,
// at (point + POWER_FRAME_OFFSET) x POWER_FRAME_SCALE + POWER_FRAME_ORIGIN.
constexpr f32 POWER_FRAME_SCALE = 0.5f;
constexpr ArtPoint POWER_FRAME_OFFSET{0.0f, -256.0f};
constexpr ArtPoint POWER_FRAME_ORIGIN{270.0f, 532.0f};
constexpr int POWER_FRAME_COUNT = 3;
constexpr int FRAME_MAX_POINTS = 12;
struct FramePolygon {
    u16 pointCount;
    ArtPoint points[FRAME_MAX_POINTS];
};
extern const FramePolygon POWER_FRAME[POWER_FRAME_COUNT];

// Screen places the power display draws at (the meters themselves live in powerSlider).
constexpr ArtPoint POWER_SLIDER_START[4] = {{345, 542}, {398, 542}, {327, 559}, {415, 559}};
constexpr ArtPoint POWER_METER_SIZE{55, 10};
constexpr f32 POWER_BAR_FULL = 47.5f;
constexpr ArtPoint RESERVE_BAR_POS{307, 579.5f};
constexpr f32 RESERVE_BAR_FULL = 176.0f;
constexpr f32 POWER_BAR_HEIGHT = 10.5f;
constexpr ArtPoint HEALTH_ICON_POS{380, 545};
constexpr ArtPoint HEALTH_ICON_SIZE{40, 40};

// score.dsx: a surface drawn at SCORE_POS with SCORE_DRAW_SIZE, stored at twice that size.
constexpr i32 SCORE_WIDTH = 600;
constexpr i32 SCORE_HEIGHT = 150;
constexpr ArtPoint SCORE_POS{250, 0};
constexpr ArtPoint SCORE_DRAW_SIZE{300, 75};

// Other pictures of the game and the sizes they are made at.
constexpr i32 FLAG_WIDTH = 69; // flag surfaces are shown pixel for pixel
constexpr i32 FLAG_HEIGHT = 42;
constexpr i32 SHIP_SPRITE_SIZE = 256; // drawn over +-spriteSize (64) world units, nose up
constexpr i32 TORPEDO_FRAME_SIZE = 42;
constexpr i32 TORPEDO_FRAMES_PER_ROW = 3;
constexpr i32 TORPEDO_SHEET_SIZE = TORPEDO_FRAME_SIZE * TORPEDO_FRAMES_PER_ROW;
constexpr i32 DISRUPTOR_WIDTH = 32; // drawn 20 x 40, head a quarter from the top
constexpr i32 DISRUPTOR_HEIGHT = 64;
constexpr i32 CURSOR_SIZE = 64;
constexpr i32 AVATAR_SIZE = 64;
constexpr i32 HUD_ICON_SIZE = 64; // keyboard.dsx and question.dsx
// lancer.tga: the beam's cross-section runs along x (edge, core, edge) and is the same in every
// row, so any stretch along the beam (y) looks right. spark.tga: a round glow.
constexpr i32 LANCER_WIDTH = 32;
constexpr i32 LANCER_HEIGHT = 64;
constexpr i32 SPARK_SIZE = 32;
