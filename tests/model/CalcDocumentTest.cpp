// The calculation a tape document keeps, checked on an engine of its own: its settings decide
// what it works out to, a recorded total that does not come out again is refused, entries that
// no keys could have made are refused, and the display's record must fit the calculation.
#include <gtest/gtest.h>

#include "CalcDocument.h"
#include "NumberEntry.h"

namespace {

TDocCalculation Calc(std::vector<TDocEntry> Entries, TDocSettings Settings = {}) {
  TDocCalculation C;
  C.Entries = std::move(Entries);
  C.Settings = std::move(Settings);
  return C;
}

TEST(CalcDocument, ACalculationWorksOutWithItsOwnSettings) {
  TDocSettings AsEntered;
  AsEntered.AsEntered = true;
  TDocSettings Tax;
  Tax.TaxRate = 0.25;
  TDocSettings Radians;
  Radians.AngleUnit = 2;
  const struct {
    const char* Name;
    TDocCalculation Calc;
    Extended Total;
    bool Failed;
  } Cases[] = {
      {"precedence",
       Calc({{sceStart, true, 2}, {sceAdd, true, 3}, {sceTimes, true, 4}, {sceEquals}}), 14, false},
      {"as entered",
       Calc({{sceStart, true, 2}, {sceAdd, true, 3}, {sceTimes, true, 4}, {sceEquals}}, AsEntered),
       20, false},
      {"tax rate", Calc({{sceStart, true, 100}, {scePlusTax}, {sceEquals}}, Tax), 125, false},
      {"angle unit", Calc({{sceStart, true, 0}, {sceCos}, {sceEquals}}, Radians), 1, false},
      {"a failure", Calc({{sceStart, true, 5}, {sceDivide, true, 0}, {sceEquals}}), 0, true},
      {"still open", Calc({{sceStart, true, 7}, {sceAdd}}), 7, false},
      {"empty", Calc({}), 0, false},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const std::optional<TDocCalculation> Done = CalcDocument::WorkedOut(Case.Calc);
    ASSERT_TRUE(Done.has_value());
    EXPECT_EQ(Done->Total, Case.Total);
    EXPECT_EQ(Done->Failed, Case.Failed);
    EXPECT_TRUE(CalcDocument::ReplaysAsRecorded(*Done));
    TDocCalculation Altered = *Done;
    Altered.Total += 1;
    EXPECT_EQ(CalcDocument::ReplaysAsRecorded(Altered), Case.Failed) << "a failure has no total";
    Altered = *Done;
    Altered.Failed = !Altered.Failed;
    EXPECT_FALSE(CalcDocument::ReplaysAsRecorded(Altered));
  }
}

TEST(CalcDocument, EntriesNoKeysCouldMakeAreRefused) {
  std::vector<TDocEntry> TooMany{{sceStart, true, 1}};
  for (int N = 1; N < 100; ++N) TooMany.push_back({sceAdd, true, 1});
  const std::vector<TDocEntry> Cases[] = {
      {{sceAdd, true, 1}},                                     // no opening number
      {{sceStart, false, 0}, {sceAdd, true, 1}},               // an opening without its number
      {{sceStart, true, 1}, {sceStart, true, 2}},              // two openings
      {{sceStart, true, 1}, {sceSqrt, true, 4}, {sceEquals}},  // a number where none fits
      {{sceStart, true, 1}, {sceAngle, true, 4}},              // a code no key sends
      TooMany,
  };
  for (const auto& Entries : Cases)
    EXPECT_FALSE(CalcDocument::WorkedOut(Calc(Entries)).has_value()) << Entries.size();
}

TEST(CalcDocument, TheDisplaysRecordMustFitTheCalculation) {
  const TDocCalculation Sum =
      *CalcDocument::WorkedOut(Calc({{sceStart, true, 12}, {sceAdd, true, 30}, {sceEquals}}));
  TNumberEntry Typed;
  Typed.AppendDigit(4, 10);
  const std::string Entry = Typed.Saved();
  EXPECT_TRUE(CalcDocument::InputFits({"42", 42, "", 0}, Sum));
  EXPECT_TRUE(CalcDocument::InputFits({"4", 4, Entry, 2}, Sum));
  EXPECT_FALSE(CalcDocument::InputFits({"4", 4, Entry, 3}, Sum));  // "=" holds no number
  EXPECT_FALSE(CalcDocument::InputFits({"4", 4, Entry, 4}, Sum));
  EXPECT_FALSE(CalcDocument::InputFits({"4", 4, "", 1}, Sum));  // a pick without its entry
  EXPECT_FALSE(CalcDocument::InputFits({"4", 4, "4 1 1", 0}, Sum));
  EXPECT_FALSE(CalcDocument::InputFits({std::string(300, '9'), 4, "", 0}, Sum));
}

}  // namespace
