// Reads arbitrary settings files through the settings store and applies what it read to the
// calculator model. Nothing may crash, every value must lie within its range afterwards, the
// model must take every value as read, and what the store writes must read back the same.
// The first byte picks the decimal separator of the locale; the rest is the file's text.
#include <QDateTime>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "CalcModel.h"
#include "ColorText.h"
#include "SettingsStore.h"
#include "Utf8Text.h"

namespace {

struct TQuietView : ICalcView {
  std::int32_t TapeLength = 0;
  void ShowDisplayText(const std::string&) override {}
  void AppendTapeLine(const std::string& Text, std::int32_t, bool, const TTapeLineForm&) override {
    TapeLength += static_cast<std::int32_t>(Text.size()) + 1;
  }
  std::int32_t TapeEndPosition() override { return TapeLength; }
  void SelectTapeRange(std::int32_t, std::int32_t) override {}
  void ShowErrorMessage(const std::string&) override {}
  void StateChanged() override {}
};

void Check(bool Condition) {
  if (!Condition) std::abort();
}

// The two files of every run. QSettings keeps what it read of a file and takes a file of the
// same size and time for the one it knows, so each input gets a time of its own.
QString FilePath(const char* Name) {
  static QTemporaryDir Dir;
  return Dir.filePath(QLatin1String(Name));
}

void WriteInput(const QString& Path, const std::uint8_t* Data, std::size_t Size) {
  static qint64 Runs = 0;
  QFile File(Path);
  if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  File.write(reinterpret_cast<const char*>(Data), static_cast<qint64>(Size));
  File.flush();
  if (!File.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++Runs),
                        QFileDevice::FileModificationTime))
    std::abort();
}

struct TRead {
  TCalcSettings Settings;
  Extended Memory = 0;
};

TRead ReadFile(const QString& Path, const TFormatSettings& Format) {
  QSettings Settings(Path, QSettings::IniFormat);
  TSettingsStore Store(Settings, Format);
  TRead Read;
  Store.Read(Read.Settings, Read.Memory);
  return Read;
}

void CheckRanges(const TCalcSettings& S, Extended Memory) {
  Check(S.NumOpt >= 1 && S.NumOpt <= 4);
  Check(S.Digits >= 0 && S.Digits <= 18);
  Check(S.SubTotalsSymIndex >= 0 && S.SubTotalsSymIndex <= 4);
  Check(S.ExpandOperSymIndex >= 0 && S.ExpandOperSymIndex <= 4);
  Check(S.TapeFontSize >= 5 && S.TapeFontSize <= 20);
  Check(std::isfinite(S.TaxRate) && std::isfinite(Memory));
  Check(ColorText::Parse(S.SubTotalsColor) && ColorText::Parse(S.ExpandOperColor) &&
        ColorText::Parse(S.AnnotColor));
  Check(S.TapeFontName == Utf8Text::Trimmed(S.TapeFontName));
  Check(Utf8Text::CharCount(S.TaxLit) <= TCalcSettings::MaxTaxLitLength);
  Check(Utf8Text::CharCount(S.TapeFontName) <= TCalcSettings::MaxFontNameLength);
  for (const std::string& Note : S.Notes)
    Check(Utf8Text::CharCount(Note) <= TCalcSettings::MaxNoteLength);
  Check(!S.LargeApplied);
}

// Floats are written with 15 significant digits, so they come back within that precision.
bool Close(Extended A, Extended B) {
  return std::fabs(A - B) <= 1e-14L * std::fabs(A) + 1e-300L;
}

void CheckModel(const TCalcSettings& S, Extended Memory) {
  TQuietView View;
  TCalcModel Model(View);
  Model.Settings() = S;
  Model.ApplySettings();
  Model.SetMemory(Memory);
  const TVeltronaEval& Engine = Model.CurrentEngine();
  Check(Engine.TapeFormatMode() == S.NumOpt && Engine.Digits() == S.Digits);
  Check(Engine.SubTotalSym() == S.SubTotalsSymIndex);
  Check(Engine.ExpandOperSym() == S.ExpandOperSymIndex);
  Check(Engine.TaxRate() == S.TaxRate && Engine.TaxLit() == S.TaxLit);
  Check(Engine.DumbMath() == S.Dumb && Model.Memory() == Memory);
  // A calculation that prints with every setting: brackets, tax, the tape format, memory.
  Model.PressDigit(7);
  Model.PressOperator(sceAdd);
  Model.MemoryRecall();
  Model.PressOperator(sceTimes);
  Model.PressDigit(3);
  Model.PressOperator(scePlusTax);
  Model.PressOperator(sceEquals);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  static const char* const Separators[] = {".", ",", "\u066b", "e"};
  TFormatSettings Format;
  Format.DecimalSeparator = Separators[Data[0] % 4];
  Format.ThousandSeparator = Format.DecimalSeparator == "." ? "," : ".";

  const QString Path = FilePath("input.conf");
  WriteInput(Path, Data + 1, Size - 1);
  TRead Read = ReadFile(Path, Format);
  CheckRanges(Read.Settings, Read.Memory);
  CheckModel(Read.Settings, Read.Memory);

  // What was read, written by the store and read again, is what was read.
  const QString Again = FilePath("written.conf");
  Read.Settings.LargeApplied = Read.Settings.Large;
  {
    QSettings Settings(Again, QSettings::IniFormat);
    Check(TSettingsStore(Settings, Format).Write(Read.Settings, Read.Memory));
  }
  TRead Back = ReadFile(Again, Format);
  Check(Close(Read.Memory, Back.Memory) && Close(Read.Settings.TaxRate, Back.Settings.TaxRate));
  Back.Settings.TaxRate = Read.Settings.TaxRate;
  Back.Settings.LargeApplied = Read.Settings.LargeApplied;
  Check(Back.Settings == Read.Settings);

  QFile::remove(Again);
  return 0;
}
