#include "TapeLineStyle.h"

TTapeLineStyle TapeLineStyle(std::int32_t TapeAttr, bool IsNegative,
                             const TCalcSettings& Settings) {
  TTapeLineStyle Style;
  switch (TapeAttr) {
    case 2:
      Style.Color =
          ColorText::ParseOr(Settings.ExpandOperColor, TCalcSettings::DefaultExpandOperColor);
      break;
    case 3:
      Style.Color =
          ColorText::ParseOr(Settings.SubTotalsColor, TCalcSettings::DefaultSubTotalsColor);
      break;
    case 4:
      if (Settings.TotalsRed && IsNegative) Style.Color = clRed;
      Style.Bold = Settings.TotalsBold;
      Style.Underline = Settings.TotalsUnder;
      break;
    case 5:
      Style.Color = clRed;
      break;
    default:
      break;
  }
  return Style;
}

TTapeLineStyle AnnotationStyle(const TCalcSettings& Settings) {
  TTapeLineStyle Style;
  Style.Color = ColorText::ParseOr(Settings.AnnotColor, TCalcSettings::DefaultAnnotColor);
  Style.Italic = Settings.AnnotItalics;
  Style.Underline = Settings.AnnotUnder;
  return Style;
}
