#include "StatusTexts.h"

#include "DisplayText.h"
#include "TapeCodes.h"

namespace {

std::string MemoryText(const TStatusInputs& In, const TFormatSettings& Fs) {
  if (In.Memory == 0) return {};
  if (In.HexMode) {
    // Hex() already puts the "-" of a negative memory right before its digits.
    if (std::optional<std::string> Hex = DisplayText::Hex(In.Memory)) return "Mem: Hex " + *Hex;
  }
  return "Mem:" + DisplayText::General(In.Memory, Fs);
}

std::optional<std::string> TapeFormatText(const TStatusInputs& In) {
  if (In.TapeHidden) return std::string();
  const std::string WithDigits = " (" + std::to_string(In.Digits) + ")";
  switch (In.TapeFormatMode) {
    case TapeFormat::General:
      return std::string("General");
    case TapeFormat::Scientific:
      return "Scient." + WithDigits;
    case TapeFormat::Currency:
      return std::string("Currency");
    case TapeFormat::Fixed:
      return "Fixed" + WithDigits;
    default:
      return std::nullopt;
  }
}

}  // namespace

TStatusTexts MakeStatusTexts(const TStatusInputs& In, const TFormatSettings& Fs) {
  return {MemoryText(In, Fs), In.DumbMath ? "As Entered" : "Arithmetic", TapeFormatText(In)};
}

std::string MemoryHint(Extended Memory, bool HexMode, const TFormatSettings& Fs) {
  if (Memory == 0) return "No Number in Memory";
  if (!HexMode) return "Memory = " + DisplayText::General(Memory, Fs);
  // Hex() puts the "-" of a negative memory right before its digits.
  if (std::optional<std::string> Hex = DisplayText::Hex(Memory)) return "Memory = Hex " + *Hex;
  return "Number too large to show as Hex";
}

std::string TapeFormatHint(int TapeFormatMode) {
  static constexpr const char* Names[] = {"General", "Scientific", "Currency", "Fixed"};
  if (TapeFormatMode < TapeFormat::General || TapeFormatMode > TapeFormat::Fixed) return {};
  return std::string("Tape Format:") + Names[TapeFormatMode - 1];
}

std::string DecimalHint(int TapeFormatMode, int Digits, Extended LastShown,
                        const TFormatSettings& Fs) {
  // The Fixed preview rounds to four significant digits, not to the tape's precision.
  constexpr int FixedPreviewDigits = 4;
  switch (TapeFormatMode) {
    case TapeFormat::Scientific:
      return "Scientific: " + NumberText::Scientific(LastShown, Digits, Fs);
    case TapeFormat::Fixed:
      return "Fixed: " + NumberText::Number(LastShown, FixedPreviewDigits, Digits, Fs);
    default:
      return {};
  }
}
