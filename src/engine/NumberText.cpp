#include "NumberText.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

static_assert(std::endian::native == std::endian::little &&
                  std::numeric_limits<Extended>::digits == 64 && sizeof(Extended) >= 10,
              "the digit generator reads the x87 extended layout");

__extension__ typedef unsigned __int128 TWide;

// The 64-bit mantissa resolves 19 significant digits; no form shows more.
constexpr int MaxSignificant = 19;
// Caps the decimals of the fixed forms, so that a garbage setting cannot ask for megabytes.
constexpr int MaxDecimals = 99;
constexpr std::uint64_t Pow10_19 = 10'000'000'000'000'000'000u;

// A magnitude as decimal digits: Digits[0] stands at 10^Exp, Digits[i] at 10^(Exp - i).
// Count 0 is zero.
struct TDecimal {
  char Digits[MaxSignificant + 1];
  int Count = 0;
  int Exp = 0;
};

int PutUnsigned(std::uint64_t N, char* Out) {
  char Reversed[20];
  int Len = 0;
  do {
    Reversed[Len++] = static_cast<char>('0' + N % 10);
    N /= 10;
  } while (N != 0);
  for (int I = 0; I < Len; ++I) Out[I] = Reversed[Len - 1 - I];
  return Len;
}

void PutPadded(std::uint64_t N, int Width, char* Out) {
  for (int I = Width - 1; I >= 0; --I) {
    Out[I] = static_cast<char>('0' + N % 10);
    N /= 10;
  }
}

// Adds one unit in the last kept digit; a carry out of the leading digit becomes a new
// leading 1 one place higher.
void Increment(TDecimal& D) {
  for (int I = D.Count - 1; I >= 0; --I) {
    if (D.Digits[I] != '9') {
      ++D.Digits[I];
      return;
    }
    D.Digits[I] = '0';
  }
  D.Digits[0] = '1';
  D.Count = std::max(D.Count, 1);
  ++D.Exp;
}

// Exact leading digits of A (finite, > 0) from its binary mantissa and exponent, when the
// value lies where 128-bit integers hold it exactly (about 4E-19 to 1.7E38); at least Wanted
// digits unless the exact expansion ends sooner. False outside that range. The library's
// long double conversion is several times slower, too slow for every tape line.
bool ExactDigits(Extended A, int Wanted, char* Buf, int& Len, int& Exp) {
  std::uint64_t Mantissa = 0;
  std::uint16_t SignExp = 0;
  std::memcpy(&Mantissa, &A, sizeof Mantissa);
  std::memcpy(&SignExp, reinterpret_cast<const char*>(&A) + 8, sizeof SignExp);
  const int Biased = SignExp & 0x7FFF;
  const int Shift = (Biased == 0 ? 1 : Biased) - 16383 - 63;  // A = Mantissa * 2^Shift
  if (Shift >= 0 && Shift <= 63) {
    const TWide Whole = static_cast<TWide>(Mantissa) << Shift;
    const auto High = static_cast<std::uint64_t>(Whole / Pow10_19);
    const auto Low = static_cast<std::uint64_t>(Whole % Pow10_19);
    if (High != 0) {
      Len = PutUnsigned(High, Buf);
      PutPadded(Low, 19, Buf + Len);
      Len += 19;
    } else {
      Len = PutUnsigned(Low, Buf);
    }
    Exp = Len - 1;
    return true;
  }
  // 124 keeps ten times the fraction inside 128 bits.
  if (Shift < 0 && Shift >= -124) {
    const int K = -Shift;
    const TWide Mask = (static_cast<TWide>(1) << K) - 1;
    TWide Fraction = Mantissa & Mask;
    const std::uint64_t Whole = K < 64 ? Mantissa >> K : 0;
    Len = 0;
    Exp = -1;
    if (Whole != 0) {
      Len = PutUnsigned(Whole, Buf);
      Exp = Len - 1;
    }
    while (Len < Wanted && Fraction != 0) {
      Fraction *= 10;
      const auto Digit = static_cast<int>(Fraction >> K);
      Fraction &= Mask;
      if (Len == 0 && Digit == 0) {
        --Exp;
        continue;
      }
      Buf[Len++] = static_cast<char>('0' + Digit);
    }
    return true;
  }
  return false;
}

