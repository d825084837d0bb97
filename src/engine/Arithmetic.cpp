#include "Arithmetic.h"

#include <cmath>
#include <cstdint>
#include <numbers>

#include "TapeCodes.h"

namespace {

using enum TComputeError;

const TFormatSettings NeutralFormat{};

// Below this magnitude Multiply keeps the product's decimal digits clean.
constexpr Extended CleanLimit = 9999999999.0L;
// Digits the decimal-clean product keeps: the display's precision.
constexpr int CleanDigits = 15;

TComputeResult Fail(TComputeError Error) {
  return {0, Error};
}

// Classifies a raw result: NaN is an invalid operation, an infinity an overflow.
TComputeResult Checked(Extended Value) {
  if (std::isnan(Value)) return Fail(Invalid);
  if (std::isinf(Value)) return Fail(TooLarge);
  return {Value, None};
}

bool IsWhole(Extended V) {
  return std::isfinite(V) && V == std::trunc(V);
}

// Characters of the fractional part's general text, with scientific texts counted as the
// same value written out ("1E-7" counts as "0.0000001").
int FractionLength(Extended V) {
  const Extended Fraction = V - std::trunc(V);
  const std::string Text = NumberText::General(Fraction, CleanDigits, NeutralFormat);
  const auto E = Text.find('E');
  if (E == std::string::npos) return static_cast<int>(Text.size());
  const bool Negative = Text.front() == '-';
  const std::string Mantissa = Text.substr(Negative ? 1 : 0, E - (Negative ? 1 : 0));
  const int Exponent = std::stoi(Text.substr(E + 1));  // negative: |Fraction| < 1
  int MantissaDigits = 0;
  for (char C : Mantissa) MantissaDigits += C >= '0' && C <= '9';
  return (Negative ? 1 : 0) + 2 + (-Exponent - 1) + MantissaDigits;
}

Extended AngleToRadians(Extended V, std::int32_t Units) {
  if (Units == TrigUnit::Degrees) return V * 0.017453292519943295769L;
  if (Units == TrigUnit::Grads) return V * 0.015707963267948966192L;
  return V;
}

Extended RadiansToAngle(Extended V, std::int32_t Units) {
  if (Units == TrigUnit::Degrees) return V * 57.295779513082320877L;
  if (Units == TrigUnit::Grads) return V * 63.661977236758134308L;
  return V;
}

// A quarter turn in the current unit, exact in degrees and grads.
Extended QuarterTurn(std::int32_t Units) {
  if (Units == TrigUnit::Degrees) return 90;
  if (Units == TrigUnit::Grads) return 100;
  return std::numbers::pi_v<Extended> / 2;
}

TComputeResult Divide(Extended Y, Extended X) {
  if (X == 0) return Fail(Y == 0 || std::isnan(Y) ? Invalid : DivideByZero);
  return Checked(Y / X);
}

TComputeResult Logarithm(Extended Y, bool Decimal) {
  if (Y == 0) return Fail(DivideByZero);
  if (Y < 0) return Fail(Invalid);
  return Checked(Decimal ? std::log10(Y) : std::log(Y));
}

TComputeResult Arcus(Extended Y, bool Sine, std::int32_t Units) {
  if (!(Y >= -1 && Y <= 1)) return Fail(Invalid);
  const Extended Quarter = QuarterTurn(Units);
  if (Sine) {
    if (Y == 1) return {Quarter, None};
    if (Y == -1) return {-Quarter, None};
    return Checked(RadiansToAngle(std::asin(Y), Units));
  }
  if (Y == 0) return {Quarter, None};
  if (Y == -1) return {2 * Quarter, None};
  if (Y == 1) return {0, None};
  return Checked(RadiansToAngle(std::acos(Y), Units));
}

TComputeResult Tangent(Extended Y, std::int32_t Units) {
  const Extended Radians = AngleToRadians(Y, Units);
  const Extended Cosine = std::cos(Radians);
  if (Cosine == 0) return Fail(DivideByZero);
  return Checked(std::sin(Radians) / Cosine);
}

}  // namespace

std::string_view ComputeErrorText(TComputeError Error) {
  switch (Error) {
    case DivideByZero:
      return "Cannot Divide by Zero";
    case TooLarge:
      return "Number too Large";
    case Invalid:
      return "Invalid Input";
    case None:
      break;
  }
  return {};
}

