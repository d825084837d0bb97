// Feeds arbitrary key sequences to the calculator model with a recording view: each byte is
// one key (digits, point, sign, exponent, Backspace, CE, C, operators, functions, memory,
// number base and angle unit). The model must never crash, the display must always show a
// number, and the engine must never hold more than its 99 entries.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "CalcModel.h"
#include "NumberText.h"

namespace {

struct TQuietView : ICalcView {
  std::string Display = "0";
  std::int32_t TapeLength = 0;
  void ShowDisplayText(const std::string& Text) override { Display = Text; }
  void AppendTapeLine(const std::string& Text, std::int32_t, bool, const TTapeLineForm&) override {
    TapeLength += static_cast<std::int32_t>(Text.size()) + 1;
  }
  std::int32_t TapeEndPosition() override { return TapeLength; }
  void SelectTapeRange(std::int32_t, std::int32_t) override {}
  void ShowErrorMessage(const std::string&) override {}
  void StateChanged() override {}
};

bool IsHexDigits(const std::string& Text) {
  std::size_t I = Text.starts_with('-') ? 1 : 0;
  if (Text.size() - I != 20) return false;
  for (; I < Text.size(); ++I)
    if (!std::isxdigit(static_cast<unsigned char>(Text[I]))) return false;
  return true;
}

// A number as the display writes it: a general, fixed or exponent-entry form, a number whose
// point has just been typed, or the 20 digits of the hexadecimal view. Switching the number
// base does not rewrite the display, so either kind may stand in either mode.
bool ShowsANumber(const std::string& Text, const TFormatSettings& Fs) {
  if (IsHexDigits(Text)) return true;
  std::string Number = Text;
  if (Number.ends_with(Fs.DecimalSeparator))
    Number.resize(Number.size() - Fs.DecimalSeparator.size());
  return NumberText::Parse(Number, Fs).has_value();
}

void PressKey(TCalcModel& Model, std::uint8_t Key) {
  static constexpr TVeltronaOper Operators[] = {
      sceAdd,     sceMinus,   sceTimes,    sceDivide, sceEquals, sceSqr,  sceSqrt,
      sceRecip,   sceNpowr,   sceNroot,    sceLog,    sceIlog,   sceELog, sceIelog,
      sceRevSign, sceSin,     sceAsin,     sceCos,    sceAcos,   sceTan,  sceAtan,
      scePercen,  scePlusTax, sceMinusTax, sceTaxInc, sceTaxExcl};
  constexpr std::uint8_t OperatorCount = sizeof Operators / sizeof Operators[0];
  if (Key < 16) return Model.PressDigit(Key);
  Key = static_cast<std::uint8_t>(Key - 16);
  if (Key < OperatorCount) return Model.PressOperator(Operators[Key]);
  switch (Key - OperatorCount) {
    case 0:
      return Model.PressPoint();
    case 1:
      return Model.PressSign();
    case 2:
      return Model.PressExp();
    case 3:
      return Model.PressPi();
    case 4:
      return Model.BackSpace();
    case 5:
      return Model.ClearEntry();
    case 6:
      return Model.ClearAll();
    case 7:
      return Model.MemoryIn();
    case 8:
      return Model.MemoryAdd();
    case 9:
      return Model.MemoryRecall();
    case 10:
      return Model.MemoryClear();
    case 11:
      return Model.SetHexMode(!Model.HexMode());
    case 12:
      return Model.SetTrigUnits(1 + Key % 3);
    case 13:
      return Model.Replay();
    case 14:
      return Model.PressEquals();
    default:
      return Model.PressDigit(Key % 10);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TQuietView View;
  TCalcModel Model(View);
  for (std::size_t I = 0; I < Size; ++I) {
    PressKey(Model, Data[I]);
    if (!ShowsANumber(View.Display, Model.NumberFormat())) std::abort();
    if (View.Display != Model.DisplayText()) std::abort();
    if (Model.CurrentEngine().EntryCount() > MaxEntries) std::abort();
  }
  return 0;
}
