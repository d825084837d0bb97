// TTapeWriter is veltrona-tape's view of the calculator: each tape line the model prints is
// written at once to the output, right-aligned to the width, in the look of its kind (ANSI
// codes on a terminal), as plain text, or as a CSV row. Error boxes go to the error output.
// Asked to, it also keeps every line's record, for the workbook written at the end.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "CalcSettings.h"
#include "CalcView.h"
#include "NumberText.h"
#include "TapeLine.h"

enum class TTapeOutput : std::uint8_t { Plain, Styled, Csv };

class TTapeWriter : public ICalcView {
 public:
  TTapeWriter(std::ostream& Out, std::ostream& Err, TTapeOutput Output, int Width,
              const TCalcSettings& Settings, const TFormatSettings& Format);

  void ShowDisplayText(const std::string& Text) override;
  void AppendTapeLine(const std::string& Text, std::int32_t TapeAttr, bool IsNegative,
                      const TTapeLineForm& Form) override;
  std::int32_t TapeEndPosition() override { return fTapeLength; }
  void SelectTapeRange(std::int32_t Start, std::int32_t Length) override;
  void ShowErrorMessage(const std::string& Text) override;
  void StateChanged() override {}

  // A line of a tape document, written in its own look as the window shows it.
  void WriteLine(const TTapeLine& Line);

  // A message of the program itself (a bad word or file) on the error output.
  void ShowProgramMessage(const std::string& Text);

  // An error line reached the tape or the calculator reported an error.
  bool SawError() const { return fSawError; }

  // Keep every line from now on, in its look on paper, as Lines() answers.
  void KeepLines() { fKeepLines = true; }
  const std::vector<TTapeLine>& Lines() const { return fLines; }

 private:
  std::string StyleCodes(std::int32_t TapeAttr, bool IsNegative) const;

  std::ostream& fOut;
  std::ostream& fErr;
  TTapeOutput fOutput;
  int fWidth;
  TCalcSettings fSettings;
  TFormatSettings fFormat;
  std::int32_t fTapeLength = 0;  // counted as the window's tape counts: a line break is one
  std::string fLastErrorLine;    // the error just printed on the tape, not repeated as a box
  bool fSawError = false;
  bool fKeepLines = false;
  std::vector<TTapeLine> fLines;
};
