#include "TapeLine.h"

#include <array>

#include "CalcModel.h"
#include "TapeCodes.h"
#include "VeltronaEval.h"

TTapeLineKind TapeLineKind(std::int32_t TapeAttr, std::string_view Text) {
  switch (TapeAttr) {
    case TapeAttr::Expanded:
      return TTapeLineKind::Expanded;
    case TapeAttr::SubTotal:
      return TTapeLineKind::SubTotal;
    case TapeAttr::Total:
      return TTapeLineKind::Total;
    case TapeAttr::Error:
      return TTapeLineKind::Error;
    default:
      return Text == TCalcModel::SeparatorLine ? TTapeLineKind::Separator : TTapeLineKind::Entry;
  }
}

std::string_view TapeLineKindName(TTapeLineKind Kind) {
  static constexpr std::array<std::string_view, 7> Names = {
      "entry", "expanded", "subtotal", "total", "error", "note", "separator"};
  const auto Index = static_cast<std::size_t>(Kind);
  return Index < Names.size() ? Names[Index] : Names[0];
}

TTapeLineForm TapeLineForm(const TVeltronaEval& Engine) {
  return {Engine.TapeLineOper(), Engine.TapeLineApplied(), Engine.TapeFormatMode(), Engine.Digits(),
          Engine.BaseUnits() == 16};
}
