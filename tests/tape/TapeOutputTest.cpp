// The tape's output through Qt: the pane's lines read out with their kinds and looks, the
// pages of a PDF and of a print read back with pdftotext, and saving that either replaces the
// old file whole or leaves it alone and says why.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include "FileSizeLimit.h"
#include "OutputReaders.h"
#include "SampleTape.h"
#include "TapeOutput.h"
#include "TapePane.h"
#include "TapeWriters.h"

namespace {

using enum TTapeLineKind;

QTextCharFormat FormatOf(const TTapeLine& Line, const QColor& SystemText) {
  QTextCharFormat Format;
  Format.setForeground(Line.Rgb == SampleBlack ? SystemText : QColor(static_cast<QRgb>(Line.Rgb)));
  Format.setFontWeight(Line.Bold ? QFont::Bold : QFont::Normal);
  Format.setFontItalic(Line.Italic);
  Format.setFontUnderline(Line.Underline);
  return Format;
}

// The lines as ReadPdfPages gives them back.
std::vector<std::string> TextsOf(const std::vector<TTapeLine>& Lines) {
  std::vector<std::string> Texts;
  for (const TTapeLine& Line : Lines)
    Texts.push_back(WithoutBlanks(QString::fromStdString(Line.Text)));
  return Texts;
}

QFont TapeFont() {
  QFont Font(QStringLiteral("DejaVu Sans"));
  Font.setPointSize(8);
  return Font;
}

QPageLayout A4() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10));
}

class TapeOutput : public testing::Test {
 protected:
  QString Path(const char* Name) const { return Dir.filePath(QLatin1String(Name)); }

  QTemporaryDir Dir;
};

TEST_F(TapeOutput, PaneReadsOutItsLinesWithKindsAndLooks) {
  // A dark desktop: its text colour is white on screen and black on paper.
  QPalette Dark;
  Dark.setColor(QPalette::Active, QPalette::WindowText, Qt::white);
  QPlainTextEdit Edit;
  TTapePane Pane(Edit);
  std::vector<TTapeLine> Sample = SampleTape();
  for (const TTapeLine& Line : Sample) {
    if (Line.Kind == Note) continue;
    Pane.AppendLine(QString::fromStdString(Line.Text), FormatOf(Line, Qt::white), Line.Kind);
  }
  // The pass of the event loop that appended the lines ends before the caret is placed.
  Pane.EndAppending();
  // The notes go in above the lines they stand above in the sample.
  Edit.setTextCursor(QTextCursor(Edit.document()->findBlockByNumber(7)));
  Pane.InsertNoteAboveCaret(QString::fromStdString(Sample[7].Text), FormatOf(Sample[7], Qt::white));
  Edit.setTextCursor(QTextCursor(Edit.document()->findBlockByNumber(8)));
  Pane.InsertNoteAboveCaret(QString::fromStdString(Sample[8].Text), FormatOf(Sample[8], Qt::white));
  EXPECT_EQ(Pane.Lines(Dark), Sample);

  // A line in an explicit colour keeps it, even where it equals the text colour of another
  // desktop.
  Pane.AppendLine(QStringLiteral("+ 1"), FormatOf({"+ 1", Entry, 0x000001}, Qt::white), Entry);
  EXPECT_EQ(Pane.Lines(Dark).back(), (TTapeLine{"+ 1", Entry, 0x000001}));

  Pane.Clear();
  EXPECT_EQ(Pane.Lines(Dark), std::vector<TTapeLine>{});
}

TEST_F(TapeOutput, PdfHoldsEveryLineInOrder) {
  ASSERT_EQ(SaveTape(Path("tape.pdf"), {SampleTape(), TapeFont()}, A4(), {}), std::nullopt);
  const auto Pages = ReadPdfPages(Path("tape.pdf"));
  ASSERT_EQ(Pages.size(), 1u);
  EXPECT_EQ(Pages[0], TextsOf(SampleTape()));
  const std::optional<QByteArray> Info = RunReader("pdfinfo", "poppler-utils", {Path("tape.pdf")});
  ASSERT_TRUE(Info);
  EXPECT_TRUE(QString::fromUtf8(*Info).contains(QRegularExpression(
      QStringLiteral("^Title: +Veltrona$"), QRegularExpression::MultilineOption)))
      << Info->toStdString();
}

