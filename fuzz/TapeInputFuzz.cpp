// Feeds arbitrary text to veltrona-tape's input reader and the calculator behind it, as lines
// of words or, when the first byte is odd, as the amounts of --sum. Nothing may crash; a word
// either names keys or says why not, never both; the display always shows what the model
// holds and the engine never more than its 99 entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <streambuf>
#include <string_view>

#include "KeyWord.h"
#include "TapeSession.h"

namespace {

// Output nobody reads.
struct TNullBuffer : std::streambuf {
  int overflow(int C) override { return C; }
};

void Check(bool Condition) {
  if (!Condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  static TNullBuffer Buffer;
  static std::ostream Null(&Buffer);
  const bool Sum = Data[0] & 1;
  TTapeSession::TSetup Setup;
  Setup.Hex = Data[0] & 2;
  if (Data[0] & 4) Setup.Format.DecimalSeparator = ",";
  Setup.Output = Data[0] & 8 ? TTapeOutput::Csv : TTapeOutput::Styled;
  TTapeSession Session(Setup, Null, Null);

  const std::string_view Text(reinterpret_cast<const char*>(Data + 1), Size - 1);
  int LineNumber = 0;
  for (std::size_t Start = 0; Start <= Text.size() && !Session.Quit();) {
    std::size_t End = Text.find('\n', Start);
    if (End == std::string_view::npos) End = Text.size();
    const std::string_view Line = Text.substr(Start, End - Start);
    ++LineNumber;
    if (Sum) {
      Session.AddAmount(Line, LineNumber, LineNumber == 1);
    } else {
      // Each word alone first: keys or a reason, never both, never neither.
      for (std::size_t I = 0; I < Line.size();) {
        const std::size_t WordEnd = std::min(Line.find(' ', I), Line.size());
        const TKeyWord Word =
            ReadKeyWord(Line.substr(I, WordEnd - I), WordContext(Session.Model()));
        Check(Word.Keys.empty() != Word.Error.empty());
        I = WordEnd + 1;
      }
      Session.RunLine(Line, LineNumber);
    }
    Check(Session.Model().CurrentEngine().EntryCount() <= MaxEntries);
    Start = End + 1;
  }
  if (Sum) Session.FinishSum();
  Check(Session.Status() == 0 || Session.Status() == 1);
  return 0;
}
