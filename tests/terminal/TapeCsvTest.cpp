// The tape as CSV: kinds, quoting, formula-safe text and the plain value of each line.
#include <gtest/gtest.h>

#include "TapeCodes.h"
#include "TapeCsv.h"

namespace {

const TFormatSettings Us{".", ",", "$#", "($#)", 2};
const TFormatSettings German{",", ".", "#\u00a0€", "-#\u00a0€", 2};

TEST(TapeCsv, ValuesOfTapeLines) {
  struct TCase {
    const char* Text;
    const TFormatSettings& Format;
    const char* Value;
  };
  const TCase Cases[] = {
      {"  2", Us, "2"},
      {"+ 3", Us, "3"},
      {"- 7", Us, "7"},
      {"= -12", Us, "-12"},
      {"= 1,234.5", Us, "1234.5"},
      {"  $1,234.50", Us, "1234.50"},
      {"= ($5.00)", Us, "-5.00"},
      {"+ Sqrt($2.00)", Us, "2.00"},
      {"[Sqrt($2.00) = $1.41]", Us, "1.41"},
      {"[Sqrt(($2.00)) = $1.41]", Us, "1.41"},
      {"^ 1/ $3.00", Us, "3.00"},
      {"  100 +Tax", Us, "100"},
      {"[100 +10% Tax = 110]", Us, "110"},
      {"{= 110}", Us, "110"},
      {"  Sin(9°)", Us, "9"},
      {"= 1.5E-7", Us, "1.5E-7"},
      {"= 1.2345E+3", Us, "1.2345E+3"},
      {"= -1.5E+300", Us, "-1.5E+300"},
      {"= 1.234,5", German, "1234.5"},
      {"= -5,00\u00a0€", German, "-5.00"},
      {"- 5,00\u00a0€", German, "5.00"},
      {"------------", Us, ""},
      {"Cannot Divide by Zero", Us, ""},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(TapeCsv::LineValue(Case.Text, Case.Format), Case.Value);
  }
}

TEST(TapeCsv, Rows) {
  struct TCase {
    std::int32_t Attr;
    const char* Text;
    const char* Row;
  };
  const TCase Cases[] = {
      {TapeAttr::Entry, "  2", "entry,  2,2\r\n"},
      {TapeAttr::Entry, "+ 3", "entry,'+ 3,3\r\n"},
      {TapeAttr::Entry, "- 1,234.5", "entry,\"'- 1,234.5\",1234.5\r\n"},
      {TapeAttr::Total, "= -12", "total,'= -12,-12\r\n"},
      {TapeAttr::SubTotal, "{= 110}", "subtotal,{= 110},110\r\n"},
      {TapeAttr::Expanded, "[100 +10% \"T\" = 110]",
       "expanded,\"[100 +10% \"\"T\"\" = 110]\",110\r\n"},
      {TapeAttr::Error, "Cannot Divide by Zero", "error,Cannot Divide by Zero,\r\n"},
      {TapeAttr::Entry, "------------", "separator,'------------,\r\n"},
      {TapeAttr::Entry, "@SUM(1)", "entry,'@SUM(1),1\r\n"},
  };
  EXPECT_EQ(TapeCsv::Header(), "kind,text,value\r\n");
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(TapeCsv::Row(Case.Attr, Case.Text, Us), Case.Row);
  }
}

TEST(TapeCsv, Fields) {
  struct TCase {
    const char* Text;
    bool Guard;
    const char* Field;
  };
  const TCase Cases[] = {
      {"plain", true, "plain"},
      {"a,b", true, "\"a,b\""},
      {"say \"hi\"", true, "\"say \"\"hi\"\"\""},
      {"two\nlines", true, "\"two\nlines\""},
      {"=1+2", true, "'=1+2"},
      {"=1+2", false, "=1+2"},
      {"\tx", true, "'\tx"},
      {"\rx", true, "\"'\rx\""},
      {"", true, ""},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(TapeCsv::Field(Case.Text, Case.Guard), Case.Field);
  }
}

}  // namespace
