#include "VeltronaEval.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "Arithmetic.h"
#include "EngineText.h"
#include "TapeCodes.h"

namespace {

struct TBracketPair {
  std::string_view Open, Close;
};

constexpr std::array<TBracketPair, 5> BracketChoices{{
    {"", ""},
    {"{", "}"},
    {"[", "]"},
    {"(", ")"},
    {"<", ">"},
}};

}  // namespace

TVeltronaEval::TVeltronaEval() {
  SetTaxRate(fTaxRate);
}

void TVeltronaEval::SetTaxRate(double Value) {
  fTaxRate = Value;
  fTaxRateExact = DecimalTaxRate(Value);
}

void TVeltronaEval::SetSubTotalSym(std::int32_t Value) {
  fSubTotalSymIndex = Value;
  ChooseBrackets(Value, fSubTotalOpen, fSubTotalClose, EngineText("Invalid fSubTotalSymIndex"));
}

void TVeltronaEval::SetExpandOperSym(std::int32_t Value) {
  fExpandOperSymIndex = Value;
  ChooseBrackets(Value, fExpandOpen, fExpandClose, EngineText("Invalid fExpandOperSymIndex"));
}

// An index outside the choices keeps the brackets as they were.
void TVeltronaEval::ChooseBrackets(std::int32_t Index, std::string& Open, std::string& Close,
                                   const std::string& InvalidText) {
  if (Index < 0 || Index >= static_cast<std::int32_t>(BracketChoices.size())) {
    ShowMessage(InvalidText);
    return;
  }
  Open = BracketChoices[Index].Open;
  Close = BracketChoices[Index].Close;
}

void TVeltronaEval::ShowMessage(const std::string& Text) {
  if (OnVeltronaMessage) OnVeltronaMessage(*this, Text);
}

void TVeltronaEval::Clear() {
  fEntries.fill(TEquEntry{});
  fTop = 1;
  fNumCount = 0;
  fLastPrinted = 0;
  fStarting = true;
  fEquationInError = false;
  fLastValue = 0;
  fNavIndex = 0;
  fNavShowing = false;
}

bool TVeltronaEval::IsAwaitingNumber() const {
  if (fTop == 0) return true;
  const TEquEntry& Last = Entry(fTop);
  return TakesNumber(Last.Oper) && !Last.IsNumberEntered;
}

void TVeltronaEval::EnterNumber(bool FromMem, Extended Value) {
  if (fEquationInError) throw EAbortSilent{};
  // Two numbers in a row would overrun the entry count; the keypad never does this, a
  // damaged equation file might.
  if (!fStarting && !IsAwaitingNumber()) throw EAbortSilent{};
  if (FromMem) {
    Extended MemNum = 0;
    if (OnVeltronaGetMem) OnVeltronaGetMem(*this, MemNum);
    Value = MemNum;
  }
  if (fStarting) {
    fStarting = false;
    fTop = 1;
    fNumCount = 1;
    TEquEntry& First = Entry(1);
    First.IsEval = false;
    First.Result = First.NumEnt = Value;
    First.Oper = sceStart;
    First.Priority = Priority(sceStart);
    First.IsNumberEntered = true;
    First.IsMem = FromMem;
    First.Printed = false;
  } else {
    TEquEntry& Last = Entry(fTop);
    Last.Result = Last.NumEnt = Value;
    Last.IsNumberEntered = true;
    Last.IsMem = FromMem;
    Last.Printed = false;
    ++fNumCount;
  }
  fLastValue = Value;
}

void TVeltronaEval::EnterOperator(TVeltronaOper Op) {
  EnterOperator(Op, true);
}

void TVeltronaEval::EnterOperator(TVeltronaOper Op, bool Keyed) {
  if (fEquationInError) throw EAbortSilent{};
  // An operator on an equation without its opening number works on 0, as the keypad does.
  if (fStarting) EnterNumber(false, 0);

  const Extended Saved = fLastValue;
  const bool MayEvaluate = CanEvaluate(Op);
  TEquEntry& Last = Entry(fTop);
  if (TakesNumber(Last.Oper) && !Last.IsNumberEntered) {
    Last.Oper = Op;
    Last.Priority = Priority(Op);
    Last.Printed = false;
    if (!TakesNumber(Op)) ++fNumCount;
  } else if (Keyed && !fDumbPercen && Op == scePercen && Last.Oper >= sceAdd &&
             Last.Oper <= sceDivide) {
    Op = static_cast<TVeltronaOper>(scePercenAdd + (Last.Oper - sceAdd));
    Last.Oper = Op;
    Last.Priority = Priority(Op);
    Last.Printed = false;
  } else {
    if (fTop == MaxEntries) {
      ShowMessage(EngineText("Equation Limit Reached!"));
      throw EAbortSilent{};
    }
    ++fTop;
    if (!TakesNumber(Op)) ++fNumCount;
    TEquEntry& Added = Entry(fTop);
    Added = TEquEntry{};
    Added.Oper = Op;
    Added.Priority = Priority(Op);
    Added.NumOperOn = Saved;
  }

  if (MayEvaluate || Op == sceEquals) {
    fLastValue = Evaluate();
    fNavShowing = false;
  } else {
    fLastValue = ApplyUnary(Op, fLastValue);
    fNavShowing = TakesNumber(Op);
  }
  if (OnVeltronaVal) OnVeltronaVal(*this, fLastValue);

  if (Op == sceEquals) {
    // After a failed evaluation this second run folds what is left and prints the total.
    const Extended Total = Evaluate();
    if (OnVeltronaVal) OnVeltronaVal(*this, Total);
  }
  ResetNav();
}