Extended Multiply(Extended A, Extended B) {
  const bool Short = std::fabs(A) < CleanLimit && std::fabs(B) < CleanLimit;
  if (!Short) return A * B;
  if (IsWhole(A) && IsWhole(B)) {
    std::int64_t Product = 0;
    if (__builtin_mul_overflow(static_cast<std::int64_t>(A), static_cast<std::int64_t>(B),
                               &Product)) {
      return A * B;
    }
    return static_cast<Extended>(Product);
  }
  const Extended Product = A * B;
  // A product with more digits before the point than the clean form keeps gains nothing.
  if (!std::isfinite(Product) || std::fabs(Product) >= 1e15L) return Product;
  const int Decimals = FractionLength(A) + FractionLength(B);
  const std::string Text = NumberText::Fixed(Product, CleanDigits, Decimals, NeutralFormat);
  return NumberText::Parse(Text, NeutralFormat).value_or(Product);
}

TComputeResult Power(Extended Base, Extended Exponent) {
  if (Exponent == 0) return {1, None};
  if (Base == 0) return Exponent > 0 ? TComputeResult{0, None} : Fail(DivideByZero);
  if (IsWhole(Exponent) && std::fabs(Exponent) <= 2147483647.0L) {
    auto Count = static_cast<std::uint32_t>(std::fabs(Exponent));
    Extended Result = 1;
    Extended Square = Base;
    while (Count != 0) {
      if (Count & 1u) Result *= Square;
      Count >>= 1;
      if (Count != 0) Square *= Square;
    }
    if (Exponent > 0) return Checked(Result);
    // The reciprocal of an overflowed power is an underflow, not a failure; the reciprocal
    // of an underflowed one is too large to hold.
    if (std::isinf(Result)) return {0, None};
    if (Result == 0) return Fail(TooLarge);
    return Checked(1 / Result);
  }
  if (Base < 0) return Fail(Invalid);
  return Checked(std::pow(Base, Exponent));
}

TComputeResult Compute(TVeltronaOper Op, Extended X, Extended Y, const TComputeContext& Context) {
  const std::int32_t Units = Context.TrigUnits;
  const Extended TaxFactor = 1 + Context.TaxRate;
  switch (Op) {
    case sceAdd:
      return Checked(Y + X);
    case sceMinus:
      return Checked(Y - X);
    case sceTimes:
      return Checked(Multiply(Y, X));
    case sceDivide:
      return Divide(Y, X);
    case sceSqr:
      return Checked(Y * Y);
    case sceSqrt:
      return Y < 0 ? Fail(Invalid) : Checked(std::sqrt(Y));
    case sceRecip:
      return Y == 0 ? Fail(DivideByZero) : Checked(1 / Y);
    case sceNpowr:
      return Power(Y, X);
    case sceNroot:
      return X == 0 ? Fail(DivideByZero) : Power(Y, 1 / X);
    case sceLog:
      return Logarithm(Y, true);
    case sceIlog:
      return Power(10, Y);
    case sceELog:
      return Logarithm(Y, false);
    case sceIelog:
      return Checked(std::exp(Y));
    case sceRevSign:
      return Checked(-Y);
    case sceSin:
      return Checked(std::sin(AngleToRadians(Y, Units)));
    case sceAsin:
      return Arcus(Y, true, Units);
    case sceCos:
      return Checked(std::cos(AngleToRadians(Y, Units)));
    case sceAcos:
      return Arcus(Y, false, Units);
    case sceTan:
      return Tangent(Y, Units);
    case sceAtan:
      return Checked(RadiansToAngle(std::atan(Y), Units));
    case scePercen:
      return Checked(Y / 100);
    case scePercenAdd:
      return Checked(X / 100 * Y + Y);
    case scePercenMinus:
      return Checked(Y - X / 100 * Y);
    case scePercenTimes:
      return Checked(X / 100 * Y);
    case scePercenDivide:
      return Divide(Y, X / 100);
    case scePlusTax:
      return Checked(Multiply(Y, TaxFactor));
    case sceMinusTax:
      return Divide(Y, TaxFactor);
    case sceTaxInc: {
      const TComputeResult Net = Divide(Y, TaxFactor);
      return Net.Error != None ? Net : Checked(Y - Net.Value);
    }
    case sceTaxExcl:
      return Checked(Multiply(Y, Context.TaxRate));
    case sceNone:
    case sceStart:
    case sceEquals:
    case sceAngle:
      break;
  }
  return Checked(Y);
}

Extended DecimalTaxRate(double Rate) {
  const Extended Wide = Rate;
  return NumberText::Parse(NumberText::General(Wide, 15, NeutralFormat), NeutralFormat)
      .value_or(Wide);
}
