#include "TapeSession.h"

#include <QString>
#include <algorithm>

#include "AtomicFile.h"
#include "KeyWord.h"
#include "PasteText.h"
#include "TapeDocument.h"
#include "TapeTexts.h"
#include "TapeWorkbook.h"
#include "Utf8Text.h"

namespace {

bool IsBlank(char C) {
  return C == ' ' || C == '\t' || C == '\r' || C == '\v' || C == '\f';
}

}  // namespace

TTapeSession::TTapeSession(const TSetup& Setup, std::ostream& Out, std::ostream& Err)
    : fView(Out, Err, Setup.Output, Setup.Width, Setup.Settings, Setup.Format), fModel(fView) {
  fModel.SetNumberFormat(Setup.Format);
  fModel.Settings() = Setup.Settings;
  fModel.ApplySettings();
  fModel.SetMemory(Setup.Memory);
  fModel.SetTrigUnits(Setup.TrigUnits);
  if (Setup.Hex) fModel.SetHexMode(true);
  if (Setup.KeepLines) fView.KeepLines();
}

bool TTapeSession::RunWord(std::string_view Word, const std::string& Where) {
  const TKeyWord Keys = ReadKeyWord(Word, WordContext(fModel));
  if (!Keys.Error.empty()) {
    fView.ShowProgramMessage(Where + ": " + Keys.Error);
    return false;
  }
  for (const TKeyPress& Key : Keys.Keys) {
    if (Key.Key == TKey::Quit) fQuit = true;
    PressKey(fModel, Key);
  }
  return true;
}

bool TTapeSession::RunWords(const std::vector<std::string_view>& Words, const std::string& Where) {
  for (std::size_t I = 0; I < Words.size() && !fQuit; ++I) {
    std::string Word(Words[I]);
    const std::size_t Position = I + 1;
    // The tape writes the root as "^ 1/": the two words are its one key.
    if (Word == "^" && I + 1 < Words.size() && Words[I + 1] == "1/") {
      Word = "^ 1/";
      ++I;
    }
    if (!RunWord(Word, Where + std::to_string(Position))) return false;
  }
  return true;
}

bool TTapeSession::RunLine(std::string_view Line, int LineNumber) {
  std::vector<std::string_view> Words;
  for (std::size_t I = 0; I < Line.size();) {
    if (IsBlank(Line[I])) {
      ++I;
      continue;
    }
    std::size_t End = I;
    while (End < Line.size() && !IsBlank(Line[End])) ++End;
    Words.push_back(Line.substr(I, End - I));
    I = End;
  }
  return RunWords(Words, Filled(QCoreApplication::translate("veltrona-tape", "line %1, word "),
                                {std::to_string(LineNumber)}));
}

// A column cut out of a CSV file may keep its field's quotes ("1,000.00"): the amount is what
// they enclose.
std::string TTapeSession::Unquoted(std::string_view Line) {
  std::string_view Text = Line;
  while (!Text.empty() && IsBlank(Text.front())) Text.remove_prefix(1);
  while (!Text.empty() && (IsBlank(Text.back()) || Text.back() == '\r')) Text.remove_suffix(1);
  if (Text.size() < 2 || Text.front() != '"' || Text.back() != '"') return std::string(Line);
  std::string Field;
  for (std::size_t I = 1; I + 1 < Text.size(); ++I) {
    Field += Text[I];
    if (Text[I] == '"' && Text[I + 1] == '"') ++I;  // a quote doubled inside the field
  }
  return Field;
}

// The amount arrives whole, as a pasted number does.
void TTapeSession::EnterWhole(Extended Value) {
  fModel.PasteNumber(Value);
}

bool TTapeSession::AddAmount(std::string_view Line, int LineNumber, bool MayBeHeading) {
  bool Blank = true;
  for (const char C : Line) Blank = Blank && IsBlank(C);
  if (Blank) return true;
  const std::optional<Extended> Amount =
      PasteText::ReadNumber(Unquoted(Line), fModel.NumberFormat(), fModel.HexMode());
  if (!Amount) {
    if (MayBeHeading) return false;
    fView.ShowProgramMessage(
        Filled(QCoreApplication::translate("veltrona-tape", "line %1: '%2' is not an amount"),
               {std::to_string(LineNumber), Line}));
    return false;
  }
  if (fAmounts++ > 0) fModel.PressOperator(sceAdd);
  EnterWhole(*Amount);
  return true;
}

