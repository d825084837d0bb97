#include "StatusTexts.h"

#include "DisplayText.h"
#include "ModelText.h"
#include "TapeCodes.h"

using ModelText::Arg;
using ModelText::Tr;

namespace {

std::string MemoryText(const TStatusInputs& In, const TFormatSettings& Fs) {
  if (In.Memory == 0) return {};
  if (In.HexMode) {
    // Hex() already puts the "-" of a negative memory right before its digits.
    if (std::optional<std::string> Hex = DisplayText::Hex(In.Memory))
      return Arg(Tr("Mem: Hex %1"), {*Hex});
  }
  return Arg(Tr("Mem:%1"), {DisplayText::General(In.Memory, Fs)});
}

std::optional<std::string> TapeFormatText(const TStatusInputs& In) {
  if (In.TapeHidden) return std::string();
  const std::string Digits = std::to_string(In.Digits);
  switch (In.TapeFormatMode) {
    case TapeFormat::General:
      return Tr("General");
    case TapeFormat::Scientific:
      return Arg(Tr("Scient. (%1)"), {Digits});
    case TapeFormat::Currency:
      return Tr("Currency");
    case TapeFormat::Fixed:
      return Arg(Tr("Fixed (%1)"), {Digits});
    default:
      return std::nullopt;
  }
}

}  // namespace

TStatusTexts MakeStatusTexts(const TStatusInputs& In, const TFormatSettings& Fs) {
  return {MemoryText(In, Fs), Tr(In.DumbMath ? "As Entered" : "Arithmetic"), TapeFormatText(In)};
}

std::string MemoryHint(Extended Memory, bool HexMode, const TFormatSettings& Fs) {
  if (Memory == 0) return Tr("No Number in Memory");
  if (!HexMode) return Arg(Tr("Memory = %1"), {DisplayText::General(Memory, Fs)});
  // Hex() puts the "-" of a negative memory right before its digits.
  if (std::optional<std::string> Hex = DisplayText::Hex(Memory))
    return Arg(Tr("Memory = Hex %1"), {*Hex});
  return Tr("Number too large to show as Hex");
}

std::string TapeFormatHint(int TapeFormatMode) {
  static constexpr const char* Names[] = {"General", "Scientific", "Currency", "Fixed"};
  if (TapeFormatMode < TapeFormat::General || TapeFormatMode > TapeFormat::Fixed) return {};
  return Arg(Tr("Tape Format:%1"), {Tr(Names[TapeFormatMode - 1])});
}

std::string DecimalHint(int TapeFormatMode, int Digits, Extended LastShown,
                        const TFormatSettings& Fs) {
  // The Fixed preview rounds to four significant digits, not to the tape's precision.
  constexpr int FixedPreviewDigits = 4;
  switch (TapeFormatMode) {
    case TapeFormat::Scientific:
      return Arg(Tr("Scientific: %1"), {NumberText::Scientific(LastShown, Digits, Fs)});
    case TapeFormat::Fixed:
      return Arg(Tr("Fixed: %1"), {NumberText::Number(LastShown, FixedPreviewDigits, Digits, Fs)});
    default:
      return {};
  }
}