// A (finite, > 0) rounded to P significant digits (1..19), exact ties away from zero.
// Outside the exact range the library's correctly rounded digits are used: no value there
// is a tie at 19 digits or fewer, so the tie rule cannot differ.
TDecimal Significant(Extended A, int P) {
  TDecimal R;
  R.Count = P;
  char Buf[48];
  int Len = 0;
  if (ExactDigits(A, P + 1, Buf, Len, R.Exp)) {
    for (int I = 0; I < P; ++I) R.Digits[I] = I < Len ? Buf[I] : '0';
    if (Len > P && Buf[P] >= '5') Increment(R);
    return R;
  }
  const auto Res = std::to_chars(Buf, Buf + sizeof Buf, A, std::chars_format::scientific, P - 1);
  const char* C = Buf;
  for (int I = 0; I < P; ++C) {
    if (*C != '.') R.Digits[I++] = *C;
  }
  while (*C != 'e') ++C;
  ++C;
  if (*C == '+') ++C;
  std::from_chars(C, Res.ptr, R.Exp);
  return R;
}

bool UsableSeparator(std::string_view Sep) {
  return std::none_of(Sep.begin(), Sep.end(), [](char C) {
    return (C >= '0' && C <= '9') || C == '+' || C == '-' || C == 'e' || C == 'E';
  });
}

// A separator that could be mistaken for part of a number falls back to a safe one.
std::string_view DecimalSep(const TFormatSettings& Fs) {
  const std::string_view Sep = Fs.DecimalSeparator;
  return !Sep.empty() && UsableSeparator(Sep) ? Sep : std::string_view(".");
}

std::string_view ThousandSep(const TFormatSettings& Fs) {
  const std::string_view Sep = Fs.ThousandSeparator;
  return UsableSeparator(Sep) && Sep != DecimalSep(Fs) ? Sep : std::string_view();
}

void PutExponent(int Exp, bool PlusSign, int MinDigits, std::string& Out) {
  if (Exp < 0) {
    Out += '-';
  } else if (PlusSign) {
    Out += '+';
  }
  char Buf[12];
  const int Len = PutUnsigned(static_cast<std::uint64_t>(Exp < 0 ? -Exp : Exp), Buf);
  if (Len < MinDigits) Out.append(static_cast<std::size_t>(MinDigits - Len), '0');
  Out.append(Buf, static_cast<std::size_t>(Len));
}

// A magnitude after both roundings of the fixed forms; Wide when more than P digits would
// stand before the point.
struct TFixed {
  TDecimal Value;
  bool Wide = false;
};

TFixed RoundFixed(Extended A, int P, int D) {
  TFixed F;
  if (A == 0) return F;
  F.Value = Significant(A, P);
  TDecimal& R = F.Value;
  if (R.Exp >= P) {
    F.Wide = true;
    return F;
  }
  // The second rounding works on the decimal digits, so 0.99995 first becomes exactly
  // 0.99995000000000 and then 1.0000, whatever its binary neighbour is.
  const int Keep = R.Exp + D + 1;
  if (Keep < R.Count) {
    if (Keep < 0) {
      R.Count = 0;
      return F;
    }
    const bool Up = R.Digits[Keep] >= '5';
    R.Count = Keep;
    if (Up) Increment(R);
  }
  return F;
}

