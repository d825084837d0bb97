// TCalcModel is the calculator without widgets: it owns the current engine, the number being
// typed, the memory, the number base and angle unit, the replay-edit mode and the settings
// record, runs every key and command of the calculator, and tells its front-end (ICalcView)
// what to show. The window and the terminal forward to it; the tests drive it through a
// recording view. Every public command ends quietly on the engine's silent abort.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CalcDocument.h"
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

  // Back and Forward pick an earlier or later number of the calculation to correct it;
  // PickAt picks the number whose tape line holds a tape position.
  void NavBack();
  void NavForward();
  void PickAt(std::int32_t TapePosition);
  bool CanGoBack() const;
  bool CanGoForward() const;
  bool CanReplay() const;

  // The tape format (1 to 4) and the decimals of Scientific and Fixed, for lines written
  // from now on.
  static constexpr std::int32_t MaxDecimals = 18;
  void SetTapeFormat(std::int32_t Format);
  void CycleTapeFormat();
  void MoreDecimals();
  void FewerDecimals();

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
  // The tape was emptied: no recorded position points at a line any more.
  void TapeCleared();

  // The last five calculations, position 1 the newest. A calculation joins them when a new
  // one begins after it, when it is cleared and when the program closes.
  static constexpr int HistorySize = 5;
  void RecallHistory(int Position);  // 1 to HistorySize
  int HistoryCount() const;
  // "&1: 12+3=" for a filled position, shortened to 20 characters; empty for an empty one.
  std::string HistoryCaption(int Position) const;
  static std::string ShortenCaption(std::string_view Text, int MaxLength);
  // The one-line text of the calculation at a position; empty for an empty one.
  std::string HistoryText(int Position) const;

  // A history or in-progress file that did not load in full (an unknown word, more entries
  // than a calculation holds, not text) is moved aside, never overwritten: KeptAs is where it
  // went, empty when it could not be moved. Its place counts as empty.
  struct TSetAside {
    std::filesystem::path File;
    std::filesystem::path KeptAs;
    bool operator==(const TSetAside&) const = default;
  };
  static constexpr const char* DamagedSuffix = ".damaged";

  // The history files, Equ1.dat (position 1) to Equ5.dat. Loading fills the history from the
  // files that hold a calculation, in file order, and answers the files set aside; saving
  // writes every position (an empty one as an empty calculation) and answers the files that
  // could not be written.
  using THistoryFiles = std::array<std::filesystem::path, HistorySize>;
  std::vector<TSetAside> LoadHistory(const THistoryFiles& Files);
  std::vector<std::filesystem::path> SaveHistory(const THistoryFiles& Files);
  // Whether the history changed since it was last loaded or saved.
  bool HistoryChanged() const { return fHistoryChanged; }

  // The calculation being worked on, with the number being typed or corrected, kept in one
  // more file so that a kill loses no key: saved when it changed since the last save (false
  // when the file could not be written), restored at start below a separator, the typed
  // number back on the display. Restoring answers a damaged file it set aside.
  bool SaveUnfinished(const std::filesystem::path& File);
  std::optional<TSetAside> RestoreUnfinished(const std::filesystem::path& File);
  // Closing: the calculation being worked on joins the history and the engine is cleared.
  void CloseCalculation();

  // Tape documents (CalcDocument.cpp): the current calculation with the settings it is
  // computed with, the display and the number being typed or corrected, and where its number
  // lines stand on the tape. OpenDocument makes a checked calculation current without printing
  // it (the front-end has written the document's lines), its settings the record's, its
  // entries pointed at Places, and Input back on the display.
  TDocCalculation DocumentCalculation() const;
  TDocInput DocumentInput() const;
  std::vector<TDocPlace> DocumentPlaces() const;
  void OpenDocument(const TDocCalculation& Calc, const std::vector<TDocPlace>& Places,
                    const TDocInput& Input);

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
  // Gives Engine the current calculation's way of computing (precedence, percent, tax, units,
  // number settings), so that a calculation copied onto it computes as it did here.
  void ApplyEvaluationSettings(TVeltronaEval& Engine) const;
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
    if (!Outermost) return;
    ShowPendingDisplay();
    fView.StateChanged();
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
  void ShowPendingDisplay();
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
  bool Navigate(bool (TVeltronaEval::*Step)());
  void HighlightPick();
  void PushToHistory();
  void CommitNumber();
  void CommitEdit();
  bool LoadEquation(TVeltronaEval& Engine, std::string_view Text);
  std::string UnfinishedText() const;
  bool RestoreUnfinishedText(std::string_view Text);
  template <class TEach>
  void ForEachEngine(TEach&& Each);
  void SyncEngines();

  ICalcView& fView;
  TVeltronaEval fEngine;
  // The saved calculations emit nothing: only fEngine is wired to the view.
  std::array<TVeltronaEval, HistorySize> fHistoryEngines;
  TVeltronaEval fScratchEngine;  // holds a recalled calculation while two trade places
  std::array<int, HistorySize> fHistoryOrder{};  // slot numbers 1 to 5 newest first, 0 empty
  bool fHistoryChanged = false;
  std::optional<std::string> fSavedUnfinished;  // the unfinished file's text as last written
  TCalcSettings fSettings;
  TNumberEntry fInput;
  std::string fDisplayText = "0";
  Extended fMemory = 0;
  Extended fLastShown = 0;  // the value on the display; the memory keys act on it
  bool fHexMode = false;
  bool fReplayEdit = false;  // a number picked on the tape is shown and may be edited
  int fDepth = 0;            // commands running inside one another
  // A command (a replay, say) may show many values; the display shows the last one, once.
  bool fDisplayPending = false;
};
