// The calculator model's history: the last five calculations in five engines of their own,
// newest first, brought back by trading places with the calculation being worked on; their
// five files; and the file that keeps the unfinished calculation through a crash.
#include <algorithm>
#include <optional>
#include <string_view>
#include <system_error>

#include "CalcModel.h"
#include "FileText.h"
#include "Utf8Text.h"

namespace {

TEquEntries EntriesOf(const TVeltronaEval& Engine) {
  TEquEntries Entries;
  Engine.CopyEntries(Entries);
  return Entries;
}

bool SameEntries(const TEquEntries& A, std::int32_t CountA, const TEquEntries& B,
                 std::int32_t CountB) {
  if (CountA != CountB) return false;
  for (std::size_t I = 0; I < static_cast<std::size_t>(std::clamp(CountA, 0, MaxEntries)); ++I) {
    if (A[I].Oper != B[I].Oper || A[I].IsNumberEntered != B[I].IsNumberEntered ||
        A[I].IsMem != B[I].IsMem || (A[I].IsNumberEntered && A[I].NumEnt != B[I].NumEnt))
      return false;
  }
  return true;
}

bool SameCalculation(const TVeltronaEval& A, const TVeltronaEval& B) {
  return SameEntries(EntriesOf(A), A.EntryCount(), EntriesOf(B), B.EntryCount());
}

// A calculation is copied by replaying it; only the current engine prints while it replays.
// False when the copy came out shorter than the calculation it copies.
bool CopyCalculation(const TVeltronaEval& From, TVeltronaEval& To) {
  To.RestoreEntries(EntriesOf(From), From.EntryCount());
  return To.EntryCount() >= From.EntryCount();
}

// The smallest slot number that no position holds, from First on.
int FreeSlot(const std::array<int, TCalcModel::HistorySize>& Order, std::size_t First) {
  for (int Slot = 1; Slot <= TCalcModel::HistorySize; ++Slot) {
    if (std::find(Order.begin() + static_cast<std::ptrdiff_t>(First), Order.end(), Slot) ==
        Order.end())
      return Slot;
  }
  return 0;
}

}  // namespace

void TCalcModel::PushToHistory() {
  if (fEngine.IsEmpty()) return;
  // A calculation already held moves to the top rather than pushing out another one.
  for (std::size_t P = 0; P < fHistoryOrder.size(); ++P) {
    const int Slot = fHistoryOrder[P];
    if (Slot != 0 &&
        SameCalculation(fHistoryEngines[static_cast<std::size_t>(Slot - 1)], fEngine)) {
      std::rotate(fHistoryOrder.begin(), fHistoryOrder.begin() + static_cast<std::ptrdiff_t>(P),
                  fHistoryOrder.begin() + static_cast<std::ptrdiff_t>(P) + 1);
      fHistoryChanged = true;
      return;
    }
  }
  std::copy_backward(fHistoryOrder.begin(), fHistoryOrder.end() - 1, fHistoryOrder.end());
  const int Slot = FreeSlot(fHistoryOrder, 1);
  fHistoryOrder[0] = Slot;
  fHistoryChanged = true;
  if (!CopyCalculation(fEngine, fHistoryEngines[static_cast<std::size_t>(Slot - 1)])) {
    // Never a cut-off calculation in the history: the slot goes back to being free.
    std::copy(fHistoryOrder.begin() + 1, fHistoryOrder.end(), fHistoryOrder.begin());
    fHistoryOrder.back() = 0;
    fHistoryEngines[static_cast<std::size_t>(Slot - 1)].Clear();
  }
}

// The number being corrected goes into its entry; a number being typed joins the calculation
// when it awaits one (after "=", CE would overwrite the total).
void TCalcModel::CommitNumber() {
  if (fReplayEdit) {
    fEngine.ReplaceNavNumber(fInput.Entry());
  } else if (fInput.Entering() && fEngine.IsAwaitingNumber()) {
    const bool FromMem = fInput.FromMem();
    const Extended Value = fInput.Entry();
    fInput.HandedOver();
    fEngine.EnterNumber(FromMem, Value);
  }
}

// The number being corrected or typed belongs to the calculation that is being put away.
void TCalcModel::CommitEdit() {
  CommitNumber();
  ResetEntryState();
}

