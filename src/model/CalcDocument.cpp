// The current calculation of a tape document: taken from the model with its settings, checked
// on an engine of its own, and made current again, its number lines where the document put
// them, so that Back, Forward and Replay work on it as if it had just been typed.
#include "CalcDocument.h"

#include <algorithm>
#include <cmath>

#include "CalcModel.h"
#include "NumberEntry.h"

namespace CalcDocument {

void ApplySettings(TVeltronaEval& Engine, const TDocSettings& Settings) {
  Engine.SetDumbMath(Settings.AsEntered);
  Engine.SetDumbPercen(Settings.PlainPercent);
  Engine.SetTaxLit(Settings.TaxName);
  Engine.SetTaxRate(Settings.TaxRate);
  Engine.SetTapeFormatMode(Settings.Format);
  Engine.SetDigits(Settings.Decimals);
  Engine.SetBaseUnits(Settings.Hex ? 16 : 10);
  Engine.SetTrigUnits(Settings.AngleUnit);
}

bool Replay(TVeltronaEval& Engine, const TDocCalculation& Calc) {
  const auto Count = static_cast<std::int32_t>(Calc.Entries.size());
  if (Count > MaxEntries) return false;
  if (Count == 0) {
    Engine.Clear();
    return true;
  }
  TEquEntries Entries{};
  for (std::size_t K = 0; K < Calc.Entries.size(); ++K) {
    const TDocEntry& From = Calc.Entries[K];
    // Only the first entry opens the calculation, and it holds a number.
    if ((K == 0) != (From.Oper == sceStart) || (K == 0 && !From.HasNumber)) return false;
    TEquEntry& To = Entries[K];
    To.Oper = From.Oper;
    To.IsNumberEntered = From.HasNumber;
    To.NumEnt = From.Number;
  }
  Engine.RestoreEntries(Entries, Count);
  if (Engine.EntryCount() != Count) return false;
  // Every entry must have gone in as recorded: one that the engine took otherwise (a number
  // where none fits, an operator it does not take) is no calculation it could have made.
  TEquEntries Made;
  Engine.CopyEntries(Made);
  for (std::size_t K = 0; K < Calc.Entries.size(); ++K) {
    if (Made[K].Oper != Entries[K].Oper || Made[K].IsNumberEntered != Entries[K].IsNumberEntered ||
        (Made[K].IsNumberEntered && ExactText(Made[K].NumEnt) != ExactText(Entries[K].NumEnt)))
      return false;
  }
  return true;
}

std::optional<TDocCalculation> WorkedOut(TDocCalculation Calc) {
  TVeltronaEval Engine;
  ApplySettings(Engine, Calc.Settings);
  Extended Last = 0;
  Engine.OnVeltronaVal = [&Last](TVeltronaEval&, Extended Value) { Last = Value; };
  if (!Replay(Engine, Calc)) return std::nullopt;
  Calc.Total = Last;
  Calc.Failed = Engine.EquationInError();
  return Calc;
}

bool ReplaysAsRecorded(const TDocCalculation& Calc) {
  const std::optional<TDocCalculation> Again = WorkedOut(Calc);
  if (!Again || Again->Failed != Calc.Failed) return false;
  // Compared bit for bit, a NaN nowhere: a total is always a finite number.
  return std::isfinite(Calc.Total) &&
         (Calc.Failed || ExactText(Again->Total) == ExactText(Calc.Total));
}

bool InputFits(const TDocInput& Input, const TDocCalculation& Calc) {
  if (Input.Display.size() > MaxDisplayLength || !std::isfinite(Input.Shown)) return false;
  TNumberEntry Entry;
  if (!Input.Entry.empty() && !Entry.Restore(Input.Entry)) return false;
  if (Input.Picked == 0) return true;
  if (Input.Entry.empty() || Input.Picked < 1 ||
      Input.Picked > static_cast<std::int32_t>(Calc.Entries.size()))
    return false;
  return Calc.Entries[static_cast<std::size_t>(Input.Picked - 1)].HasNumber;
}

std::vector<std::int32_t> LineEntries(const std::vector<TTapeLine>& Lines,
                                      const std::vector<TDocPlace>& Places,
                                      std::int32_t (*Length)(std::string_view Text)) {
  std::vector<std::int32_t> Starts;
  Starts.reserve(Lines.size());
  std::int32_t Position = 0;
  for (const TTapeLine& Line : Lines) {
    Starts.push_back(Position);
    Position += Length(Line.Text) + 1;
  }
  std::vector<std::int32_t> Entries(Lines.size(), 0);
  for (const TDocPlace& Place : Places) {
    const auto At = std::lower_bound(Starts.begin(), Starts.end(), Place.SelStart);
    if (At != Starts.end() && *At == Place.SelStart)
      Entries[static_cast<std::size_t>(At - Starts.begin())] = Place.Entry;
  }
  return Entries;
}

}  // namespace CalcDocument

