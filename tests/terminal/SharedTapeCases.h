// Calculations typed as veltrona-tape's words and the tape they print. The terminal program's
// tests run them through the program, the window's tests type the same keys into the window:
// both must print these very lines.
#pragma once

#include <string>
#include <vector>

struct TSharedTapeCase {
  const char* Words;
  std::vector<std::string> Tape;
  const char* Error = nullptr;  // the error box the window shows; the program ends with 1
};

inline const std::vector<TSharedTapeCase>& SharedTapeCases() {
  static const std::vector<TSharedTapeCase> Cases = {
      {"2 + 3 * 4 =", {"  2", "+ 3", "* 4", "= 14"}},
      {"12.5 + 7.25 x 2 =", {"  12.5", "+ 7.25", "* 2", "= 27"}},
      {"9 Sqrt + 4 =", {"  Sqrt(9)", "[Sqrt(9) = 3]", "{= 3}", "+ 4", "= 7"}},
      {"100 +tax =", {"  100 +Tax", "[100 +10% Tax = 110]", "{= 110}", "= 110"}},
      {"200 + 10 % =", {"  200", "+ 10%", "= 220"}},
      {"5 + -7 =", {"  5", "+ -7", "= -2"}},
      {"1.5e3 + 2.5e-1 =", {"  1500", "+ 0.25", "= 1500.25"}},
      {"2 ^ 10 - 1 / 4 =", {"  2", "^ 10", "{= 1024}", "- 1", "/ 4", "= 1023.75"}},
      {"30 Sin x 2 =", {"  Sin(30°)", "[Sin(30°) = 0.5]", "{= 0.5}", "* 2", "= 1"}},
      {"5 min c mr + 1 =", {"------------", "  5", "+ 1", "= 6"}},
      {"2 + 3 bck 4 = 7 ce 8 =", {"  2", "+ 4", "= 6", "------------", "  8", "= 8"}},
      {"1 / 0 =", {"Cannot Divide by Zero", "  1", "/ 0", "= 0"}, "Cannot Divide by Zero"},
  };
  return Cases;
}