// What a printed page shows: the lines against the right margin, in their colours.
// A PDF's text is the tape's, character for character, so that searching and copying it
// find what was typed: no ligature in place of "ff" or "fi", nothing lost beyond ASCII, in
// every look a line can have.
TEST_F(TapeOutput, PdfTextReadsBackExactlyAsTyped) {
  const std::vector<TTapeLine> Lines = {
      {"Gr\xC3\xB6\xC3\x9F"
       "e \xE2\x80\x93 \xE2\x82\xAC"
       "5 \xC2\xBD",
       Note, SampleBlue, false, true, false},
      {"off", Note, SampleBlue, false, true, true},
      {"  office affine fluffy fjord", Entry, SampleBlack},
      {"= 5 off", Total, SampleBlack, true, false, true},
  };
  ASSERT_EQ(SaveTape(Path("typed.pdf"), {Lines, TapeFont()}, A4(), {}), std::nullopt);
  const std::optional<QByteArray> Text =
      RunReader("pdftotext", "poppler-utils", {Path("typed.pdf"), QStringLiteral("-")});
  ASSERT_TRUE(Text);
  std::vector<std::string> Read;
  for (const QString& Line : QString::fromUtf8(*Text).split(u'\n')) {
    if (!Line.trimmed().isEmpty()) Read.push_back(Line.trimmed().toStdString());
  }
  std::vector<std::string> Typed;
  for (const TTapeLine& Line : Lines)
    Typed.push_back(QString::fromStdString(Line.Text).trimmed().toStdString());
  EXPECT_EQ(Read, Typed);
}

TEST_F(TapeOutput, PdfLinesAreRightAlignedInTheirColours) {
  std::vector<TTapeLine> Lines = SampleTape();
  QFont Font = TapeFont();
  Font.setPointSize(20);
  ASSERT_EQ(SaveTape(Path("look.pdf"), {Lines, Font}, A4(), {}), std::nullopt);
  const QImage Page = DrawPdfPage(Path("look.pdf"));
  ASSERT_FALSE(Page.isNull());
  ASSERT_EQ(Page.size(), QSize(595, 842));  // A4 in points
  const auto Near = [](QRgb Pixel, QRgb Wanted) {
    return std::abs(qRed(Pixel) - qRed(Wanted)) < 60 &&
           std::abs(qGreen(Pixel) - qGreen(Wanted)) < 60 &&
           std::abs(qBlue(Pixel) - qBlue(Wanted)) < 60;
  };
  int Left = Page.width(), Right = 0, Bottom = 0;
  int Red = 0, Blue = 0, Green = 0;
  for (int Y = 0; Y < Page.height(); ++Y) {
    for (int X = 0; X < Page.width(); ++X) {
      const QRgb Pixel = Page.pixel(X, Y);
      if (qGray(Pixel) > 200) continue;  // paper
      Left = std::min(Left, X);
      Right = std::max(Right, X);
      Bottom = std::max(Bottom, Y);
      Red += Near(Pixel, qRgb(255, 0, 0));
      Blue += Near(Pixel, qRgb(0, 0, 255));
      Green += Near(Pixel, qRgb(0, 128, 0));
    }
  }
  EXPECT_GE(Right, 595 - 10 - 4) << "the lines end at the right margin";
  EXPECT_LE(Right, 595 - 10);
  EXPECT_GT(Left, 595 / 3) << "short lines stay to the right";
  EXPECT_LT(Bottom, 842 / 2) << "one line below the other from the top";
  EXPECT_GT(Red, 20) << "the negative total and the error";
  EXPECT_GT(Blue, 20) << "the worked-out function and the notes";
  EXPECT_GT(Green, 20) << "the subtotal";
}

TEST_F(TapeOutput, EmptyTapeIsOneEmptyPage) {
  ASSERT_EQ(SaveTape(Path("empty.pdf"), {{}, TapeFont()}, A4(), {}), std::nullopt);
  const auto Pages = ReadPdfPages(Path("empty.pdf"));
  ASSERT_EQ(Pages.size(), 1u);
  EXPECT_TRUE(Pages[0].empty());
}

TEST_F(TapeOutput, LongTapeFillsPagesWithWholeLines) {
  std::vector<TTapeLine> Lines;
  for (int I = 1; I <= 150; ++I) Lines.push_back({"+ " + std::to_string(I), Entry, SampleBlack});
  for (const int Size : {8, 20}) {
    SCOPED_TRACE(Size);
    QFont Font = TapeFont();
    Font.setPointSize(Size);
    ASSERT_EQ(SaveTape(Path("long.pdf"), {Lines, Font}, A4(), {}), std::nullopt);
    // As many lines as fit in the printable height of an A4 page at the PDF's resolution.
    QPdfWriter Measure(Path("measure.pdf"));
    Measure.setPageLayout(A4());
    Measure.setResolution(1200);
    const auto PerPage =
        static_cast<std::size_t>(Measure.height() / QFontMetricsF(Font, &Measure).lineSpacing());
    const auto Pages = ReadPdfPages(Path("long.pdf"));
    ASSERT_EQ(Pages.size(), (Lines.size() + PerPage - 1) / PerPage);
    EXPECT_GT(Pages.size(), 1u);
    std::vector<std::string> All;
    for (std::size_t P = 0; P < Pages.size(); ++P) {
      if (P + 1 < Pages.size()) {
        EXPECT_EQ(Pages[P].size(), PerPage) << "page " << P + 1 << " is full";
      }
      All.insert(All.end(), Pages[P].begin(), Pages[P].end());
    }
    EXPECT_EQ(All, TextsOf(Lines)) << "every line once, in order";
  }
}

