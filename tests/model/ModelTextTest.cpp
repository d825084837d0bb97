// The engine's and the model's texts reach the person through the front-end's translation:
// every text asked for is one of the table's, and each arrives translated where it is shown.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "ModelFixture.h"
#include "ModelText.h"
#include "StatusTexts.h"

namespace {

using TLines = std::vector<std::string>;

// A translation that marks every text and remembers which were asked for.
std::set<std::string> Asked;
std::string Marked(const char* English) {
  Asked.insert(English);
  return "<" + std::string(English) + ">";
}

class ModelTextTest : public ModelTest {
 protected:
  void SetUp() override {
    Asked.clear();
    ModelText::SetTranslate(&Marked);
  }
  void TearDown() override { ModelText::SetTranslate(nullptr); }
};

TEST(ModelText, ArgReplacesEachPlaceOnce) {
  using ModelText::Arg;
  EXPECT_EQ(Arg("%1 and %2", {"1, 2", "3"}), "1, 2 and 3");
  EXPECT_EQ(Arg("%2 before %1", {"a", "b"}), "b before a");
  EXPECT_EQ(Arg("%1", {"%2"}), "%2") << "a value is never replaced itself";
  EXPECT_EQ(Arg("100% of %3", {"x"}), "100% of %3") << "a place without a value stays";
}

// Without a translation every text is the English source, as the tests of the model expect.
TEST(ModelText, WithoutATranslationTheTextsAreEnglish) {
  EXPECT_EQ(ModelText::Tr("Invalid Number"), "Invalid Number");
  const TStatusTexts Texts = MakeStatusTexts({}, TFormatSettings{});
  EXPECT_EQ(Texts.Precedence, "Arithmetic");
}

TEST_F(ModelTextTest, ErrorsTapeWordsAndStatusTextsAreTranslated) {
  Press("5 / 0 =");
  ASSERT_EQ(View.Errors, TLines{"<Cannot Divide by Zero>"});
  EXPECT_EQ(View.Tape.front().Text, "<Cannot Divide by Zero>");

  View.Clear();
  Press("C Rad 1 Sin =");
  EXPECT_NE(View.TapeText().find("1<rd>"), std::string::npos) << View.TapeText();

  Model.Paste("1\nabc\n3\nx\n");
  EXPECT_EQ(View.Errors.back(),
            "<Lines <2 and 4> of the pasted text are not numbers; nothing was entered.>");

  TStatusInputs In;
  In.DumbMath = true;
  In.TapeFormatMode = 4;
  In.Memory = 2;
  const TStatusTexts Texts = MakeStatusTexts(In, TFormatSettings{});
  EXPECT_EQ(Texts.Precedence, "<As Entered>");
  EXPECT_EQ(Texts.TapeFormat, "<Fixed (4)>");
  EXPECT_EQ(Texts.Memory, "<Mem:2>");
  EXPECT_EQ(TapeFormatHint(2), "<Tape Format:<Scientific>>");
  EXPECT_EQ(MemoryHint(0, false, TFormatSettings{}), "<No Number in Memory>");

  // Every text asked for is in the table, so that lupdate lists it for the translators.
  const auto Table = ModelText::Texts();
  for (const std::string& Text : Asked)
    EXPECT_NE(std::find(Table.begin(), Table.end(), Text), Table.end()) << Text;
}

}  // namespace
