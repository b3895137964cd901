// Sound decoding cost against the floor of plain libvorbisfile decoding (oggdec's loop, its
// output kept in freshly allocated memory), on a 3-minute stereo Ogg: LoadSoundBuffer, and the
// whole piece streamed through UpdateStreams refills. Costs are CPU time of the calling thread
// (OpenAL's mixer thread is not ours). Every case runs five repetitions, interleaved at random
// with the others; after the report each is printed per second of sound as min / median / max,
// its median relative to the floor's (goal: within 1.10x). Also the CPU cost of UpdateStreams
// per frame with 4 music streams playing in real time at about 1000 and 60 frames a second: the
// frames' CPU time less that of the same frames without streams (a thread-CPU clock read costs
// microseconds here, so frames are timed as a whole, not one by one).
#include <benchmark/benchmark.h>

#include <AL/al.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

#include "audio/audio.h"
#include "audio/vorbis.h"
#include "bench/bench_times.h"
#include "tests/audio/sound_files.h"

namespace {

constexpr double PIECE_SECONDS = 180.0;
constexpr uint32_t PIECE_RATE = 44100;
constexpr uint16_t PIECE_CHANNELS = 2;
constexpr float PIECE_QUALITY = 0.4f; // about 128 kbit/s
constexpr int STREAMS = 4;
constexpr int REPETITIONS = 5; // each a full decode of the piece or a second of frames
constexpr double GOAL = 1.10;
const char FLOOR[] = "decode/libvorbisfile_floor";
const char BARE[] = "decode/libvorbisfile_no_output";
const char BUFFER[] = "decode/LoadSoundBuffer";
const char WHOLE[] = "decode/stream_refills";
const char FRAME_PREFIX[] = "frame/UpdateStreams_4x";
const char IDLE_PREFIX[] = "frame/sleep_only";
const char FRAME_CPU[] = "cpu_us_per_frame";
// Longer than the stream update's polling interval, so every call looks at the stream.
constexpr auto REFILL_PAUSE = std::chrono::milliseconds(6);

double ThreadSeconds() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A stand-in for music: chords of a few harmonics swelling slowly, with a little noise.
std::vector<float> Piece() {
    std::vector<float> tone(size_t(PIECE_SECONDS * PIECE_RATE) * PIECE_CHANNELS);
    std::vector<float> hiss = sound::Noise(1.0, PIECE_RATE, PIECE_CHANNELS, 0.02);
    const double notes[] = {110.0, 164.8, 220.0, 277.2, 329.6};
    for (size_t i = 0; i < tone.size() / PIECE_CHANNELS; i++) {
        double t = double(i) / PIECE_RATE, sample = 0;
        for (double f : notes)
            sample += 0.08 * std::sin(6.2831853 * f * t) * (1 + std::sin(t * f / 200));
        for (uint16_t c = 0; c < PIECE_CHANNELS; c++)
            tone[i * PIECE_CHANNELS + c] =
                float(sample) + hiss[(i * PIECE_CHANNELS + c) % hiss.size()];
    }
    return tone;
}

const std::string& PiecePath() {
    static const std::string path = [] {
        std::string p = std::string(VAELOR_BENCH_CACHE) + "/audio_bench_piece.ogg";
        if (!std::filesystem::exists(p)) {
            fprintf(stderr, "audio_bench: encoding the 3-minute test piece (once)...\n");
            sound::OggOptions o;
            o.channels = PIECE_CHANNELS;
            o.rate = PIECE_RATE;
            o.quality = PIECE_QUALITY;
            if (!sound::WriteOgg(p, Piece(), o)) p.clear();
        }
        return p;
    }();
    return path;
}

// oggdec's loop: open, ov_read 4096 bytes at a time, close. With keepOutput the PCM goes to a
// block allocated for it, as any decode into memory must; without, it is thrown away.
void Decode(benchmark::State& state, bool keepOutput) {
    for (auto _ : state) {
        double start = ThreadSeconds();
        OggVorbis_File vf;
        if (ov_fopen(PiecePath().c_str(), &vf) != 0) {
            state.SkipWithError("libvorbisfile cannot open the piece");
            break;
        }
        size_t frameBytes = size_t(ov_info(&vf, -1)->channels) * VORBIS_BYTES_PER_SAMPLE;
        size_t capacity = size_t(ov_pcm_total(&vf, -1)) * frameBytes + VORBIS_READ_REQUEST;
        char scratch[VORBIS_READ_REQUEST];
        char* pcm = keepOutput ? static_cast<char*>(malloc(capacity)) : nullptr;
        size_t got = 0;
        int link = 0;
        for (long n; (n = ov_read(&vf, pcm ? pcm + got : scratch, int(VORBIS_READ_REQUEST), 0, 2, 1,
                                  &link)) > 0;)
            got += size_t(n);
        ov_clear(&vf);
        benchmark::DoNotOptimize(got);
        free(pcm);
        state.SetIterationTime(ThreadSeconds() - start);
    }
}

void LoadBuffer(benchmark::State& state) {
    for (auto _ : state) {
        double start = ThreadSeconds();
        u32 buffer = LoadSoundBuffer(PiecePath().c_str());
        double spent = ThreadSeconds() - start;
        if (buffer == INVALID_HANDLE) {
            state.SkipWithError("LoadSoundBuffer failed");
            break;
        }
        ALuint name = buffer;
        alDeleteBuffers(1, &name);
        state.SetIterationTime(spent);
    }
}

// The whole piece through the stream refill: before each update the source is stopped, as if
// it had played its queue, so every call refills both buffers until the file is decoded.
void StreamRefills(benchmark::State& state) {
    for (auto _ : state) {
        double start = ThreadSeconds();
        u32 h = OpenStream(PiecePath().c_str());
        PlayStream(h);
        double busy = ThreadSeconds() - start;
        while (h != INVALID_HANDLE && StreamQuery(h, STREAM_FINISHED) != 1) {
            alSourceStop(StreamSource(h));
            std::this_thread::sleep_for(REFILL_PAUSE);
            start = ThreadSeconds();
            UpdateStreams();
            busy += ThreadSeconds() - start;
        }
        CloseAllStreams();
        ResetStreams();
        if (h == INVALID_HANDLE) {
            state.SkipWithError("OpenStream failed");
            break;
        }
        state.SetIterationTime(busy);
    }
}

// Frames of the given length (argument 0, microseconds) whose other work is a sleep, with 4
// streams playing when argument 1 is set.
void Frames(benchmark::State& state) {
    const auto frame = std::chrono::microseconds(state.range(0));
    const bool streaming = state.range(1) != 0;
    for (int i = 0; streaming && i < STREAMS; i++) PlayStream(OpenStream(PiecePath().c_str()));
    double start = ThreadSeconds();
    for (auto _ : state) {
        std::this_thread::sleep_for(frame);
        if (streaming) UpdateStreams();
    }
    state.counters[FRAME_CPU] = (ThreadSeconds() - start) / double(state.iterations()) * 1e6;
    CloseAllStreams();
    ResetStreams();
}

// Manual time is the measured CPU seconds of each iteration, kept per repetition; the frame
// cases' CPU per frame comes as a counter, kept the same way.
class RatioReporter : public TimeCollector {
  public:
    RatioReporter() : TimeCollector(Clock::Real) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
                continue;
            if (auto cpu = run.counters.find(FRAME_CPU); cpu != run.counters.end())
                frameMicros_[run.run_name.function_name].push_back(cpu->second);
        }
        TimeCollector::ReportRuns(runs);
    }

    void PrintRatios() const {
        double floor = Seconds(FLOOR);
        if (floor <= 0) return;
        constexpr double PER_SECOND_MS = 1e3 / PIECE_SECONDS;
        printf("\nCPU per second of sound (ms: min / median / max), median relative to the "
               "libvorbisfile floor (goal: within %.2fx)\n",
               GOAL);
        printf("  %-30s %s\n", FLOOR, SpreadText(FLOOR, PER_SECOND_MS).c_str());
        for (const char* name : {BUFFER, WHOLE}) {
            double seconds = Seconds(name);
            if (seconds <= 0) continue;
            double ratio = seconds / floor;
            printf("  %-30s %s  %.3fx %s\n", name, SpreadText(name, PER_SECOND_MS).c_str(), ratio,
                   ratio <= GOAL ? "ok" : "OVER GOAL");
        }
        if (double bare = Seconds(BARE); bare > 0)
            printf("  %-30s %s  (the floor is %.3fx of this)\n", BARE,
                   SpreadText(BARE, PER_SECOND_MS).c_str(), floor / bare);
        PrintFrames();
    }

  private:
    static TimeSpread SpreadOf(std::vector<double> values) {
        if (values.empty()) return {};
        std::sort(values.begin(), values.end());
        return {values.front(), values[values.size() / 2], values.back()};
    }

    void PrintFrames() const {
        printf("\nCPU per frame with %d streams playing (us: min / median / max), and the median "
               "less that of idle frames\n",
               STREAMS);
        for (const auto& [name, micros] : frameMicros_) {
            if (name.rfind(FRAME_PREFIX, 0) != 0) continue;
            auto idle = frameMicros_.find(IDLE_PREFIX + name.substr(name.rfind('/')));
            if (idle == frameMicros_.end()) continue;
            TimeSpread busy = SpreadOf(micros), rest = SpreadOf(idle->second);
            printf("  %-36s %7.2f / %7.2f / %7.2f  %7.2f us\n", name.c_str(), busy.min, busy.median,
                   busy.max, busy.median - rest.median);
        }
    }

    std::map<std::string, std::vector<double>> frameMicros_;
};

} // namespace

