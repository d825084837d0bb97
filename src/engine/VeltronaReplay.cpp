// Rebuilding an equation by replaying its entries (recalculation, restoring a saved
// calculation, equation files), its one-line text, and the navigation cursor.
#include <algorithm>
#include <iterator>

#include "FileText.h"
#include "VeltronaEval.h"

namespace {

constexpr std::string_view FromMemoryLine = "GETMEM";
constexpr std::string_view LineEnd = "\r\n";

// A full equation is one number line and 98 operator and number lines of at most a few
// dozen characters each (about 6 KB); a file beyond 64 KiB cannot be one, so no more than
// that is ever read and a larger file loads only as far as its first 64 KiB go.
constexpr std::size_t MaxFileBytes = 64 * 1024;

bool IsEnterable(TVeltronaOper Op) {
  return Op >= sceEquals && Op <= sceTaxExcl && Op != sceAngle;
}

}  // namespace

bool TVeltronaEval::Replay(std::int32_t Count) {
  Clear();
  if (Count < 1 || !fWork[0].IsNumberEntered) return Count < 1;
  try {
    EnterNumber(fWork[0].IsMem, fWork[0].NumEnt);
    for (std::int32_t K = 2; K <= Count; ++K) {
      const TEquEntry& Item = fWork[K - 1];
      if (!IsEnterable(Item.Oper)) return false;
      EnterOperator(Item.Oper, false);
      if (Item.IsNumberEntered) EnterNumber(Item.IsMem, Item.NumEnt);
    }
  } catch (const EAbortSilent&) {
    return false;  // the limit or an error state ends the replay where it happened
  }
  return true;
}

Extended TVeltronaEval::Recalc(std::int32_t UpTo) {
  const std::int32_t Count = UpTo <= 0 || UpTo > fTop ? fTop : UpTo;
  std::copy_n(fEntries.begin(), std::max(fTop, 0), fWork.begin());
  Replay(Count);
  return fLastValue;
}

void TVeltronaEval::CopyEntries(TEquEntries& Buffer) const {
  Buffer = fEntries;
}

void TVeltronaEval::RestoreEntries(const TEquEntries& Buffer, std::int32_t Count) {
  fWork = Buffer;
  Replay(std::clamp(Count, 0, MaxEntries));
}

std::string TVeltronaEval::NumberLine(const TEquEntry& Item) const {
  return NumberText::General(Item.NumEnt, 15, fFormatSettings);
}

std::string TVeltronaEval::FileText() const {
  std::string Text;
  if (fNumCount > 0) {
    Text.append(NumberLine(Entry(1))).append(LineEnd);
    for (std::int32_t I = 2; I <= fTop; ++I) {
      const TEquEntry& Item = Entry(I);
      Text.append(OperName(Item.Oper)).append(LineEnd);
      if (Item.IsNumberEntered) {
        Text.append(Item.IsMem ? std::string{FromMemoryLine} : NumberLine(Item)).append(LineEnd);
      }
    }
  }
  return Text;
}

bool TVeltronaEval::SaveToFile(const std::filesystem::path& FileName) const {
  return FileText::Replace(FileName, FileText());
}

bool TVeltronaEval::ReplayLine(const std::string& Line) {
  if (Line == FromMemoryLine) {
    if (!fStarting && !IsAwaitingNumber()) return false;
    EnterNumber(true, 0);
    return true;
  }
  if (!fStarting) {
    if (const auto Op = OperFromName(Line)) {
      EnterOperator(*Op, false);
      return true;
    }
  }
  const auto Number = NumberText::Parse(Line, fFormatSettings);
  if (!Number || (!fStarting && !IsAwaitingNumber())) return false;
  EnterNumber(false, *Number);
  return true;
}

bool TVeltronaEval::LoadFromFile(const std::filesystem::path& FileName) {
  const std::optional<std::string> Text = FileText::ReadHead(FileName, MaxFileBytes + 1);
  return Text && LoadFromText(*Text);
}

