#include "TapeWriter.h"

#include <cstdio>

#include "TapeCodes.h"
#include "TapeLineStyle.h"
#include "TapeWriters.h"
#include "Utf8Text.h"

namespace {

// The sixteen plain colours by their ANSI codes; other plain colours in 24-bit form, and the
// desktop's system colours (the window-text colour above all) as the terminal's own.
std::string ColorCode(TColor Color) {
  static constexpr struct {
    TColor Color;
    int Code;
  } Plain[] = {{0x000000, 30}, {0x000080, 31}, {0x008000, 32}, {0x008080, 33},
               {0x800000, 34}, {0x800080, 35}, {0x808000, 36}, {0xC0C0C0, 37},
               {0x808080, 90}, {0x0000FF, 91}, {0x00FF00, 92}, {0x00FFFF, 93},
               {0xFF0000, 94}, {0xFF00FF, 95}, {0xFFFF00, 96}, {0xFFFFFF, 97}};
  if (ColorText::IsSystemColor(Color)) return {};
  for (const auto& P : Plain) {
    if (P.Color == Color) return std::to_string(P.Code);
  }
  char Code[24];
  std::snprintf(Code, sizeof Code, "38;2;%u;%u;%u", Color & 0xFF, (Color >> 8) & 0xFF,
                (Color >> 16) & 0xFF);
  return Code;
}

// A line's record in its look on white paper: a plain colour as it is, the desktop's colours
// (its text colour above all) black.
TTapeLine PaperLine(const std::string& Text, std::int32_t TapeAttr, bool IsNegative,
                    const TTapeLineForm& Form, const TCalcSettings& Settings) {
  const TTapeLineStyle Style = TapeLineStyle(TapeAttr, IsNegative, Settings);
  const TColor Color = ColorText::IsSystemColor(Style.Color) ? 0 : Style.Color;
  const std::uint32_t Rgb = (Color & 0xFF) << 16 | (Color & 0xFF00) | (Color >> 16 & 0xFF);
  return {Text, TapeLineKind(TapeAttr, Text), Rgb, Style.Bold, Style.Italic, Style.Underline, Form};
}

}  // namespace

TTapeWriter::TTapeWriter(std::ostream& Out, std::ostream& Err, TTapeOutput Output, int Width,
                         const TCalcSettings& Settings, const TFormatSettings& Format)
    : fOut(Out), fErr(Err), fOutput(Output), fWidth(Width), fSettings(Settings), fFormat(Format) {
  // Standard output is read by other programs too: no byte order mark.
  if (fOutput == TTapeOutput::Csv) fOut << TapeCsvHeader(false);
}

void TTapeWriter::ShowDisplayText(const std::string&) {
  // The prompt of an interactive run shows the display; nothing else does.
}

void TTapeWriter::SelectTapeRange(std::int32_t, std::int32_t) {
  // Nothing is picked on a terminal's tape.
}

std::string TTapeWriter::StyleCodes(std::int32_t TapeAttr, bool IsNegative) const {
  const TTapeLineStyle Style = TapeLineStyle(TapeAttr, IsNegative, fSettings);
  std::string Codes;
  const auto Add = [&](const std::string& Code) {
    if (Code.empty()) return;
    if (!Codes.empty()) Codes += ';';
    Codes += Code;
  };
  if (Style.Bold) Add("1");
  if (Style.Italic) Add("3");
  if (Style.Underline) Add("4");
  Add(ColorCode(Style.Color));
  return Codes;
}

void TTapeWriter::AppendTapeLine(const std::string& Text, std::int32_t TapeAttr, bool IsNegative,
                                 const TTapeLineForm& Form) {
  const std::int32_t Characters = Utf8Text::CharCount(Text);
  fTapeLength += Characters + 1;
  fLastErrorLine.clear();
  if (TapeAttr == TapeAttr::Error) {
    fSawError = true;
    fLastErrorLine = Text;
  }
  if (fKeepLines) fLines.push_back(PaperLine(Text, TapeAttr, IsNegative, Form, fSettings));
  if (fOutput == TTapeOutput::Csv) {
    TTapeLine Line;
    Line.Text = Text;
    Line.Kind = TapeLineKind(TapeAttr, Text);
    Line.Form = Form;
    fOut << TapeCsvRow(Line, fFormat);
    return;
  }
  if (Characters < fWidth) fOut << std::string(static_cast<std::size_t>(fWidth - Characters), ' ');
  const std::string Codes =
      fOutput == TTapeOutput::Styled ? StyleCodes(TapeAttr, IsNegative) : std::string();
  if (Codes.empty())
    fOut << Text << '\n';
  else
    fOut << "\x1b[" << Codes << 'm' << Text << "\x1b[0m\n";
}

void TTapeWriter::WriteLine(const TTapeLine& Line) {
  const std::int32_t Characters = Utf8Text::CharCount(Line.Text);
  fTapeLength += Characters + 1;
  if (fKeepLines) fLines.push_back(Line);
  if (fOutput == TTapeOutput::Csv) {
    fOut << TapeCsvRow(Line, fFormat);
    return;
  }
  if (Characters < fWidth) fOut << std::string(static_cast<std::size_t>(fWidth - Characters), ' ');
  std::string Codes;
  if (fOutput == TTapeOutput::Styled) {
    const auto Add = [&](const std::string& Code) {
      if (Code.empty()) return;
      if (!Codes.empty()) Codes += ';';
      Codes += Code;
    };
    if (Line.Bold) Add("1");
    if (Line.Italic) Add("3");
    if (Line.Underline) Add("4");
    // Black on paper is the terminal's own text colour.
    const std::uint32_t Rgb = Line.Rgb;
    if (Rgb != 0) Add(ColorCode((Rgb & 0xFF) << 16 | (Rgb & 0xFF00) | (Rgb >> 16 & 0xFF)));
  }
  if (Codes.empty())
    fOut << Line.Text << '\n';
  else
    fOut << "\x1b[" << Codes << 'm' << Line.Text << "\x1b[0m\n";
}

void TTapeWriter::ShowErrorMessage(const std::string& Text) {
  fSawError = true;
  // The engine's errors reach the tape as a line and then as a box with the same text.
  if (Text == fLastErrorLine) {
    fLastErrorLine.clear();
    return;
  }
  ShowProgramMessage(Text);
}

void TTapeWriter::ShowProgramMessage(const std::string& Text) {
  fOut.flush();
  fErr << "veltrona-tape: " << Text << '\n';
  fErr.flush();
}
