#include "TapeWriters.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "ModelText.h"
#include "Utf8Text.h"

namespace {

bool EqualsAsciiNoCase(std::string_view A, std::string_view B) {
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), [](char X, char Y) {
           const auto Lower = [](char C) { return C >= 'A' && C <= 'Z' ? C - 'A' + 'a' : C; };
           return Lower(X) == Lower(Y);
         });
}

void PutNumber(long N, std::string& Out) {
  char Buf[24];
  Out.append(Buf, std::to_chars(Buf, Buf + sizeof Buf, N).ptr);
}

// ---- Rich text ----

void PutUnicodeEscape(char32_t Unit, std::string& Out) {
  // RTF reads \u's number as a signed 16-bit value. The "?" standing in for readers without it
  // is written as a hexadecimal escape: some readers skip one character after \u without
  // counting a plain "?" as that character, and lose the next letter of the text.
  Out += "\\u";
  PutNumber(static_cast<std::int16_t>(static_cast<std::uint16_t>(Unit)), Out);
  Out += "\\'3f";
}

void PutRtfText(std::string_view Text, std::string& Out) {
  for (std::size_t At = 0; At < Text.size();) {
    const char32_t C = Utf8Text::NextCodePoint(Text, At);
    if (C == '\\' || C == '{' || C == '}') {
      Out += '\\';
      Out += static_cast<char>(C);
    } else if (C < 0x20 || C == 0x7F) {
      static constexpr char Hex[] = "0123456789abcdef";
      Out += "\\'";
      Out += Hex[C >> 4];
      Out += Hex[C & 0xF];
    } else if (C < 0x80) {
      Out += static_cast<char>(C);
    } else if (C > 0xFFFF) {
      // Beyond 16 bits: the UTF-16 surrogate pair.
      PutUnicodeEscape(0xD800 + ((C - 0x10000) >> 10), Out);
      PutUnicodeEscape(0xDC00 + ((C - 0x10000) & 0x3FF), Out);
    } else {
      PutUnicodeEscape(C, Out);
    }
  }
}

// ---- Values ----

// A number as the tape writes it: a decimal form, "x" and hexadecimal digits, or an angle with
// its unit.
std::optional<Extended> AmountValue(std::string_view Text, const TFormatSettings& Fs) {
  while (!Text.empty() && Text.front() == ' ') Text.remove_prefix(1);
  while (!Text.empty() && Text.back() == ' ') Text.remove_suffix(1);
  if (Text.size() > 1 && Text.front() == 'x') return NumberText::ParseHex(Text);
  // The marks as this run prints them (translated) and in English, for a tape made before.
  const std::string Radians = ModelText::Tr("rd"), Grads = ModelText::Tr("gr");
  for (const std::string_view Unit :
       {std::string_view("\xC2\xB0"), std::string_view(Radians), std::string_view(Grads),
        std::string_view("rd"), std::string_view("gr")}) {
    if (Text.ends_with(Unit)) {
      Text.remove_suffix(Unit.size());
      break;
    }
  }
  return NumberText::ParseFormatted(Text, Fs);
}

// The amount in a piece of a line: the piece itself, or with the closing brackets or percent
// sign after it taken off, or a function's argument inside its parentheses.
std::optional<Extended> PieceValue(std::string_view Piece, const TFormatSettings& Fs) {
  for (;;) {
    if (const auto V = AmountValue(Piece, Fs)) return V;
    if (Piece.empty() || std::string_view(")]}>%").find(Piece.back()) == std::string_view::npos)
      break;
    Piece.remove_suffix(1);
  }
  const std::size_t Open = Piece.find_first_of("([{<");
  if (Open == std::string_view::npos) return std::nullopt;
  return PieceValue(Piece.substr(Open + 1), Fs);
}

// ---- CSV ----

// Spreadsheets run a cell that starts with one of these as a formula.
bool LooksLikeFormula(std::string_view Text) {
  if (!Text.empty() && (Text.front() == '\t' || Text.front() == '\r')) return true;
  const std::size_t First = Text.find_first_not_of(' ');
  return First != std::string_view::npos &&
         std::string_view("=+-@").find(Text[First]) != std::string_view::npos;
}

void PutCsvField(std::string_view Field, std::string& Out) {
  // Quoted also with blanks at either end, which some readers would otherwise drop.
  const bool Quoted = Field.find_first_of(",\"\r\n") != std::string_view::npos ||
                      (!Field.empty() && (Field.front() == ' ' || Field.back() == ' '));
  if (!Quoted) {
    Out += Field;
    return;
  }
  Out += '"';
  for (const char C : Field) {
    if (C == '"') Out += '"';
    Out += C;
  }
  Out += '"';
}

}  // namespace

TTapeFileFormat TapeFileFormat(std::string_view FileName) {
  const std::size_t At = FileName.find_last_of(".\\/:");
  if (At == std::string_view::npos || FileName[At] != '.') return TTapeFileFormat::Text;
  const std::string_view Extension = FileName.substr(At + 1);
  if (EqualsAsciiNoCase(Extension, "rtf")) return TTapeFileFormat::RichText;
  if (EqualsAsciiNoCase(Extension, "pdf")) return TTapeFileFormat::Pdf;
  if (EqualsAsciiNoCase(Extension, "csv")) return TTapeFileFormat::Csv;
  if (EqualsAsciiNoCase(Extension, "xlsx")) return TTapeFileFormat::Workbook;
  return TTapeFileFormat::Text;
}

