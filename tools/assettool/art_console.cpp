// The navigation and tactical console sheets (512 x 512): dial face, rim buttons, corner
// buttons, the tactical body and every icon region, all placed from console_art.h.
#include <cmath>

#include "tools/assettool/art.h"
#include "tools/assettool/art_hud.h"
#include "tools/assettool/art_icons.h"

namespace {

constexpr f64 RAD = M_PI / 180.0;
// Dial face and lever track, sheet pixels from the dial centre.
constexpr f64 FACE_RADIUS = 129;
constexpr f64 TRACK_INNER = 138, TRACK_OUTER = 158;
constexpr f64 LEVER_FROM = 125, LEVER_ZERO = 180, LEVER_TO = 330; // degrees, y down
// Rim button art inside its quad.
constexpr f64 RIM_ART_INNER = 137.5, RIM_ART_OUTER = 153.5, RIM_ART_GAP = 0.9;
constexpr f64 RIM_GLYPH = 17;
// Tactical body: bezels around the weapon ring (drawn by the game at 62..74 screen units).
constexpr f64 BODY_OUTER = 156.3, BODY_RING_OUTER = 154.2, BODY_RING_INNER = 129, BODY_INNER = 126;

ArtPoint NavDialCentre() {
    return {(NAV_DIAL_CENTRE.x - NAV_ORIGIN.x) / CONSOLE_SCALE,
            (NAV_DIAL_CENTRE.y - NAV_ORIGIN.y) / CONSOLE_SCALE};
}

void Tick(cairo_t* cr, ArtPoint c, f64 deg, f64 r0, f64 r1) {
    cairo_move_to(cr, c.x + std::cos(deg * RAD) * r0, c.y + std::sin(deg * RAD) * r0);
    cairo_line_to(cr, c.x + std::cos(deg * RAD) * r1, c.y + std::sin(deg * RAD) * r1);
}

void DrawDialFace(cairo_t* cr) {
    const ArtPoint c = NavDialCentre();
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, FACE_RADIUS, 0, 2 * M_PI);
    SetColor(cr, {0.07, 0.09, 0.12, 0.62});
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, FACE_RADIUS * 0.7, 0, 2 * M_PI);
    SetColor(cr, {0.1, 0.13, 0.17, 0.5});
    cairo_fill(cr);
    SetColor(cr, Grey(0.85, 0.95));
    cairo_set_line_width(cr, 2.6);
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, FACE_RADIUS - 1.5, 0, 2 * M_PI);
    cairo_stroke(cr);
    SetColor(cr, Grey(0.8, 0.35));
    cairo_set_line_width(cr, 1.2);
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, FACE_RADIUS * 0.7, 0, 2 * M_PI);
    cairo_stroke(cr);
    for (int deg = 0; deg < 360; deg += 15) Tick(cr, c, deg, FACE_RADIUS - 14, FACE_RADIUS - 5);
    cairo_stroke(cr);
    SetColor(cr, Grey(0.9, 0.7));
    cairo_set_line_width(cr, 2.0);
    for (int deg = 0; deg < 360; deg += 45) Tick(cr, c, deg, FACE_RADIUS - 22, FACE_RADIUS - 5);
    cairo_stroke(cr);
    // Faint cross hairs and a heading chevron at the centre.
    SetColor(cr, Grey(0.8, 0.2));
    cairo_set_line_width(cr, 1.0);
    Tick(cr, c, 0, 10, FACE_RADIUS * 0.66);
    Tick(cr, c, 90, 10, FACE_RADIUS * 0.66);
    Tick(cr, c, 180, 10, FACE_RADIUS * 0.66);
    Tick(cr, c, 270, 10, FACE_RADIUS * 0.66);
    cairo_stroke(cr);
    DrawGlyphBox(cr, Glyph::FacingFront, c.x - 16, c.y - 16, 32, 32);
}

