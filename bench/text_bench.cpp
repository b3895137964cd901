// Text layout throughput on a long multilingual paragraph with colour tags (the eight game
// languages, Latin-1 and Latin Extended-A): TextWidth, FitLine over every line, TextHeight and
// TextEnd, against a floor measured in the same run, a strlen plus inline UTF-8 decode loop over
// the same bytes. Repetitions are interleaved; after the runs it prints MB/s, min / median / max
// and each case's median relative to the floor's.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "engine/loop.h"
#include "graphics/font.h"
#include "bench/bench_times.h"

namespace {

constexpr i32 ASCII_FIRST = 32, ASCII_END = 128, LATIN1_FIRST = 0xA0, LATIN_EXT_END = 0x180;
constexpr i16 LINE_HEIGHT = 16;
constexpr f32 WRAP_WIDTH = 300;
constexpr size_t TEXT_BYTES = 256 * 1024;
const char* const FLOOR = "DecodeFloor";
constexpr u8 LEAD_THREE = 0xE0, LEAD_FOUR = 0xF0, PAYLOAD = 0x3F;

const char* const PARAGRAPHS[] = {
    "The <c green>Corvane</c> fleet holds the line while the reactor cools; shields at "
    "<color 255,255,0>forty percent<color default>, torpedoes armed.\n",
    "Die Flotte h\xC3\xA4lt die Stellung, w\xC3\xA4hrend der Reaktor abk\xC3\xBChlt: "
    "Schilde bei vierzig Prozent, Torpedos scharf.\n",
    "Flota utrzymuje lini\xC4\x99, gdy reaktor stygnie; os\xC5\x82ony na czterdziestu "
    "procentach, torpedy uzbrojone. <c red>\xC5\xBB\xC3\xB3\xC5\x82w!</c>\n",
    "Flotila dr\xC5\xBE\xC3\xAD linii, zat\xC3\xADmco reaktor chladne; \xC5\xA1t\xC3\xADty na "
    "\xC4\x8Dty\xC5\x99iceti procentech, torp\xC3\xA9\x64y p\xC5\x99ipraveny.\n",
    "Flota dr\xC5\xBEi liniju dok se reaktor hladi; \xC5\xA1titovi na \xC4\x8D"
    "etrdeset "
    "posto, torpeda naoru\xC5\xBE"
    "ana. <c FF00FFFF>\xC4\x90\xC5\xBE"
    "ak</c>\n",
    "La flota mantiene la l\xC3\xADnea mientras el reactor se enfr\xC3\xAD\x61; escudos al "
    "cuarenta por ciento, \xC2\xA1torpedos armados!\n",
    "La flotta tiene la linea mentre il reattore si raffredda; scudi al quaranta per cento, "
    "siluri armati. Perch\xC3\xA9 no?\n",
    "Laivasto pit\xC3\xA4\xC3\xA4 linjan, kun reaktori j\xC3\xA4\xC3\xA4htyy; kilvet "
    "nelj\xC3\xA4ss\xC3\xA4kymmeness\xC3\xA4 prosentissa, torpedot viritetty.\n",
};

// A font like the game's: ASCII-direct, then Latin-1 and Latin Extended-A, varied advances.
const Font& BenchFont() {
    static std::vector<Glyph> glyphs;
    static FontPage page{256, 256, 0};
    static Font font{};
    if (glyphs.empty()) {
        for (i32 c = ASCII_FIRST; c < LATIN_EXT_END; c++) {
            if (c >= ASCII_END && c < LATIN1_FIRST) continue;
            glyphs.push_back(Glyph{c, 0, 0, i16(c % 16 * 16), 0, i16(5 + c % 7), 9, 0});
        }
        font = Font{&page, 1, glyphs.data(), u32(glyphs.size()), LINE_HEIGHT, 1.0f, 1};
    }
    return font;
}

const std::string& BenchText() {
    static std::string text;
    for (size_t i = 0; text.size() < TEXT_BYTES; i++)
        text += PARAGRAPHS[i % (sizeof PARAGRAPHS / sizeof *PARAGRAPHS)];
    return text;
}

void Finish(benchmark::State& state, const std::string& text) {
    state.SetBytesProcessed(i64(state.iterations()) * i64(text.size()));
}

// The least any layout must do: walk the bytes once, decode each character (plain ASCII
// directly, longer sequences inline) and use its code point. Same input and same answer as the
// library decoder on valid text, compiled as tightly as the layout code is.
inline i32 DecodeInline(const u8* s, int available, int* step) {
    u8 lead = s[0];
    if (lead < 0x80) {
        *step = 1;
        return lead;
    }
    int continuations = lead >= LEAD_FOUR ? 3 : lead >= LEAD_THREE ? 2 : 1;
    if (continuations >= available) continuations = available - 1;
    i32 codePoint = lead & (PAYLOAD >> continuations);
    for (int i = 1; i <= continuations; i++) codePoint = codePoint << 6 | (s[i] & PAYLOAD);
    *step = continuations + 1;
    return codePoint;
}

void DecodeFloor(benchmark::State& state) {
    const std::string& text = BenchText();
    for (auto _ : state) {
        const u8* s = reinterpret_cast<const u8*>(text.c_str());
        int length = int(strlen(text.c_str())), pos = 0;
        i64 sum = 0;
        while (pos < length) {
            int step;
            sum += DecodeInline(s + pos, length - pos, &step);
            pos += step;
        }
        benchmark::DoNotOptimize(sum);
    }
    Finish(state, text);
}

void Width(benchmark::State& state) {
    const std::string& text = BenchText();
    for (auto _ : state) benchmark::DoNotOptimize(TextWidthFont(text.c_str(), &BenchFont()));
    Finish(state, text);
}

void FitLines(benchmark::State& state) {
    const std::string& text = BenchText();
    std::vector<i32> buffer(text.size());
    for (auto _ : state) {
        int pos = 0, length = int(text.size()), lines = 0;
        while (pos < length) {
            int count = length - pos;
            f32 width;
            pos += FitLine(text.c_str() + pos, WRAP_WIDTH, &BenchFont(), buffer.data(), &count,
                           &width);
            lines++;
        }
        benchmark::DoNotOptimize(lines);
    }
    Finish(state, text);
}

void Height(benchmark::State& state) {
    const std::string& text = BenchText();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            TextHeightFont(&BenchFont(), WRAP_WIDTH, 1e9f, text.c_str(), 0, -1));
    Finish(state, text);
}