std::string TapeText(const std::vector<TTapeLine>& Lines) {
  std::size_t Size = 0;
  for (const TTapeLine& Line : Lines) Size += Line.Text.size() + 2;
  std::string Out;
  Out.reserve(Size);
  for (const TTapeLine& Line : Lines) {
    Out += Line.Text;
    Out += "\r\n";
  }
  return Out;
}

std::string TapeRichText(const std::vector<TTapeLine>& Lines, const TTapeFont& Font) {
  // The colour table holds each colour once; index 0 is the reader's automatic colour.
  std::vector<std::uint32_t> Colors;
  std::vector<long> ColorIndex;
  ColorIndex.reserve(Lines.size());
  for (const TTapeLine& Line : Lines) {
    auto It = std::find(Colors.begin(), Colors.end(), Line.Rgb);
    if (It == Colors.end()) It = Colors.insert(Colors.end(), Line.Rgb);
    ColorIndex.push_back(It - Colors.begin() + 1);
  }

  std::string Out;
  Out.reserve(Lines.size() * 48 + 256);
  Out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl{\\f0\\fnil\\fcharset0 ";
  std::string Name = Font.Name;
  std::erase(Name, ';');  // it would end the font's entry
  PutRtfText(Name, Out);
  Out += ";}}\r\n{\\colortbl;";
  for (const std::uint32_t Rgb : Colors) {
    Out += "\\red";
    PutNumber((Rgb >> 16) & 0xFF, Out);
    Out += "\\green";
    PutNumber((Rgb >> 8) & 0xFF, Out);
    Out += "\\blue";
    PutNumber(Rgb & 0xFF, Out);
    Out += ';';
  }
  Out += "}\r\n";

  // Sizes are in half points.
  std::string Paragraph = "\\pard\\qr\\plain\\f0\\fs";
  PutNumber(std::clamp(std::lround(Font.PointSize * 2), 2L, 3276L), Paragraph);
  for (std::size_t I = 0; I < Lines.size(); ++I) {
    const TTapeLine& Line = Lines[I];
    Out += Paragraph;
    Out += "\\cf";
    PutNumber(ColorIndex[I], Out);
    if (Line.Bold) Out += "\\b";
    if (Line.Italic) Out += "\\i";
    if (Line.Underline) Out += "\\ul";
    Out += ' ';
    PutRtfText(Line.Text, Out);
    Out += "\\par\r\n";
  }
  Out += "}\r\n";
  return Out;
}

std::optional<Extended> TapeLineValue(const TTapeLine& Line, const TFormatSettings& Fs) {
  using enum TTapeLineKind;
  if (Line.Kind == Note || Line.Kind == Error || Line.Kind == Separator) return std::nullopt;
  const std::string_view Text = Line.Text;
  // Totals, subtotals and worked-out lines show their result after the last "=".
  if (const std::size_t Equals = Text.rfind('='); Equals != std::string_view::npos)
    return PieceValue(Text.substr(Equals + 1), Fs);
  // Left: the first half of a worked-out line, or an entry line. The operator comes first,
  // then the amount, perhaps inside a function or followed by a tax or percent sign.
  if (Line.Kind != Entry) return std::nullopt;
  for (std::size_t Start = 0; Start < Text.size();) {
    const std::size_t End = std::min(Text.find(' ', Start), Text.size());
    if (End > Start) {
      if (const auto V = PieceValue(Text.substr(Start, End - Start), Fs)) return V;
    }
    Start = End + 1;
  }
  return std::nullopt;
}

std::string TapeLineOperation(const TTapeLine& Line) {
  using enum TTapeLineKind;
  switch (Line.Kind) {
    case Total:
      return std::string(OperWord(sceEquals));
    case SubTotal:
      return "subtotal";
    case Entry:
    case Expanded: {
      std::string Word(OperWord(Line.Form.Oper));
      if (const std::string_view Applied = OperWord(Line.Form.Applied); !Applied.empty()) {
        if (!Word.empty()) Word += ' ';
        Word += Applied;
      }
      return Word;
    }
    default:
      return {};
  }
}

std::string_view TapeLineTextCell(const TTapeLine& Line, bool HasValue) {
  using enum TTapeLineKind;
  switch (Line.Kind) {
    case Note:
    case Error:
    case Expanded:
      return Line.Text;
    case Separator:
      return {};
    default:
      return HasValue ? std::string_view() : std::string_view(Line.Text);
  }
}

std::string TapeCsvHeader(bool ByteOrderMark) {
  std::string Header = ByteOrderMark ? "\xEF\xBB\xBF" : "";
  Header += "kind,operator,value,text\r\n";
  return Header;
}

std::string TapeCsvRow(const TTapeLine& Line, const TFormatSettings& Fs) {
  // A plain number for the spreadsheet, whatever the user's separators.
  static const TFormatSettings Plain{};
  const std::optional<Extended> Value = TapeLineValue(Line, Fs);
  std::string Row(TapeLineKindName(Line.Kind));
  Row += ',';
  Row += TapeLineOperation(Line);
  Row += ',';
  if (Value) Row += NumberText::General(*Value, 18, Plain);
  Row += ',';
  const std::string_view Text = TapeLineTextCell(Line, Value.has_value());
  if (LooksLikeFormula(Text)) {
    PutCsvField("'" + std::string(Text), Row);
  } else {
    PutCsvField(Text, Row);
  }
  Row += "\r\n";
  return Row;
}

std::string TapeCsv(const std::vector<TTapeLine>& Lines, const TFormatSettings& Fs) {
  std::string Out = TapeCsvHeader(true);
  Out.reserve(Lines.size() * 32 + 32);
  for (const TTapeLine& Line : Lines) Out += TapeCsvRow(Line, Fs);
  return Out;
}
