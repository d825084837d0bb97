// The remembered notes: what a confirmed note does to the list and what it writes.
#include <gtest/gtest.h>

#include "NoteList.h"
#include "Utf8Text.h"

namespace {

using TItems = std::vector<std::string>;

const TItems Ten = {"n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8", "n9", "n10"};

TNoteList ListOf(const TItems& Items) {
  TNoteTexts Notes;
  std::copy(Items.begin(), Items.end(), Notes.begin());
  return TNoteList(Notes);
}

TEST(NoteList, FromAndToTheSettingsTexts) {
  const TNoteList List({"Rent", "", "Food", "", "", "Rent", "", "", "", "Fuel"});
  EXPECT_EQ(List.Items(), (TItems{"Rent", "Food", "Fuel"}));
  EXPECT_EQ(List.ToNotes(), (TNoteTexts{"Rent", "Food", "Fuel"}));
  EXPECT_EQ(TNoteList().ToNotes(), TNoteTexts{});
  EXPECT_EQ(ListOf(Ten).ToNotes(),
            (TNoteTexts{"n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8", "n9", "n10"}));
}

TEST(NoteList, Accept) {
  struct {
    const char* Name;
    TItems Before;
    std::string Typed;
    std::optional<std::string> Note;
    TItems After;
  } const Cases[] = {
      {"empty", {"Rent", "Food"}, "", std::nullopt, {"Rent", "Food"}},
      {"blanks", {"Rent", "Food"}, " \t  ", std::nullopt, {"Rent", "Food"}},
      {"control characters", {"Rent"}, "\x01\r\n\x7F", std::nullopt, {"Rent"}},
      {"same case moves up", {"Rent", "Food"}, "Food", "Food", {"Food", "Rent"}},
      {"match at the top", {"Rent", "Food"}, "Rent", "Rent", {"Rent", "Food"}},
      {"match with blanks is the remembered text",
       {"Rent", "Food"},
       "  Food\t",
       "Food",
       {"Food", "Rent"}},
      {"other case is new", {"Rent", "Food"}, "food", "food", {"food", "Rent", "Food"}},
      {"new keeps its blanks", {"Rent"}, " Fuel  ", " Fuel  ", {"Fuel", "Rent"}},
      {"inner blanks stay", {}, "Car  tax", "Car  tax", {"Car  tax"}},
      {"Unicode blanks", {}, "\u00A0Caf\u00E9\u3000", "\u00A0Caf\u00E9\u3000", {"Caf\u00E9"}},
      {"eleventh pushes the oldest out",
       Ten,
       "n11",
       "n11",
       {"n11", "n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8", "n9"}},
      {"match in a full list",
       Ten,
       "n10",
       "n10",
       {"n10", "n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8", "n9"}},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TNoteList List = ListOf(Case.Before);
    EXPECT_EQ(List.Accept(Case.Typed), Case.Note);
    EXPECT_EQ(List.Items(), Case.After);
  }
}

TEST(Utf8Text, TrimmedLeavesBrokenUtf8AsText) {
  struct {
    std::string Text, Want;
  } const Cases[] = {
      {"\u2003x\u00A0", "x"},   {"\xFF ", "\xFF"},
      {" ab\xC2", "ab\xC2"},    {"\xC2\x85x\xC2\x9F", "x"},  // C1 control characters
      {"\xE3\x80", "\xE3\x80"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Want);
    EXPECT_EQ(Utf8Text::Trimmed(Case.Text), Case.Want);
  }
}

}  // namespace