TEST_F(TapeOutput, PrintsOnAPrinterPointedAtAPdfFile) {
  QPrinter Printer(QPrinter::HighResolution);
  Printer.setOutputFormat(QPrinter::PdfFormat);
  Printer.setOutputFileName(Path("printed.pdf"));
  ASSERT_EQ(PrintTape(Printer, {SampleTape(), TapeFont()}), std::nullopt);
  EXPECT_EQ(Printer.docName().toStdString(), "Veltrona");
  const auto Pages = ReadPdfPages(Path("printed.pdf"));
  ASSERT_EQ(Pages.size(), 1u);
  EXPECT_EQ(Pages[0], TextsOf(SampleTape()));
}

TEST_F(TapeOutput, APrintThatCannotRunIsReported) {
  QFile Blocker(Path("file"));
  ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
  const struct {
    const char* Name;
    QString OutputFile;
    const char* Message;
  } Rows[] = {
      // What Qt makes of the printer when none is installed.
      {"no printer", QString(), "The tape could not be printed: no printer is installed."},
      {"unwritable", Path("file/printed.pdf"),
       "The tape could not be printed: the printer could not be started."},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Name);
    QPrinter Printer(QPrinter::HighResolution);
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setOutputFileName(Row.OutputFile);
    EXPECT_EQ(PrintTape(Printer, {SampleTape(), TapeFont()}), QString::fromUtf8(Row.Message));
  }
}

TEST_F(TapeOutput, SavingReplacesTheOldFileWhole) {
  {
    QFile Old(Path("tape.txt"));
    ASSERT_TRUE(Old.open(QIODevice::WriteOnly));
    Old.write(QByteArray(100000, 'o'));
  }
  ASSERT_EQ(SaveTape(Path("tape.txt"), {SampleTape(), TapeFont()}, A4(), {}), std::nullopt);
  EXPECT_EQ(ReadFileBytes(Path("tape.txt")), TapeText(SampleTape()));
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"tape.txt"});
}

TEST_F(TapeOutput, SavingBelowARegularFileFailsAndSaysWhy) {
  QFile Blocker(Path("file"));
  ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
  for (const char* Name :
       {"file/tape.txt", "file/tape.rtf", "file/tape.csv", "file/tape.pdf", "file/tape.xlsx"}) {
    SCOPED_TRACE(Name);
    const std::optional<QString> Error = SaveTape(Path(Name), {SampleTape(), TapeFont()}, A4(), {});
    ASSERT_TRUE(Error);
    EXPECT_EQ(Error->toStdString(), "The tape could not be saved to \"" +
                                        QDir::toNativeSeparators(Path(Name)).toStdString() +
                                        "\": Not a directory.");
  }
}

TEST_F(TapeOutput, AFailedWriteLeavesTheOldFileAsItWas) {
  // A tape that stops short of the limit's end, and one far beyond it.
  for (const int Count : {20, 5000}) {
    SCOPED_TRACE(Count);
    std::vector<TTapeLine> Lines;
    for (int I = 0; I < Count; ++I) Lines.push_back({"+ 1234.5", Entry, SampleBlack});
    {
      QFile Old(Path("tape.txt"));
      ASSERT_TRUE(Old.open(QIODevice::WriteOnly | QIODevice::Truncate));
      Old.write("the old tape\r\n");
    }
    std::optional<QString> Error;
    {
      const TFileSizeLimit Limit(64);
      Error = SaveTape(Path("tape.txt"), {Lines, TapeFont()}, A4(), {});
    }
    ASSERT_TRUE(Error);
    EXPECT_EQ(Error->toStdString(), "The tape could not be saved to \"" +
                                        QDir::toNativeSeparators(Path("tape.txt")).toStdString() +
                                        "\": File too large.");
    EXPECT_EQ(ReadFileBytes(Path("tape.txt")), "the old tape\r\n");
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"tape.txt"})
        << "no temporary file is left behind";
  }
}

TEST_F(TapeOutput, AWorkbookThatCannotBeWrittenLeavesTheOldFile) {
  {
    QFile Old(Path("tape.xlsx"));
    ASSERT_TRUE(Old.open(QIODevice::WriteOnly));
    Old.write("the old workbook");
  }
  std::optional<QString> Error;
  {
    const TFileSizeLimit Limit(64);
    Error = SaveTape(Path("tape.xlsx"), {SampleTape(), TapeFont()}, A4(), {});
  }
  ASSERT_TRUE(Error);
  EXPECT_TRUE(Error->startsWith("The tape could not be saved to \"" +
                                QDir::toNativeSeparators(Path("tape.xlsx")) + "\": "))
      << Error->toStdString();
  EXPECT_EQ(ReadFileBytes(Path("tape.xlsx")), "the old workbook");
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList{"tape.xlsx"})
      << "no temporary file is left behind";
}

}  // namespace
