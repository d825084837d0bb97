// The engine's print-out: the text of every tape line and the number formats of the tape.
#include <cstdint>
#include <string_view>

#include "Arithmetic.h"
#include "EngineText.h"
#include "TapeCodes.h"
#include "Utf8Text.h"
#include "VeltronaEval.h"

namespace {

// Expanded lines longer than this are split before their " = ".
constexpr std::int32_t ExpandedLineLimit = 26;

bool IsAngleArgument(TVeltronaOper Op) {
  return Op == sceSin || Op == sceCos || Op == sceTan || Op == sceAngle;
}

}  // namespace

std::string TVeltronaEval::Fmt(TVeltronaOper Op, Extended V) const {
  const TFormatSettings& Fs = fFormatSettings;
  if (IsAngleArgument(Op)) {
    std::string Text = fTapeFormatMode == TapeFormat::Fixed
                           ? NumberText::Number(V, fPrecision, fDigits, Fs)
                           : NumberText::General(V, 15, Fs);
    if (Text.empty()) return Text;
    switch (fTrigUnits) {
      case TrigUnit::Degrees:
        return Text + "\u00B0";
      case TrigUnit::Radians:
        return Text + EngineText("rd");
      case TrigUnit::Grads:
        return Text + EngineText("gr");
      default:
        return Text;
    }
  }
  if (fBaseUnits == 16) {
    const auto Digits = NumberText::HexDigits(V);
    return Digits ? "x" + *Digits : EngineText("Too Large to Show as Hex");
  }
  switch (fTapeFormatMode) {
    case TapeFormat::General:
      return NumberText::General(V, fPrecision, Fs);
    case TapeFormat::Scientific:
      return NumberText::Scientific(V, fDigits, Fs);
    case TapeFormat::Currency:
      return NumberText::Currency(V, fPrecision, Fs);
    case TapeFormat::Fixed:
      return NumberText::Number(V, fPrecision, fDigits, Fs);
    default:
      return EngineText("Unknown Tape Format!");
  }
}

std::string TVeltronaEval::Suffix(TVeltronaOper Op) const {
  switch (Op) {
    case scePercenAdd:
    case scePercenMinus:
    case scePercenTimes:
    case scePercenDivide:
      return "%";
    case scePlusTax:
      return "+" + fTaxLit;
    case sceMinusTax:
      return "-" + fTaxLit;
    case sceTaxInc:
      return fTaxLit + " Incl";
    case sceTaxExcl:
      return fTaxLit + " Excl";
    default:
      return {};
  }
}

std::string TVeltronaEval::RateText(TVeltronaOper Op) const {
  // Written as the tape's numbers are, with the user's decimal separator.
  const std::string Rate =
      NumberText::General(fTaxRateExact * 100, 15, fFormatSettings) + "% " + fTaxLit;
  switch (Op) {
    case scePlusTax:
      return "+" + Rate;
    case sceMinusTax:
      return "-" + Rate;
    default:
      return Rate;
  }
}

void TVeltronaEval::SendLine(const std::string& Text, std::int32_t Attr, bool IsNegative,
                             TVeltronaOper Oper, TVeltronaOper Applied) {
  fTapeLineOper = Oper;
  fTapeLineApplied = Applied;
  if (OnVeltronaTape) OnVeltronaTape(*this, Text, Attr, IsNegative);
  fTapeLineOper = fTapeLineApplied = sceNone;
}

void TVeltronaEval::SendPositionedLine(TEquEntry& Owner, const std::string& Text,
                                       TVeltronaOper Oper, TVeltronaOper Applied) {
  if (OnVeltronaSelStart) {
    OnVeltronaSelStart(*this, Owner.SelStart);
    Owner.SelLen = Utf8Text::CharCount(Text);
  }
  SendLine(Text, TapeAttr::Entry, false, Oper, Applied);
}

