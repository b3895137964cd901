// The console layout tables against their sheets, and the built sheets against the tables.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "game/shell/console_art.h"
#include "tests/assets/art_test_support.h"

namespace {

using Poly = std::vector<ArtPoint>;
constexpr f64 EPS = 0.01;
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

ArtPoint Centroid(const Poly& p) {
    f64 x = 0, y = 0;
    for (const ArtPoint& q : p) x += q.x, y += q.y;
    return {f32(x / p.size()), f32(y / p.size())};
}

// A button outline in sheet pixels; counts past the array are cut (and fail elsewhere).
Poly Outline(const ButtonArt& b, int state) {
    const int n = std::min<int>(b.pointCount, OUTLINE_MAX_POINTS);
    return Poly(b.points + state * n, b.points + (state + 1) * n);
}

// A sheet's drawn shapes, its big fan with the points that must hold art, and its icon regions.
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

// Share of the region's pixels that are not fully transparent.
double Coverage(const LoadedImage& img, const ArtRect& r) {
    int covered = 0;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) covered += img.Alpha(x, y) > 0;
    return double(covered) / (r.w * r.h);
}

// Every region of a built sheet holds art, and so do every shape's middle and the fan's probes.
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
