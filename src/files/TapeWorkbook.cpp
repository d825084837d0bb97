#include "TapeWorkbook.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

#include "TapeWriters.h"
#include "Utf8Text.h"
#include "XlsxLibrary.h"

namespace {

// A cell holds at most this many characters in a spreadsheet; libxlsxwriter refuses more.
constexpr std::size_t MaxCellBytes = 32767;
// Column widths in characters: wide enough for the header, never wider than a screen.
constexpr double MaxColumnWidth = 80;

bool IsAngleArgument(TVeltronaOper Op) {
  return Op == sceSin || Op == sceCos || Op == sceTan;
}
bool IsAngleResult(TVeltronaOper Op) {
  return Op == sceAsin || Op == sceAcos || Op == sceAtan;
}

// An angle is written in the Fixed form or the general one, whatever the tape format.
bool ShowsAngle(const TTapeLine& Line) {
  if (Line.Kind == TTapeLineKind::Expanded) return IsAngleResult(Line.Form.Oper);
  if (Line.Kind != TTapeLineKind::Entry) return false;
  return IsAngleArgument(Line.Form.Applied != sceNone ? Line.Form.Applied : Line.Form.Oper);
}

std::string Decimals(int Count) {
  return Count > 0 ? "." + std::string(static_cast<std::size_t>(Count), '0') : std::string();
}

// One section of a currency format: the locale's pattern with the amount's digits for '#' and
// every other character quoted as text.
std::string CurrencySection(std::string_view Pattern, const std::string& Digits) {
  std::string Section;
  std::string Literal;
  const auto PutLiteral = [&] {
    if (Literal.empty()) return;
    Section += '"' + Literal + '"';
    Literal.clear();
  };
  bool HasDigits = false;
  for (const char C : Pattern) {
    if (C == '#' && !HasDigits) {
      PutLiteral();
      Section += Digits;
      HasDigits = true;
    } else if (C != '"') {  // a quote would end the quoted text
      Literal += C;
    }
  }
  PutLiteral();
  if (!HasDigits) Section = Digits + Section;
  return Section;
}

// Text for a cell: cut at the spreadsheet's limit, on a character's boundary.
std::string CellText(std::string_view Text) {
  if (Text.size() <= MaxCellBytes) return std::string(Text);
  std::size_t End = MaxCellBytes;
  while (End > 0 && (static_cast<unsigned char>(Text[End]) & 0xC0) == 0x80) --End;
  return std::string(Text.substr(0, End));
}

class TWorkbookWriter {
 public:
  TWorkbookWriter(const TXlsxLibrary& Xlsx, lxw_workbook* Book) : fXlsx(Xlsx), fBook(Book) {}

  // The format of a row in Line's look, with the number format of its value cell.
  lxw_format* Format(const TTapeLine& Line, const std::string& NumberFormat) {
    const auto Key =
        std::make_tuple(Line.Rgb, Line.Bold, Line.Italic, Line.Underline, NumberFormat);
    const auto It = fFormats.find(Key);
    if (It != fFormats.end()) return It->second;
    lxw_format* Made = fXlsx.workbook_add_format(fBook);
    if (Made) {
      if (Line.Rgb != 0) fXlsx.format_set_font_color(Made, Line.Rgb);
      if (Line.Bold) fXlsx.format_set_bold(Made);
      if (Line.Italic) fXlsx.format_set_italic(Made);
      if (Line.Underline) fXlsx.format_set_underline(Made, LXW_UNDERLINE_SINGLE);
      if (!NumberFormat.empty()) fXlsx.format_set_num_format(Made, NumberFormat.c_str());
    }
    fFormats.emplace(Key, Made);
    return Made;
  }

  // The first failure is kept; later calls change nothing of it.
  void Check(lxw_error Error) {
    if (Error != LXW_NO_ERROR && fError == LXW_NO_ERROR) fError = Error;
  }
  lxw_error Error() const { return fError; }

