// Sound decoding cost against the floor of plain libvorbisfile decoding (oggdec's loop, its
// output kept in freshly allocated memory), on a 3-minute stereo Ogg: LoadSoundBuffer, and the
// whole piece streamed through UpdateStreams refills. Costs are CPU time of the calling thread
// (OpenAL's mixer thread is not ours); after the report each is printed per second of sound
// relative to the floor (goal: within 1.10x), each the fastest of five repetitions. Also the CPU
// cost of UpdateStreams per frame with 4 music streams playing in real time at about 1000 and 60
// frames a second: the frames' CPU time less that of the same frames without streams (a thread-CPU
// clock read costs microseconds here, so frames are timed as a whole, not one by one).
#include <benchmark/benchmark.h>

#include <AL/al.h>
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
#include "tests/audio/sound_files.h"

namespace {

constexpr double PIECE_SECONDS = 180.0;
constexpr uint32_t PIECE_RATE = 44100;
constexpr uint16_t PIECE_CHANNELS = 2;
constexpr float PIECE_QUALITY = 0.4f; // about 128 kbit/s
constexpr int STREAMS = 4;
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

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
                continue;
            // Manual time: the measured seconds of each iteration. Of the repetitions the
            // fastest counts: other work on the machine only ever adds time.
            double seconds = run.real_accumulated_time / double(run.iterations);
            auto known = seconds_.find(run.run_name.function_name);
            if (known == seconds_.end() || seconds < known->second)
                seconds_[run.run_name.function_name] = seconds;
            if (auto cpu = run.counters.find(FRAME_CPU); cpu != run.counters.end())
                frameMicros_[run.run_name.function_name] = cpu->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios() const {
        auto floor = seconds_.find(FLOOR);
        if (floor == seconds_.end()) return;
        auto perSecond = [](double seconds) { return seconds / PIECE_SECONDS * 1e3; };
        printf("\nCPU per second of sound, relative to the libvorbisfile floor (goal: within "
               "%.2fx)\n",
               GOAL);
        printf("  %-28s %7.3f ms\n", FLOOR, perSecond(floor->second));
        for (const char* name : {BUFFER, WHOLE}) {
            auto it = seconds_.find(name);
            if (it == seconds_.end()) continue;
            double ratio = it->second / floor->second;
            printf("  %-28s %7.3f ms  %.3fx %s\n", name, perSecond(it->second), ratio,
                   ratio <= GOAL ? "ok" : "OVER GOAL");
        }
        if (auto bare = seconds_.find(BARE); bare != seconds_.end())
            printf("  %-28s %7.3f ms  (the floor is %.3fx of this)\n", BARE,
                   perSecond(bare->second), floor->second / bare->second);
        printf("\nUpdateStreams CPU per frame with %d streams playing (frames less idle frames)\n",
               STREAMS);
        for (const auto& [name, micros] : frameMicros_) {
            if (name.rfind(FRAME_PREFIX, 0) != 0) continue;
            std::string rate = name.substr(name.rfind('/'));
            auto idle = frameMicros_.find(IDLE_PREFIX + rate);
            if (idle == frameMicros_.end()) continue;
            printf("  %-36s %7.2f us\n", name.c_str(), micros - idle->second);
        }
    }

  private:
    std::map<std::string, double> seconds_, frameMicros_;
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
    benchmark::RegisterBenchmark(BARE, Decode, false)
        ->UseManualTime()
        ->Iterations(4)
        ->Repetitions(5)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(FLOOR, Decode, true)
        ->UseManualTime()
        ->Iterations(4)
        ->Repetitions(5)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(BUFFER, LoadBuffer)
        ->UseManualTime()
        ->Iterations(4)
        ->Repetitions(5)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(WHOLE, StreamRefills)
        ->UseManualTime()
        ->Iterations(2)
        ->Repetitions(5)
        ->Unit(benchmark::kMillisecond);
    // About four seconds of frames each: the streams play in real time.
    const struct {
        const char* rate;
        int frameMicros, frames;
    } frameRates[] = {{"1000fps", 1000, 4000}, {"60fps", 16667, 240}};
    for (const auto& r : frameRates) {
        for (const char* prefix : {IDLE_PREFIX, FRAME_PREFIX}) {
            benchmark::RegisterBenchmark((std::string(prefix) + "/" + r.rate).c_str(), Frames)
                ->Args({r.frameMicros, prefix == FRAME_PREFIX})
                ->Iterations(r.frames)
                ->Unit(benchmark::kMicrosecond);
        }
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    DestroyAL();
    return 0;
}
