// Builds the console art tables once: the outlines are laid out in screen units around the hit
// areas of the consoles and turned into sheet pixels at the places the sheets hold their art.
#include "game/shell/console_art.h"

#include <cmath>

namespace {

constexpr f64 DEG_TO_RAD = 3.14159265358979323846 / 180.0;
constexpr f32 SCREEN_RIGHT = 800.0f;
constexpr f32 SCREEN_BOTTOM = 600.0f;
constexpr f32 CORNER_CLEARANCE = 77.0f; // corner buttons keep 2 units clear of the rim
constexpr int CORNER_ARC_STEPS = 4;
constexpr f32 PRESS_SHIFT = 2.0f; // screen units a pressed button moves

// Sheet pixels of the rim buttons, the dial face and the tactical body around the dial centre.
constexpr f32 RIM_INNER_PIXELS = 136.0f;
constexpr f32 RIM_OUTER_PIXELS = 156.0f;
constexpr f32 FACE_PIXELS = 134.0f;    // face edge beside the rim buttons
constexpr f32 TRACK_PIXELS = 163.0f;   // outer edge over the lever track
constexpr f32 LEVER_ARC_FROM = 125.0f; // theta -55, full reverse
constexpr f32 LEVER_ARC_TO = 330.0f;   // theta 150, full ahead
constexpr int TRACK_STEPS = 14;
constexpr int FACE_STEPS = 6;
constexpr f32 BODY_PIXELS = 160.0f;

// Where the navigation sheet keeps the art of each corner button (top-left of its bounds); the
// natural places are taken by the icons the consoles draw.
constexpr ArtPoint NAV_BUTTON_ANCHORS[CORNER_BUTTON_COUNT] = {
    {402, 40}, {402, 140}, {182, 366}, {288, 366}, {412, 366}};

struct Outline {
    int count = 0;
    ArtPoint p[OUTLINE_MAX_POINTS];
    void Add(f32 x, f32 y) {
        if (count < OUTLINE_MAX_POINTS) p[count++] = {x, y};
    }
    // Points on the circle about centre from one angle to another, both included.
    void AddArc(ArtPoint c, f32 r, f32 fromDeg, f32 toDeg, int steps) {
        for (int i = 0; i <= steps; ++i) {
            f64 a = (fromDeg + (toDeg - fromDeg) * i / steps) * DEG_TO_RAD;
            Add(f32(c.x + std::cos(a) * r), f32(c.y + std::sin(a) * r));
        }
    }
};

f32 AngleAtY(f32 y) {
    return f32(std::asin((y - NAV_DIAL_CENTRE.y) / CORNER_CLEARANCE) / DEG_TO_RAD);
}
f32 AngleAtX(f32 x) {
    return f32(std::acos((x - NAV_DIAL_CENTRE.x) / CORNER_CLEARANCE) / DEG_TO_RAD);
}

// The five navigation corner outlines in screen units, each starting at a point from which the
// whole outline can be fanned. They follow the regions NavHitTest assigns.
void NavCornerOutlines(Outline out[CORNER_BUTTON_COUNT]) {
    const ArtPoint c = NAV_DIAL_CENTRE;
    const f32 top = 464, split = 509, lower = 552, diagonal = 583, left = 662, column = 709;
    const f32 notchX = 767.5f, notchY = 567.5f; // where button 4's diagonal meets 5's
    const f32 meet = 45.0f;                     // button 3 and 5 divide on the circle here
    Outline& b2 = out[0];
    b2.Add(SCREEN_RIGHT, top);
    b2.Add(SCREEN_RIGHT, split);
    b2.AddArc(c, CORNER_CLEARANCE, AngleAtY(split), AngleAtY(top), CORNER_ARC_STEPS);
    Outline& b3 = out[1];
    b3.Add(783, lower);
    b3.Add(notchX, notchY);
    b3.AddArc(c, CORNER_CLEARANCE, meet, AngleAtY(split), CORNER_ARC_STEPS);
    b3.Add(SCREEN_RIGHT, split);
    b3.Add(SCREEN_RIGHT, lower);
    Outline& b4 = out[2];
    b4.Add(SCREEN_RIGHT, SCREEN_BOTTOM);
    b4.Add(752, SCREEN_BOTTOM);
    b4.Add(752, diagonal);
    b4.Add(783, lower);
    b4.Add(SCREEN_RIGHT, lower);
    Outline& b5 = out[3]; // fanned from its inner corner, which sees the whole outline
    b5.Add(752, diagonal);
    b5.Add(752, SCREEN_BOTTOM);
    b5.Add(column, SCREEN_BOTTOM);
    b5.AddArc(c, CORNER_CLEARANCE, AngleAtX(column), meet, CORNER_ARC_STEPS);
    b5.Add(notchX, notchY);
    Outline& b6 = out[4];
    b6.Add(left, SCREEN_BOTTOM);
    b6.AddArc(c, CORNER_CLEARANCE, AngleAtX(left), AngleAtX(column), CORNER_ARC_STEPS);
    b6.Add(column, SCREEN_BOTTOM);
}

struct IconPlace {
    u16 id;
    ArtRect icon;
    ArtPoint pos;
};
constexpr IconPlace NAV_ICONS[CORNER_BUTTON_COUNT] = {{2, {339, 111, 20, 50}, {781, 472}},
                                                      {3, {340, 206, 52, 50}, {770, 522}},
                                                      {4, {346, 328, 42, 30}, {772, 573}},
                                                      {5, {468, 0, 44, 32}, {719, 575}},
                                                      {6, {137, 367, 39, 41}, {677, 575}}};
constexpr IconPlace TACTICAL_ICONS[CORNER_BUTTON_COUNT] = {{25, {83, 37, 36, 54}, {3, 474}},
                                                           {26, {0, 0, 0, 0}, {0, 0}},
                                                           {27, {83, 181, 37, 44}, {5, 570}},
                                                           {28, {86, 228, 44, 32}, {55, 575}},
                                                           {29, {230, 389, 54, 28}, {99, 575}}};

// Fills a button from its screen outline, with the art at sheet offset `offset`.
void FillButton(ButtonArt& b, const Outline& screen, ArtPoint origin, ArtPoint offset,
                const IconPlace& icon) {
    b.id = icon.id;
    b.pointCount = u16(screen.count);
    for (int i = 0; i < screen.count; ++i) {
        ArtPoint p{(screen.p[i].x - origin.x) / CONSOLE_SCALE - offset.x,
                   (screen.p[i].y - origin.y) / CONSOLE_SCALE - offset.y};
        b.points[i] = p;
        b.points[screen.count + i] = p;
    }
    const f32 shift = PRESS_SHIFT / CONSOLE_SCALE;
    b.offset[0] = offset;
    b.offset[1] = {offset.x + shift, offset.y + shift};
    b.icon = icon.icon;
    b.iconPos[0] = icon.pos;
    b.iconPos[1] =
        icon.icon.w ? ArtPoint{icon.pos.x + PRESS_SHIFT, icon.pos.y + PRESS_SHIFT} : ArtPoint{0, 0};
}

ArtPoint Bounds(const Outline& o) {
    ArtPoint m = o.p[0];
    for (int i = 1; i < o.count; ++i) {
        m.x = std::fmin(m.x, o.p[i].x);
        m.y = std::fmin(m.y, o.p[i].y);
    }
    return m;
}

ButtonArt navButtons[CORNER_BUTTON_COUNT];
ButtonArt tacticalButtons[CORNER_BUTTON_COUNT];
RimButtonArt rimButtons[RIM_BUTTON_COUNT];
ArtPoint dialFace[DIAL_FACE_POINTS];
ArtPoint tacticalBody[TACTICAL_BODY_POINTS];

void BuildCornerButtons() {
    Outline nav[CORNER_BUTTON_COUNT];
    NavCornerOutlines(nav);
    for (int i = 0; i < CORNER_BUTTON_COUNT; ++i) {
        ArtPoint lo = Bounds(nav[i]);
        ArtPoint offset{(lo.x - NAV_ORIGIN.x) / CONSOLE_SCALE - NAV_BUTTON_ANCHORS[i].x,
                        (lo.y - NAV_ORIGIN.y) / CONSOLE_SCALE - NAV_BUTTON_ANCHORS[i].y};
        FillButton(navButtons[i], nav[i], NAV_ORIGIN, offset, NAV_ICONS[i]);
        // The tactical console is the mirror image; its art sits where its body fan maps.
        Outline mirrored = nav[i];
        for (int k = 0; k < mirrored.count; ++k) mirrored.p[k].x = SCREEN_RIGHT - mirrored.p[k].x;
        FillButton(tacticalButtons[i], mirrored, TACTICAL_ORIGIN, TACTICAL_BODY_OFFSET,
                   TACTICAL_ICONS[i]);
    }
}

ArtPoint DialCentrePixels() {
    return {(NAV_DIAL_CENTRE.x - NAV_ORIGIN.x) / CONSOLE_SCALE,
            (NAV_DIAL_CENTRE.y - NAV_ORIGIN.y) / CONSOLE_SCALE};
}

ArtPoint Polar(ArtPoint c, f32 r, f64 deg) {
    return {f32(c.x + std::cos(deg * DEG_TO_RAD) * r), f32(c.y + std::sin(deg * DEG_TO_RAD) * r)};
}

void BuildRimButtons() {
    const ArtPoint c = DialCentrePixels();
    const f32 push = PRESS_SHIFT / CONSOLE_SCALE;
    for (int k = 0; k < RIM_BUTTON_COUNT; ++k) {
        RimButtonArt& b = rimButtons[k];
        const f64 from = RIM_FIRST_ANGLE + RIM_BUTTON_SPAN * k, to = from + RIM_BUTTON_SPAN;
        b.id = u16(7 + k);
        b.points[0] = Polar(c, RIM_OUTER_PIXELS, from);
        b.points[1] = Polar(c, RIM_OUTER_PIXELS, to);
        b.points[2] = Polar(c, RIM_INNER_PIXELS, to);
        b.points[3] = Polar(c, RIM_INNER_PIXELS, from);
        for (int i = 0; i < 4; ++i) b.points[4 + i] = b.points[i];
        const f64 mid = (from + to) * 0.5 * DEG_TO_RAD;
        b.offset[0] = {0, 0};
        b.offset[1] = {f32(-std::cos(mid) * push), f32(-std::sin(mid) * push)};
    }
}

void BuildDialFace() {
    const ArtPoint c = DialCentrePixels();
    int n = 0;
    dialFace[n++] = c;
    for (int i = 0; i <= TRACK_STEPS; ++i)
        dialFace[n++] = Polar(c, TRACK_PIXELS,
                              LEVER_ARC_FROM + (LEVER_ARC_TO - LEVER_ARC_FROM) * i / TRACK_STEPS);
    const f32 faceEnd = LEVER_ARC_FROM + 360.0f;
    for (int i = 0; i <= FACE_STEPS; ++i)
        dialFace[n++] =
            Polar(c, FACE_PIXELS, LEVER_ARC_TO + (faceEnd - LEVER_ARC_TO) * i / FACE_STEPS);
    dialFace[n++] = dialFace[1]; // closes the rim
}

void BuildTacticalBody() {
    const ArtPoint c{(SCREEN_RIGHT - NAV_DIAL_CENTRE.x - TACTICAL_ORIGIN.x) / CONSOLE_SCALE -
                         TACTICAL_BODY_OFFSET.x,
                     (NAV_DIAL_CENTRE.y - TACTICAL_ORIGIN.y) / CONSOLE_SCALE};
    const int rim = TACTICAL_BODY_POINTS - 1;
    tacticalBody[0] = c;
    for (int i = 0; i < rim; ++i)
        tacticalBody[1 + i] = Polar(c, BODY_PIXELS, 360.0 * i / (rim - 1));
}

struct Tables {
    Tables() {
        BuildCornerButtons();
        BuildRimButtons();
        BuildDialFace();
        BuildTacticalBody();
    }
};
const Tables& Built() {
    static const Tables tables;
    return tables;
}

} // namespace

