// The arithmetic of every operation code: the results the engine folds into its entries,
// with the three ways a computation can fail. Pure functions; the engine decides what a
// failure prints.
#pragma once

#include <cstdint>
#include <string_view>

#include "NumberText.h"
#include "Operators.h"

enum class TComputeError : std::uint8_t { None, DivideByZero, TooLarge, Invalid };

struct TComputeResult {
  Extended Value = 0;  // 0 whenever Error is set
  TComputeError Error = TComputeError::None;
};

// "Cannot Divide by Zero", "Number too Large", "Invalid Input"; empty for None.
std::string_view ComputeErrorText(TComputeError Error);

struct TComputeContext {
  std::int32_t TrigUnits = 1;  // 1 degrees, 2 radians, 3 grads
  Extended TaxRate = 0;        // the rate as a fraction, read from its decimal text
};

// The product without binary noise for short decimals: 1.1 x 1.1 is the number read from
// "1.21". May be infinite when the product leaves the range.
Extended Multiply(Extended A, Extended B);

TComputeResult Power(Extended Base, Extended Exponent);

// Y is the value the operation acts on or folds into, X the entry's own number (ignored by
// the operations that act on the value before them).
TComputeResult Compute(TVeltronaOper Op, Extended X, Extended Y, const TComputeContext& Context);

// The tax rate as the exact decimal it was typed as: 0.1 acts as one tenth, not as the
// nearest binary double.
Extended DecimalTaxRate(double Rate);