void TTapeSession::FinishSum() {
  fModel.PressEquals();
}

bool TTapeSession::Load(const std::filesystem::path& File, bool Quiet) {
  // Read into an engine of its own first, so that a file written with the other decimal
  // point prints nothing half-read; the calculation is then replayed onto the tape.
  for (const char* Separator : {"", ".", ","}) {
    TFormatSettings Format = fModel.CurrentEngine().FormatSettings();
    if (*Separator) {
      if (Format.DecimalSeparator == Separator) continue;
      Format.DecimalSeparator = Separator;
    }
    TVeltronaEval Reader;
    fModel.ApplyEvaluationSettings(Reader);
    Reader.SetFormatSettings(Format);
    Reader.OnVeltronaGetMem = [this](TVeltronaEval&, Extended& Memory) {
      Memory = fModel.Memory();
    };
    if (!Reader.LoadFromFile(File)) continue;
    TEquEntries Entries;
    Reader.CopyEntries(Entries);
    fModel.CurrentEngine().RestoreEntries(Entries, Reader.EntryCount());
    return true;
  }
  if (!Quiet)
    fView.ShowProgramMessage(
        Filled(QCoreApplication::translate("veltrona-tape", "cannot read a calculation from %1"),
               {File.string()}));
  return false;
}

bool TTapeSession::Save(const std::filesystem::path& File) {
  if (fModel.CurrentEngine().SaveToFile(File)) return true;
  fView.ShowProgramMessage(
      Filled(QCoreApplication::translate("veltrona-tape", "cannot write %1"), {File.string()}));
  return false;
}

bool TTapeSession::SaveWorkbook(const std::filesystem::path& File) {
  QByteArray Bytes;
  std::optional<QString> Reason = TapeWorkbook(fView.Lines(), fModel.NumberFormat(), Bytes);
  if (!Reason) Reason = WriteFileAtomically(QString::fromStdU16String(File.u16string()), Bytes);
  if (!Reason) return true;
  fView.ShowProgramMessage(
      Filled(QCoreApplication::translate("veltrona-tape", "cannot write %1: %2"),
             {File.string(), Reason->toStdString()}));
  return false;
}

bool TTapeSession::OpenTape(const std::filesystem::path& File) {
  const TTapeDocumentRead Read = OpenTapeDocument(QString::fromStdU16String(File.u16string()));
  if (!Read.Document) {
    fView.ShowProgramMessage(
        Filled(QCoreApplication::translate("veltrona-tape", "cannot open %1 as a tape: %2"),
               {File.string(), Read.Error.toStdString()}));
    return false;
  }
  const TTapeDocument& Doc = *Read.Document;
  std::vector<TDocPlace> Places;
  for (std::size_t N = 0; N < Doc.Lines.size(); ++N) {
    const std::int32_t Start = fView.TapeEndPosition();
    fView.WriteLine(Doc.Lines[N]);
    if (Doc.LineEntries[N] > 0)
      Places.push_back({Doc.LineEntries[N], Start, Utf8Text::CharCount(Doc.Lines[N].Text)});
  }
  fModel.OpenDocument(Doc.Current, Places, Doc.Input);
  return true;
}

bool TTapeSession::SaveTape(const std::filesystem::path& File) {
  TTapeDocument Doc;
  Doc.FontFamily = QString::fromStdString(fModel.Settings().TapeFontName);
  Doc.FontSize = Doc.FontFamily.isEmpty() ? 0 : fModel.Settings().TapeFontSize;
  Doc.Lines = fView.Lines();
  Doc.LineEntries =
      CalcDocument::LineEntries(Doc.Lines, fModel.DocumentPlaces(), Utf8Text::CharCount);
  Doc.Current = fModel.DocumentCalculation();
  Doc.Input = fModel.DocumentInput();
  const std::optional<QString> Reason =
      SaveTapeDocument(QString::fromStdU16String(File.u16string()), Doc);
  if (!Reason) return true;
  fView.ShowProgramMessage(
      Filled(QCoreApplication::translate("veltrona-tape", "cannot write %1: %2"),
             {File.string(), Reason->toStdString()}));
  return false;
}

int TTapeSession::Status() const {
  return fView.SawError() ? ExitTapeError : ExitOk;
}
