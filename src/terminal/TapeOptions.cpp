#include "TapeOptions.h"

#include <QCoreApplication>
#include <string_view>

#include "NumberText.h"
#include "TapeCodes.h"
#include "TapeTexts.h"
#include "Utf8Text.h"

namespace {

// A tax rate in per cent, with "." or ","; the options dialog takes 0 to 999.
std::optional<double> Percent(std::string_view Text) {
  for (const char* Separator : {".", ","}) {
    TFormatSettings Fs;
    Fs.DecimalSeparator = Separator;
    if (const std::optional<Extended> Value = NumberText::Parse(Text, Fs)) {
      if (*Value < 0 || *Value > TCalcSettings::MaxTaxRatePercent) return std::nullopt;
      return static_cast<double>(*Value / 100);
    }
  }
  return std::nullopt;
}

struct TFormatName {
  std::string_view Name;
  std::int32_t Mode;
};
constexpr TFormatName FormatNames[] = {{"general", TapeFormat::General},
                                       {"scientific", TapeFormat::Scientific},
                                       {"currency", TapeFormat::Currency},
                                       {"fixed", TapeFormat::Fixed}};

// Options that take a value: "--name value" or "--name=value".
enum class TValued : std::uint8_t {
  Width,
  Format,
  Decimals,
  TaxRate,
  TaxName,
  Load,
  Save,
  Workbook,
  History,
  OpenTape,
  SaveTape
};
constexpr struct {
  std::string_view Name;
  TValued Kind;
} ValuedOptions[] = {{"--width", TValued::Width},       {"--format", TValued::Format},
                     {"--decimals", TValued::Decimals}, {"--tax-rate", TValued::TaxRate},
                     {"--tax-name", TValued::TaxName},  {"--load", TValued::Load},
                     {"--save", TValued::Save},         {"--xlsx", TValued::Workbook},
                     {"--history", TValued::History},   {"--open-tape", TValued::OpenTape},
                     {"--save-tape", TValued::SaveTape}};

// An error text, or empty when Value was taken.
std::string TakeValue(TValued Kind, std::string_view Name, const std::string& Value,
                      TTapeOptions& O) {
  const auto Bad = [&](std::string_view Wanted) {
    return Filled(
        QCoreApplication::translate("veltrona-tape", "option %1 wants %2, not '%3'"),
        {Name, QCoreApplication::translate("veltrona-tape", Wanted.data()).toStdString(), Value});
  };
  switch (Kind) {
    case TValued::Width:
      if (!(O.Width = NumberText::ParseWhole(Value, 1, 1000)))
        return Bad(QT_TRANSLATE_NOOP("veltrona-tape", "a width from 1 to 1000"));
      return {};
    case TValued::Format:
      for (const TFormatName& Format : FormatNames) {
        if (Value == Format.Name) {
          O.NumOpt = Format.Mode;
          return {};
        }
      }
      return Bad(QT_TRANSLATE_NOOP("veltrona-tape", "general, scientific, currency or fixed"));
    case TValued::Decimals:
      if (!(O.Digits = NumberText::ParseWhole(Value, 0, 18)))
        return Bad(QT_TRANSLATE_NOOP("veltrona-tape", "a number of decimals from 0 to 18"));
      return {};
    case TValued::TaxRate:
      if (!(O.TaxRate = Percent(Value)))
        return Bad(QT_TRANSLATE_NOOP("veltrona-tape", "a rate in per cent from 0 to 999"));
      return {};
    case TValued::TaxName:
      // The options dialog takes up to three characters; a blank would split the tax words.
      if (Value.empty() || Utf8Text::CharCount(Value) > 3 ||
          Value.find_first_of(" \t") != std::string::npos)
        return Bad(
            QT_TRANSLATE_NOOP("veltrona-tape", "a name of one to three characters without blanks"));
      O.TaxLit = Value;
      return {};
    case TValued::Load:
      O.LoadFile = Value;
      return {};
    case TValued::Save:
      O.SaveFile = Value;
      return {};
    case TValued::Workbook:
      O.WorkbookFile = Value;
      return {};
    case TValued::OpenTape:
      O.OpenTapeFile = Value;
      return {};
    case TValued::SaveTape:
      O.SaveTapeFile = Value;
      return {};
    case TValued::History:
      if (!(O.History = NumberText::ParseWhole(Value, 1, 5)))
        return Bad(QT_TRANSLATE_NOOP("veltrona-tape", "a place from 1 to 5"));
      return {};
  }
  return {};
}

}  // namespace

void TTapeOptions::ApplyTo(TCalcSettings& Settings) const {
  if (Dumb) Settings.Dumb = *Dumb;
  if (NumOpt) Settings.NumOpt = *NumOpt;
  if (Digits) Settings.Digits = *Digits;
  if (TaxRate) Settings.TaxRate = *TaxRate;
  if (TaxLit) Settings.TaxLit = *TaxLit;
}

