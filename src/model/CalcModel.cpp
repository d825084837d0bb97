#include "CalcModel.h"

#include <optional>
#include <utility>

#include "DisplayText.h"
#include "ModelText.h"
#include "TapeCodes.h"

TCalcModel::TCalcModel(ICalcView& View) : fView(View) {
  WireEngine();
  ApplySettings();
}

void TCalcModel::WireEngine() {
  fEngine.OnVeltronaVal = [this](TVeltronaEval&, Extended ShowVal) { ShowValue(ShowVal); };
  fEngine.OnVeltronaTape = [this](TVeltronaEval& Sender, const std::string& TapeVal,
                                  std::int32_t TapeAttr, bool IsNegative) {
    fView.AppendTapeLine(TapeVal, TapeAttr, IsNegative, TapeLineForm(Sender));
  };
  fEngine.OnVeltronaError = [this](TVeltronaEval&, const std::string& Error) {
    fView.ShowErrorMessage(Error);
  };
  fEngine.OnVeltronaSelStart = [this](TVeltronaEval&, std::int32_t& SelStart) {
    // Lines are always appended at the end of the tape, wherever the user left the caret.
    SelStart = fView.TapeEndPosition();
  };
  fEngine.OnVeltronaGetMem = [this](TVeltronaEval&, Extended& MemNum) { MemNum = fMemory; };
  fEngine.OnVeltronaMessage = [this](TVeltronaEval&, const std::string& Text) {
    fView.ShowErrorMessage(Text);
  };
}

// The saved calculations compute exactly as the current one does, so that copying one into
// another replays it as it was computed.
void TCalcModel::ApplyEvaluationSettings(TVeltronaEval& Engine) const {
  Engine.SetDumbMath(fEngine.DumbMath());
  Engine.SetDumbPercen(fEngine.DumbPercen());
  Engine.SetTaxLit(fEngine.TaxLit());
  Engine.SetTaxRate(fEngine.TaxRate());
  Engine.SetTrigUnits(fEngine.TrigUnits());
  Engine.SetBaseUnits(fEngine.BaseUnits());
  Engine.SetFormatSettings(fEngine.FormatSettings());
}

template <class TEach>
void TCalcModel::ForEachEngine(TEach&& Each) {
  for (TVeltronaEval& Engine : fHistoryEngines) Each(Engine);
  Each(fScratchEngine);
}

void TCalcModel::SyncEngines() {
  ForEachEngine([this](TVeltronaEval& Engine) { ApplyEvaluationSettings(Engine); });
}

void TCalcModel::ApplySettings() {
  fEngine.SetTapeFormatMode(fSettings.NumOpt);
  fEngine.SetDigits(fSettings.Digits);
  fEngine.SetSubTotal(fSettings.Subtotals);
  fEngine.SetExpandOper(fSettings.ExpandOper);
  fEngine.SetSubTotalSym(fSettings.SubTotalsSymIndex);
  fEngine.SetExpandOperSym(fSettings.ExpandOperSymIndex);
  fEngine.SetDumbMath(fSettings.Dumb);
  fEngine.SetTaxLit(fSettings.TaxLit);
  fEngine.SetTaxRate(fSettings.TaxRate);
  SyncEngines();
}

void TCalcModel::SetNumberFormat(const TFormatSettings& Format) {
  fEngine.SetFormatSettings(Format);
  SyncEngines();
}

// ---- Display ----

void TCalcModel::ShowOnDisplay(const std::string& Text, Extended Value) {
  std::optional<std::string> Shown = Text;
  if (fHexMode) Shown = DisplayText::Hex(Value);
  if (!Shown) {
    fView.ShowErrorMessage(ModelText::Tr("Number too Large"));
    ResetEntryState();
    Shown = DisplayText::General(0, NumberFormat());
  }
  fDisplayText = std::move(*Shown);
  fDisplayPending = true;
  if (fDepth == 0) ShowPendingDisplay();
}

void TCalcModel::ShowPendingDisplay() {
  if (!fDisplayPending) return;
  fDisplayPending = false;
  fView.ShowDisplayText(fDisplayText);
}

void TCalcModel::ShowValue(Extended ShowVal) {
  ShowOnDisplay(DisplayText::General(ShowVal, NumberFormat()), ShowVal);
  fLastShown = ShowVal;
}

// The number being typed as the display shows it, and LastShown with it.
void TCalcModel::ShowEntry(const std::string& Text) {
  ShowOnDisplay(Text, fInput.Entry());
  fLastShown = fInput.Entry();
}

std::string TCalcModel::TypedText() const {
  if (fInput.ExpEntry()) return DisplayText::ExponentEntry(fInput.Entry(), NumberFormat());
  return DisplayText::Fixed(fInput.Entry(), fInput.ShownDecimals(), NumberFormat());
}

std::string TCalcModel::WholeText(Extended Value) const {
  return fInput.ExpEntry() ? DisplayText::ExponentEntry(Value, NumberFormat())
                           : DisplayText::General(Value, NumberFormat());
}

void TCalcModel::InvalidNumber() {
  fView.ShowErrorMessage(ModelText::Tr("Invalid Number"));
  ResetEntryState();
}

void TCalcModel::ResetEntryState() {
  fReplayEdit = false;
  fInput.ResetEntryState();
}

// ---- Calculations ----

void TCalcModel::NumberArrives() {
  if (!fInput.Entering()) OpenNewCalculationIfFinished();
}

// After a finished calculation a number opens a new one, rather than overwriting the total.
void TCalcModel::OpenNewCalculationIfFinished() {
  if (fEngine.IsAwaitingNumber()) return;
  StartNewCalculation();
  ResetEntryState();
}

void TCalcModel::StartNewCalculation() {
  AppendSeparator();
  PushToHistory();
  fEngine.Clear();
}

void TCalcModel::AppendSeparator() {
  fView.AppendTapeLine(SeparatorLine, TapeAttr::Entry, false, {});
}

void TCalcModel::NoteInserted(std::int32_t LineStart, std::int32_t Length) {
  fEngine.ShiftSelStarts(LineStart, Length);
}