void TVeltronaEval::PrintOut() {
  for (std::int32_t I = fLastPrinted + 1; I <= fNumCount; ++I) {
    TEquEntry& Item = Entry(I);
    if (Item.Printed) continue;
    const TVeltronaOper Op = Item.Oper;
    const std::string Symbol{OperSymbol(Op)};
    switch (OperKind(Op)) {
      case TOperKind::Total: {
        const Extended Total = Entry(1).Result;
        SendLine("= " + Fmt(sceEquals, Total), TapeAttr::Total, Total < 0, sceEquals);
        break;
      }
      case TOperKind::Function:
        SendPositionedLine(Item, Symbol + "(" + Fmt(Op, Item.NumOperOn) + ")" + Suffix(Op), Op);
        if (fExpandOper) PrintExpansion(Item);
        break;
      case TOperKind::Tax:
        SendPositionedLine(Item, Fmt(Op, Item.NumOperOn) + " " + Suffix(Op), Op);
        if (fExpandOper) PrintExpansion(Item);
        break;
      default:
        PrintEntryLine(I);
        break;
    }
    Item.Printed = true;
  }
  if (Entry(fNumCount).Oper != sceEquals && fSubTotal) {
    SendLine(fSubTotalOpen + "= " + Fmt(sceNone, Entry(1).Result) + fSubTotalClose,
             TapeAttr::SubTotal);
  }
  fLastPrinted = fNumCount;
}

// A number with its binary operator; a function or tax that binds tighter and follows at
// once shares the line, since it acts on that very number.
void TVeltronaEval::PrintEntryLine(std::int32_t I) {
  TEquEntry& Item = Entry(I);
  const std::string Symbol{OperSymbol(Item.Oper)};
  if (I < MaxEntries) {
    TEquEntry& Applied = Entry(I + 1);
    const TVeltronaOper Next = Applied.Oper;
    const TOperKind NextKind = OperKind(Next);
    if ((NextKind == TOperKind::Function || NextKind == TOperKind::Tax) &&
        Priority(Next) > Priority(Item.Oper)) {
      const std::string Number = Fmt(Next, Item.NumEnt);
      SendPositionedLine(
          Item,
          NextKind == TOperKind::Function
              ? Symbol + " " + std::string{OperSymbol(Next)} + "(" + Number + ")" + Suffix(Next)
              : Symbol + " " + Number + " " + Suffix(Next),
          Item.Oper, Next);
      Applied.Printed = true;
      if (fExpandOper) PrintExpansion(Applied);
      return;
    }
  }
  SendPositionedLine(Item, Symbol + " " + Fmt(Item.Oper, Item.NumEnt) + Suffix(Item.Oper),
                     Item.Oper);
}

// The function or tax worked out in brackets, split before " = " when too long for one line.
void TVeltronaEval::PrintExpansion(const TEquEntry& Applied) {
  const TVeltronaOper Op = Applied.Oper;
  const Extended V = Applied.NumOperOn;
  const Extended Result = Compute(Op, 0, V, {fTrigUnits, fTaxRateExact}).Value;
  std::string Head;
  TVeltronaOper ResultCode = sceNone;
  if (OperKind(Op) == TOperKind::Function) {
    Head = std::string{OperSymbol(Op)} + "(" + Fmt(Op, V) + ")";
    if (Op == sceAsin || Op == sceAcos || Op == sceAtan) ResultCode = sceAngle;
  } else if (Op == sceTaxInc) {
    Head = EngineText("Incl ") + RateText(Op);
  } else if (Op == sceTaxExcl) {
    Head = RateText(Op);
  } else {
    Head = Fmt(Op, V) + " " + RateText(Op);
  }
  const std::string First = fExpandOpen + Head;
  const std::string Rest = " = " + Fmt(ResultCode, Result) + fExpandClose;
  if (Utf8Text::CharCount(First) + Utf8Text::CharCount(Rest) <= ExpandedLineLimit) {
    SendLine(First + Rest, TapeAttr::Expanded, false, Op);
  } else {
    SendLine(First, TapeAttr::Expanded, false, Op);
    SendLine(Rest, TapeAttr::Expanded, false, Op);
  }
}
