// Feeds arbitrary clipboard texts to the reading of pasted numbers and to the model's Paste. The
// first byte picks the locale, the number base and what the calculator held before; the rest is
// the text. Nothing may crash; a text is either refused or read as a finite number that the
// display can show (in hexadecimal a whole number it can show in hexadecimal); a column goes
// in whole or not at all, and the engine never holds more than its 99 entries.
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "CalcModel.h"
#include "DisplayText.h"
#include "PasteText.h"
#include "Utf8Text.h"

namespace {

struct TQuietView : ICalcView {
  std::string Display = "0";
  int Lines = 0;
  void ShowDisplayText(const std::string& Text) override { Display = Text; }
  void AppendTapeLine(const std::string&, std::int32_t, bool, const TTapeLineForm&) override {
    ++Lines;
  }
  std::int32_t TapeEndPosition() override { return Lines; }
  void SelectTapeRange(std::int32_t, std::int32_t) override {}
  void ShowErrorMessage(const std::string&) override {}
  void StateChanged() override {}
};

const TFormatSettings Locales[] = {
    {".", ",", "$#", "-$#", 2},
    {",", ".", "# \u20AC", "-# \u20AC", 2},
    {",", "\u202F", "# \u20AC", "-# \u20AC", 2},
    {"", "5", "E#", "(#)", -7},  // unusable separators and an odd currency
};

void Check(bool Condition) {
  if (!Condition) std::abort();
}

void CheckShowable(Extended V, const TFormatSettings& Fs, bool Hex) {
  Check(std::isfinite(V));
  const std::string Shown = DisplayText::General(V, Fs);
  Check(!Shown.empty() && NumberText::Parse(Shown, Fs).has_value());
  if (Hex) Check(V == std::trunc(V) && DisplayText::Hex(V).has_value());
}

// A number as the display writes it: the 20 digits of the hexadecimal view, or a decimal form
// (also in hexadecimal, after a value too large to show there has been replaced by 0).
bool ShowsANumber(const std::string& Text, const TFormatSettings& Fs) {
  std::size_t I = Text.starts_with('-') ? 1 : 0;
  bool HexDigits = Text.size() - I == 20;
  for (; HexDigits && I < Text.size(); ++I)
    HexDigits = std::isxdigit(static_cast<unsigned char>(Text[I])) != 0;
  return HexDigits || NumberText::Parse(Text, Fs).has_value();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const TFormatSettings& Fs = Locales[Data[0] & 3];
  const bool Hex = (Data[0] & 4) != 0;
  const std::string_view Text(reinterpret_cast<const char*>(Data + 1), Size - 1);

  if (const auto Clean = PasteText::CleanNumberText(Text, Fs))
    Check(Utf8Text::CharCount(*Clean) <= PasteText::MaxNumberLength);
  if (const auto V = PasteText::ReadNumber(Text, Fs, Hex)) CheckShowable(*V, Fs, Hex);
  const PasteText::TPasted Pasted = PasteText::Read(Text, Fs, Hex);
  for (Extended V : Pasted.Numbers) CheckShowable(V, Fs, Hex);
  for (std::size_t I = 1; I < Pasted.BadLines.size(); ++I)
    Check(Pasted.BadLines[I - 1] < Pasted.BadLines[I]);

  TQuietView View;
  TCalcModel Model(View);
  Model.SetNumberFormat(Fs);
  Model.SetHexMode(Hex);
  static constexpr const char* Before[] = {"", "5+", "5+3=", "7"};
  for (const char* C = Before[(Data[0] >> 3) & 3]; *C; ++C)
    Model.PressCharacter(std::string_view(C, 1));
  const int Lines = View.Lines;
  const std::string Display = View.Display;
  const TCalcModel::TPasteResult Result = Model.Paste(Text);
  Check(Model.CanPaste(Text) == (Result == TCalcModel::TPasteResult::Pasted ||
                                 Result == TCalcModel::TPasteResult::Refused));
  if (Result != TCalcModel::TPasteResult::Pasted) {
    Check(View.Lines == Lines && View.Display == Display);
  } else {
    Check(ShowsANumber(View.Display, Fs));
  }
  Check(Model.CurrentEngine().EntryCount() <= MaxEntries);
  if (const auto Line = Model.CalculationText()) Check(!Line->empty());
  return 0;
}
