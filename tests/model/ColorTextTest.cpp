// Colour texts both ways.
#include <gtest/gtest.h>

#include <optional>

#include "ColorText.h"

namespace {

TEST(ColorText, NamesBothWays) {
  struct {
    const char* Name;
    TColor Value;
  } const Cases[] = {
      {"clBlack", 0x000000},        {"clMaroon", 0x000080},      {"clGreen", 0x008000},
      {"clOlive", 0x008080},        {"clNavy", 0x800000},        {"clPurple", 0x800080},
      {"clTeal", 0x808000},         {"clGray", 0x808080},        {"clSilver", 0xC0C0C0},
      {"clRed", 0x0000FF},          {"clLime", 0x00FF00},        {"clYellow", 0x00FFFF},
      {"clBlue", 0xFF0000},         {"clFuchsia", 0xFF00FF},     {"clAqua", 0xFFFF00},
      {"clWhite", 0xFFFFFF},        {"clScrollBar", 0x80000000}, {"clWindow", 0x80000005},
      {"clWindowText", 0x80000008}, {"clHighlight", 0x8000000D}, {"clBtnFace", 0x8000000F},
      {"clGrayText", 0x80000011},   {"clInfoBk", 0x80000018},    {"clHotLight", 0x8000001A},
      {"clMenuBar", 0x8000001E},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    EXPECT_EQ(ColorText::Parse(Case.Name), Case.Value);
    EXPECT_EQ(ColorText::Format(Case.Value), Case.Name);
  }
  EXPECT_EQ(clWindowText, *ColorText::Parse("clWindowText"));
  EXPECT_EQ(clRed, *ColorText::Parse("clRed"));
}

TEST(ColorText, OtherTexts) {
  struct {
    const char* Text;
    std::optional<TColor> Value;
  } const Cases[] = {
      {"$00FF8040", 0xFF8040},
      {"$FF", 0xFF},
      {"$ff", 0xFF},
      {"$80000008", 0x80000008},
      {"$00000000FF", 0xFF},
      {"$FFFFFFFF", 0xFFFFFFFF},
      {"$100000000", std::nullopt},
      {"$", std::nullopt},
      {"$-1", std::nullopt},
      {"$+1", std::nullopt},
      {"$12G4", std::nullopt},
      {"0x10", std::nullopt},
      {"255", 255},
      {"+255", 255},
      {"0", 0},
      {"-0", 0},
      {"-2147483640", 0x80000008},  // clWindowText as a signed number
      {"-2147483648", 0x80000000},
      {"-2147483649", std::nullopt},
      {"-1", 0xFFFFFFFF},
      {"4294967295", 0xFFFFFFFF},
      {"4294967296", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"--1", std::nullopt},
      {"+-1", std::nullopt},
      {"1.5", std::nullopt},
      {"12abc", std::nullopt},
      {" clBlue\t", 0xFF0000},
      {"CLBLUE", 0xFF0000},
      {"clwindowtext", 0x80000008},
      {"clBlueish", std::nullopt},
      {"Blue", std::nullopt},
      {"cl Blue", std::nullopt},
      {"", std::nullopt},
      {"  ", std::nullopt},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(ColorText::Parse(Case.Text), Case.Value);
  }
}

TEST(ColorText, UnnamedValuesAsHexText) {
  struct {
    TColor Value;
    const char* Text;
  } const Cases[] = {
      {0x123456, "$00123456"},   {0xABCDEF, "$00ABCDEF"},
      {0x80000019, "$80000019"},  // a system colour index without a name
      {0x8000001F, "$8000001F"}, {0xFFFFFFFF, "$FFFFFFFF"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(ColorText::Format(Case.Value), Case.Text);
    EXPECT_EQ(ColorText::Parse(Case.Text), Case.Value);
  }
}

TEST(ColorText, FallsBackToTheDefaultText) {
  struct {
    const char* Text;
    const char* DefaultText;
    TColor Value;
  } const Cases[] = {
      {"clRed", "clBlue", 0x0000FF},        {"$00123456", "clBlue", 0x123456},
      {"garbage", "clGreen", 0x008000},     {"", "clBlue", 0xFF0000},
      {"garbage", "garbage", clWindowText},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(ColorText::ParseOr(Case.Text, Case.DefaultText), Case.Value);
  }
}

}  // namespace