void End(benchmark::State& state) {
    const std::string& text = BenchText();
    for (auto _ : state) {
        f32 x, y;
        TextEnd(&BenchFont(), WRAP_WIDTH, text.c_str(), -1, &x, &y);
        benchmark::DoNotOptimize(x + y);
    }
    Finish(state, text);
}

class RatioReporter : public TimeCollector {
  public:
    void PrintRatios() const {
        double floor = Seconds(FLOOR);
        if (floor <= 0) return;
        const double megabytes = double(BenchText().size()) / 1e6;
        printf("\nText layout over %.0f KB, CPU time (us: min / median / max), median relative to "
               "the decode floor (lower is better)\n",
               double(BenchText().size()) / 1024);
        for (const auto& [name, seconds] : seconds_)
            printf("  %-12s %8.1f MB/s  %s  %5.2fx the floor\n", name.c_str(), megabytes / seconds,
                   SpreadText(name, 1e6).c_str(), seconds / floor);
    }
};

// The floor must produce what the library decoder does, or it measures different work.
bool FloorMatchesDecoder() {
    const std::string& text = BenchText();
    const u8* s = reinterpret_cast<const u8*>(text.c_str());
    int length = int(text.size());
    for (int pos = 0, step = 0, libraryStep = 0; pos < length; pos += step) {
        if (DecodeInline(s + pos, length - pos, &step) !=
                DecodeUTF8N(text.c_str() + pos, length - pos, &libraryStep) ||
            step != libraryStep)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (!FloorMatchesDecoder()) {
        fprintf(stderr, "text_bench: the floor decodes differently from DecodeUTF8N\n");
        return 1;
    }
    EngineEnable(ENGINE_TEXT_MARKUP);
    benchmark::RegisterBenchmark(FLOOR, DecodeFloor)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("TextWidth", Width)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FitLine", FitLines)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("TextHeight", Height)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("TextEnd", End)->Unit(benchmark::kMicrosecond);
    RatioReporter reporter;
    if (!RunInterleaved(argc, argv, &reporter)) return 1;
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
