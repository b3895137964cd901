// The console layout tables: outlines that fan correctly, lie on their sheets and on the areas the
// consoles hit-test, keep clear of the icon regions, and cover art on the built sheets.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "game/shell/console_art.h"
#include "tests/assets/art_test_support.h"

namespace {

using Poly = std::vector<ArtPoint>;
constexpr f64 EPS = 0.01;

f64 Cross(ArtPoint o, ArtPoint a, ArtPoint b) {
    return f64(a.x - o.x) * (b.y - o.y) - f64(a.y - o.y) * (b.x - o.x);
}

// A triangle fan from the first point covers the outline only when no triangle folds back.
void ExpectValidFan(const Poly& p, const char* what) {
    int positive = 0, negative = 0;
    for (size_t i = 1; i + 1 < p.size(); ++i) {
        const f64 c = Cross(p[0], p[i], p[i + 1]);
        positive += c > EPS;
        negative += c < -EPS;
    }
    EXPECT_TRUE(positive == 0 || negative == 0) << what << " folds over itself";
    EXPECT_GT(positive + negative, 0) << what << " is empty";
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

Poly Outline(const ButtonArt& b, int state) {
    return Poly(b.points + state * b.pointCount, b.points + (state + 1) * b.pointCount);
}

Poly ToScreen(const Poly& p, ArtPoint offset, f32 scale, ArtPoint origin) {
    Poly out;
    for (const ArtPoint& q : p) out.push_back(ArtToScreen(q, offset, scale, origin));
    return out;
}

f64 Distance(ArtPoint a, ArtPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The corner regions as the consoles assign them (navigation; tactical mirrors x).
int NavCorner(f64 x, f64 y) {
    if (x < 662 || y < 464 || Distance({f32(x), f32(y)}, NAV_DIAL_CENTRE) < 75) return 0;
    if (y <= 509) return 2;
    if (x <= 709) return 6;
    if ((x >= 783 && y >= 552) || (x >= 758 && y >= 583)) return 4;
    if (y >= 552 && x > 752 && 31 - (583 - y) >= 783 - x) return 4;
    if (600 - y <= 800 - x) return 5;
    return 3;
}
int TacticalCorner(f64 x, f64 y) {
    if (x > 138 || y < 464 || Distance({f32(x), f32(y)}, TACTICAL_DIAL_CENTRE) < 75) return 0;
    if (y <= 509) return 25;
    if (x >= 91) return 29;
    if ((x <= 17 && y >= 552) || (x <= 48 && y >= 583)) return 27;
    if (y >= 552 && x <= 48 && 31 - (583 - y) >= x - 17) return 27;
    if (600 - y <= x) return 28;
    return 26;
}

void ExpectOnSheet(const Poly& p, const char* what) {
    for (const ArtPoint& q : p) {
        EXPECT_GE(q.x, -0.5f) << what;
        EXPECT_GE(q.y, -0.5f) << what;
        EXPECT_LE(q.x, CONSOLE_SHEET_SIZE + 0.5f) << what;
        EXPECT_LE(q.y, CONSOLE_SHEET_SIZE + 0.5f) << what;
    }
}

TEST(ConsoleLayout, CornerButtonsFanOverTheirOwnHitAreas) {
    const ButtonArt* consoles[2] = {NavButtonArt(), TacticalButtonArt()};
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < CORNER_BUTTON_COUNT; ++i) {
            const ButtonArt& b = consoles[side][i];
            const ArtPoint origin = side ? TACTICAL_ORIGIN : NAV_ORIGIN;
            ASSERT_LE(b.pointCount, OUTLINE_MAX_POINTS);
            for (int state = 0; state < 2; ++state) {
                const Poly sheet = Outline(b, state);
                ExpectValidFan(sheet, ("corner button " + std::to_string(b.id)).c_str());
                ExpectOnSheet(sheet, "corner button");
            }
            const Poly screen = ToScreen(Outline(b, 0), b.offset[0], CONSOLE_SCALE, origin);
            const ArtPoint c = Centroid(screen);
            EXPECT_EQ(side ? TacticalCorner(c.x, c.y) : NavCorner(c.x, c.y), b.id);
            for (const ArtPoint& q : screen) {
                EXPECT_GE(q.y, 464 - EPS) << b.id;
                EXPECT_LE(q.y, 600 + EPS) << b.id;
                EXPECT_GE(Distance(q, side ? TACTICAL_DIAL_CENTRE : NAV_DIAL_CENTRE), 75.0) << b.id;
            }
            // Pressed: the same art two units right and down, like the icon.
            const Poly pressed = ToScreen(Outline(b, 1), b.offset[1], CONSOLE_SCALE, origin);
            EXPECT_NEAR(pressed[0].x - screen[0].x, 2.0, 1e-3);
            EXPECT_NEAR(pressed[0].y - screen[0].y, 2.0, 1e-3);
            if (b.icon.w) {
                EXPECT_FLOAT_EQ(b.iconPos[1].x - b.iconPos[0].x, 2.0f);
            }
        }
}

TEST(ConsoleLayout, RimButtonsSitOnTheRimInOrder) {
    const RimButtonArt* rim = NavRimButtonArt();
    for (int k = 0; k < RIM_BUTTON_COUNT; ++k) {
        EXPECT_EQ(rim[k].id, 7 + k);
        const Poly quad(rim[k].points, rim[k].points + 4);
        ExpectValidFan(quad, "rim button");
        const Poly screen = ToScreen(quad, rim[k].offset[0], CONSOLE_SCALE, NAV_ORIGIN);
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

TEST(ConsoleLayout, DialFaceAndBodyFansCloseAndStayOnTheirSheets) {
    const Poly face(DialFaceFan(), DialFaceFan() + DIAL_FACE_POINTS);
    ExpectValidFan(face, "dial face");
    ExpectOnSheet(face, "dial face");
    EXPECT_FLOAT_EQ(face.back().x, face[1].x);
    EXPECT_FLOAT_EQ(face.back().y, face[1].y);
    const ArtPoint centre = ArtToScreen(face[0], DIAL_FACE_OFFSET, CONSOLE_SCALE, NAV_ORIGIN);
    EXPECT_NEAR(centre.x, NAV_DIAL_CENTRE.x, 0.01);
    EXPECT_NEAR(centre.y, NAV_DIAL_CENTRE.y, 0.01);

    const Poly body(TacticalBodyFan(), TacticalBodyFan() + TACTICAL_BODY_POINTS);
    ExpectValidFan(body, "tactical body");
    ExpectOnSheet(body, "tactical body");
    const ArtPoint ring =
        ArtToScreen(body[0], TACTICAL_BODY_OFFSET, CONSOLE_SCALE, TACTICAL_ORIGIN);
    EXPECT_NEAR(ring.x, 101.0, 0.5); // the weapon ring's centre
    EXPECT_NEAR(ring.y, 498.5, 0.5);
}

TEST(ConsoleLayout, PowerFrameCoversTheMetersAndStaysOnItsSheet) {
    for (const FramePolygon& f : POWER_FRAME) {
        ASSERT_LE(f.pointCount, FRAME_MAX_POINTS);
        const Poly p(f.points, f.points + f.pointCount);
        ExpectValidFan(p, "power frame");
        ExpectOnSheet(p, "power frame");
    }
    const FramePolygon& main = POWER_FRAME[0];
    const Poly screen = ToScreen(Poly(main.points, main.points + main.pointCount),
                                 POWER_FRAME_OFFSET, POWER_FRAME_SCALE, POWER_FRAME_ORIGIN);
    for (const ArtPoint& m : POWER_SLIDER_START)
        EXPECT_TRUE(Inside(screen, {m.x + POWER_METER_SIZE.x / 2, m.y + POWER_METER_SIZE.y / 2}));
    EXPECT_TRUE(Inside(screen, {RESERVE_BAR_POS.x + RESERVE_BAR_FULL / 2, RESERVE_BAR_POS.y + 5}));
}

// An icon drawn at its own place must not also show through a button or fan of the same sheet.
void ExpectIconsClear(const std::vector<Poly>& shapes, const std::vector<ArtRect>& icons) {
    for (const ArtRect& r : icons)
        for (const Poly& s : shapes) {
            const ArtPoint probes[5] = {{f32(r.x + 1), f32(r.y + 1)},
                                        {f32(r.x + r.w - 1), f32(r.y + 1)},
                                        {f32(r.x + 1), f32(r.y + r.h - 1)},
                                        {f32(r.x + r.w - 1), f32(r.y + r.h - 1)},
                                        {f32(r.x + r.w / 2.0), f32(r.y + r.h / 2.0)}};
            for (const ArtPoint& q : probes)
                EXPECT_FALSE(Inside(s, q))
                    << "icon at " << r.x << "," << r.y << " lies under a shape";
        }
}

TEST(ConsoleLayout, IconRegionsKeepClearOfSampledShapes) {
    std::vector<Poly> nav = {Poly(DialFaceFan(), DialFaceFan() + DIAL_FACE_POINTS)};
    std::vector<ArtRect> navIcons = {NAV_LEVER_ICON, NAV_HELP_ICON, PLATING_ICON, WARP_ICON};
    for (int i = 0; i < CORNER_BUTTON_COUNT; ++i) {
        nav.push_back(Outline(NavButtonArt()[i], 0));
        navIcons.push_back(NavButtonArt()[i].icon);
    }
    for (int k = 0; k < RIM_BUTTON_COUNT; ++k)
        nav.push_back(Poly(NavRimButtonArt()[k].points, NavRimButtonArt()[k].points + 4));
    ExpectIconsClear(nav, navIcons);

    std::vector<Poly> tactical = {
        Poly(TacticalBodyFan(), TacticalBodyFan() + TACTICAL_BODY_POINTS)};
    std::vector<ArtRect> tacticalIcons = {TACTICAL_TORPEDO_ICON,
                                          TACTICAL_BADGE,
                                          RACK_PIP_FRAME,
                                          RACK_PIP,
                                          STATUS_PIP,
                                          CLOAK_ICON,
                                          WARP_ICON,
                                          PLATING_ICON};
    for (const SystemIconArt& s : SYSTEM_ICONS) tacticalIcons.push_back(s.region);
    for (int i = 0; i < CORNER_BUTTON_COUNT; ++i) {
        tactical.push_back(Outline(TacticalButtonArt()[i], 0));
        if (TacticalButtonArt()[i].icon.w) tacticalIcons.push_back(TacticalButtonArt()[i].icon);
    }
    ExpectIconsClear(tactical, tacticalIcons);
}

TEST(ConsoleLayout, BuiltSheetsHaveArtUnderEveryOutline) {
    LoadedImage nav, tactical, power;
    ASSERT_TRUE(LoadDistImage("Data/Graphics/Navigations/nav.dsx", &nav));
    ASSERT_TRUE(LoadDistImage("Data/Graphics/Tactical/tactical.dsx", &tactical));
    ASSERT_TRUE(LoadDistImage("Data/Graphics/Power Display/power.dsx", &power));
    auto drawnAt = [](const LoadedImage& img, ArtPoint p) {
        return img.Alpha(int(p.x), int(p.y)) > 0;
    };
    for (int i = 0; i < CORNER_BUTTON_COUNT; ++i) {
        EXPECT_TRUE(drawnAt(nav, Centroid(Outline(NavButtonArt()[i], 0)))) << NavButtonArt()[i].id;
        EXPECT_TRUE(drawnAt(tactical, Centroid(Outline(TacticalButtonArt()[i], 0))))
            << TacticalButtonArt()[i].id;
    }
    for (int k = 0; k < RIM_BUTTON_COUNT; ++k)
        EXPECT_TRUE(drawnAt(
            nav, Centroid(Poly(NavRimButtonArt()[k].points, NavRimButtonArt()[k].points + 4))));
    EXPECT_TRUE(drawnAt(nav, DialFaceFan()[0]));
    const ArtPoint bezel{TacticalBodyFan()[0].x + 155, TacticalBodyFan()[0].y}; // outer ring
    EXPECT_TRUE(drawnAt(tactical, bezel));
    for (const FramePolygon& f : POWER_FRAME)
        EXPECT_TRUE(drawnAt(power, Centroid(Poly(f.points, f.points + f.pointCount))));
}

} // namespace
