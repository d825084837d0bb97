// The calculator model's clipboard commands: a pasted number or column of numbers, and the
// current calculation as one line of text for Copy Calculation.
#include <algorithm>
#include <cstddef>
#include <vector>

#include "CalcModel.h"
#include "ModelText.h"
#include "PasteText.h"
#include "TapeCodes.h"
#include "Utf8Text.h"

namespace {

// Lines listed by number in the error box before the rest are only counted.
constexpr std::size_t ListedLines = 10;

std::string BadLinesMessage(const std::vector<std::int32_t>& Lines) {
  using ModelText::Arg, ModelText::Tr;
  const std::size_t Shown = std::min(Lines.size(), ListedLines);
  std::string List;
  for (std::size_t I = 0; I < Shown; ++I) {
    const std::string Line = std::to_string(Lines[I]);
    if (I == 0)
      List = Line;
    else
      List = I + 1 == Lines.size() ? Arg(Tr("%1 and %2"), {List, Line}) : List + ", " + Line;
  }
  if (Lines.size() > Shown)
    List = Arg(Tr("%1 and %2"), {List, Arg(Tr("%1 more"), {std::to_string(Lines.size() - Shown)})});
  return Arg(Lines.size() == 1
                 ? Tr("Line %1 of the pasted text is not a number; nothing was entered.")
                 : Tr("Lines %1 of the pasted text are not numbers; nothing was entered."),
             {List});
}

// How many numbers a pasted column can bring: each number but the first adds a "+" entry, the
// total adds one more, and a calculation that waits for a number takes the first in its open
// place. A picked number being changed counts the whole calculation, which is never less than
// what stays of it once the change is committed.
std::size_t ColumnRoom(const TVeltronaEval& Engine, bool ReplayEdit) {
  const bool Continues = ReplayEdit || (!Engine.EquationInError() && Engine.IsAwaitingNumber());
  const std::int32_t Used = Continues ? std::max(Engine.EntryCount(), 1) : 1;
  return static_cast<std::size_t>(MaxEntries - Used);
}

}  // namespace

TCalcModel::TPasteResult TCalcModel::Paste(std::string_view Text) {
  const PasteText::TPasted Pasted = PasteText::Read(Text, NumberFormat(), fHexMode);
  switch (Pasted.Kind) {
    case PasteText::TPasteKind::Blank:
      return TPasteResult::Nothing;
    case PasteText::TPasteKind::NotANumber:
      return TPasteResult::NotANumber;
    case PasteText::TPasteKind::Number:
      PasteNumber(Pasted.Numbers.front());
      return TPasteResult::Pasted;
    case PasteText::TPasteKind::Column:
      break;
  }
  if (!Pasted.BadLines.empty()) {
    Run([&] { fView.ShowErrorMessage(BadLinesMessage(Pasted.BadLines)); });
    return TPasteResult::Refused;
  }
  if (const std::size_t Room = ColumnRoom(fEngine, fReplayEdit); Pasted.Numbers.size() > Room) {
    Run([&] {
      fView.ShowErrorMessage(ModelText::Arg(
          ModelText::Tr("The pasted column holds %1 numbers; the calculation has room for %2. "
                        "Nothing was entered."),
          {std::to_string(Pasted.Numbers.size()), std::to_string(Room)}));
    });
    return TPasteResult::Refused;
  }
  Run([&] {
    for (std::size_t I = 0; I < Pasted.Numbers.size(); ++I) {
      if (I > 0) PressOperator(sceAdd);
      ArriveWhole(Pasted.Numbers[I]);
    }
    PressOperator(sceEquals);
  });
  return TPasteResult::Pasted;
}

void TCalcModel::PasteNumber(Extended Value) {
  Run([&] { ArriveWhole(Value); });
}

bool TCalcModel::CanPaste(std::string_view Text) const {
  const PasteText::TPasteKind Kind = PasteText::Read(Text, NumberFormat(), fHexMode).Kind;
  return Kind == PasteText::TPasteKind::Number || Kind == PasteText::TPasteKind::Column;
}

// The calculation is replayed on an engine of its own with the same settings, without subtotal
// and expanded lines, so that its entry lines and total come out exactly as the tape writes them.
std::optional<std::string> TCalcModel::CalculationText() const {
  if (fEngine.IsEmpty() || fEngine.EquationInError()) return std::nullopt;
  // A number being typed for the open place belongs to the calculation; an operator still
  // waiting for its number does not.
  const bool Typed = fInput.Entering() && fEngine.IsAwaitingNumber() && !fReplayEdit;
  std::int32_t Count = fEngine.EntryCount();
  if (fEngine.IsAwaitingNumber() && !Typed) --Count;
  if (Count < 2 && !Typed) return std::nullopt;  // an opening number alone is no calculation

  TEquEntries Entries;
  fEngine.CopyEntries(Entries);
  TVeltronaEval Scratch;
  ApplyEvaluationSettings(Scratch);
  Scratch.SetTapeFormatMode(fEngine.TapeFormatMode());
  Scratch.SetDigits(fEngine.Digits());
  Scratch.SetPrecision(fEngine.Precision());
  Scratch.SetSubTotal(false);
  Scratch.SetExpandOper(false);
  std::string Text;
  bool Total = false;
  bool Failed = false;
  Scratch.OnVeltronaTape = [&](TVeltronaEval&, const std::string& Line, std::int32_t Attr, bool) {
    if (Attr == TapeAttr::Error) Failed = true;
    if (Attr != TapeAttr::Entry && Attr != TapeAttr::Total) return;
    Total = Attr == TapeAttr::Total;
    if (!Text.empty()) Text += ' ';
    Text += Utf8Text::Trimmed(Line);
  };
  Scratch.OnVeltronaGetMem = [this](TVeltronaEval&, Extended& MemNum) { MemNum = fMemory; };
  Scratch.RestoreEntries(Entries, Count);
  const bool Finished = !Typed && Entries[static_cast<std::size_t>(Count) - 1].Oper == sceEquals;
  try {
    if (Typed) Scratch.EnterNumber(fInput.FromMem(), fInput.Entry());
    if (!Finished) Scratch.EnterOperator(sceEquals);
  } catch (const EAbortSilent&) {
    // A calculation at the entry limit takes no total; without one there is no text.
  }
  if (Failed || !Total) return std::nullopt;
  if (Finished && Count == fEngine.EntryCount()) {
    // Precedence or the tax rate changed since the total was printed: the replay's total would
    // not be the one on the tape.
    TEquEntries Replayed;
    Scratch.CopyEntries(Replayed);
    if (Replayed[0].Result != Entries[0].Result) return std::nullopt;
  }
  return Text;
}