bool TVeltronaEval::LoadFromText(std::string_view Whole) {
  // A text beyond what a full equation takes is no equation file: only the complete lines of
  // its first part are replayed, and it does not count as read.
  std::string Text(Whole.substr(0, MaxFileBytes));
  const bool Truncated = Whole.size() > MaxFileBytes;
  if (Truncated) Text.erase(std::min(Text.find_last_of("\r\n") + 1, Text.size()));

  Clear();
  bool AnyLine = false;
  std::size_t Pos = 0;
  try {
    while (Pos < Text.size()) {
      const std::size_t End = std::min(Text.find_first_of("\r\n", Pos), Text.size());
      AnyLine = true;
      if (!ReplayLine(Text.substr(Pos, End - Pos))) return false;
      Pos = End;
      if (Pos < Text.size() && Text[Pos] == '\r') ++Pos;
      if (Pos < Text.size() && Text[Pos] == '\n') ++Pos;
    }
  } catch (const EAbortSilent&) {
    return false;
  }
  return AnyLine && !Truncated;
}

std::string TVeltronaEval::EquationText() const {
  std::string Text;
  for (std::int32_t I = 1; I <= fNumCount; ++I) {
    const TEquEntry& Item = Entry(I);
    if (Item.Oper != sceStart) Text.append(OperSymbol(Item.Oper));
    if (!Item.IsNumberEntered) continue;
    if (fBaseUnits == 16) {
      const auto Digits = NumberText::HexDigits(Item.NumEnt);
      Text.append(Digits ? "x" + *Digits : "***");
    } else {
      Text.append(NumberLine(Item));
    }
  }
  return Text;
}

void TVeltronaEval::ResetNav() {
  fNavValue = 0;
  fNavIndex = 0;
  for (std::int32_t I = fNumCount; I >= 1; --I) {
    if (Entry(I).IsNumberEntered) {
      fNavIndex = I;
      fNavValue = Entry(I).NumEnt;
      return;
    }
  }
}

bool TVeltronaEval::NavHasPrev() const {
  for (std::int32_t I = fNavShowing ? fNavIndex - 1 : fNavIndex; I >= 1; --I) {
    if (Entry(I).IsNumberEntered) return true;
  }
  return false;
}

bool TVeltronaEval::NavPrev() {
  const std::int32_t Start = fNavShowing ? fNavIndex - 1 : fNavIndex;
  fNavShowing = true;
  for (std::int32_t I = std::min(Start, fNumCount); I >= 1; --I) {
    if (Entry(I).IsNumberEntered) {
      fNavIndex = I;
      fNavValue = Entry(I).NumEnt;
      return true;
    }
  }
  return false;
}

bool TVeltronaEval::NavHasNext() const {
  for (std::int32_t I = std::max(fNavIndex + 1, 1); I <= fNumCount; ++I) {
    if (Entry(I).IsNumberEntered) return true;
  }
  return false;
}

bool TVeltronaEval::NavNext() {
  for (std::int32_t I = std::max(fNavIndex + 1, 1); I <= fNumCount; ++I) {
    if (Entry(I).IsNumberEntered) {
      fNavIndex = I;
      fNavValue = Entry(I).NumEnt;
      return true;
    }
  }
  return false;
}

Extended TVeltronaEval::NavShow() {
  if (OnVeltronaVal) OnVeltronaVal(*this, fNavValue);
  return fNavValue;
}

std::int32_t TVeltronaEval::NavSelStart() const {
  return fNavIndex >= 1 ? Entry(fNavIndex).SelStart : 0;
}

std::int32_t TVeltronaEval::NavSelLength() const {
  return fNavIndex >= 1 ? Entry(fNavIndex).SelLen : 0;
}

void TVeltronaEval::ReplaceNavNumber(Extended Value) {
  if (fNavIndex < 1) return;
  TEquEntry& Item = Entry(fNavIndex);
  Item.Result = Item.NumEnt = Value;
  Item.IsNumberEntered = true;
  Item.IsMem = false;
  fLastValue = Value;
  fNavValue = Value;
}

void TVeltronaEval::ShiftSelStarts(std::int32_t From, std::int32_t Delta) {
  for (std::int32_t I = 1; I <= fNumCount; ++I) {
    if (Entry(I).SelStart >= From) Entry(I).SelStart += Delta;
  }
}

void TVeltronaEval::SetEntryPlace(std::int32_t Index, std::int32_t SelStart, std::int32_t SelLen) {
  if (Index < 1 || Index > fTop) return;
  Entry(Index).SelStart = SelStart;
  Entry(Index).SelLen = SelLen;
}
