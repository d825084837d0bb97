// TTapeSession is one run of veltrona-tape: the calculator model with its terminal view, fed
// word by word or amount by amount, with the equation files it loads and saves and the exit
// status it ends with. main.cpp drives it from the command line and standard input; the tests
// and the fuzz target drive it directly.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "CalcModel.h"
#include "TapeCodes.h"
#include "TapeWriter.h"

class TTapeSession {
 public:
  static constexpr int ExitOk = 0;
  static constexpr int ExitTapeError = 1;
  static constexpr int ExitBadInput = 2;

  struct TSetup {
    TCalcSettings Settings;
    Extended Memory = 0;
    TFormatSettings Format;
    bool Hex = false;
    std::int32_t TrigUnits = TrigUnit::Degrees;
    TTapeOutput Output = TTapeOutput::Plain;
    int Width = 40;
    bool KeepLines = false;  // for SaveWorkbook
  };

  TTapeSession(const TSetup& Setup, std::ostream& Out, std::ostream& Err);

  // Presses the keys of one word; false, with the message written, when it is not a word.
  // Where says where the word stands ("argument 3", "line 2, word 1") for that message.
  bool RunWord(std::string_view Word, const std::string& Where);

  // Words in order, up to "quit"; false at the first that is not one. Where and a word's
  // place in Words name it in the message ("argument " 3).
  bool RunWords(const std::vector<std::string_view>& Words, const std::string& Where);

  // The words of one input line, separated by blanks; false at the first that is not one.
  bool RunLine(std::string_view Line, int LineNumber);

  // One amount of --sum; blank lines are passed over. False when the line is no amount, with
  // the message written unless it may be a column's heading.
  bool AddAmount(std::string_view Line, int LineNumber, bool MayBeHeading = false);
  // The total of the amounts added.
  void FinishSum();

  // An equation file replayed onto the tape (tried with "." and "," as the decimal point);
  // false, with the message written, when it holds no calculation that can be read.
  // Quiet: a file that cannot be read is left for the caller to report.
  bool Load(const std::filesystem::path& File, bool Quiet = false);
  // The calculation as an equation file; false, with the message written, when it could not
  // be written.
  bool Save(const std::filesystem::path& File);
  // The tape so far as an Excel workbook, replacing File atomically (the setup's KeepLines must
  // be set); false, with the message written, when it could not be written.
  bool SaveWorkbook(const std::filesystem::path& File);

  // A tape document: its lines printed as the window shows them and its calculation made
  // current to go on with; false, with the message written, when it cannot be opened.
  bool OpenTape(const std::filesystem::path& File);
  // The tape printed so far with its calculation as a tape document that the window opens
  // (the setup's KeepLines must be set); false, with the message written, when it could not be
  // written.
  bool SaveTape(const std::filesystem::path& File);

  // A word "quit" was read.
  bool Quit() const { return fQuit; }

  // 1 when the tape holds an error line or the calculator reported an error, else 0.
  int Status() const;

  void ShowProgramMessage(const std::string& Text) { fView.ShowProgramMessage(Text); }

  TCalcModel& Model() { return fModel; }
  const TCalcModel& Model() const { return fModel; }

 private:
  void EnterWhole(Extended Value);
  static std::string Unquoted(std::string_view Line);

  TTapeWriter fView;
  TCalcModel fModel;
  int fAmounts = 0;
  bool fQuit = false;
};