 private:
  const TXlsxLibrary& fXlsx;
  lxw_workbook* fBook;
  std::map<std::tuple<std::uint32_t, bool, bool, bool, std::string>, lxw_format*> fFormats;
  lxw_error fError = LXW_NO_ERROR;
};

// Writes the sheet into the workbook at Path; the reason when it could not be made.
std::optional<QString> WriteWorkbook(const TXlsxLibrary& Xlsx, const QString& Path,
                                     const QString& TempFolder, const std::vector<TTapeLine>& Lines,
                                     const TFormatSettings& Fs) {
  const QByteArray PathBytes = QFile::encodeName(Path);
  QByteArray TempBytes = QFile::encodeName(TempFolder);
  lxw_workbook_options Options{};
  Options.tmpdir = TempBytes.data();
  lxw_workbook* Book = Xlsx.workbook_new_opt(PathBytes.constData(), &Options);
  if (!Book) return QCoreApplication::translate("TapeWorkbook", "out of memory");
  TWorkbookWriter Writer(Xlsx, Book);
  lxw_worksheet* Sheet = Xlsx.workbook_add_worksheet(Book, "Tape");
  if (!Sheet) {
    Xlsx.workbook_close(Book);
    return QCoreApplication::translate("TapeWorkbook", "out of memory");
  }

  static constexpr const char* Headers[] = {"kind", "operator", "value", "text"};
  std::array<double, 4> Widths{};
  lxw_format* HeaderFormat = Xlsx.workbook_add_format(Book);
  if (HeaderFormat) Xlsx.format_set_bold(HeaderFormat);
  for (lxw_col_t Column = 0; Column < 4; ++Column) {
    Writer.Check(Xlsx.worksheet_write_string(Sheet, 0, Column, Headers[Column], HeaderFormat));
    Widths[Column] = static_cast<double>(std::char_traits<char>::length(Headers[Column]));
  }
  const auto Widen = [&](lxw_col_t Column, std::string_view Text) {
    Widths[Column] = std::max(Widths[Column], static_cast<double>(Utf8Text::CharCount(Text)));
  };

  lxw_row_t Row = 0;
  for (const TTapeLine& Line : Lines) {
    ++Row;
    // A value too large for a spreadsheet's number is left out.
    std::optional<double> Value;
    if (const std::optional<Extended> Read = TapeLineValue(Line, Fs)) {
      if (std::isfinite(static_cast<double>(*Read))) Value = static_cast<double>(*Read);
    }
    lxw_format* Look = Writer.Format(Line, {});
    const std::string_view Kind = TapeLineKindName(Line.Kind);
    Writer.Check(Xlsx.worksheet_write_string(Sheet, Row, 0, std::string(Kind).c_str(), Look));
    Widen(0, Kind);
    if (const std::string Operation = TapeLineOperation(Line); !Operation.empty()) {
      Writer.Check(Xlsx.worksheet_write_string(Sheet, Row, 1, Operation.c_str(), Look));
      Widen(1, Operation);
    }
    if (Value) {
      Writer.Check(Xlsx.worksheet_write_number(Sheet, Row, 2, *Value,
                                               Writer.Format(Line, TapeValueFormat(Line, Fs))));
      Widen(2, Utf8Text::Trimmed(Line.Text));
    }
    if (const std::string Text = CellText(TapeLineTextCell(Line, Value.has_value()));
        !Text.empty()) {
      Writer.Check(Xlsx.worksheet_write_string(Sheet, Row, 3, Text.c_str(), Look));
      Widen(3, Text);
    }
  }

  Xlsx.worksheet_freeze_panes(Sheet, 1, 0);
  for (lxw_col_t Column = 0; Column < 4; ++Column) {
    Writer.Check(Xlsx.worksheet_set_column(Sheet, Column, Column,
                                           std::min(Widths[Column] + 2, MaxColumnWidth), nullptr));
  }
  // Closing writes the file and frees the workbook, also after a failure above.
  const lxw_error Closed = Xlsx.workbook_close(Book);
  if (Writer.Error() != LXW_NO_ERROR) return QString::fromUtf8(Xlsx.lxw_strerror(Writer.Error()));
  if (Closed != LXW_NO_ERROR) return QString::fromUtf8(Xlsx.lxw_strerror(Closed));
  return std::nullopt;
}

}  // namespace

std::string TapeValueFormat(const TTapeLine& Line, const TFormatSettings& Fs) {
  const TTapeLineForm& Form = Line.Form;
  const int Digits = std::clamp(Form.Digits, 0, 30);
  if (ShowsAngle(Line))
    return Form.Format == TapeFormat::Fixed ? "#,##0" + Decimals(Digits) : "General";
  if (Form.Hex) return "General";
  switch (Form.Format) {
    case TapeFormat::Scientific:
      return "0" + Decimals(Digits) + "E+0";
    case TapeFormat::Fixed:
      return "#,##0" + Decimals(Digits);
    case TapeFormat::Currency: {
      const std::string Amount = "#,##0" + Decimals(std::clamp(Fs.CurrencyDecimals, 0, 30));
      return CurrencySection(Fs.CurrencyPositive, Amount) + ";" +
             CurrencySection(Fs.CurrencyNegative, Amount);
    }
    default:
      return "General";
  }
}

std::optional<QString> TapeWorkbook(const std::vector<TTapeLine>& Lines, const TFormatSettings& Fs,
                                    QByteArray& Bytes) {
  const TXlsxLibrary* Xlsx = XlsxLibrary();
  if (!Xlsx)
    return QCoreApplication::translate(
        "TapeWorkbook", "the Excel workbook library (libxlsxwriter 4) is not installed");
  // libxlsxwriter writes to a file by its name; the workbook is made in a folder of its own and
  // read back, so that the target is replaced atomically like every other file of the tape.
  const QTemporaryDir Folder;
  if (!Folder.isValid()) return Folder.errorString();
  const QString Path = Folder.filePath(QStringLiteral("tape.xlsx"));
  if (const std::optional<QString> Reason = WriteWorkbook(*Xlsx, Path, Folder.path(), Lines, Fs))
    return Reason;
  QFile File(Path);
  if (!File.open(QIODevice::ReadOnly)) return File.errorString();
  Bytes = File.readAll();
  if (File.error() != QFileDevice::NoError) return File.errorString();
  return std::nullopt;
}