void DrawLeverTrack(cairo_t* cr) {
    const ArtPoint c = NavDialCentre();
    SetColor(cr, Grey(0.85, 0.55));
    cairo_set_line_width(cr, 1.3);
    for (f64 r : {TRACK_INNER, TRACK_OUTER}) {
        cairo_new_path(cr);
        cairo_arc(cr, c.x, c.y, r, LEVER_FROM * RAD, LEVER_TO * RAD);
        cairo_stroke(cr);
    }
    SetColor(cr, Grey(1.0, 0.75));
    cairo_set_line_width(cr, 1.4);
    for (int k = 1; k < 4; ++k)
        Tick(cr, c, LEVER_ZERO + (LEVER_TO - LEVER_ZERO) * k / 4, TRACK_OUTER - 6, TRACK_OUTER);
    Tick(cr, c, (LEVER_FROM + LEVER_ZERO) / 2, TRACK_OUTER - 6, TRACK_OUTER);
    cairo_stroke(cr);
    SetColor(cr, Grey(1.0, 0.95));
    cairo_set_line_width(cr, 2.4);
    for (f64 deg : {LEVER_FROM, LEVER_ZERO, LEVER_TO})
        Tick(cr, c, deg, TRACK_INNER - 2, TRACK_OUTER + 2);
    cairo_stroke(cr);
}

constexpr Glyph RIM_GLYPHS[RIM_BUTTON_COUNT] = {
    Glyph::ZoomIn,     Glyph::ZoomOut,     Glyph::Pause,       Glyph::Balance,
    Glyph::FacingRear, Glyph::FacingFront, Glyph::FacingRight, Glyph::FacingLeft};

void DrawRimButtons(cairo_t* cr) {
    const ArtPoint c = NavDialCentre();
    for (int k = 0; k < RIM_BUTTON_COUNT; ++k) {
        const f64 from = RIM_FIRST_ANGLE + RIM_BUTTON_SPAN * k + RIM_ART_GAP;
        const f64 to = from + RIM_BUTTON_SPAN - 2 * RIM_ART_GAP;
        cairo_new_path(cr);
        cairo_arc(cr, c.x, c.y, RIM_ART_OUTER, from * RAD, to * RAD);
        cairo_arc_negative(cr, c.x, c.y, RIM_ART_INNER, to * RAD, from * RAD);
        cairo_close_path(cr);
        SetColor(cr, {0.13, 0.16, 0.2, 0.8});
        cairo_fill_preserve(cr);
        SetColor(cr, Grey(0.8, 0.9));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        const f64 mid = (from + to) / 2 * RAD, r = (RIM_ART_INNER + RIM_ART_OUTER) / 2;
        DrawGlyphBox(cr, RIM_GLYPHS[k], c.x + std::cos(mid) * r - RIM_GLYPH / 2,
                     c.y + std::sin(mid) * r - RIM_GLYPH / 2, RIM_GLYPH, RIM_GLYPH);
    }
}

void DrawCornerButtons(cairo_t* cr, const ButtonArt* buttons) {
    for (int i = 0; i < CORNER_BUTTON_COUNT; ++i)
        DrawHudPanel(cr, buttons[i].points, buttons[i].pointCount);
}

const ArtRect& NavIcon(int index) {
    return NavButtonArt()[index].icon;
}
const ArtRect& TacticalIcon(int index) {
    return TacticalButtonArt()[index].icon;
}

// The tactical body: bezels around the weapon ring and a dim backdrop that leaves the gauge
// (drawn beneath by the game) clear.
void DrawTacticalBody(cairo_t* cr) {
    const ArtPoint c = TacticalBodyFan()[0];
    const f64 gaugeHalfWidth = 104, gaugeTop = -22, gaugeBottom = 28, gaugeRound = 22;
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, c.x, c.y, BODY_INNER, 0, 2 * M_PI);
    RoundedRectPath(cr, c.x - gaugeHalfWidth, c.y + gaugeTop, 2 * gaugeHalfWidth,
                    gaugeBottom - gaugeTop, gaugeRound);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    SetColor(cr, {0.06, 0.08, 0.11, 0.45});
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    RoundedRectPath(cr, c.x - gaugeHalfWidth, c.y + gaugeTop, 2 * gaugeHalfWidth,
                    gaugeBottom - gaugeTop, gaugeRound);
    SetColor(cr, Grey(0.85, 0.5));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    for (f64 r : {BODY_INNER + 1.5, (BODY_OUTER + BODY_RING_OUTER) / 2}) {
        cairo_new_path(cr);
        cairo_arc(cr, c.x, c.y, r, 0, 2 * M_PI);
        SetColor(cr, Grey(0.9, 0.95));
        cairo_set_line_width(cr, r > BODY_RING_INNER ? BODY_OUTER - BODY_RING_OUTER : 3.0);
        cairo_stroke(cr);
    }
    SetColor(cr, Grey(0.9, 0.55));
    cairo_set_line_width(cr, 1.2);
    for (int deg = 0; deg < 360; deg += 30) Tick(cr, c, deg, BODY_INNER - 9, BODY_INNER);
    cairo_stroke(cr);
}

