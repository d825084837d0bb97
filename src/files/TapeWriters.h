// The tape's files that need no widget: its plain text, its rich text (RTF) and its CSV, each
// made from the tape's line records as the bytes of the file, the format a file name asks for,
// and what a spreadsheet row says of a line (its operation word and its value). The window's
// TapeOutput writes these bytes to disk and makes the PDF; veltrona-tape writes the same CSV
// rows as its lines come. The workbook is TapeWorkbook.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "NumberText.h"
#include "TapeLine.h"

enum class TTapeFileFormat : std::uint8_t { Text, RichText, Pdf, Csv, Workbook };

// By the file name's extension in any letter case: ".rtf", ".pdf", ".csv" and ".xlsx"; any
// other extension, and a name without one, is plain text.
TTapeFileFormat TapeFileFormat(std::string_view FileName);

// Every line followed by CR LF, in UTF-8; an empty tape is an empty file.
std::string TapeText(const std::vector<TTapeLine>& Lines);

struct TTapeFont {
  std::string Name;  // the font family
  double PointSize = 8;
};

// One font, every paragraph right-aligned, each line in its colour, bold, italic and
// underline. All text is escaped ("\", "{", "}" and control characters) and every character
// beyond ASCII written as a Unicode escape, so that no note can be read as RTF. The escape's
// stand-in for readers without Unicode, "?", is written as \'3f: after a plain "?" some
// readers drop the character that follows.
std::string TapeRichText(const std::vector<TTapeLine>& Lines, const TTapeFont& Font);

// The amount a line shows, read with the locale's number settings: the result of a total, a
// subtotal or a worked-out function or tax; on an entry line the number it enters (a
// function's argument, the amount a tax or percentage applies to). Nothing for notes, errors,
// separators and the first half of a worked-out line split in two.
std::optional<Extended> TapeLineValue(const TTapeLine& Line, const TFormatSettings& Fs);

// The operation of a line as a word of the operators' table: "add", "sqrt", "add-tax";
// "total" and "subtotal" on those lines; an entry line that also works a function or tax out on
// its number has both, blank-separated ("add sqrt"), since its value is what the function took.
// The opening number is "add". Empty for notes, errors and separators.
std::string TapeLineOperation(const TTapeLine& Line);

// What the text column holds of a line: notes, errors and worked-out lines whole; for the other
// lines only a text that holds no amount ("= Too Large to Show as Hex"), which would else be
// lost; nothing for separators.
std::string_view TapeLineTextCell(const TTapeLine& Line, bool HasValue);

// RFC 4180 with CR LF: a header row, then one row per line with its kind, its operation word,
// its value as a plain number with "." as the decimal point (empty where it has none) and its
// text cell. UTF-8 with a byte order mark, so that spreadsheets read the characters right. A
// text that a spreadsheet would run as a formula is written with an apostrophe in front; the
// other columns never start like one.
std::string TapeCsv(const std::vector<TTapeLine>& Lines, const TFormatSettings& Fs);

// The parts of TapeCsv, for a tape written as it grows: the header row (with the byte order
// mark when asked) and one line's row, each with its CR LF.
std::string TapeCsvHeader(bool ByteOrderMark);
std::string TapeCsvRow(const TTapeLine& Line, const TFormatSettings& Fs);
