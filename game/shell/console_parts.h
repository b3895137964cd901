// What the console files share: the button action tables, the mouse and console-key queries,
// and the drawing of the corner buttons that the navigation and tactical consoles have alike.
#pragma once

#include "engine/types.h"
#include "game/shell/console_art.h"

struct Texture;

using ButtonAction = void (*)();

// Actions by element id; null where the button does nothing.
ButtonAction NavCornerAction(int index);      // index 0..4 = ids 2..6
ButtonAction TacticalCornerAction(int index); // index 0..4 = ids 25..29
ButtonAction RimAction(int index);            // index 0..7 = ids 7..14
// Runs the action of a navigation (2..14) or tactical (25..29) element; false for other ids.
bool RunElementAction(i32 id);

// The mouse in virtual-screen units.
struct MousePoint {
    f32 x, y;
};
MousePoint Mouse();
// True while the console key (binding 127) is held.
bool ConsoleKeyHeld();
// True while no control of the in-flight GUI has the focus.
bool HudHasInput();

// The five corner buttons of one console, with the hit test that tells which one the pointer
// is over. Pressed art shows while the button is hot and still under the pointer.
void DrawCornerButtons(const ButtonArt* buttons, const Texture* sheet, ArtPoint origin,
                       i32 (*hitTest)(f32, f32));
// A vertex of sheet art: (point + offset) x CONSOLE_SCALE + origin, coordinates point / 512.
void DrawArtFan(const Texture* sheet, const ArtPoint* points, int count, ArtPoint offset, f32 scale,
                ArtPoint origin);
// A sheet region drawn at a screen rectangle in the current colour.
void DrawSheetRegion(const Texture* sheet, ArtRect region, f32 x, f32 y, f32 w, f32 h);
// The HUD colour with its components scaled and the given alpha (0..255).
u32 HudTint(f32 factor, u8 alpha);
// The tooltip box and icon (drawn at the end of the navigation console).
void DrawTooltip();
