// The command line of veltrona-tape: its options, the settings they override and the words
// given as arguments. ParseTapeOptions reads argv; the program, its tests and its help text use
// the result.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CalcSettings.h"

struct TTapeOptions {
  bool Help = false;
  bool Version = false;
  bool Csv = false;
  bool Sum = false;
  bool Defaults = false;  // the first-run settings instead of the user's
  bool Hex = false;
  std::optional<int> Width;
  std::optional<bool> Dumb;  // --as-entered, --arithmetic
  std::optional<std::int32_t> NumOpt;
  std::optional<std::int32_t> Digits;
  std::optional<double> TaxRate;  // a fraction, given in per cent
  std::optional<std::string> TaxLit;
  std::optional<std::int32_t> TrigUnits;
  std::string LoadFile;
  std::string SaveFile;
  std::string WorkbookFile;    // --xlsx
  std::string OpenTapeFile;    // --open-tape: a tape document printed first
  std::string SaveTapeFile;    // --save-tape: the tape printed, as a tape document
  std::optional<int> History;  // 1 to 5
  std::vector<std::string> Words;

  // The overriding options applied to the settings read.
  void ApplyTo(TCalcSettings& Settings) const;
};

struct TParsedOptions {
  TTapeOptions Options;
  std::string Error;  // empty when the command line was read
};

// Options begin with "--" (or are "-h"); anything else, and everything after "--", is a word.
TParsedOptions ParseTapeOptions(const std::vector<std::string>& Arguments);

// The --help text.
std::string TapeHelpText();