TParsedOptions ParseTapeOptions(const std::vector<std::string>& Arguments) {
  TParsedOptions Parsed;
  TTapeOptions& O = Parsed.Options;
  const auto Fail = [&](std::string Error) {
    Parsed.Error = std::move(Error);
    return Parsed;
  };
  static constexpr struct {
    std::string_view Name;
    void (*Set)(TTapeOptions&);
  } Switches[] = {
      {"--help", [](TTapeOptions& O) { O.Help = true; }},
      {"-h", [](TTapeOptions& O) { O.Help = true; }},
      {"--version", [](TTapeOptions& O) { O.Version = true; }},
      {"--csv", [](TTapeOptions& O) { O.Csv = true; }},
      {"--sum", [](TTapeOptions& O) { O.Sum = true; }},
      {"--defaults", [](TTapeOptions& O) { O.Defaults = true; }},
      {"--as-entered", [](TTapeOptions& O) { O.Dumb = true; }},
      {"--arithmetic", [](TTapeOptions& O) { O.Dumb = false; }},
      {"--hex", [](TTapeOptions& O) { O.Hex = true; }},
      {"--deg", [](TTapeOptions& O) { O.TrigUnits = TrigUnit::Degrees; }},
      {"--rad", [](TTapeOptions& O) { O.TrigUnits = TrigUnit::Radians; }},
      {"--grad", [](TTapeOptions& O) { O.TrigUnits = TrigUnit::Grads; }},
  };
  bool WordsOnly = false;
  for (std::size_t I = 0; I < Arguments.size(); ++I) {
    const std::string& Argument = Arguments[I];
    if (WordsOnly || !(Argument.starts_with("--") || Argument == "-h")) {
      O.Words.push_back(Argument);
      continue;
    }
    if (Argument == "--") {
      WordsOnly = true;
      continue;
    }
    bool Known = false;
    for (const auto& Switch : Switches) {
      if (Argument == Switch.Name) {
        Switch.Set(O);
        Known = true;
      }
    }
    if (Known) continue;
    const std::size_t Equals = Argument.find('=');
    const std::string_view Name = std::string_view(Argument).substr(0, Equals);
    for (const auto& Valued : ValuedOptions) {
      if (Name != Valued.Name) continue;
      Known = true;
      std::string Value;
      if (Equals != std::string::npos) {
        Value = Argument.substr(Equals + 1);
      } else if (I + 1 < Arguments.size()) {
        Value = Arguments[++I];
      } else {
        return Fail(Filled(QCoreApplication::translate("veltrona-tape", "option %1 wants a value"),
                           {Name}));
      }
      if (std::string Error = TakeValue(Valued.Kind, Name, Value, O); !Error.empty())
        return Fail(std::move(Error));
    }
    if (!Known)
      return Fail(
          Filled(QCoreApplication::translate("veltrona-tape", "unknown option '%1'"), {Argument}));
  }
  if (!O.LoadFile.empty() && O.History)
    return Fail(
        QCoreApplication::translate("veltrona-tape", "--load and --history both name a calculation")
            .toStdString());
  return Parsed;
}

std::string TapeHelpText() {
  return QCoreApplication::translate("veltrona-tape", R"(Usage: veltrona-tape [OPTION]... [WORD]...
Prints the adding-machine tape of a calculation, as Veltrona's window shows it.

The calculation is given as words: as arguments, or without them one or more words a line
on standard input (a prompt when that is a terminal). A word is a key of the calculator:
  numbers      12  1.5  1,5 (the locale's separator)  1.5e3  2.5e-4  -7
  operators    +  -  *  x  /  %  =  ^  ^1/
  functions    Sqr Sqrt 1/ Log Exp Loge Expe Sin ASin Cos ACos Tan ATan  (Exp is 10^x)
  tax          +tax  -tax  tax(i)  tax(e)  (also with the tax name: +VAT)
  keys         ce  c  bck  +/-  pi  min  m+  mr  mc  recalc
  modes        dec  hex  deg  rad  grad      quit ends the input
Names are read without regard to letter case. Quote * and ( ) for the shell.

Options:
  --width N          right-align the tape to N columns (default: the terminal's, else 40)
  --csv              write the tape as CSV (kind,operator,value,text) instead
  --sum              each input line is an amount; print the tape of their total
  --defaults         use the first-run settings, not the stored ones
  --as-entered       evaluate as entered (--arithmetic: operators by precedence)
  --format F         tape format: general, scientific, currency or fixed
  --decimals N       decimals of the scientific and fixed formats (0 to 18)
  --tax-rate R       tax rate in per cent (0 to 999)
  --tax-name T       tax name of up to three characters
  --hex              hexadecimal numbers
  --deg, --rad, --grad   angle unit (degrees first)
  --load FILE        replay an equation file onto the tape first
  --history N        replay the N-th last calculation of the window's history (1 to 5)
  --save FILE        save the calculation as an equation file at the end
  --xlsx FILE        save the tape as an Excel workbook at the end (the CSV's columns)
  --open-tape FILE   print a tape document (.vtape) as the window shows it first, and go on
                     with its calculation
  --save-tape FILE   save the tape printed as a tape document the window opens
  --help, --version

Exit status: 0; 1 when the tape holds an error or the calculator reported one; 2 for a bad
word, option or file. The stored settings are read, never written. NO_COLOR turns the
terminal's colours off.
)")
      .toStdString();
}
