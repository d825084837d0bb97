// Loads arbitrary bytes as an equation file, saves what loaded and loads that again: the
// engine must never crash, hang or read out of bounds, and a saved equation must come back
// as the same equation.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "VeltronaEval.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
  static const fs::path Path = [] {
    fs::path P = fs::temp_directory_path() / ("veltrona-fuzz-" + std::to_string(getpid()));
    fs::create_directories(P);
    return P;
  }();
  return Path;
}

void Connect(TVeltronaEval& Engine) {
  Engine.OnVeltronaGetMem = [](TVeltronaEval&, Extended& Memory) { Memory = 3.5L; };
  Engine.OnVeltronaSelStart = [](TVeltronaEval&, std::int32_t& Pos) { ++Pos; };
  Engine.OnVeltronaTape = [](TVeltronaEval&, const std::string& Text, std::int32_t, bool) {
    if (Text.size() > 4096) std::abort();  // no line grows without bound
  };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const fs::path Input = Folder() / "input.dat";
  const fs::path Saved = Folder() / "saved.dat";
  {
    std::ofstream Out(Input, std::ios::binary | std::ios::trunc);
    Out.write(reinterpret_cast<const char*>(Data), static_cast<std::streamsize>(Size));
  }
  TVeltronaEval First;
  Connect(First);
  First.LoadFromFile(Input);
  const std::string Text = First.EquationText();
  if (!First.SaveToFile(Saved)) std::abort();

  TVeltronaEval Second;
  Connect(Second);
  Second.LoadFromFile(Saved);
  // A number written with 15 digits may land just across an overflow or domain boundary and
  // fail where the original did not; only then may the two equations differ.
  if (Second.EquationText() != Text && !Second.EquationInError()) std::abort();
  return 0;
}