void PutFixed(const TDecimal& R, int D, std::string_view Dec, std::string_view Thousand,
              std::string& Out) {
  if (R.Count == 0 || R.Exp < 0) {
    Out += '0';
  } else {
    for (int I = 0; I <= R.Exp; ++I) {
      Out += I < R.Count ? R.Digits[I] : '0';
      const int Left = R.Exp - I;
      if (Left > 0 && Left % 3 == 0) Out += Thousand;
    }
  }
  if (D == 0) return;
  Out += Dec;
  for (int J = 1; J <= D; ++J) {
    const int I = R.Exp + J;
    Out += R.Count > 0 && I >= 0 && I < R.Count ? R.Digits[I] : '0';
  }
}

std::string FixedForm(Extended V, int P, int D, const TFormatSettings& Fs, bool Grouped) {
  if (!std::isfinite(V)) return {};
  P = std::clamp(P, 2, 18);
  D = std::clamp(D, 0, MaxDecimals);
  const TFixed F = RoundFixed(std::fabs(V), P, D);
  if (F.Wide) return NumberText::General(V, P, Fs);
  std::string Out;
  Out.reserve(32);
  if (V < 0 && F.Value.Count > 0) Out += '-';
  PutFixed(F.Value, D, DecimalSep(Fs), Grouped ? ThousandSep(Fs) : std::string_view(), Out);
  return Out;
}

// The readers allow spaces and tabs around a number.
std::string_view WithoutBlanksAround(std::string_view Text) {
  const auto IsBlank = [](char C) { return C == ' ' || C == '\t'; };
  while (!Text.empty() && IsBlank(Text.front())) Text.remove_prefix(1);
  while (!Text.empty() && IsBlank(Text.back())) Text.remove_suffix(1);
  return Text;
}

bool IsDigit(char C) {
  return C >= '0' && C <= '9';
}

// A halfway point between two neighbouring extended values has at most 11,515 significant
// digits (an odd 65-bit number times 2^-16446). Digits kept beyond that, with a 1 standing in
// for any non-zero digits dropped, round exactly as the whole text does.
constexpr std::size_t MaxReadDigits = 12000;

// Reads a syntax-checked decimal through the library: the digits of IntDigits and FracDigits
// with the point after IntDigits, times 10^Exp. Nothing when the value is out of range.
// std::from_chars is not used: for long double, libstdc++ for Windows (MinGW-w64) reads
// through double and drops 11 of the 64 mantissa bits. strtold reads every digit; the text
// it gets holds no decimal point, so the C locale's separator cannot change the reading, and
// at most MaxReadDigits digits, as some strtold give up on a longer one. Short texts use a
// buffer on the stack.
std::optional<Extended> ReadDecimal(bool Negative, std::string_view IntDigits,
                                    std::string_view FracDigits, std::int64_t Exp) {
  Exp -= static_cast<std::int64_t>(FracDigits.size());
  if (IntDigits.empty()) {
    while (!FracDigits.empty() && FracDigits.front() == '0') FracDigits.remove_prefix(1);
  }
  const std::size_t Count = IntDigits.size() + FracDigits.size();
  const std::size_t Kept = std::min(Count, MaxReadDigits);
  const auto DigitAt = [&](std::size_t I) {
    return I < IntDigits.size() ? IntDigits[I] : FracDigits[I - IntDigits.size()];
  };
  bool Dropped = false;
  for (std::size_t I = Kept; I < Count && !Dropped; ++I) Dropped = DigitAt(I) != '0';
  Exp += static_cast<std::int64_t>(Count - Kept) - (Dropped ? 1 : 0);

  char Stack[160];
  std::string Heap;
  const std::size_t Needed = Kept + 32;
  char* Buf = Stack;
  if (Needed > sizeof Stack) {
    Heap.resize(Needed);
    Buf = Heap.data();
  }
  char* Out = Buf;
  if (Negative) *Out++ = '-';
  if (Kept == 0) *Out++ = '0';
  for (std::size_t I = 0; I < Kept; ++I) *Out++ = DigitAt(I);
  if (Dropped) *Out++ = '1';
  *Out++ = 'e';
  Out = std::to_chars(Out, Buf + Needed - 1, Exp).ptr;
  *Out = '\0';
  char* End = nullptr;
  errno = 0;
  const Extended Value = std::strtold(Buf, &End);
  if (errno == ERANGE || End != Out) return std::nullopt;
  return Value;
}

}  // namespace

