// A recording host for engine tests: wires every engine event into one ordered log, answers
// tape positions as a tape pane would, and types key sequences written as text.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "Utf8Text.h"
#include "VeltronaEval.h"

struct TTapeLine {
  std::string Text;
  std::int32_t Attr = 0;
  bool IsNegative = false;
  bool operator==(const TTapeLine&) const = default;
};

inline std::ostream& operator<<(std::ostream& Out, const TTapeLine& Line) {
  return Out << "{\"" << Line.Text << "\", " << Line.Attr << (Line.IsNegative ? ", neg" : "")
             << "}";
}

class TEngineLog {
 public:
  TVeltronaEval Engine;
  std::vector<Extended> Shown;  // every OnVeltronaVal value
  std::vector<TTapeLine> Tape;  // every OnVeltronaTape line
  // Each line's TapeLineOper and TapeLineApplied, read while it was sent.
  std::vector<std::pair<TVeltronaOper, TVeltronaOper>> TapeOpers;
  std::vector<std::string> Errors;
  std::vector<std::string> Messages;
  Extended Memory = 0;          // what OnVeltronaGetMem answers
  std::int32_t TapeLength = 0;  // characters on the imagined tape, a line break counting one

  TEngineLog() {
    Engine.OnVeltronaVal = [this](TVeltronaEval&, Extended V) { Shown.push_back(V); };
    Engine.OnVeltronaTape = [this](TVeltronaEval& Sender, const std::string& Text,
                                   std::int32_t Attr, bool Negative) {
      Tape.push_back({Text, Attr, Negative});
      TapeOpers.emplace_back(Sender.TapeLineOper(), Sender.TapeLineApplied());
      TapeLength += Utf8Text::CharCount(Text) + 1;
    };
    Engine.OnVeltronaError = [this](TVeltronaEval&, const std::string& E) { Errors.push_back(E); };
    Engine.OnVeltronaMessage = [this](TVeltronaEval&, const std::string& M) {
      Messages.push_back(M);
    };
    Engine.OnVeltronaSelStart = [this](TVeltronaEval&, std::int32_t& Pos) { Pos = TapeLength; };
    Engine.OnVeltronaGetMem = [this](TVeltronaEval&, Extended& M) { M = Memory; };
  }

  // Types blank-separated keys: numbers are entered, "MR" enters the memory, everything
  // else is an operator. Returns false when the engine aborted silently.
  bool Keys(const std::string& Sequence) {
    std::istringstream In(Sequence);
    std::string Key;
    try {
      while (In >> Key) {
        const auto Op = Operators().find(Key);
        if (Op != Operators().end()) {
          Engine.EnterOperator(Op->second);
        } else if (Key == "MR") {
          Engine.EnterNumber(true, 0);
        } else {
          Engine.EnterNumber(false, std::strtold(Key.c_str(), nullptr));
        }
      }
    } catch (const EAbortSilent&) {
      return false;
    }
    return true;
  }

  Extended LastShown() const { return Shown.empty() ? 0 : Shown.back(); }

  static const std::map<std::string, TVeltronaOper>& Operators() {
    static const std::map<std::string, TVeltronaOper> Table{
        {"=", sceEquals},    {"+", sceAdd},        {"-", sceMinus},      {"*", sceTimes},
        {"/", sceDivide},    {"Sqr", sceSqr},      {"Sqrt", sceSqrt},    {"1/x", sceRecip},
        {"^", sceNpowr},     {"root", sceNroot},   {"Log", sceLog},      {"10^x", sceIlog},
        {"Ln", sceELog},     {"e^x", sceIelog},    {"+/-", sceRevSign},  {"Sin", sceSin},
        {"ASin", sceAsin},   {"Cos", sceCos},      {"ACos", sceAcos},    {"Tan", sceTan},
        {"ATan", sceAtan},   {"%", scePercen},     {"+Tax", scePlusTax}, {"-Tax", sceMinusTax},
        {"TaxI", sceTaxInc}, {"TaxE", sceTaxExcl},
    };
    return Table;
  }
};