ArtImage MakeNavSheet() {
    Canvas canvas(CONSOLE_SHEET_SIZE, CONSOLE_SHEET_SIZE);
    cairo_t* cr = canvas.cr();
    DrawDialFace(cr);
    DrawLeverTrack(cr);
    DrawRimButtons(cr);
    DrawCornerButtons(cr, NavButtonArt());
    DrawLever(cr, NAV_LEVER_ICON);
    DrawBezel(cr, NAV_HELP_ICON, false);
    DrawGlyph(cr, Glyph::WarpCore, NavIcon(0));
    DrawGlyph(cr, Glyph::Signal, NavIcon(1));
    DrawGlyph(cr, Glyph::Warp, NavIcon(2));
    DrawGlyph(cr, Glyph::Plating, NavIcon(3));
    DrawGlyph(cr, Glyph::Scanner, NavIcon(4));
    DrawGlyph(cr, Glyph::Warp, WARP_ICON);
    return canvas.Image();
}

ArtImage MakeTacticalSheet() {
    Canvas canvas(CONSOLE_SHEET_SIZE, CONSOLE_SHEET_SIZE);
    cairo_t* cr = canvas.cr();
    DrawTacticalBody(cr);
    DrawCornerButtons(cr, TacticalButtonArt());
    DrawGlyph(cr, Glyph::TargetLock, TacticalIcon(0));
    DrawGlyph(cr, Glyph::Shield, TacticalIcon(2));
    DrawGlyph(cr, Glyph::Cloak, CLOAK_ICON);
    DrawGlyph(cr, Glyph::Cannon, TacticalIcon(4));
    DrawGlyph(cr, Glyph::Torpedo, TACTICAL_TORPEDO_ICON);
    const Glyph systems[SYSTEM_ICON_COUNT] = {Glyph::Engine, Glyph::ShieldBubble, Glyph::Sensors,
                                              Glyph::Warp,   Glyph::Cannon,       Glyph::Cloak};
    for (int i = 0; i < SYSTEM_ICON_COUNT; ++i) DrawGlyph(cr, systems[i], SYSTEM_ICONS[i].region);
    DrawGlyph(cr, Glyph::Plating, PLATING_ICON);
    DrawCapsule(cr, RACK_PIP_FRAME, false);
    DrawCapsule(cr, RACK_PIP, true);
    cairo_new_path(cr);
    RoundedRectPath(cr, STATUS_PIP.x + 2, STATUS_PIP.y + 2, STATUS_PIP.w - 4, STATUS_PIP.h - 4, 3);
    FillVertical(cr, STATUS_PIP.y, Grey(1.0), STATUS_PIP.y + STATUS_PIP.h, Grey(0.75));
    DrawBezel(cr, TACTICAL_BADGE, true);
    return canvas.Image();
}

ArtImage MakeHudIcon(Glyph glyph) {
    Canvas canvas(HUD_ICON_SIZE, HUD_ICON_SIZE);
    DrawGlyphBox(canvas.cr(), glyph, 0, 0, HUD_ICON_SIZE, HUD_ICON_SIZE);
    return canvas.Image();
}

} // namespace

ArtImage ArtNavSheet() {
    return MakeNavSheet();
}
ArtImage ArtTacticalSheet() {
    return MakeTacticalSheet();
}
ArtImage ArtKeyboardIcon() {
    return MakeHudIcon(Glyph::Keyboard);
}
ArtImage ArtQuestionIcon() {
    return MakeHudIcon(Glyph::Question);
}
