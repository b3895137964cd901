// Skin records copied whole by the Dialog "Skin" and the scroll bars' skin properties.
#pragma once

#include "engine/types.h"

struct Surface;
struct Font;

constexpr int DIALOG_SKIN_PIECES = 32;

// Relative values: v < 0 means size + v, 0 <= v <= 1 a fraction of the size, v > 1 pixels;
// the size is the dialog's width for x and w, its height for y and h.
struct DialogSkinPiece {
    Surface* surface;
    f32 x, y, w, h;
};

struct DialogSkin {
    DialogSkinPiece pieces[DIALOG_SKIN_PIECES];
    u16 pieceCount; // 0: no skin, the plain look; values above 32 use the 32 pieces there are
    f32 titleX, titleY;
    f32 closeX, closeY, closeW, closeH;
    Surface* closePressed;
    Surface* closeNormal;
    u32 titleColor;
    i8 titleAlign; // 0 centred on titleX, -1 starting at it, anything else ending at it
    f32 titleBoxX, titleBoxY, titleBoxW, titleBoxH;
    Font* titleFont;
};

// Answers whether a point (relative to the part's top-left corner, in the bar's own
// orientation: along the bar, across it) lies on a part of a skinned bar.
using ScrollHitFunc = bool (*)(f32 along, f32 across, f32 thickness);

// A skinned bar: the surface holds four equal pieces one after the other along the bar (the
// first arrow, the second arrow, the track and the slider), drawn for a vertical bar from
// top to bottom and for a horizontal one from left to right. The piece's length over its
// thickness gives the arrow length. No surface: the drawn look.
struct ScrollSkin {
    Surface* surface;
    ScrollHitFunc firstArrowHit;
    ScrollHitFunc secondArrowHit;
    ScrollHitFunc sliderHit;
};
