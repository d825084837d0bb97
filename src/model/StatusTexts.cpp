#include "StatusTexts.h"

#include "DisplayText.h"

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
    case 1:
      return std::string("General");
    case 2:
      return "Scient." + WithDigits;
    case 3:
      return std::string("Currency");
    case 4:
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
