// TCalcModel is the calculator without widgets: it owns the current engine, the number being
// typed, the memory, the number base and angle unit, the replay-edit mode and the settings
// record, runs every key and command of the calculator, and tells its front-end (ICalcView)
// what to show. The window and the terminal forward to it; the tests drive it through a
// recording view. Every public command ends quietly on the engine's silent abort.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "CalcSettings.h"
#include "CalcView.h"
#include "NumberEntry.h"
#include "VeltronaEval.h"

class TCalcModel {
 public:
  static constexpr const char* SeparatorLine = "------------";

  explicit TCalcModel(ICalcView& View);
  TCalcModel(const TCalcModel&) = delete;
  TCalcModel& operator=(const TCalcModel&) = delete;

  // Number keys.
  void PressDigit(int D);  // 0 to 15; A to F only in hexadecimal
  void PressPoint();
  void PressSign();
  void PressExp();
  void PressPi();
  void BackSpace();
  void ClearEntry();
  void ClearAll();

  // Operator keys, the Equals/Recalc key and Replay.
  void PressOperator(TVeltronaOper Code);
  void PressEquals();
  void Replay();

  // A character typed that no short-cut took: digits, the decimal point (also the locale's
  // separator) and + - * / % =. Anything else does nothing.
  void PressCharacter(std::string_view Character);

  // Memory keys.
  void MemoryIn();                 // Min
  void MemoryAdd();                // M+
  void MemoryRecall();             // MR
  void MemoryClear();              // MC
  void SetMemory(Extended Value);  // the memory kept from the last run

  // Number base and angle unit.
  void SetHexMode(bool On);
  void SetTrigUnits(std::int32_t Units);

  // A note was inserted on the tape at LineStart with Length characters (its line break
  // included): the recorded positions below it move down.
  void NoteInserted(std::int32_t LineStart, std::int32_t Length);

  // The settings record; ApplySettings hands it to the engine after any change.
  TCalcSettings& Settings() { return fSettings; }
  const TCalcSettings& Settings() const { return fSettings; }
  void ApplySettings();

  // The user's regional number settings, for the display and the tape.
  void SetNumberFormat(const TFormatSettings& Format);
  const TFormatSettings& NumberFormat() const { return fEngine.FormatSettings(); }

  // Clipboard (CalcClipboard.cpp). Paste takes a clipboard text: one number arrives whole, as
  // pi and MR do, standing as if typed until the next digit replaces it; a column (several
  // lines, one number each) is added up as if typed, each line a "+" entry and then "=". A
  // column with a line that is no number, or with more numbers than the calculation has room
  // for, is reported in an error box and nothing of it is entered.
  enum class TPasteResult : std::uint8_t {
    Nothing,     // the text is blank
    Pasted,      // the number or the column went in
    NotANumber,  // a single line that is no number: nothing happened
    Refused,     // a column that could not go in, reported
  };
  TPasteResult Paste(std::string_view Text);
  void PasteNumber(Extended Value);
  // Whether Paste would take Text: a number, or a column (whose faults Paste reports).
  bool CanPaste(std::string_view Text) const;
  // The current or last calculation as one line with its total, in the tape's number forms
  // ("12 + 30 + 7.5 = 49.5"); nothing while there is none, or when it ends in an error.
  std::optional<std::string> CalculationText() const;

  // Read-only state for the front-ends.
  TVeltronaEval& CurrentEngine() { return fEngine; }
  const TVeltronaEval& CurrentEngine() const { return fEngine; }
  const TNumberEntry& Input() const { return fInput; }
  const std::string& DisplayText() const { return fDisplayText; }
  Extended Memory() const { return fMemory; }
  Extended LastShown() const { return fLastShown; }
  bool HexMode() const { return fHexMode; }
  int Radix() const { return fHexMode ? 16 : 10; }
  bool ReplayEdit() const { return fReplayEdit; }

 private:
  // Runs one command: the silent abort ends it quietly, and the view hears of the new state
  // once, when the outermost command ends.
  template <class TBody>
  void Run(TBody&& Body) {
    const bool Outermost = fDepth == 0;
    {
      const TDepthGuard Guard(fDepth);
      try {
        Body();
      } catch (const EAbortSilent&) {
        // An inner command's abort ends the command around it too.
        if (!Outermost) throw;
      }
    }
    if (Outermost) fView.StateChanged();
  }
  struct TDepthGuard {
    explicit TDepthGuard(int& Depth) : fDepth(Depth) { ++fDepth; }
    ~TDepthGuard() { --fDepth; }
    TDepthGuard(const TDepthGuard&) = delete;
    TDepthGuard& operator=(const TDepthGuard&) = delete;
    int& fDepth;
  };

  void WireEngine();
  void ShowOnDisplay(const std::string& Text, Extended Value);
  void ShowValue(Extended ShowVal);
  void ShowEntry(const std::string& Text);
  std::string TypedText() const;
  std::string WholeText(Extended Value) const;
  void InvalidNumber();
  void ResetEntryState();

  // A number arrives (typed, recalled, pasted) while none is being typed.
  void NumberArrives();
  void OpenNewCalculationIfFinished();
  void StartNewCalculation();
  void AppendSeparator();
  void HandOverEntry();
  void ArriveWhole(Extended Value);
  void StoreInMemory(Extended Value);

  ICalcView& fView;
  TVeltronaEval fEngine;
  TCalcSettings fSettings;
  TNumberEntry fInput;
  std::string fDisplayText = "0";
  Extended fMemory = 0;
  Extended fLastShown = 0;  // the value on the display; the memory keys act on it
  bool fHexMode = false;
  bool fReplayEdit = false;  // a number picked on the tape is shown and may be edited
  int fDepth = 0;            // commands running inside one another
};