TDocCalculation TCalcModel::DocumentCalculation() const {
  TDocCalculation Calc;
  Calc.Settings.AsEntered = fEngine.DumbMath();
  Calc.Settings.PlainPercent = fEngine.DumbPercen();
  Calc.Settings.TaxName = fEngine.TaxLit();
  Calc.Settings.TaxRate = fEngine.TaxRate();
  Calc.Settings.Format = fEngine.TapeFormatMode();
  Calc.Settings.Decimals = fEngine.Digits();
  Calc.Settings.Hex = fHexMode;
  Calc.Settings.AngleUnit = fEngine.TrigUnits();
  TEquEntries Entries;
  fEngine.CopyEntries(Entries);
  // An empty calculation still has the entry that waits for its first number.
  const std::int32_t Count = fEngine.IsEmpty() ? 0 : fEngine.EntryCount();
  for (std::int32_t K = 0; K < Count; ++K) {
    const TEquEntry& Item = Entries[static_cast<std::size_t>(K)];
    Calc.Entries.push_back({K == 0 ? sceStart : Item.Oper, Item.IsNumberEntered, Item.NumEnt});
  }
  return CalcDocument::WorkedOut(Calc).value_or(Calc);
}

TDocInput TCalcModel::DocumentInput() const {
  TDocInput Input;
  Input.Display = fDisplayText;
  Input.Shown = fLastShown;
  if (fReplayEdit || fInput.Entering()) Input.Entry = fInput.Saved();
  if (fReplayEdit) Input.Picked = fEngine.NavIndex();
  return Input;
}

std::vector<TDocPlace> TCalcModel::DocumentPlaces() const {
  TEquEntries Entries;
  fEngine.CopyEntries(Entries);
  std::vector<TDocPlace> Places;
  for (std::int32_t K = 1; K <= fEngine.EntryCount(); ++K) {
    const TEquEntry& Item = Entries[static_cast<std::size_t>(K - 1)];
    if (Item.SelStart >= 0 && Item.SelLen > 0) Places.push_back({K, Item.SelStart, Item.SelLen});
  }
  return Places;
}

void TCalcModel::OpenDocument(const TDocCalculation& Calc, const std::vector<TDocPlace>& Places,
                              const TDocInput& Input) {
  Run([&] {
    ResetEntryState();
    fSettings.Dumb = Calc.Settings.AsEntered;
    fSettings.TaxLit = Calc.Settings.TaxName;
    fSettings.TaxRate = Calc.Settings.TaxRate;
    fSettings.NumOpt = Calc.Settings.Format;
    fSettings.Digits = Calc.Settings.Decimals;
    ApplySettings();
    fHexMode = Calc.Settings.Hex;
    fEngine.SetBaseUnits(Radix());
    fEngine.SetTrigUnits(Calc.Settings.AngleUnit);
    fEngine.SetDumbPercen(Calc.Settings.PlainPercent);
    SyncEngines();

    // The lines are on the tape already: the calculation goes in without printing or showing
    // anything, and its entries are pointed at their lines.
    fEngine.OnVeltronaVal = nullptr;
    fEngine.OnVeltronaTape = nullptr;
    fEngine.OnVeltronaError = nullptr;
    fEngine.OnVeltronaSelStart = nullptr;
    fEngine.OnVeltronaMessage = nullptr;
    const bool Replayed = CalcDocument::Replay(fEngine, Calc);
    WireEngine();
    if (!Replayed) fEngine.Clear();
    // Entries the document gives no line have none, like numbers of a cleared tape.
    for (std::int32_t K = 1; K <= fEngine.EntryCount(); ++K)
      fEngine.SetEntryPlace(K, -(1 << 30), 0);
    for (const TDocPlace& Place : Places)
      fEngine.SetEntryPlace(Place.Entry, Place.SelStart, Place.SelLen);

    if (!Input.Entry.empty()) {
      TNumberEntry Entry;
      if (Entry.Restore(Input.Entry)) fInput = Entry;
    }
    if (Replayed && Input.Picked > 0) {
      while (fEngine.NavIndex() != Input.Picked && fEngine.NavPrev()) {
      }
      fReplayEdit = fEngine.NavIndex() == Input.Picked;
      if (fReplayEdit) HighlightPick();
    }
    ShowOnDisplay(Input.Display, Input.Shown);
    fLastShown = Input.Shown;
  });
}
