// The cost of one in-flight frame at 1024 x 768 against the cheapest possible frame (clear and
// one full-screen textured quad), with the star field, objects, consoles, texts and GUI timed
// on their own, and the frame again at warp with star streaks. Cases are registered round-robin
// so every repetition of one case sits between repetitions of the others; the summary gives
// min / median / max over the repetitions and the ratio of the medians to the floor.
#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "audio/device.h"
#include "audio/module.h"
#include "engine/engine.h"
#include "engine/input.h"
#include "engine/window.h"
#include "game/shell/chat.h"
#include "game/shell/consoles.h"
#include "game/shell/menu.h"
#include "game/shell/startup.h"
#include "game/sim/callbacks.h"
#include "game/sim/objects.h"
#include "game/sim/scene.h"
#include "graphics/draw2d.h"
#include "graphics/draw2d_game.h"
#include "graphics/module.h"
#include "gui/gui.h"
#include "gui/lists.h"
#include "gui/module.h"
#include "bench/bench_times.h"

namespace {
constexpr int REPETITIONS = 7;
constexpr int FRAMES_PER_RUN = 20;
constexpr f32 FRAME_DT = 1.0f / 60.0f;
constexpr int RESOLUTION_1024 = 1;
constexpr f32 WARP = 4.0f, WARP_SPEED = 6000.0f;

void Finish() {
    glFinish();
}

void Floor() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SetColorF(1, 1, 1, 1);
    glDrawTexture(0, 0, VIRTUAL_WIDTH, VIRTUAL_HEIGHT, hud.tacticalTexture, nullptr, FLIP_NONE);
}

void SetWarp(bool on) {
    Ship& ship = *world.playerShip;
    ship.warpFactor = ship.warpTarget = on ? WARP : 0.0f;
    ship.velX = on ? WARP_SPEED : 0.0f;
    ship.velY = 0.0f;
}

void WholeFrame(bool warp) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    GameUpdate(FRAME_DT);
    SetWarp(warp);
    GameRender();
    DrawGUI();
}

void InCamera(void (*draw)()) {
    glClear(GL_COLOR_BUFFER_BIT);
    Transform2D frame;
    ApplyCamera();
    draw();
}

void Consoles() {
    DrawNavConsole();
    DrawPowerDisplay();
    DrawTacticalConsole();
    DrawScoreDisplay();
}

// The status lines (the warp one shown) and the chat panel.
void Texts() {
    SetWarp(true);
    DrawStatusIndicators();
    DrawChat();
    SetWarp(false);
}

struct Case {
    const char* name;
    void (*run)();
};
const Case CASES[] = {
    {"Floor", Floor},
    {"Frame", [] { WholeFrame(false); }},
    {"FrameAtWarp", [] { WholeFrame(true); }},
    {"Stars", [] { InCamera(DrawStars); }},
    {"StarsAtWarp",
     [] {
         SetWarp(true);
         InCamera(DrawStars);
         SetWarp(false);
     }},
    {"Objects", [] { InCamera(DrawObjects); }},
    {"Consoles", Consoles},
    {"Texts", Texts},
    {"GUI", [] { DrawGUI(); }},
};

void RunCase(benchmark::State& state, const Case* c) {
    for (auto _ : state) {
        for (int i = 0; i < FRAMES_PER_RUN; i++) c->run();
        Finish();
    }
}

std::string RunName(const Case& c, int rep) {
    return std::string(c.name) + "#" + std::to_string(rep);
}

class FrameReporter : public TimeCollector {
  public:
    FrameReporter() : TimeCollector(Clock::Real) {}
    void PrintSummary() const {
        f64 floor = Median("Floor");
        printf("\nPer frame over %d repetitions (ms: min / median / max), median against the "
               "floor\n",
               REPETITIONS);
        for (const Case& c : CASES) {
            std::vector<f64> t = Times(c.name);
            if (t.empty()) continue;
            printf("  %-12s %7.3f / %7.3f / %7.3f  %5.2fx  %6.0f fps\n", c.name, t.front() * 1e3,
                   t[t.size() / 2] * 1e3, t.back() * 1e3, floor > 0 ? t[t.size() / 2] / floor : 0,
                   1.0 / t[t.size() / 2]);
        }
    }

  private:
    std::vector<f64> Times(const char* name) const {
        std::vector<f64> t;
        for (int rep = 0; rep < REPETITIONS; rep++) {
            f64 s = Seconds(std::string(name) + "#" + std::to_string(rep));
            if (s > 0) t.push_back(s / FRAMES_PER_RUN);
        }
        std::sort(t.begin(), t.end());
        return t;
    }
    f64 Median(const char* name) const {
        std::vector<f64> t = Times(name);
        return t.empty() ? 0 : t[t.size() / 2];
    }
};

bool StartInFlight() {
    if (chdir(FRAME_BENCH_DIST) != 0 || access("Data/Graphics/Tactical/tactical.dsx", R_OK) != 0) {
        fprintf(stderr, "frame_bench needs the built game data in %s (assets target)\n",
                FRAME_BENCH_DIST);
        return false;
    }
    setenv("ALSOFT_DRIVERS", "null", 0);
    setenv("vblank_mode", "0", 0); // Mesa: a swap never waits for a vertical blank
    setenv("VAELOR_NO_SWAP_WAIT", "1", 0);
    // The layers above the engine hand it their frame hooks, as the game's own start does.
    RegisterGraphicsModule();
    RegisterGUIModule();
    RegisterAudioModule();
    InitEngine("frame_bench");
    InitAL(nullptr);
    CreateMainWindow(800, 600, 0);
    InitGL(0);
    PostInit();
    LoadSounds();
    LoadFonts();
    Load();
    SetSelected(menu.resolutionList, RESOLUTION_1024);
    StartGame();
    SetMousePos(520, 240);
    // A few ordinary frames so one-time work (the engine hum, the first layouts) is done.
    for (int i = 0; i < 3; i++) WholeFrame(false);
    Finish();
    return true;
}
} // namespace

int main(int argc, char** argv) {
    if (!StartInFlight()) return 1;
    printf("client area %d x %d\n", GetClientWidth(), GetClientHeight());
    for (int rep = 0; rep < REPETITIONS; rep++)
        for (const Case& c : CASES)
            benchmark::RegisterBenchmark(RunName(c, rep).c_str(), RunCase, &c)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    FrameReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    return 0;
}
