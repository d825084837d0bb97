// veltrona-tape: the calculator's tape in a terminal. Reads the words of a calculation from
// the command line or standard input, presses them on the calculator model and prints the tape
// lines as the window's tape shows them.
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QString>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "Console.h"
#include "DataFolder.h"
#include "LineInput.h"
#include "LocaleFormat.h"
#include "SettingsStore.h"
#include "TapeCodes.h"
#include "TapeOptions.h"
#include "TapeSession.h"
#include "TapeTexts.h"
#include "Translation.h"

namespace {

constexpr int ExitBadInput = TTapeSession::ExitBadInput;

int Usage(const std::string& Error) {
  std::cerr
      << "veltrona-tape: " << Error << '\n'
      << QCoreApplication::translate("veltrona-tape", "Try 'veltrona-tape --help'.").toStdString()
      << '\n';
  return ExitBadInput;
}

TTapeSession::TSetup Setup(const TTapeOptions& Options) {
  TTapeSession::TSetup Setup;
  Setup.Format = FormatSettingsFromLocale(QLocale::system());
  if (!Options.Defaults) TSettingsStore().Read(Setup.Settings, Setup.Memory);
  Options.ApplyTo(Setup.Settings);
  Setup.Hex = Options.Hex;
  Setup.TrigUnits = Options.TrigUnits.value_or(TrigUnit::Degrees);
  const bool Styled = Console::OutputIsTerminal() && !Console::ColorsRefused();
  Setup.Output = Options.Csv ? TTapeOutput::Csv : Styled ? TTapeOutput::Styled : TTapeOutput::Plain;
  Setup.Width = Options.Width.value_or(Console::OutputWidth().value_or(40));
  Setup.KeepLines = !Options.WorkbookFile.empty() || !Options.SaveTapeFile.empty();
  return Setup;
}

// The calculation named by --load or --history, replayed first.
bool LoadFirst(const TTapeOptions& Options, const TCalcSettings& Settings, TTapeSession& Session) {
  if (!Options.LoadFile.empty()) return Session.Load(Options.LoadFile);
  if (!Options.History) return true;
  const QString File = TDataFolder(Settings.SaveDest).HistoryFile(*Options.History);
  const std::string Place =
      Filled(QCoreApplication::translate("veltrona-tape", "place %1 of the history"),
             {std::to_string(*Options.History)});
  const QString Damaged = File + QString::fromLatin1(TCalcModel::DamagedSuffix);
  QFile Probe(File);
  // The window writes an empty place as an empty file.
  if (!Probe.open(QIODevice::ReadOnly) || Probe.read(4096).trimmed().isEmpty()) {
    Session.ShowProgramMessage(
        Filled(QCoreApplication::translate("veltrona-tape", "no calculation at %1 (%2)"),
               {Place, File.toStdString()}) +
        (std::filesystem::exists(LocalPath(Damaged))
             ? Filled(QCoreApplication::translate("veltrona-tape",
                                                  "; a damaged file was kept aside as %1"),
                      {Damaged.toStdString()})
             : std::string()));
    return false;
  }
  if (Session.Load(LocalPath(File), true)) return true;
  Session.ShowProgramMessage(Filled(
      QCoreApplication::translate("veltrona-tape",
                                  "the calculation at %1 is damaged (%2); the calculator keeps it "
                                  "aside as %3 at its next start"),
      {Place, File.toStdString(), Damaged.toStdString()}));
  return false;
}

// The amounts of --sum, from the arguments or a line each from standard input. A first line
// that is no amount is a column's heading and is passed over.
bool RunSum(const TTapeOptions& Options, TTapeSession& Session) {
  if (!Options.Words.empty()) {
    int Number = 0;
    for (const std::string& Word : Options.Words)
      if (!Session.AddAmount(Word, ++Number)) return false;
  } else {
    TLineInput Input(false);
    int Number = 0;
    while (const std::optional<std::string> Line = Input.ReadLine({})) {
      ++Number;
      if (Session.AddAmount(*Line, Number, Number == 1)) continue;
      if (Number != 1) return false;
    }
  }
  Session.FinishSum();
  return true;
}

bool RunWords(const TTapeOptions& Options, TTapeSession& Session) {
  return Session.RunWords({Options.Words.begin(), Options.Words.end()},
                          QCoreApplication::translate("veltrona-tape", "argument ").toStdString());
}

// Lines from standard input. At a terminal a bad word ends only its line, and the prompt
// shows the display.
bool RunInput(TTapeSession& Session, bool Interactive) {
  TLineInput Input(Interactive);
  int Number = 0;
  while (!Session.Quit()) {
    std::cout.flush();
    const std::optional<std::string> Line =
        Input.ReadLine(Interactive ? Session.Model().DisplayText() + " > " : std::string());
    if (!Line) break;
    if (!Session.RunLine(*Line, ++Number) && !Interactive) return false;
  }
  if (Interactive) std::cout << '\n';
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // The application holds the translations; it reads no argument of its own.
  QCoreApplication App(argc, argv);
  Translation::Install(Translation::Resolve(TSettingsStore().Language()));
  const TParsedOptions Parsed = ParseTapeOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (!Parsed.Error.empty()) return Usage(Parsed.Error);
  const TTapeOptions& Options = Parsed.Options;
  if (Options.Help) {
    std::cout << TapeHelpText();
    return 0;
  }
  if (Options.Version) {
    std::cout << "veltrona-tape " << VELTRONA_VERSION << '\n';
    return 0;
  }

  const TTapeSession::TSetup Settings = Setup(Options);
  TTapeSession Session(Settings, std::cout, std::cerr);
  if (!Options.OpenTapeFile.empty() && !Session.OpenTape(Options.OpenTapeFile)) return ExitBadInput;
  if (!LoadFirst(Options, Settings.Settings, Session)) return ExitBadInput;

  const bool FromFile =
      !Options.LoadFile.empty() || Options.History || !Options.OpenTapeFile.empty();
  bool Read = true;
  if (Options.Sum)
    Read = RunSum(Options, Session);
  else if (!Options.Words.empty())
    Read = RunWords(Options, Session);
  else if (!(FromFile && Console::InputIsTerminal()))
    Read = RunInput(Session, Console::InputIsTerminal());
  if (!Read) return ExitBadInput;

  if (!Options.SaveFile.empty() && !Session.Save(Options.SaveFile)) return ExitBadInput;
  if (!Options.WorkbookFile.empty() && !Session.SaveWorkbook(Options.WorkbookFile))
    return ExitBadInput;
  if (!Options.SaveTapeFile.empty() && !Session.SaveTape(Options.SaveTapeFile)) return ExitBadInput;
  std::cout.flush();
  return Session.Status();
}
