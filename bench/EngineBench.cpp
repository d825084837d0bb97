// Engine benchmarks: the cost of a key pair, of a whole equation, of the tape formats and of
// equation files. Run build/bench/engine_bench; never run as a test.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "VeltronaEval.h"

namespace {

// A host that receives the events as the window would, without drawing anything.
void Connect(TVeltronaEval& Engine, std::int32_t& TapeLength) {
  Engine.OnVeltronaVal = [](TVeltronaEval&, Extended V) { benchmark::DoNotOptimize(V); };
  Engine.OnVeltronaTape = [&TapeLength](TVeltronaEval&, const std::string& Text, std::int32_t,
                                        bool) {
    TapeLength += static_cast<std::int32_t>(Text.size()) + 1;
  };
  Engine.OnVeltronaSelStart = [&TapeLength](TVeltronaEval&, std::int32_t& Pos) {
    Pos = TapeLength;
  };
}

void FillToLimit(TVeltronaEval& Engine) {
  Engine.Clear();
  Engine.EnterNumber(false, 1.5L);
  for (int I = 2; I <= MaxEntries; ++I) {
    Engine.EnterOperator(I % 2 ? sceAdd : sceTimes);
    Engine.EnterNumber(false, 1.25L + I);
  }
}

// One number and one operator on an equation of 10 entries (Arithmetic precedence). The
// equation is rebuilt outside the measured span, which is timed by hand.
void BM_KeyPair(benchmark::State& State) {
  TVeltronaEval Engine;
  std::int32_t TapeLength = 0;
  Connect(Engine, TapeLength);
  for (auto _ : State) {
    Engine.Clear();
    Engine.EnterNumber(false, 3);
    for (int I = 2; I <= 9; ++I) {
      Engine.EnterOperator(I % 2 ? sceAdd : sceTimes);
      Engine.EnterNumber(false, I + 0.5L);
    }
    Engine.EnterOperator(sceAdd);
    const auto Start = std::chrono::steady_clock::now();
    Engine.EnterNumber(false, 7.25L);
    Engine.EnterOperator(sceMinus);
    const auto Stop = std::chrono::steady_clock::now();
    State.SetIterationTime(std::chrono::duration<double>(Stop - Start).count());
  }
}
BENCHMARK(BM_KeyPair)->UseManualTime();

// Filling an equation to its limit with alternating + and *, printing to the tape.
void BM_FillTo99(benchmark::State& State) {
  TVeltronaEval Engine;
  std::int32_t TapeLength = 0;
  Connect(Engine, TapeLength);
  for (auto _ : State) FillToLimit(Engine);
}
BENCHMARK(BM_FillTo99)->Unit(benchmark::kMicrosecond);

// Filling without anyone listening: the evaluation alone.
void BM_FillTo99Silent(benchmark::State& State) {
  TVeltronaEval Engine;
  for (auto _ : State) FillToLimit(Engine);
}
BENCHMARK(BM_FillTo99Silent)->Unit(benchmark::kMicrosecond);

// One value in each tape format, as the tape prints it with the default settings.
void BM_TapeFormat(benchmark::State& State) {
  const TFormatSettings Fs;
  const Extended Value = 1234567.891L;
  const auto Format = State.range(0);
  for (auto _ : State) {
    switch (Format) {
      case 1:
        benchmark::DoNotOptimize(NumberText::General(Value, 14, Fs));
        break;
      case 2:
        benchmark::DoNotOptimize(NumberText::Scientific(Value, 4, Fs));
        break;
      case 3:
        benchmark::DoNotOptimize(NumberText::Currency(Value, 14, Fs));
        break;
      default:
        benchmark::DoNotOptimize(NumberText::Number(Value, 14, 4, Fs));
        break;
    }
  }
}
BENCHMARK(BM_TapeFormat)->DenseRange(1, 4)->ArgName("format");

void BM_RecalcFull(benchmark::State& State) {
  TVeltronaEval Engine;
  std::int32_t TapeLength = 0;
  Connect(Engine, TapeLength);
  FillToLimit(Engine);
  for (auto _ : State) benchmark::DoNotOptimize(Engine.Recalc(0));
}
BENCHMARK(BM_RecalcFull)->Unit(benchmark::kMicrosecond);

// Equation files go to VELTRONA_BENCH_DIR when set (a memory file system separates the
// engine's own work from the disk's), otherwise to the temporary folder.
std::filesystem::path BenchFolder() {
  const char* Folder = std::getenv("VELTRONA_BENCH_DIR");
  return Folder ? std::filesystem::path(Folder) : std::filesystem::temp_directory_path();
}

void BM_SaveFull(benchmark::State& State) {
  TVeltronaEval Engine;
  FillToLimit(Engine);
  const auto Path = BenchFolder() / "veltrona-bench-save.dat";
  for (auto _ : State) benchmark::DoNotOptimize(Engine.SaveToFile(Path));
  std::filesystem::remove(Path);
}
BENCHMARK(BM_SaveFull)->Unit(benchmark::kMicrosecond);

void BM_LoadFull(benchmark::State& State) {
  TVeltronaEval Engine;
  FillToLimit(Engine);
  const auto Path = BenchFolder() / "veltrona-bench-load.dat";
  Engine.SaveToFile(Path);
  std::int32_t TapeLength = 0;
  Connect(Engine, TapeLength);
  for (auto _ : State) benchmark::DoNotOptimize(Engine.LoadFromFile(Path));
  std::filesystem::remove(Path);
}
BENCHMARK(BM_LoadFull)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