const ButtonArt* NavButtonArt() {
    Built();
    return navButtons;
}
const ButtonArt* TacticalButtonArt() {
    Built();
    return tacticalButtons;
}
const RimButtonArt* NavRimButtonArt() {
    Built();
    return rimButtons;
}
const ArtPoint* DialFaceFan() {
    Built();
    return dialFace;
}
const ArtPoint* TacticalBodyFan() {
    Built();
    return tacticalBody;
}

const SystemIconArt SYSTEM_ICONS[SYSTEM_ICON_COUNT] = {
    {{124, 9, 34, 34}, {67, 462}, {14, 14}},    {{163, 5, 44, 44}, {88, 456}, {26, 26}},
    {{333, 383, 44, 44}, {118, 460}, {18, 18}}, {{228, 475, 42, 34}, {65, 519}, {17, 14}},
    {{230, 389, 54, 28}, {87, 519}, {24, 12}},  {{86, 228, 44, 32}, {118, 520}, {19, 13}}};

// The power frame in sheet pixels: the main panel behind the meters and the health dial, and
// two fins at its foot that carry the ends of the reserve bar.
const FramePolygon POWER_FRAME[POWER_FRAME_COUNT] = {
    {6, {{96, 268}, {424, 268}, {464, 304}, {464, 392}, {56, 392}, {56, 304}}},
    {4, {{56, 320}, {56, 392}, {12, 392}, {12, 364}}},
    {4, {{464, 320}, {508, 364}, {508, 392}, {464, 392}}}};
