// TVeltronaEval holds one calculation (an equation) as a fixed array of entries, evaluates it
// with arithmetic precedence or strictly as entered, and reports the value to show, every
// tape line and every error through its events. It knows nothing of windows or keys; the
// calculator window owns the current engine and the engines of the saved calculations.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "NumberText.h"
#include "Operators.h"

struct TEquEntry {  // fields in this order, defaults = cleared value
  bool IsEval = false;
  Extended Result = 0, NumEnt = 0, NumOperOn = 0;
  bool IsNumberEntered = false, IsMem = false, Printed = false;
  TVeltronaOper Oper = sceStart;
  std::int32_t Priority = 0, SelStart = 0, SelLen = 0;
};
constexpr int MaxEntries = 99;
using TEquEntries = std::array<TEquEntry, MaxEntries>;  // element k-1 holds entry k

struct EAbortSilent {};  // the silent abort; carries no message

class TVeltronaEval {
 public:
  TVeltronaEval();

  // Events: called only when assigned; reference arguments are written back.
  std::function<void(TVeltronaEval& Sender, Extended ShowVal)> OnVeltronaVal;
  std::function<void(TVeltronaEval& Sender, const std::string& TapeVal, std::int32_t TapeAttr,
                     bool IsNegative)>
      OnVeltronaTape;
  std::function<void(TVeltronaEval& Sender, const std::string& Error)> OnVeltronaError;
  std::function<void(TVeltronaEval& Sender, std::int32_t& SelStart)> OnVeltronaSelStart;
  std::function<void(TVeltronaEval& Sender, Extended& MemNum)> OnVeltronaGetMem;
  // The engine's own message boxes ("Equation Limit Reached!", invalid bracket index):
  // the host shows Text in an error box. Unassigned: nothing is shown.
  std::function<void(TVeltronaEval& Sender, const std::string& Text)> OnVeltronaMessage;

  // Properties: a getter named as the property, a setter Set<Name>.
  const std::string& TaxLit() const { return fTaxLit; }
  void SetTaxLit(const std::string& Value) { fTaxLit = Value; }
  double TaxRate() const { return fTaxRate; }
  void SetTaxRate(double Value);
  bool SubTotal() const { return fSubTotal; }
  void SetSubTotal(bool Value) { fSubTotal = Value; }
  std::int32_t SubTotalSym() const { return fSubTotalSymIndex; }
  void SetSubTotalSym(std::int32_t Value);
  bool ExpandOper() const { return fExpandOper; }
  void SetExpandOper(bool Value) { fExpandOper = Value; }
  std::int32_t ExpandOperSym() const { return fExpandOperSymIndex; }
  void SetExpandOperSym(std::int32_t Value);
  bool DumbPercen() const { return fDumbPercen; }
  void SetDumbPercen(bool Value) { fDumbPercen = Value; }
  bool DumbMath() const { return fDumbMath; }
  void SetDumbMath(bool Value) { fDumbMath = Value; }
  std::int32_t TrigUnits() const { return fTrigUnits; }
  void SetTrigUnits(std::int32_t Value) { fTrigUnits = Value; }
  std::int32_t BaseUnits() const { return fBaseUnits; }
  void SetBaseUnits(std::int32_t Value) { fBaseUnits = Value; }
  std::int32_t TapeFormatMode() const { return fTapeFormatMode; }
  void SetTapeFormatMode(std::int32_t Value) { fTapeFormatMode = Value; }
  std::int32_t Digits() const { return fDigits; }
  void SetDigits(std::int32_t Value) { fDigits = Value; }
  std::int32_t Precision() const { return fPrecision; }
  void SetPrecision(std::int32_t Value) { fPrecision = Value; }
  bool EquationInError() const { return fEquationInError; }
  void SetEquationInError(bool Value) { fEquationInError = Value; }
  const TFormatSettings& FormatSettings() const { return fFormatSettings; }
  void SetFormatSettings(const TFormatSettings& Value) { fFormatSettings = Value; }
  bool IsEmpty() const { return fNumCount == 0; }

  // The operation of the tape line being sent, read inside OnVeltronaTape: an entry line's
  // operator (sceStart for the opening number), the function or tax of a line of its own or of
  // a worked-out line, sceEquals on a total; sceNone on subtotals and errors. TapeLineApplied
  // is the function or tax that an entry line applies to its own number ("+ Sqrt(9)"), else
  // sceNone.
  TVeltronaOper TapeLineOper() const { return fTapeLineOper; }
  TVeltronaOper TapeLineApplied() const { return fTapeLineApplied; }

