// TNumberEntry is the number being typed: digits, the decimal point, the exponent and its sign,
// Backspace, and the flags that say whether a number is being typed and whether the next digit
// starts a new one. The calculator model owns one and decides what the display shows of it;
// the radix comes from the model's number base with each digit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "NumberText.h"

// A value as its sign, its 64-bit mantissa and its binary exponent ("-13835058055282163712p4"),
// which every standard library reads back to the same bits; and its reading, nothing for a
// text that is not one or a value that is not finite.
std::string ExactText(Extended Value);
std::optional<Extended> ReadExact(const std::string& Text);

class TNumberEntry {
 public:
  Extended Entry() const { return fEntry; }
  bool Entering() const { return fEntering; }  // started and not yet handed to the engine
  bool StartNew() const { return fStartNew; }  // the next digit starts a new number
  bool ExpEntry() const { return fExpEntry; }  // the exponent is being typed
  bool FromMem() const { return fFromMem; }
  std::int32_t DecimalCount() const { return fDecimalCount; }  // 0: no point; n: n - 1 decimals
  std::int32_t ShownDecimals() const { return fShownDecimals; }

  // One more digit of the mantissa: ten digits before the point and nine after it at most;
  // further digits are ignored.
  void AppendDigit(int D, int Radix);

  // One more digit of the exponent. False when the number would leave the range of Extended:
  // the entry is then reset and holds 0.
  bool AppendExponentDigit(int D, int Radix, const TFormatSettings& Fs);

  // The decimal point; false when this number already has one.
  bool AddPoint();

  // The exponent key: the exponent starts at +0 (the caller gives a mantissa of 1 first when
  // there is none).
  void BeginExponent();

  // Flips the exponent's sign; false, with the number left as it was, when the result would
  // leave the range of Extended.
  bool ToggleExponentSign(const TFormatSettings& Fs);

  // The sign key while typing: the number is negated and the next digit starts a new one.
  void Negate();

  // Removes the last character of ShownText, the number as the display shows it, and reads
  // the rest; in hexadecimal the last hexadecimal digit goes. False, with nothing changed,
  // when no number is being typed.
  bool BackSpace(std::string_view ShownText, bool HexMode, const TFormatSettings& Fs);

  // A number that arrives whole (pi, memory recall, a paste, a picked number): it stands as if
  // typed, and the next digit replaces it.
  void ArriveWhole(Extended Value);

  // A number picked on the tape to be corrected: as a whole number, and the exponent entry
  // ends.
  void Pick(Extended Value);

  // CE: 0 stands as if typed, so the next operator enters it.
  void ClearToZero();

  // After Min, M+ and MC: the next digit starts a new number and the exponent entry ends.
  void EndNumber();

  // The number has gone to the engine with an operator.
  void HandedOver();

  // Back to no number being typed; StartNew and ShownDecimals stay as they are.
  void ResetEntryState();

  // The whole state as one line of text, exactly (the in-progress record keeps it, so that a
  // kill loses no key), and that line read back; false, with nothing changed, for a line that
  // is not such a state.
  std::string Saved() const;
  bool Restore(std::string_view Line);

 private:
  void StartIfNew();

  Extended fEntry = 0;
  bool fEntering = false;
  bool fStartNew = true;
  std::int32_t fDecimalCount = 0;
  std::int32_t fShownDecimals = 0;
  bool fExpEntry = false;
  Extended fExpValue = 0;
  std::int32_t fExpSign = 1;
  bool fFromMem = false;  // no key enters a number from memory, so the engine always gets false
};
