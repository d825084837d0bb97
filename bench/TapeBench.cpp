// veltrona-tape's speed: 100,000 input lines read, pressed and printed as plain text to a
// file, by the program as started from a shell and by its session alone. Run
// build/bench/tape_bench; never run as a test.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "TapeSession.h"

namespace {

namespace fs = std::filesystem;

constexpr int LineCount = 100'000;

const fs::path& Folder() {
  static const fs::path Path = [] {
    fs::path P = fs::temp_directory_path() / "veltrona-tape-bench";
    fs::create_directories(P);
    return P;
  }();
  return Path;
}

// Calculations of four lines each, as a column of amounts is keyed: a number and an operator
// a line, a total every fourth line.
const fs::path& InputFile() {
  static const fs::path Path = [] {
    const fs::path P = Folder() / "input.txt";
    std::ofstream Out(P, std::ios::binary | std::ios::trunc);
    static const char* const Lines[] = {"1234.56 +", "78.9 -", "12 x", "3.5 ="};
    for (int I = 0; I < LineCount; ++I) Out << Lines[I % 4] << '\n';
    return P;
  }();
  return Path;
}

void BM_ProgramLines(benchmark::State& State) {
  const std::string Command = "'" VELTRONA_TAPE_EXE "' --defaults < '" + InputFile().string() +
                              "' > '" + (Folder() / "output.txt").string() + "'";
  // The program reads the bench's own empty settings folder, never the user's.
  setenv("XDG_CONFIG_HOME", (Folder() / "config").c_str(), 1);
  setenv("XDG_DATA_HOME", (Folder() / "data").c_str(), 1);
  for (auto _ : State) {
    if (std::system(Command.c_str()) != 0) State.SkipWithError("veltrona-tape failed");
  }
  State.SetItemsProcessed(State.iterations() * LineCount);
}
BENCHMARK(BM_ProgramLines)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_SessionLines(benchmark::State& State) {
  std::ifstream In(InputFile(), std::ios::binary);
  std::stringstream Text;
  Text << In.rdbuf();
  const std::string Input = Text.str();
  for (auto _ : State) {
    std::ofstream Out(Folder() / "session.txt", std::ios::binary | std::ios::trunc);
    std::ostringstream Err;
    TTapeSession Session(TTapeSession::TSetup{}, Out, Err);
    int Number = 0;
    for (std::size_t Start = 0; Start < Input.size();) {
      const std::size_t End = Input.find('\n', Start);
      Session.RunLine(std::string_view(Input).substr(Start, End - Start), ++Number);
      Start = End + 1;
    }
  }
  State.SetItemsProcessed(State.iterations() * LineCount);
}
BENCHMARK(BM_SessionLines)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
