// How each tape line and each note looks.
#include <gtest/gtest.h>

#include <string>

#include "TapeLineStyle.h"

namespace {

constexpr TColor Blue = 0xFF0000;
constexpr TColor Green = 0x008000;

TEST(TapeLineStyle, ByAttributeAndTotalsSettings) {
  struct {
    const char* Name;
    std::int32_t Attr;
    bool Negative = false;
    bool Bold = true, Under = true, Red = false;
    const char* ExpandColor = "clBlue";
    const char* SubColor = "clGreen";
    TTapeLineStyle Want;
  } const Cases[] = {
      {.Name = "entry", .Attr = 1, .Want = {clWindowText}},
      {.Name = "negative entry with red on",
       .Attr = 1,
       .Negative = true,
       .Red = true,
       .Want = {clWindowText}},
      {.Name = "expanded operator", .Attr = 2, .Want = {Blue}},
      {.Name = "expanded operator, own colour",
       .Attr = 2,
       .ExpandColor = "$00123456",
       .Want = {0x123456}},
      {.Name = "expanded operator, unreadable colour",
       .Attr = 2,
       .ExpandColor = "bluish",
       .Want = {Blue}},
      {.Name = "subtotal", .Attr = 3, .Want = {Green}},
      {.Name = "subtotal, own colour", .Attr = 3, .SubColor = "clPurple", .Want = {0x800080}},
      {.Name = "subtotal, unreadable colour", .Attr = 3, .SubColor = "", .Want = {Green}},
      {.Name = "total", .Attr = 4, .Want = {clWindowText, true, false, true}},
      {.Name = "negative total, red off",
       .Attr = 4,
       .Negative = true,
       .Want = {clWindowText, true, false, true}},
      {.Name = "negative total, red on",
       .Attr = 4,
       .Negative = true,
       .Red = true,
       .Want = {clRed, true, false, true}},
      {.Name = "positive total, red on",
       .Attr = 4,
       .Red = true,
       .Want = {clWindowText, true, false, true}},
      {.Name = "total, bold only", .Attr = 4, .Under = false, .Want = {clWindowText, true}},
      {.Name = "total, underline only",
       .Attr = 4,
       .Bold = false,
       .Want = {clWindowText, false, false, true}},
      {.Name = "total, plain", .Attr = 4, .Bold = false, .Under = false, .Want = {clWindowText}},
      {.Name = "negative total, plain but red",
       .Attr = 4,
       .Negative = true,
       .Bold = false,
       .Under = false,
       .Red = true,
       .Want = {clRed}},
      {.Name = "error", .Attr = 5, .Want = {clRed}},
      {.Name = "unknown code 0", .Attr = 0, .Negative = true, .Red = true, .Want = {clWindowText}},
      {.Name = "unknown code 6", .Attr = 6, .Want = {clWindowText}},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TCalcSettings Settings;
    Settings.TotalsBold = Case.Bold;
    Settings.TotalsUnder = Case.Under;
    Settings.TotalsRed = Case.Red;
    Settings.ExpandOperColor = Case.ExpandColor;
    Settings.SubTotalsColor = Case.SubColor;
    EXPECT_EQ(TapeLineStyle(Case.Attr, Case.Negative, Settings), Case.Want);
  }
}

TEST(TapeLineStyle, Annotations) {
  struct {
    const char* Color;
    bool Italics, Under;
    TTapeLineStyle Want;
  } const Cases[] = {
      {"clBlue", false, false, {Blue}},
      {"clMaroon", true, false, {0x000080, false, true, false}},
      {"$00ABCDEF", false, true, {0xABCDEF, false, false, true}},
      {"-2147483640", true, true, {clWindowText, false, true, true}},
      {"no colour", false, false, {Blue}},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Color);
    TCalcSettings Settings;
    Settings.AnnotColor = Case.Color;
    Settings.AnnotItalics = Case.Italics;
    Settings.AnnotUnder = Case.Under;
    EXPECT_EQ(AnnotationStyle(Settings), Case.Want);
  }
}

// Every property is set either way, so a plain line after a bold total stays plain.
}  // namespace