void TCalcModel::RecallHistory(int Position) {
  Run([&] {
    if (Position < 1 || Position > HistorySize) return;
    const int Slot = fHistoryOrder[static_cast<std::size_t>(Position - 1)];
    if (Slot == 0) return;
    TVeltronaEval& Recalled = fHistoryEngines[static_cast<std::size_t>(Slot - 1)];
    CommitEdit();
    if (fEngine.IsEmpty()) {
      CopyCalculation(Recalled, fEngine);
      return;
    }
    // The two calculations trade places: the current one becomes the newest in the history.
    if (!CopyCalculation(Recalled, fScratchEngine)) return;
    std::copy_backward(fHistoryOrder.begin(), fHistoryOrder.begin() + Position - 1,
                       fHistoryOrder.begin() + Position);
    fHistoryOrder[0] = 0;
    const int Free = FreeSlot(fHistoryOrder, 0);
    fHistoryOrder[0] = Free;
    CopyCalculation(fEngine, fHistoryEngines[static_cast<std::size_t>(Free - 1)]);
    fHistoryChanged = true;
    AppendSeparator();
    CopyCalculation(fScratchEngine, fEngine);
  });
}

int TCalcModel::HistoryCount() const {
  return static_cast<int>(std::count_if(fHistoryOrder.begin(), fHistoryOrder.end(),
                                        [](int Slot) { return Slot != 0; }));
}

std::string TCalcModel::HistoryText(int Position) const {
  if (Position < 1 || Position > HistorySize) return {};
  const int Slot = fHistoryOrder[static_cast<std::size_t>(Position - 1)];
  if (Slot == 0) return {};
  return fHistoryEngines[static_cast<std::size_t>(Slot - 1)].EquationText();
}

std::string TCalcModel::HistoryCaption(int Position) const {
  constexpr int CaptionLength = 20;
  const std::string Text = HistoryText(Position);
  if (Text.empty()) return {};
  // Appended piece by piece: GCC 12 warns wrongly about overlapping copies in operator+.
  std::string Caption(1, '&');
  Caption.append(std::to_string(Position)).append(": ").append(Text);
  return ShortenCaption(Caption, CaptionLength);
}

std::string TCalcModel::ShortenCaption(std::string_view Text, int MaxLength) {
  const std::string Trimmed = Utf8Text::Trimmed(Text);
  if (Utf8Text::CharCount(Trimmed) <= MaxLength) return Trimmed;
  // Cut by characters, so a character of several bytes is never split.
  std::size_t End = 0;
  for (int Kept = 0; Kept < MaxLength - 3 && End < Trimmed.size(); ++Kept) {
    ++End;
    while (End < Trimmed.size() && (static_cast<unsigned char>(Trimmed[End]) & 0xC0) == 0x80) ++End;
  }
  std::string Shortened = Trimmed.substr(0, End);
  Shortened.append("...");
  return Shortened;
}

void TCalcModel::CloseCalculation() {
  Run([&] {
    CommitEdit();
    PushToHistory();
    fEngine.Clear();
  });
}

// ---- Files ----