int main(int argc, char** argv) {
    if (PiecePath().empty()) return 1;
    setenv("ALSOFT_DRIVERS", "null", 0); // no sound card needed; plays silently in real time
    // The engine log is written to the current folder; keep it out of the way.
    std::string scratch = std::filesystem::temp_directory_path() / "vaelor-audio-bench";
    std::filesystem::create_directories(scratch);
    if (chdir(scratch.c_str()) != 0) return 1;
    if (!InitAL(nullptr)) {
        fprintf(stderr, "audio_bench: no OpenAL device\n");
        return 1;
    }
    const struct {
        const char* name;
        void (*run)(benchmark::State&);
        int iterations;
    } decodes[] = {{BARE, [](benchmark::State& s) { Decode(s, false); }, 4},
                   {FLOOR, [](benchmark::State& s) { Decode(s, true); }, 4},
                   {BUFFER, LoadBuffer, 4},
                   {WHOLE, StreamRefills, 2}};
    for (const auto& d : decodes)
        benchmark::RegisterBenchmark(d.name, d.run)
            ->UseManualTime()
            ->Iterations(d.iterations)
            ->Repetitions(REPETITIONS)
            ->Unit(benchmark::kMillisecond);
    // About a second of frames each: the streams play in real time.
    const struct {
        const char* rate;
        int frameMicros, frames;
    } frameRates[] = {{"1000fps", 1000, 1000}, {"60fps", 16667, 60}};
    for (const auto& r : frameRates) {
        for (const char* prefix : {IDLE_PREFIX, FRAME_PREFIX}) {
            benchmark::RegisterBenchmark((std::string(prefix) + "/" + r.rate).c_str(), Frames)
                ->Args({r.frameMicros, prefix == FRAME_PREFIX})
                ->Iterations(r.frames)
                ->Repetitions(REPETITIONS)
                ->Unit(benchmark::kMicrosecond);
        }
    }

    RatioReporter reporter;
    if (!RunInterleaved(argc, argv, &reporter)) return 1;
    reporter.PrintRatios();
    benchmark::Shutdown();
    DestroyAL();
    return 0;
}
