// The calculator model's navigation over the current calculation: Back and Forward pick a
// number to correct, Replay and the Recalc key write the calculation again below a separator,
// and the tape format commands change how later lines are written.
#include <algorithm>

#include "CalcModel.h"
#include "TapeCodes.h"

namespace {

// Recorded positions pushed this far below zero point at no line any more.
constexpr std::int32_t Forgotten = -(1 << 30);

}  // namespace

bool TCalcModel::CanGoBack() const {
  return fEngine.NavHasPrev();
}

bool TCalcModel::CanGoForward() const {
  return fEngine.NavHasNext();
}

bool TCalcModel::CanReplay() const {
  return !fEngine.IsEmpty();
}

void TCalcModel::NavBack() {
  Run([&] { Navigate(&TVeltronaEval::NavPrev); });
}

void TCalcModel::NavForward() {
  Run([&] { Navigate(&TVeltronaEval::NavNext); });
}

bool TCalcModel::Navigate(bool (TVeltronaEval::*Step)()) {
  if (fReplayEdit) fEngine.ReplaceNavNumber(fInput.Entry());
  const bool Moved = (fEngine.*Step)();
  if (Moved) {
    fInput.Pick(fEngine.NavShow());
    fReplayEdit = true;
  }
  HighlightPick();
  return Moved;
}

void TCalcModel::HighlightPick() {
  const std::int32_t Start = fEngine.NavSelStart();
  const std::int32_t Length = fEngine.NavSelLength();
  // A number not printed yet, or printed on a tape that has been cleared since, has no line.
  if (Start >= 0 && Length > 0)
    fView.SelectTapeRange(Start, Length);
  else
    fView.SelectTapeRange(0, 0);
}

void TCalcModel::PickAt(std::int32_t TapePosition) {
  Run([&] {
    TEquEntries Entries;
    fEngine.CopyEntries(Entries);
    const std::int32_t Count = std::min(fEngine.EntryCount(), MaxEntries);
    std::int32_t Target = 0;
    for (std::int32_t I = 1; I <= Count; ++I) {
      const TEquEntry& Item = Entries[static_cast<std::size_t>(I - 1)];
      if (Item.IsNumberEntered && Item.SelStart >= 0 && Item.SelLen > 0 &&
          TapePosition >= Item.SelStart && TapePosition <= Item.SelStart + Item.SelLen)
        Target = I;
    }
    if (Target == 0) return;
    // As if Back or Forward had been pressed until the number was reached.
    for (int Steps = 0; Steps <= 2 * MaxEntries; ++Steps) {
      if (fReplayEdit && fEngine.NavIndex() == Target) break;
      const bool Back = !fReplayEdit || Target < fEngine.NavIndex();
      if (!Navigate(Back ? &TVeltronaEval::NavPrev : &TVeltronaEval::NavNext)) break;
    }
  });
}

void TCalcModel::PressEquals() {
  Run([&] {
    if (fReplayEdit)
      Replay();
    else
      PressOperator(sceEquals);
  });
}

void TCalcModel::Replay() {
  Run([&] {
    CommitNumber();
    AppendSeparator();
    const Extended Result = fEngine.Recalc(0);
    fInput.HandedOver();
    fReplayEdit = false;
    ShowValue(Result);
  });
}

void TCalcModel::TapeCleared() {
  fEngine.ShiftSelStarts(0, Forgotten);
}

// ---- Tape format and decimals ----

void TCalcModel::SetTapeFormat(std::int32_t Format) {
  Run([&] {
    fSettings.NumOpt = Format;
    ApplySettings();
  });
}

void TCalcModel::CycleTapeFormat() {
  const std::int32_t Format = fSettings.NumOpt;
  // A format from a damaged setting starts the cycle again.
  SetTapeFormat(Format >= TapeFormat::General && Format < TapeFormat::Fixed ? Format + 1
                                                                            : TapeFormat::General);
}

void TCalcModel::MoreDecimals() {
  Run([&] {
    if (fSettings.Digits < MaxDecimals) ++fSettings.Digits;
    ApplySettings();
  });
}

void TCalcModel::FewerDecimals() {
  Run([&] {
    if (fSettings.Digits > 0) --fSettings.Digits;
    ApplySettings();
  });
}