namespace NumberText {

std::string General(Extended V, int P, const TFormatSettings& Fs) {
  if (!std::isfinite(V)) return {};
  if (V == 0) return "0";
  P = std::clamp(P, 2, 18);
  TDecimal R = Significant(std::fabs(V), P);
  while (R.Count > 1 && R.Digits[R.Count - 1] == '0') --R.Count;
  const std::string_view Dec = DecimalSep(Fs);
  std::string Out;
  Out.reserve(24);
  if (V < 0) Out += '-';
  if (R.Exp < P && R.Exp >= -4) {
    if (R.Exp >= 0) {
      for (int I = 0; I <= R.Exp; ++I) Out += I < R.Count ? R.Digits[I] : '0';
      if (R.Count > R.Exp + 1) {
        Out += Dec;
        Out.append(R.Digits + R.Exp + 1, static_cast<std::size_t>(R.Count - R.Exp - 1));
      }
    } else {
      Out += '0';
      Out += Dec;
      Out.append(static_cast<std::size_t>(-R.Exp - 1), '0');
      Out.append(R.Digits, static_cast<std::size_t>(R.Count));
    }
    return Out;
  }
  Out += R.Digits[0];
  if (R.Count > 1) {
    Out += Dec;
    Out.append(R.Digits + 1, static_cast<std::size_t>(R.Count - 1));
  }
  Out += 'E';
  PutExponent(R.Exp, false, 1, Out);
  return Out;
}

std::string Scientific(Extended V, int D, const TFormatSettings& Fs, int MinExpDigits) {
  if (!std::isfinite(V)) return {};
  D = std::clamp(D, 0, MaxSignificant - 1);
  TDecimal R;
  if (V != 0) {
    R = Significant(std::fabs(V), D + 1);
  } else {
    R.Count = D + 1;
    std::fill_n(R.Digits, R.Count, '0');
  }
  std::string Out;
  Out.reserve(32);
  if (V < 0) Out += '-';
  Out += R.Digits[0];
  if (D > 0) {
    Out += DecimalSep(Fs);
    Out.append(R.Digits + 1, static_cast<std::size_t>(D));
  }
  Out += 'E';
  PutExponent(R.Exp, true, std::clamp(MinExpDigits, 1, 8), Out);
  return Out;
}

std::string ExponentEntry(Extended V, const TFormatSettings& Fs) {
  return Scientific(V, 13, Fs, 4);
}

std::string Fixed(Extended V, int P, int D, const TFormatSettings& Fs) {
  return FixedForm(V, P, D, Fs, false);
}

std::string Number(Extended V, int P, int D, const TFormatSettings& Fs) {
  return FixedForm(V, P, D, Fs, true);
}

std::string Currency(Extended V, int P, const TFormatSettings& Fs) {
  if (!std::isfinite(V)) return {};
  P = std::clamp(P, 2, 18);
  const int D = std::clamp(Fs.CurrencyDecimals, 0, MaxDecimals);
  const TFixed F = RoundFixed(std::fabs(V), P, D);
  if (F.Wide) return General(V, P, Fs);
  const bool Negative = V < 0 && F.Value.Count > 0;
  const std::string_view Pattern = Negative ? Fs.CurrencyNegative : Fs.CurrencyPositive;
  const std::size_t Hash = Pattern.find('#');
  std::string_view Before = Pattern.substr(0, Hash), After;
  if (Hash == std::string_view::npos) {
    // A pattern without a place for the amount would lose it: show the plain number.
    Before = Negative ? "-" : "";
  } else {
    After = Pattern.substr(Hash + 1);
  }
  std::string Out;
  Out.reserve(32);
  Out += Before;
  PutFixed(F.Value, D, DecimalSep(Fs), ThousandSep(Fs), Out);
  Out += After;
  return Out;
}

std::optional<Extended> ParseHex(std::string_view Text) {
  Text = WithoutBlanksAround(Text);
  const bool Negative = Text.starts_with('-');
  if (Negative) Text.remove_prefix(1);
  if (Text.starts_with("0x") || Text.starts_with("0X"))
    Text.remove_prefix(2);
  else if (Text.starts_with('x') || Text.starts_with('X'))
    Text.remove_prefix(1);
  if (Text.empty()) return std::nullopt;
  std::uint64_t Bits = 0;
  int Significant = 0;
  for (char C : Text) {
    int D = 0;
    if (IsDigit(C))
      D = C - '0';
    else if (C >= 'A' && C <= 'F')
      D = C - 'A' + 10;
    else if (C >= 'a' && C <= 'f')
      D = C - 'a' + 10;
    else
      return std::nullopt;
    if (Significant > 0 || D != 0) ++Significant;
    if (Significant > 16) return std::nullopt;
    Bits = Bits << 4 | static_cast<std::uint64_t>(D);
  }
  if (!Negative) return static_cast<Extended>(static_cast<std::int64_t>(Bits));
  constexpr std::uint64_t SignBit = std::uint64_t{1} << 63;
  if (Bits > SignBit) return std::nullopt;
  return -static_cast<Extended>(Bits);
}

std::string_view DecimalSeparator(const TFormatSettings& Fs) {
  return DecimalSep(Fs);
}

std::string_view ThousandSeparator(const TFormatSettings& Fs) {
  return ThousandSep(Fs);
}

std::optional<std::string> HexDigits(Extended V) {
  // -2^63 - 1 and 2^63 are exact in the 64-bit mantissa, so the test is exact.
  if (!(V > -9223372036854775809.0L && V < 9223372036854775808.0L)) return std::nullopt;
  const auto Bits = static_cast<std::uint64_t>(static_cast<std::int64_t>(V));
  char Buf[16];
  const auto Res = std::to_chars(Buf, Buf + sizeof Buf, Bits, 16);
  std::string Out(Buf, Res.ptr);
  std::transform(Out.begin(), Out.end(), Out.begin(),
                 [](char C) { return C >= 'a' && C <= 'f' ? static_cast<char>(C - 32) : C; });
  return Out;
}

std::optional<Extended> Parse(std::string_view Text, const TFormatSettings& Fs) {
  Text = WithoutBlanksAround(Text);

  std::size_t I = 0;
  const auto Digits = [&] {
    const std::size_t Begin = I;
    while (I < Text.size() && IsDigit(Text[I])) ++I;
    return Text.substr(Begin, I - Begin);
  };
  bool Negative = false;
  if (I < Text.size() && (Text[I] == '+' || Text[I] == '-')) Negative = Text[I++] == '-';
  std::string_view IntDigits = Digits();
  std::string_view FracDigits;
  const std::string_view Dec = DecimalSep(Fs);
  if (Text.substr(I).starts_with(Dec)) {
    I += Dec.size();
    FracDigits = Digits();
  }
  if (IntDigits.empty() && FracDigits.empty()) return std::nullopt;

  std::int64_t Exp = 0;
  if (I < Text.size() && (Text[I] == 'E' || Text[I] == 'e')) {
    ++I;
    bool ExpNegative = false;
    if (I < Text.size() && (Text[I] == '+' || Text[I] == '-')) ExpNegative = Text[I++] == '-';
    const std::string_view ExpDigits = Digits();
    if (ExpDigits.empty()) return std::nullopt;
    for (char C : ExpDigits)
      Exp = std::min<std::int64_t>(Exp * 10 + (C - '0'), 1'000'000'000'000'000);
    if (ExpNegative) Exp = -Exp;
  }
  if (I != Text.size()) return std::nullopt;

  while (!IntDigits.empty() && IntDigits.front() == '0') IntDigits.remove_prefix(1);
  while (!FracDigits.empty() && FracDigits.back() == '0') FracDigits.remove_suffix(1);
  std::size_t LeadingZeros = 0;
  if (IntDigits.empty()) {
    while (LeadingZeros < FracDigits.size() && FracDigits[LeadingZeros] == '0') ++LeadingZeros;
    if (LeadingZeros == FracDigits.size()) return Extended(0);  // no "-0"
  }
  // Beyond this the value is out of range whatever the digits say; the clamp keeps the
  // exponent text short without changing the outcome.
  const auto Limit = static_cast<std::int64_t>(IntDigits.size() + FracDigits.size()) + 10000;
  Exp = std::clamp(Exp, -Limit, Limit);

  if (auto Value = ReadDecimal(Negative, IntDigits, FracDigits, Exp)) return *Value;
  // Out of range: the decimal order tells overflow from underflow.
  const std::int64_t Order = IntDigits.empty() ? Exp - static_cast<std::int64_t>(LeadingZeros)
                                               : Exp + static_cast<std::int64_t>(IntDigits.size());
  if (Order > 0) return std::nullopt;
  // Underflow: read the value 200 decades higher and scale it down into the denormals;
  // anything smaller still becomes 0.
  constexpr int Lift = 200;
  const auto Lifted = ReadDecimal(Negative, IntDigits, FracDigits, Exp + Lift);
  if (!Lifted) return Extended(0);
  const Extended Value = *Lifted * 1e-200L;
  return Value == 0 ? Extended(0) : Value;
}

namespace {

// Parse after taking out every thousands separator.
std::optional<Extended> ParseGrouped(std::string_view Text, const TFormatSettings& Fs) {
  const std::string_view Sep = ThousandSep(Fs);
  if (Sep.empty() || Text.find(Sep) == std::string_view::npos) return Parse(Text, Fs);
  std::string Plain;
  Plain.reserve(Text.size());
  for (std::size_t I = 0; I < Text.size();) {
    if (Text.substr(I).starts_with(Sep)) {
      I += Sep.size();
    } else {
      Plain += Text[I++];
    }
  }
  return Parse(Plain, Fs);
}

// The amount inside Pattern's text around its '#', when Text has that text around it.
std::optional<std::string_view> CurrencyAmount(std::string_view Text, std::string_view Pattern) {
  const std::size_t Hash = Pattern.find('#');
  if (Hash == std::string_view::npos) return std::nullopt;
  const std::string_view Before = Pattern.substr(0, Hash);
  const std::string_view After = Pattern.substr(Hash + 1);
  if (Before.empty() && After.empty()) return std::nullopt;  // the bare amount: no pattern
  if (Text.size() <= Before.size() + After.size() || !Text.starts_with(Before) ||
      !Text.ends_with(After))
    return std::nullopt;
  return Text.substr(Before.size(), Text.size() - Before.size() - After.size());
}

}  // namespace

std::optional<int> ParseWhole(std::string_view Text, int Min, int Max) {
  int Value = 0;
  const char* End = Text.data() + Text.size();
  const auto [Ptr, Error] = std::from_chars(Text.data(), End, Value);
  if (Text.empty() || Error != std::errc() || Ptr != End || Value < Min || Value > Max)
    return std::nullopt;
  return Value;
}

std::optional<Extended> ParseFormatted(std::string_view Text, const TFormatSettings& Fs) {
  Text = WithoutBlanksAround(Text);
  if (const auto Amount = CurrencyAmount(Text, Fs.CurrencyNegative)) {
    if (const auto V = ParseGrouped(*Amount, Fs)) return *V == 0 ? *V : -*V;  // no "-0"
  }
  if (const auto Amount = CurrencyAmount(Text, Fs.CurrencyPositive)) {
    if (const auto V = ParseGrouped(*Amount, Fs)) return V;
  }
  return ParseGrouped(Text, Fs);
}

}  // namespace NumberText
