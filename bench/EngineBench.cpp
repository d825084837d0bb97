// Engine benchmarks: the cost of a key pair, of a whole equation, of the tape formats and of
// equation files. Run build/bench/engine_bench; never run as a test.
#include <benchmark/benchmark.h>

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

// One number and one operator on an equation of 10 entries (Arithmetic precedence).
void BM_KeyPair(benchmark::State& State) {
  TVeltronaEval Engine;
  std::int32_t TapeLength = 0;
  Connect(Engine, TapeLength);
  for (auto _ : State) {
    State.PauseTiming();
    Engine.Clear();
    Engine.EnterNumber(false, 3);
    for (int I = 2; I <= 9; ++I) {
      Engine.EnterOperator(I % 2 ? sceAdd : sceTimes);
      Engine.EnterNumber(false, I + 0.5L);
    }
    Engine.EnterOperator(sceAdd);
    State.ResumeTiming();
    Engine.EnterNumber(false, 7.25L);
    Engine.EnterOperator(sceMinus);
  }
}
BENCHMARK(BM_KeyPair);

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

void BM_TapeFormat(benchmark::State& State) {
  TVeltronaEval Engine;
  Engine.SetTapeFormatMode(static_cast<std::int32_t>(State.range(0)));
  std::string Last;
  Engine.OnVeltronaTape = [&Last](TVeltronaEval&, const std::string& Text, std::int32_t, bool) {
    Last = Text;
  };
  // The total line of "1234567.891 =" is one formatted value plus its "= ".
  for (auto _ : State) {
    Engine.Clear();
    Engine.EnterNumber(false, 1234567.891L);
    Engine.EnterOperator(sceEquals);
  }
  benchmark::DoNotOptimize(Last);
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

void BM_SaveFull(benchmark::State& State) {
  TVeltronaEval Engine;
  FillToLimit(Engine);
  const auto Path = std::filesystem::temp_directory_path() / "veltrona-bench-save.dat";
  for (auto _ : State) benchmark::DoNotOptimize(Engine.SaveToFile(Path));
  std::filesystem::remove(Path);
}
BENCHMARK(BM_SaveFull)->Unit(benchmark::kMicrosecond);

void BM_LoadFull(benchmark::State& State) {
  TVeltronaEval Engine;
  FillToLimit(Engine);
  const auto Path = std::filesystem::temp_directory_path() / "veltrona-bench-load.dat";
  Engine.SaveToFile(Path);
  std::int32_t TapeLength = 0;
  Connect(Engine, TapeLength);
  for (auto _ : State) benchmark::DoNotOptimize(Engine.LoadFromFile(Path));
  std::filesystem::remove(Path);
}
BENCHMARK(BM_LoadFull)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
