// A recording view for the calculator model and a fixture that presses keys by name: every
// display text, tape line, error box and tape selection goes into one ordered log, and the
// tape's positions are counted as the window's tape counts them (a line break counts one).
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "CalcModel.h"
#include "Utf8Text.h"

struct TRecordingView : ICalcView {
  struct TLine {
    std::string Text;
    std::int32_t Attr;
    bool Negative;
    TTapeLineForm Form{};
  };
  std::vector<std::string> Displays;
  std::vector<TLine> Tape;
  std::vector<std::string> Errors;
  std::int32_t TapeLength = 0;
  std::int32_t SelStart = -1, SelLength = 0;
  int StateChanges = 0;

  void ShowDisplayText(const std::string& Text) override { Displays.push_back(Text); }
  void AppendTapeLine(const std::string& Text, std::int32_t Attr, bool Negative,
                      const TTapeLineForm& Form) override {
    Tape.push_back({Text, Attr, Negative, Form});
    TapeLength += Utf8Text::CharCount(Text) + 1;
    SelLength = 0;  // the caret follows the new line, as on the window's tape
  }
  std::int32_t TapeEndPosition() override { return TapeLength; }
  void SelectTapeRange(std::int32_t Start, std::int32_t Length) override {
    SelStart = Start;
    SelLength = Length;
  }
  void ShowErrorMessage(const std::string& Text) override { Errors.push_back(Text); }
  void StateChanged() override { ++StateChanges; }

  std::string Display() const { return Displays.empty() ? "" : Displays.back(); }

  // The tape's text in the tape's positions, each line ended by one line break.
  std::string TapeText() const {
    std::string Text;
    for (const TLine& Line : Tape) Text += Line.Text + "\n";
    return Text;
  }

  // The highlighted text of an ASCII tape; empty when nothing is highlighted.
  std::string Selected() const {
    if (SelLength <= 0) return {};
    return TapeText().substr(static_cast<std::size_t>(SelStart),
                             static_cast<std::size_t>(SelLength));
  }

  // The lines after the last separator: the calculation as last written.
  std::vector<std::string> LastWritten() const {
    std::vector<std::string> Lines;
    for (const TLine& Line : Tape) {
      if (Line.Text == TCalcModel::SeparatorLine)
        Lines.clear();
      else
        Lines.push_back(Line.Text);
    }
    return Lines;
  }

  void Clear() {
    Tape.clear();
    TapeLength = 0;
  }
  std::vector<std::string> TapeTexts() const {
    std::vector<std::string> Texts;
    for (const TLine& Line : Tape) Texts.push_back(Line.Text);
    return Texts;
  }
};

class ModelTest : public testing::Test {
 protected:
  TRecordingView View;
  TCalcModel Model{View};

  // Keys separated by blanks. A number presses its digits and point one by one; the other
  // names are the keys' captions ("x" times, "Bck", "CE", "C", "Min", "M+", "MR", "MC",
  // "+/-", "Exp", "pi", "Sqrt", "x^2", "1/x", "Sin", "+Tax", "Enter" the Equals/Recalc key),
  // the commands "Replay", "Back", "Fwd", "Fmt" (next tape format), "Dec+", "Dec-",
  // "ClearTape", "H1" to "H5" (recall a history position), or the choices "Hex", "Dec",
  // "Deg", "Rad", "Grad".
  std::vector<std::string> HistoryTexts() const {
    std::vector<std::string> Texts;
    for (int P = 1; P <= TCalcModel::HistorySize; ++P)
      if (!Model.HistoryText(P).empty()) Texts.push_back(Model.HistoryText(P));
    return Texts;
  }

  void Press(const std::string& Keys) { Press(Keys, Model); }

  // The same keys on another model, such as one a test compares with the fixture's.
  void Press(const std::string& Keys, TCalcModel& Target) {
    std::istringstream In(Keys);
    std::string Key;
    while (In >> Key) PressKey(Key, Target);
  }

  void PressKey(const std::string& Key, TCalcModel& Target) {
    static const std::map<std::string, TVeltronaOper> Operators = {
        {"+", sceAdd},         {"-", sceMinus},       {"x", sceTimes},        {"/", sceDivide},
        {"=", sceEquals},      {"%", scePercen},      {"Sqrt", sceSqrt},      {"x^2", sceSqr},
        {"1/x", sceRecip},     {"x^y", sceNpowr},     {"Sin", sceSin},        {"+Tax", scePlusTax},
        {"-Tax", sceMinusTax}, {"Tax(i)", sceTaxInc}, {"Tax(e)", sceTaxExcl}, {"Log", sceLog}};
    static const std::map<std::string, void (TCalcModel::*)()> Commands = {
        {"Bck", &TCalcModel::BackSpace},       {"CE", &TCalcModel::ClearEntry},
        {"C", &TCalcModel::ClearAll},          {"Min", &TCalcModel::MemoryIn},
        {"M+", &TCalcModel::MemoryAdd},        {"MR", &TCalcModel::MemoryRecall},
        {"MC", &TCalcModel::MemoryClear},      {"+/-", &TCalcModel::PressSign},
        {"Exp", &TCalcModel::PressExp},        {"pi", &TCalcModel::PressPi},
        {"Enter", &TCalcModel::PressEquals},   {"Replay", &TCalcModel::Replay},
        {"Back", &TCalcModel::NavBack},        {"Fwd", &TCalcModel::NavForward},
        {"Fmt", &TCalcModel::CycleTapeFormat}, {"Dec+", &TCalcModel::MoreDecimals},
        {"Dec-", &TCalcModel::FewerDecimals}};
    if (auto Op = Operators.find(Key); Op != Operators.end())
      return Target.PressOperator(Op->second);
    if (auto Command = Commands.find(Key); Command != Commands.end())
      return (Target.*Command->second)();
    if (Key == "Hex" || Key == "Dec") return Target.SetHexMode(Key == "Hex");
    if (Key.size() == 2 && Key[0] == 'H' && Key[1] >= '1' && Key[1] <= '5')
      return Target.RecallHistory(Key[1] - '0');
    if (Key == "ClearTape") {
      View.Clear();
      return Target.TapeCleared();
    }
    if (Key == "Deg") return Target.SetTrigUnits(1);
    if (Key == "Rad") return Target.SetTrigUnits(2);
    if (Key == "Grad") return Target.SetTrigUnits(3);
    for (char C : Key) {
      if (C >= '0' && C <= '9')
        Target.PressDigit(C - '0');
      else if (C >= 'A' && C <= 'F')
        Target.PressDigit(C - 'A' + 10);
      else if (C == '.')
        Target.PressPoint();
      else
        FAIL() << "no key " << Key;
    }
  }
};