  // Operations.
  void Clear();
  void EnterNumber(bool FromMem, Extended Value);  // may throw EAbortSilent
  void EnterOperator(TVeltronaOper Oper);          // may throw EAbortSilent
  bool IsAwaitingNumber() const;
  Extended Recalc(std::int32_t UpTo);
  bool SaveToFile(const std::filesystem::path& FileName) const;
  bool LoadFromFile(const std::filesystem::path& FileName);
  // The text an equation file holds, and the calculation read from such a text: what
  // SaveToFile writes and LoadFromFile reads, for records that keep more beside it.
  std::string FileText() const;
  bool LoadFromText(std::string_view Text);
  void CopyEntries(TEquEntries& Buffer) const;
  void RestoreEntries(const TEquEntries& Buffer, std::int32_t Count);
  std::string EquationText() const;
  std::int32_t EntryCount() const { return fTop; }
  bool NavPrev();
  bool NavNext();
  bool NavHasPrev() const;
  bool NavHasNext() const;
  Extended NavShow();
  std::int32_t NavIndex() const { return fNavIndex; }
  std::int32_t NavSelStart() const;
  std::int32_t NavSelLength() const;
  void ReplaceNavNumber(Extended Value);
  void ShiftSelStarts(std::int32_t From, std::int32_t Delta);
  // Points entry Index (1 to EntryCount) at a tape line of an opened tape document: the line
  // was not printed by this engine, but Back and Forward find it as if it had been.
  void SetEntryPlace(std::int32_t Index, std::int32_t SelStart, std::int32_t SelLen);

 private:
  TEquEntry& Entry(std::int32_t Index) { return fEntries[Index - 1]; }
  const TEquEntry& Entry(std::int32_t Index) const { return fEntries[Index - 1]; }
  std::int32_t Priority(TVeltronaOper Op) const { return OperPriority(Op, fDumbMath); }

  // Evaluation (entry and precedence).
  bool CanEvaluate(TVeltronaOper Op) const;
  Extended ApplyUnary(TVeltronaOper Op, Extended V) const;
  Extended Evaluate();
  std::int32_t NextOpen(std::int32_t I) const;
  std::int32_t PrevOpen(std::int32_t I) const;
  bool Fold(std::int32_t I);
  void ShowMessage(const std::string& Text);
  void ChooseBrackets(std::int32_t Index, std::string& Open, std::string& Close,
                      const std::string& InvalidText);

  // Tape output.
  void PrintOut();
  void PrintEntryLine(std::int32_t I);
  void PrintExpansion(const TEquEntry& Applied);
  void SendLine(const std::string& Text, std::int32_t Attr, bool IsNegative = false,
                TVeltronaOper Oper = sceNone, TVeltronaOper Applied = sceNone);
  void SendPositionedLine(TEquEntry& Owner, const std::string& Text, TVeltronaOper Oper,
                          TVeltronaOper Applied = sceNone);
  std::string Fmt(TVeltronaOper Op, Extended V) const;
  std::string Suffix(TVeltronaOper Op) const;
  std::string RateText(TVeltronaOper Op) const;

  // Replay and navigation.
  bool Replay(std::int32_t Count);  // replays fWork[1..Count]; false when it stopped early
  bool ReplayLine(const std::string& Line);
  // Keyed is false for a recorded entry: a recorded % is the plain function, since the
  // percent forms of + - * / are recorded under their own codes.
  void EnterOperator(TVeltronaOper Op, bool Keyed);
  std::string NumberLine(const TEquEntry& Item) const;
  void ResetNav();

  TEquEntries fEntries{};
  TEquEntries fWork{};  // the working copy a replay reads from
  std::int32_t fTop = 0;
  std::int32_t fNumCount = 0;
  std::int32_t fLastPrinted = 0;
  bool fStarting = true;
  Extended fLastValue = 0;
  bool fEquationInError = false;
  std::int32_t fNavIndex = 0;
  Extended fNavValue = 0;
  bool fNavShowing = false;
  std::string fSubTotalOpen = "{", fSubTotalClose = "}";
  std::string fExpandOpen = "[", fExpandClose = "]";
  std::int32_t fSubTotalSymIndex = 0, fExpandOperSymIndex = 0;

  std::string fTaxLit = "GST";
  double fTaxRate = 0.1;
  Extended fTaxRateExact = 0;  // TaxRate read from its 15-digit decimal text
  bool fSubTotal = true;
  bool fExpandOper = true;
  bool fDumbPercen = false;
  bool fDumbMath = false;
  std::int32_t fTrigUnits = 1;
  std::int32_t fBaseUnits = 10;
  std::int32_t fTapeFormatMode = 1;
  std::int32_t fDigits = 4;
  std::int32_t fPrecision = 14;
  TFormatSettings fFormatSettings;
  TVeltronaOper fTapeLineOper = sceNone, fTapeLineApplied = sceNone;
};