bool TVeltronaEval::CanEvaluate(TVeltronaOper Op) const {
  if (Op == sceEquals) return false;
  const TEquEntry& Last = Entry(fTop);
  const bool Binary = TakesNumber(Op);
  if (Last.Oper == sceStart && Binary) return false;
  if (Last.IsEval && Last.Oper == sceEquals && Binary) return false;
  const std::int32_t OpPriority = Priority(Op);
  if (OpPriority > Priority(Last.Oper) && !Last.IsEval && Last.Oper != sceEquals &&
      Last.Oper != sceStart) {
    return false;
  }
  for (std::int32_t I = fTop; I >= 2; --I) {
    const TEquEntry& Pending = Entry(I);
    if (Pending.IsEval) return true;
    if (OpPriority > Priority(Pending.Oper) && Pending.Oper != sceEquals) return false;
  }
  return true;
}

Extended TVeltronaEval::ApplyUnary(TVeltronaOper Op, Extended V) const {
  if (TakesNumber(Op)) return V;
  return Compute(Op, 0, V, {fTrigUnits, fTaxRateExact}).Value;
}

std::int32_t TVeltronaEval::NextOpen(std::int32_t I) const {
  for (std::int32_t J = I + 1; J <= fNumCount; ++J) {
    if (!Entry(J).IsEval) return J;
  }
  return 0;
}

std::int32_t TVeltronaEval::PrevOpen(std::int32_t I) const {
  for (std::int32_t J = I - 1; J >= 2; --J) {
    if (!Entry(J).IsEval) return J;
  }
  return 0;
}

Extended TVeltronaEval::Evaluate() {
  if (NextOpen(1) == 0) return Entry(1).Result;
  // Pass one folds an operator that binds strictly tighter than its left neighbour and at
  // least as tight as its right one; pass two folds equal priorities left to right.
  enum class TPass { Tighter, Equal };
  const auto Qualifies = [this](TPass Pass, std::int32_t I) {
    const std::int32_t P = PrevOpen(I);
    const std::int32_t N = NextOpen(I);
    const std::int32_t Own = Entry(I).Priority;
    const std::int32_t Left = P != 0 ? Entry(P).Priority : 0;
    const std::int32_t Right = N != 0 ? Entry(N).Priority : 0;
    if (Pass == TPass::Tighter) {
      return (P == 0 && N != 0 && Own > Right) || (N == 0 && P != 0 && Own > Left) ||
             (N == 0 && P == 0) || (P != 0 && N != 0 && Own > Left && Own >= Right);
    }
    return (P == 0 && N != 0 && Own == Right) || (N == 0 && P != 0 && Own == Left) ||
           (P != 0 && N != 0 && Own == Left && Own == Right);
  };
  for (;;) {
    bool FoldedAny = false;
    for (TPass Pass : {TPass::Tighter, TPass::Equal}) {
      if (Pass == TPass::Equal && FoldedAny) break;
      for (std::int32_t I = 2; I <= fNumCount; ++I) {
        if (Entry(I).IsEval || !Qualifies(Pass, I)) continue;
        if (!Fold(I)) return 0;
        FoldedAny = true;
        if (NextOpen(1) == 0) {
          PrintOut();
          return Entry(1).Result;
        }
      }
    }
    // Both passes found nothing to fold (possible only with priorities no key produces):
    // fold the leftmost pending entry so that evaluation always ends.
    if (!FoldedAny) {
      if (!Fold(NextOpen(1))) return 0;
      if (NextOpen(1) == 0) {
        PrintOut();
        return Entry(1).Result;
      }
    }
  }
}

bool TVeltronaEval::Fold(std::int32_t I) {
  std::int32_t Target = I - 1;
  while (Target > 1 && Entry(Target).IsEval) --Target;
  TEquEntry& Folded = Entry(I);
  TEquEntry& Into = Entry(Target);
  // A function, percent or tax records the value it really acted on, which As Entered
  // is the running result rather than the number typed before it.
  if (!TakesNumber(Folded.Oper)) Folded.NumOperOn = Into.Result;
  const TComputeResult Outcome =
      Compute(Folded.Oper, Folded.Result, Into.Result, {fTrigUnits, fTaxRateExact});
  Into.Result = Outcome.Value;
  Folded.IsEval = true;
  if (Outcome.Error == TComputeError::None) return true;

  const std::string Text = EngineText(ComputeErrorText(Outcome.Error).data());
  SendLine(Text, TapeAttr::Error);
  if (OnVeltronaError) OnVeltronaError(*this, Text);
  fEquationInError = true;
  return false;
}