namespace {

// What an equation file or the unfinished record can hold; a longer file is damaged.
constexpr std::size_t MaxRecordBytes = 64 * 1024;
constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view EntryLine = "#Entry ";
constexpr std::string_view DisplayLine = "#Display ";
constexpr std::string_view PickedLine = "#Picked ";

// The lines of a text, each without its CR LF or LF.
std::vector<std::string_view> LinesOf(std::string_view Text) {
  std::vector<std::string_view> Lines;
  while (!Text.empty()) {
    const std::size_t End = std::min(Text.find('\n'), Text.size());
    std::string_view Line = Text.substr(0, End);
    if (Line.ends_with('\r')) Line.remove_suffix(1);
    Lines.push_back(Line);
    Text.remove_prefix(std::min(End + 1, Text.size()));
  }
  return Lines;
}

bool IsBlank(std::string_view Text) {
  return Text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// A file's text; nothing for a missing or empty file. Longer than any record: one byte more
// than a record can hold, so that reading it fails.
std::optional<std::string> ReadRecord(const std::filesystem::path& File) {
  std::optional<std::string> Text = FileText::ReadHead(File, MaxRecordBytes + 1);
  if (!Text || IsBlank(*Text)) return std::nullopt;
  return Text;
}

TCalcModel::TSetAside SetAside(const std::filesystem::path& File) {
  return {File,
          FileText::KeepAside(File, TCalcModel::DamagedSuffix).value_or(std::filesystem::path{})};
}

}  // namespace

bool TCalcModel::LoadEquation(TVeltronaEval& Engine, std::string_view Text) {
  if (Engine.LoadFromText(Text) && !Engine.IsEmpty()) return true;
  // Written where the other of "." and "," is the decimal separator: try that once more.
  const TFormatSettings Format = Engine.FormatSettings();
  TFormatSettings Other = Format;
  Other.DecimalSeparator.assign(1, Format.DecimalSeparator == "," ? '.' : ',');
  Engine.SetFormatSettings(Other);
  const bool Loaded = Engine.LoadFromText(Text) && !Engine.IsEmpty();
  Engine.SetFormatSettings(Format);
  if (!Loaded) Engine.Clear();
  return Loaded;
}

std::vector<TCalcModel::TSetAside> TCalcModel::LoadHistory(const THistoryFiles& Files) {
  fHistoryOrder = {};
  std::vector<TSetAside> Damaged;
  std::size_t Next = 0;
  for (std::size_t N = 0; N < Files.size(); ++N) {
    fHistoryEngines[N].Clear();
    const std::optional<std::string> Text = ReadRecord(Files[N]);
    if (!Text) continue;
    if (LoadEquation(fHistoryEngines[N], *Text))
      fHistoryOrder[Next++] = static_cast<int>(N + 1);
    else
      Damaged.push_back(SetAside(Files[N]));
  }
  fHistoryChanged = false;
  return Damaged;
}

std::vector<std::filesystem::path> TCalcModel::SaveHistory(const THistoryFiles& Files) {
  const TVeltronaEval Empty;
  std::vector<std::filesystem::path> Failed;
  for (std::size_t N = 0; N < Files.size(); ++N) {
    const int Slot = fHistoryOrder[N];
    const TVeltronaEval& Engine =
        Slot ? fHistoryEngines[static_cast<std::size_t>(Slot - 1)] : Empty;
    if (!Engine.SaveToFile(Files[N])) Failed.push_back(Files[N]);
  }
  fHistoryChanged = !Failed.empty();
  return Failed;
}

// The calculation as an equation file, then the number being typed or corrected: its exact
// state, the display's text and the entry being corrected.
std::string TCalcModel::UnfinishedText() const {
  std::string Text = fEngine.FileText();
  if (fReplayEdit || fInput.Entering()) {
    Text.append(EntryLine).append(fInput.Saved()).append(LineEnd);
    Text.append(DisplayLine).append(fDisplayText).append(LineEnd);
    if (fReplayEdit)
      Text.append(PickedLine).append(std::to_string(fEngine.NavIndex())).append(LineEnd);
  }
  return Text;
}

bool TCalcModel::SaveUnfinished(const std::filesystem::path& File) {
  std::string Text = UnfinishedText();
  if (fSavedUnfinished == Text) return true;
  bool Saved = true;
  if (Text.empty()) {
    std::error_code Error;
    std::filesystem::remove(File, Error);
    Saved = !Error;
  } else {
    Saved = FileText::Replace(File, Text);
  }
  if (Saved) fSavedUnfinished = std::move(Text);
  return Saved;
}

std::optional<TCalcModel::TSetAside> TCalcModel::RestoreUnfinished(
    const std::filesystem::path& File) {
  std::optional<TSetAside> Damaged;
  Run([&] {
    const std::optional<std::string> Text = ReadRecord(File);
    if (!Text) return;
    if (RestoreUnfinishedText(*Text))
      fSavedUnfinished = UnfinishedText();
    else
      Damaged = SetAside(File);
  });
  return Damaged;
}

// Everything is read and checked before anything is shown, so a damaged record changes
// nothing.
bool TCalcModel::RestoreUnfinishedText(std::string_view Text) {
  if (Text.size() > MaxRecordBytes) return false;
  std::string Equation;
  std::optional<std::string> Entry, Display;
  std::optional<std::int32_t> Picked;
  for (std::string_view Line : LinesOf(Text)) {
    if (Line.empty()) continue;
    if (Line.starts_with(EntryLine) && !Entry) {
      Entry = Line.substr(EntryLine.size());
    } else if (Line.starts_with(DisplayLine) && !Display) {
      Display = Line.substr(DisplayLine.size());
    } else if (Line.starts_with(PickedLine) && !Picked) {
      Picked = NumberText::ParseWhole(Line.substr(PickedLine.size()), 1, MaxEntries);
      if (!Picked) return false;
    } else if (Line.front() == '#' || Entry || Display || Picked) {
      return false;
    } else {
      Equation.append(Line).append(LineEnd);
    }
  }
  TNumberEntry Input;
  if (Entry.has_value() != Display.has_value() || (Picked && !Entry) ||
      (Entry && !Input.Restore(*Entry)))
    return false;
  fScratchEngine.Clear();
  if (!Equation.empty() && !LoadEquation(fScratchEngine, Equation)) return false;
  if (Picked) {
    TEquEntries Entries;
    fScratchEngine.CopyEntries(Entries);
    if (*Picked > fScratchEngine.EntryCount() ||
        !Entries[static_cast<std::size_t>(*Picked - 1)].IsNumberEntered)
      return false;
  }

  if (!fScratchEngine.IsEmpty()) {
    AppendSeparator();
    CopyCalculation(fScratchEngine, fEngine);
  }
  if (Picked) {
    while (fEngine.NavIndex() != *Picked && fEngine.NavPrev()) {
    }
    fReplayEdit = true;
    HighlightPick();
  }
  if (Entry) {
    fInput = Input;
    ShowOnDisplay(*Display, fInput.Entry());
    fLastShown = fInput.Entry();
  }
  return true;
}
