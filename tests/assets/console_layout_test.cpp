// The console layout tables: outlines that fan correctly, lie on their sheets and on the areas the
// consoles hit-test, keep clear of the icon regions; and the built sheets hold art in every
// region and under every outline the consoles draw.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "game/shell/console_art.h"
#include "tests/assets/art_test_support.h"

namespace {

using Poly = std::vector<ArtPoint>;
constexpr f64 EPS = 0.01;
// The consoles' hit areas: the bottom band of the screen, outside the dial.
constexpr f64 HIT_TOP = 464;
constexpr f64 SCREEN_BOTTOM = 600;
constexpr f64 DIAL_RADIUS = 75;
constexpr f64 PRESS_SHIFT = 2;

// A triangle fan from the first point covers the outline only when no triangle folds back.
void ExpectFanOnSheet(const Poly& p) {
    int positive = 0, negative = 0;
    for (size_t i = 1; i + 1 < p.size(); ++i) {
        const ArtPoint o = p[0], a = p[i], b = p[i + 1];
        const f64 c = f64(a.x - o.x) * (b.y - o.y) - f64(a.y - o.y) * (b.x - o.x);
        positive += c > EPS;
        negative += c < -EPS;
    }
    EXPECT_TRUE(positive == 0 || negative == 0) << "folds over itself";
    EXPECT_GT(positive + negative, 0) << "is empty";
    for (const ArtPoint& q : p) {
        EXPECT_GE(std::min(q.x, q.y), -0.5f);
        EXPECT_LE(std::max(q.x, q.y), CONSOLE_SHEET_SIZE + 0.5f);
    }
}

bool Inside(const Poly& p, ArtPoint q) {
    bool in = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
        if ((p[i].y > q.y) != (p[j].y > q.y) &&
            q.x < (p[j].x - p[i].x) * (q.y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
            in = !in;
    return in;
}

ArtPoint Centroid(const Poly& p) {
    f64 x = 0, y = 0;
    for (const ArtPoint& q : p) x += q.x, y += q.y;
    return {f32(x / p.size()), f32(y / p.size())};
}

Poly ToScreen(const Poly& p, ArtPoint offset, f32 scale, ArtPoint origin) {
    Poly out;
    for (const ArtPoint& q : p) out.push_back(ArtToScreen(q, offset, scale, origin));
    return out;
}

f64 Distance(ArtPoint a, ArtPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// A button outline in sheet pixels; counts past the array are cut (and fail elsewhere).
Poly Outline(const ButtonArt& b, int state) {
    const int n = std::min<int>(b.pointCount, OUTLINE_MAX_POINTS);
    return Poly(b.points + state * n, b.points + (state + 1) * n);
}

// A console sheet: the shapes drawn from it (buttons in their normal state, the power frame),
// its big fan with the points of it that must hold art, and the regions sampled as pictures.
struct Sheet {
    const char* file = nullptr;
    std::vector<Poly> shapes = {};
    Poly fan = {};
    std::vector<ArtPoint> fanProbes = {};
    std::vector<ArtRect> icons = {};
};

Sheet NavSheet() {
    const ArtPoint* face = DialFaceFan();
    Sheet s{.file = "Data/Graphics/Navigations/nav.dsx",
            .fan = Poly(face, face + DIAL_FACE_POINTS),
            .fanProbes = {face[0]}};
    s.icons = {NAV_LEVER_ICON, NAV_HELP_ICON, PLATING_ICON, WARP_ICON};
    for (int i = 0; i < CORNER_BUTTON_COUNT; ++i) {
        s.shapes.push_back(Outline(NavButtonArt()[i], 0));
        s.icons.push_back(NavButtonArt()[i].icon);
    }
    for (int k = 0; k < RIM_BUTTON_COUNT; ++k)
        s.shapes.push_back(Poly(NavRimButtonArt()[k].points, NavRimButtonArt()[k].points + 4));
    return s;
}

Sheet TacticalSheet() {
    const ArtPoint* body = TacticalBodyFan();
    // The body's centre is the weapon ring's window: its art is on the outer ring.
    Sheet s{.file = "Data/Graphics/Tactical/tactical.dsx",
            .fan = Poly(body, body + TACTICAL_BODY_POINTS),
            .fanProbes = {{body[0].x + 155, body[0].y}}};
    s.icons = {TACTICAL_TORPEDO_ICON, TACTICAL_BADGE, RACK_PIP_FRAME, RACK_PIP, STATUS_PIP};
    s.icons.insert(s.icons.end(), {CLOAK_ICON, WARP_ICON, PLATING_ICON}); // status indicators
    for (const SystemIconArt& icon : SYSTEM_ICONS) s.icons.push_back(icon.region);
    for (int i = 0; i < CORNER_BUTTON_COUNT; ++i) {
        const ButtonArt& b = TacticalButtonArt()[i];
        s.shapes.push_back(Outline(b, 0));
        if (b.icon.w) s.icons.push_back(b.icon);
    }
    return s;
}

Sheet PowerSheet() {
    Sheet s{.file = "Data/Graphics/Power Display/power.dsx"};
    s.icons = {POWER_BAR_LEFT, POWER_BAR_MIDDLE, POWER_BAR_RIGHT, POWER_HEALTH_ICON,
               MARKER_WARP,    MARKER_RESERVE,   MARKER_CLOAK,    MARKER_POLARIZE};
    for (const FramePolygon& f : POWER_FRAME)
        s.shapes.push_back(
            Poly(f.points, f.points + std::min<int>(f.pointCount, FRAME_MAX_POINTS)));
    return s;
}

// The corner regions as the consoles assign them (navigation; tactical mirrors x).
int NavCorner(f64 x, f64 y) {
    if (x < 662 || y < HIT_TOP || Distance({f32(x), f32(y)}, NAV_DIAL_CENTRE) < DIAL_RADIUS)
        return 0;
    if (y <= 509) return 2;
    if (x <= 709) return 6;
    if ((x >= 783 && y >= 552) || (x >= 758 && y >= 583)) return 4;
    if (y >= 552 && x > 752 && 31 - (583 - y) >= 783 - x) return 4;
    if (SCREEN_BOTTOM - y <= 800 - x) return 5;
    return 3;
}
int TacticalCorner(f64 x, f64 y) {
    if (x > 138 || y < HIT_TOP || Distance({f32(x), f32(y)}, TACTICAL_DIAL_CENTRE) < DIAL_RADIUS)
        return 0;
    if (y <= 509) return 25;
    if (x >= 91) return 29;
    if ((x <= 17 && y >= 552) || (x <= 48 && y >= 583)) return 27;
    if (y >= 552 && x <= 48 && 31 - (583 - y) >= x - 17) return 27;
    if (SCREEN_BOTTOM - y <= x) return 28;
    return 26;
}

} // namespace

TEST(ConsoleLayout, EveryOutlineIsAFanOnItsSheet) {
    std::vector<Poly> all;
    for (const Sheet& sheet : {NavSheet(), TacticalSheet(), PowerSheet()}) {
        all.insert(all.end(), sheet.shapes.begin(), sheet.shapes.end());
        if (!sheet.fan.empty()) all.push_back(sheet.fan);
    }
    for (const ButtonArt* side : {NavButtonArt(), TacticalButtonArt()})
        for (int i = 0; i < CORNER_BUTTON_COUNT; ++i) {
            EXPECT_LE(side[i].pointCount, OUTLINE_MAX_POINTS) << side[i].id;
            all.push_back(Outline(side[i], 1));
        }
    for (const FramePolygon& f : POWER_FRAME) EXPECT_LE(f.pointCount, FRAME_MAX_POINTS);
    for (const Poly& outline : all) {
        SCOPED_TRACE(testing::Message() << "outline from " << outline[0].x << "," << outline[0].y);
        ExpectFanOnSheet(outline);
    }
}

TEST(ConsoleLayout, CornerButtonsFanOverTheirOwnHitAreas) {
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < CORNER_BUTTON_COUNT; ++i) {
            const ButtonArt& b = (side ? TacticalButtonArt() : NavButtonArt())[i];
            SCOPED_TRACE(b.id);
            const ArtPoint origin = side ? TACTICAL_ORIGIN : NAV_ORIGIN;
            const Poly screen = ToScreen(Outline(b, 0), b.offset[0], CONSOLE_SCALE, origin);
            const ArtPoint c = Centroid(screen);
            EXPECT_EQ(side ? TacticalCorner(c.x, c.y) : NavCorner(c.x, c.y), b.id);
            for (const ArtPoint& q : screen) {
                EXPECT_GE(q.y, HIT_TOP - EPS);
                EXPECT_LE(q.y, SCREEN_BOTTOM + EPS);
                EXPECT_GE(Distance(q, side ? TACTICAL_DIAL_CENTRE : NAV_DIAL_CENTRE), DIAL_RADIUS);
            }
            // Pressed: the same art two units right and down, like the icon.
            const Poly pressed = ToScreen(Outline(b, 1), b.offset[1], CONSOLE_SCALE, origin);
            EXPECT_NEAR(pressed[0].x - screen[0].x, PRESS_SHIFT, 1e-3);
            EXPECT_NEAR(pressed[0].y - screen[0].y, PRESS_SHIFT, 1e-3);
            if (b.icon.w) {
                EXPECT_FLOAT_EQ(b.iconPos[1].x - b.iconPos[0].x, PRESS_SHIFT);
            }
        }
}

TEST(ConsoleLayout, RimButtonsSitOnTheRimInOrder) {
    const RimButtonArt* rim = NavRimButtonArt();
    for (int k = 0; k < RIM_BUTTON_COUNT; ++k) {
        EXPECT_EQ(rim[k].id, 7 + k);
        const Poly screen = ToScreen(Poly(rim[k].points, rim[k].points + 4), rim[k].offset[0],
                                     CONSOLE_SCALE, NAV_ORIGIN);
        for (const ArtPoint& q : screen) {
            EXPECT_GE(Distance(q, NAV_DIAL_CENTRE), DIAL_RIM_INNER - 0.5);
            EXPECT_LE(Distance(q, NAV_DIAL_CENTRE), DIAL_RIM_OUTER + 0.5);
        }
        // The middle of the quad is where the rim hit test answers this button.
        const ArtPoint m = Centroid(screen);
        const f64 phi = std::atan2(m.y - NAV_DIAL_CENTRE.y, m.x - NAV_DIAL_CENTRE.x) * 180 / M_PI;
        EXPECT_EQ(7 + int((phi + 28) / 18.3), rim[k].id);
        // Pressed moves toward the dial centre.
        const ArtPoint p =
            ArtToScreen(rim[k].points[4], rim[k].offset[1], CONSOLE_SCALE, NAV_ORIGIN);
        EXPECT_LT(Distance(p, NAV_DIAL_CENTRE), Distance(screen[0], NAV_DIAL_CENTRE));
    }
}

TEST(ConsoleLayout, DialFaceAndBodyFansCloseOnTheirCentres) {
    const Poly face = NavSheet().fan;
    EXPECT_FLOAT_EQ(face.back().x, face[1].x);
    EXPECT_FLOAT_EQ(face.back().y, face[1].y);
    const ArtPoint centre = ArtToScreen(face[0], DIAL_FACE_OFFSET, CONSOLE_SCALE, NAV_ORIGIN);
    EXPECT_NEAR(centre.x, NAV_DIAL_CENTRE.x, 0.01);
    EXPECT_NEAR(centre.y, NAV_DIAL_CENTRE.y, 0.01);
    const ArtPoint ring =
        ArtToScreen(TacticalBodyFan()[0], TACTICAL_BODY_OFFSET, CONSOLE_SCALE, TACTICAL_ORIGIN);
    EXPECT_NEAR(ring.x, 101.0, 0.5); // the weapon ring's centre
    EXPECT_NEAR(ring.y, 498.5, 0.5);
}

TEST(ConsoleLayout, PowerFrameCoversTheMeters) {
    const Poly screen =
        ToScreen(PowerSheet().shapes[0], POWER_FRAME_OFFSET, POWER_FRAME_SCALE, POWER_FRAME_ORIGIN);
    for (const ArtPoint& m : POWER_SLIDER_START)
        EXPECT_TRUE(Inside(screen, {m.x + POWER_METER_SIZE.x / 2, m.y + POWER_METER_SIZE.y / 2}));
    EXPECT_TRUE(Inside(screen, {RESERVE_BAR_POS.x + RESERVE_BAR_FULL / 2, RESERVE_BAR_POS.y + 5}));
}

// An icon drawn at its own place must not also show through a button or fan of the same sheet.
TEST(ConsoleLayout, IconRegionsKeepClearOfSampledShapes) {
    for (Sheet sheet : {NavSheet(), TacticalSheet(), PowerSheet()}) {
        SCOPED_TRACE(sheet.file);
        if (!sheet.fan.empty()) sheet.shapes.push_back(sheet.fan);
        for (const ArtRect& r : sheet.icons)
            for (const Poly& s : sheet.shapes) {
                // The four corners, a pixel in, and the middle.
                const f32 left = r.x + 1, top = r.y + 1, right = r.x + r.w - 1,
                          bottom = r.y + r.h - 1;
                for (ArtPoint q : {ArtPoint{left, top},
                                   {right, top},
                                   {left, bottom},
                                   {right, bottom},
                                   {f32(r.x + r.w / 2.0), f32(r.y + r.h / 2.0)}})
                    EXPECT_FALSE(Inside(s, q))
                        << "icon at " << r.x << "," << r.y << " lies under a shape";
            }
    }
}

// Share of the region's pixels that are not fully transparent.
double Coverage(const LoadedImage& img, const ArtRect& r) {
    int covered = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) covered += img.Alpha(x, y) > 0;
    return double(covered) / (r.w * r.h);
}

// Every region of a built sheet holds art, and so do the middle of every shape and the fan's
// probes.
TEST(ConsoleLayout, BuiltSheetsHoldArtInEveryRegionAndUnderEveryOutline) {
    for (const Sheet& sheet : {NavSheet(), TacticalSheet(), PowerSheet()}) {
        SCOPED_TRACE(sheet.file);
        LoadedImage img;
        ASSERT_TRUE(LoadDistImage(sheet.file, &img));
        for (const ArtRect& r : sheet.icons) {
            ASSERT_LE(r.x + r.w, img.image.width);
            ASSERT_LE(r.y + r.h, img.image.height);
            EXPECT_GT(Coverage(img, r), 0.1)
                << "region " << r.x << "," << r.y << " " << r.w << "x" << r.h << " is empty";
        }
        std::vector<ArtPoint> probes = sheet.fanProbes;
        for (const Poly& s : sheet.shapes) probes.push_back(Centroid(s));
        for (const ArtPoint& p : probes)
            EXPECT_GT(img.Alpha(int(p.x), int(p.y)), 0) << "nothing drawn at " << p.x << "," << p.y;
    }
}
