// The tape's output and view commands as the user reaches them: Save Tape As in each format,
// read back as the user's programs would; Page Setup, Print Tape and Print Preview with the
// window out of the topmost band while they run; Tape Font; Hide Tape from the menu, its
// short-cut and its tool button.
#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>
#include <cmath>
#include <sstream>

#include "FileSizeLimit.h"
#include "OutputReaders.h"
#include "Pictures.h"
#include "TapeLine.h"
#include "WindowFixture.h"
#include "WindowLayout.h"

namespace {

class TapeCommandsTest : public WindowTest {
 protected:
  void Type(const std::string& Keys) {
    std::istringstream In(Keys);
    std::string Token;
    while (In >> Token) Press(Token);
  }

  QAction* Item(const char* Name) { return Widget<QAction>(Name); }
  QPlainTextEdit* Tape() { return Widget<QPlainTextEdit>("RichEdit1"); }
  QString Path(const QString& Name) const { return Dir.filePath(Name); }

  // A tape with a line of each kind: an entry, a worked-out function, a subtotal, a negative
  // total in red, an error, notes in italics (one beyond ASCII) and a separator.
  void TypeSampleTape() {
    Calc->CalcSettings.TotalsRed = true;
    Calc->CalcSettings.AnnotItalics = true;
    Type("9 + 1 6 [ButtonSqrt] - 2 0 =");
    Type("5 / 0 =");
    ExpectedBoxes.push_back("Cannot Divide by Zero");
    Annotate(QStringLiteral("Fuel {\\b x}\\par"));
    Annotate(QString::fromUtf8("Caf\xC3\xA9 \xE2\x80\x93 5 \xE2\x82\xAC"));
    Type("<Esc>");
  }

  void Annotate(const QString& Note) {
    Calc->DialogExecOverride = [&](QDialog& Dialog) {
      Dialog.findChild<QComboBox*>("NoteComboBox")->setEditText(Note);
      QTest::mouseClick(Dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
      return Dialog.result();
    };
    Tape()->moveCursor(QTextCursor::End);
    Item("Annotate1")->trigger();
    Calc->DialogExecOverride = nullptr;
  }

  // Save Tape As with FileName chosen in its dialog; the dialog as it was shown.
  struct TSaveDialogSeen {
    std::string Title;
    std::string Directory;
    QStringList Filters;
    std::string DefaultSuffix;
    bool Saves = false;
  };
  TSaveDialogSeen SaveTapeAs(const QString& FileName) {
    TSaveDialogSeen Seen;
    Calc->DialogExecOverride = [&](QDialog& Dialog) {
      auto& Files = dynamic_cast<QFileDialog&>(Dialog);
      Seen = {Files.windowTitle().toStdString(), Files.directory().absolutePath().toStdString(),
              Files.nameFilters(), Files.defaultSuffix().toStdString(),
              Files.acceptMode() == QFileDialog::AcceptSave};
      if (FileName.isEmpty()) return int(QDialog::Rejected);
      Files.selectFile(FileName);
      return int(QDialog::Accepted);
    };
    Item("SaveTapeAs1")->trigger();
    Calc->DialogExecOverride = nullptr;
    return Seen;
  }

  std::string TapeTextWithCrLf() {
    std::string Text;
    for (const std::string& Line : TapeLines()) Text += Line + "\r\n";
    return Text;
  }

  bool Topmost() { return Calc->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

  int SampleWidth() {
    return QFontMetrics(Tape()->font()).horizontalAdvance(QLatin1String(TapeSampleText));
  }

  QTemporaryDir Dir;
};

TEST_F(TapeCommandsTest, SampleTapeHoldsALineOfEachKind) {
  TypeSampleTape();
  EXPECT_EQ(TapeLines(),
            (std::vector<std::string>{"  9", "+ Sqrt(16)", "[Sqrt(16) = 4]", "{= 13}", "- 20",
                                      "= -7", "------------", "Cannot Divide by Zero", "  5", "/ 0",
                                      "= 0", "Fuel {\\b x}\\par",
                                      "Caf\xC3\xA9 \xE2\x80\x93 5 \xE2\x82\xAC", "------------"}));
}

TEST_F(TapeCommandsTest, SaveTapeAsWritesTheFormatTheNameAsksFor) {
  TypeSampleTape();
  const std::string Text = TapeTextWithCrLf();
  const TSaveDialogSeen Seen = SaveTapeAs(Path("tape.txt"));
  EXPECT_EQ(Seen.Title, "Save Tape As");
  EXPECT_TRUE(Seen.Saves);
  // The tape document comes first; the other formats are exports.
  EXPECT_EQ(Seen.DefaultSuffix, "vtape");
  EXPECT_EQ(Seen.Filters,
            (QStringList{"Veltrona tape (*.vtape)", "Text files (*.txt)", "Rich Text Files (*.rtf)",
                         "PDF files (*.pdf)", "CSV files (*.csv)", "Excel workbook (*.xlsx)"}));
  EXPECT_EQ(ReadFileBytes(Path("tape.txt")), Text);

  SaveTapeAs(Path("TAPE.RTF"));
  const TRichTextRead Rich = ReadRichText(Path("TAPE.RTF"));
  ASSERT_EQ(Rich.Lines.size(), TapeLines().size());
  EXPECT_EQ(Rich.Font, QFontInfo(Tape()->font()).family().toStdString());
  EXPECT_EQ(Rich.Lines[0], (TReadLine{"9", "#000000", false, false, false, true}));
  EXPECT_EQ(Rich.Lines[2], (TReadLine{"[Sqrt(16) = 4]", "#0000ff", false, false, false, true}));
  EXPECT_EQ(Rich.Lines[3], (TReadLine{"{= 13}", "#008000", false, false, false, true}));
  EXPECT_EQ(Rich.Lines[5], (TReadLine{"= -7", "#ff0000", true, false, true, true}));
  EXPECT_EQ(Rich.Lines[7],
            (TReadLine{"Cannot Divide by Zero", "#ff0000", false, false, false, true}));
  EXPECT_EQ(Rich.Lines[10], (TReadLine{"= 0", "#000000", true, false, true, true}));
  EXPECT_EQ(Rich.Lines[11], (TReadLine{"Fuel {\\b x}\\par", "#0000ff", false, true, false, true}));
  EXPECT_EQ(Rich.Lines[12], (TReadLine{"Caf\xC3\xA9 \xE2\x80\x93 5 \xE2\x82\xAC", "#0000ff", false,
                                       true, false, true}));

  SaveTapeAs(Path("tape.Csv"));
  EXPECT_EQ(ReadFileBytes(Path("tape.Csv")),
            "\xEF\xBB\xBFkind,operator,value,text\r\n"
            "entry,add,9,\r\n"
            "entry,add sqrt,16,\r\n"
            "expanded,sqrt,4,[Sqrt(16) = 4]\r\n"
            "subtotal,subtotal,13,\r\n"
            "entry,subtract,20,\r\n"
            "total,total,-7,\r\n"
            "separator,,,\r\n"
            "error,,,Cannot Divide by Zero\r\n"
            "entry,add,5,\r\n"
            "entry,divide,0,\r\n"
            "total,total,0,\r\n"
            "note,,,Fuel {\\b x}\\par\r\n"
            "note,,,Caf\xC3\xA9 \xE2\x80\x93 5 \xE2\x82\xAC\r\n"
            "separator,,,\r\n");

  // The workbook's cells are read back by the files' tests; here it only has to be one.
  SaveTapeAs(Path("tape.xlsx"));
  EXPECT_TRUE(ReadFileBytes(Path("tape.xlsx")).starts_with("PK\x03\x04"));

  SaveTapeAs(Path("tape.PdF"));
  const auto Pages = ReadPdfPages(Path("tape.PdF"));
  ASSERT_EQ(Pages.size(), 1u);
  std::vector<std::string> Expected;
  for (const std::string& Line : TapeLines())
    Expected.push_back(WithoutBlanks(QString::fromStdString(Line)));
  EXPECT_EQ(Pages[0], Expected);

  // Any other name is plain text; a name without an extension gets the chosen filter's: a
  // tape document unless another filter is chosen.
  SaveTapeAs(Path("tape.doc"));
  EXPECT_EQ(ReadFileBytes(Path("tape.doc")), Text);
  SaveTapeAs(Path("plain"));
  EXPECT_TRUE(QFile::exists(Path("plain.vtape")));
  Calc->DialogExecOverride = [&](QDialog& Dialog) {
    auto& Files = dynamic_cast<QFileDialog&>(Dialog);
    // As the user's choice in the dialog's list does.
    Files.selectNameFilter(QStringLiteral("Text files (*.txt)"));
    emit Files.filterSelected(QStringLiteral("Text files (*.txt)"));
    Files.selectFile(Path("plain"));
    return int(QDialog::Accepted);
  };
  Item("SaveTapeAs1")->trigger();
  Calc->DialogExecOverride = nullptr;
  EXPECT_EQ(ReadFileBytes(Path("plain.txt")), Text);
}

TEST_F(TapeCommandsTest, AnEmptyTapeSavesAsAnEmptyFile) {
  SaveTapeAs(Path("empty.txt"));
  EXPECT_EQ(ReadFileBytes(Path("empty.txt")), "");
}

TEST_F(TapeCommandsTest, SaveTapeAsOpensWhereTheLastSaveWent) {
  ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("sub")));
  const QString Sub = QDir(Path(QStringLiteral("sub"))).canonicalPath();
  SaveTapeAs(Sub + QStringLiteral("/tape.txt"));
  EXPECT_EQ(Calc->CalcSettings.SaveTape, QDir::toNativeSeparators(Sub).toStdString());
  EXPECT_EQ(SaveTapeAs(QString()).Directory, Sub.toStdString());
  EXPECT_EQ(Calc->CalcSettings.SaveTape, QDir::toNativeSeparators(Sub).toStdString())
      << "a cancelled dialog changes nothing";
  EXPECT_EQ(QDir(Sub).entryList(QDir::Files), QStringList{"tape.txt"});
}

TEST_F(TapeCommandsTest, AFailedSaveLeavesTheOldFileAndSaysWhy) {
  Type("1 + 2 = 3 + 4 = 5 + 6 =");
  QFile Blocker(Path("file"));
  ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
  const QString Below = Path("file/tape.txt");
  SaveTapeAs(Below);
  ExpectedBoxes.push_back("The tape could not be saved to \"" +
                          QDir::toNativeSeparators(Below).toStdString() + "\": Not a directory.");
  EXPECT_EQ(Boxes, ExpectedBoxes);

  {
    QFile Old(Path("tape.txt"));
    ASSERT_TRUE(Old.open(QIODevice::WriteOnly));
    Old.write("the old tape\r\n");
  }
  {
    const TFileSizeLimit Limit(16);
    SaveTapeAs(Path("tape.txt"));
  }
  ExpectedBoxes.push_back("The tape could not be saved to \"" +
                          QDir::toNativeSeparators(Path("tape.txt")).toStdString() +
                          "\": File too large.");
  EXPECT_EQ(ReadFileBytes(Path("tape.txt")), "the old tape\r\n");
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), (QStringList{"file", "tape.txt"}));
}

TEST_F(TapeCommandsTest, TapeFontChangesEveryLineAndTheWindowsWidth) {
  TypeSampleTape();
  const std::vector<TTapeLine> Before = [&] {
    std::vector<TTapeLine> Lines;
    for (QTextBlock B = Tape()->document()->begin(); B.isValid(); B = B.next()) {
      const QTextCharFormat F =
          B.begin().atEnd() ? B.charFormat() : B.begin().fragment().charFormat();
      Lines.push_back({B.text().toStdString(), TTapeLineKind::Entry,
                       F.foreground().color().rgb() & 0xFFFFFFu, F.fontWeight() >= QFont::Bold,
                       F.fontItalic(), F.fontUnderline()});
    }
    return Lines;
  }();
  const int Width = Calc->width();
  const struct {
    int Chosen;
    int Applied;  // the dialog has no limits of its own
  } Rows[] = {{14, 14}, {30, 20}, {2, 5}, {8, 8}};
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Chosen);
    const QFont Shown = Tape()->font();
    bool EffectsOffered = true;
    bool PresetWithTheTapeFont = false;
    Calc->DialogExecOverride = [&](QDialog& Dialog) {
      auto& Fonts = dynamic_cast<QFontDialog&>(Dialog);
      PresetWithTheTapeFont = Fonts.currentFont().family() == QFontInfo(Shown).family() &&
                              Fonts.currentFont().pointSize() == Shown.pointSize();
      // Qt's own dialog has underline and strike-out boxes; none may be offered.
      const QList<QCheckBox*> Effects = Fonts.findChildren<QCheckBox*>();
      EffectsOffered = Effects.isEmpty();
      for (QCheckBox* Box : Effects) EffectsOffered |= Box->isVisible();
      QFont Chosen(QStringLiteral("DejaVu Serif"));
      Chosen.setPointSize(Row.Chosen);
      Fonts.setCurrentFont(Chosen);
      return int(QDialog::Accepted);
    };
    Item("TapeFont1")->trigger();
    Calc->DialogExecOverride = nullptr;
    EXPECT_TRUE(PresetWithTheTapeFont);
    EXPECT_FALSE(EffectsOffered) << "no underline or strike-out to choose";
    EXPECT_EQ(Calc->CalcSettings.TapeFontName, "DejaVu Serif");
    EXPECT_EQ(Calc->CalcSettings.TapeFontSize, Row.Applied);
    EXPECT_EQ(Tape()->font().family().toStdString(), "DejaVu Serif");
    EXPECT_EQ(Tape()->font().pointSize(), Row.Applied);
    // Every line takes the font and keeps its colour and style.
    for (QTextBlock B = Tape()->document()->begin(); B.isValid(); B = B.next()) {
      const QTextCharFormat F =
          B.begin().atEnd() ? B.charFormat() : B.begin().fragment().charFormat();
      EXPECT_FALSE(F.hasProperty(QTextFormat::FontFamilies) ||
                   F.hasProperty(QTextFormat::FontPointSize))
          << B.text().toStdString() << " has a font of its own";
      const TTapeLine& Was = Before[static_cast<std::size_t>(B.blockNumber())];
      EXPECT_EQ((F.foreground().color().rgb() & 0xFFFFFFu), Was.Rgb) << Was.Text;
      EXPECT_EQ(F.fontWeight() >= QFont::Bold, Was.Bold) << Was.Text;
      EXPECT_EQ(F.fontUnderline(), Was.Underline) << Was.Text;
      EXPECT_EQ(F.fontItalic(), Was.Italic) << Was.Text;
    }
    const QTextBlock First = Tape()->document()->begin();
    EXPECT_EQ(Tape()->document()->documentLayout()->blockBoundingRect(First).height(),
              std::ceil(QFontMetricsF(Tape()->font()).height()))
        << "the lines are laid out in the new font";
    EXPECT_EQ(Tape()->width(), SampleWidth() + TapeMargin);
    EXPECT_EQ(Calc->width(), Tape()->x() + Tape()->width());
    if (Row.Applied > 8) {
      EXPECT_GT(Calc->width(), Width);
    }
  }
}

TEST_F(TapeCommandsTest, CancelledTapeFontChangesNothing) {
  const QFont Font = Tape()->font();
  const int Width = Calc->width();
  Calc->DialogExecOverride = [](QDialog& Dialog) {
    dynamic_cast<QFontDialog&>(Dialog).setCurrentFont(QFont(QStringLiteral("DejaVu Serif"), 16));
    return int(QDialog::Rejected);
  };
  Item("TapeFont1")->trigger();
  EXPECT_EQ(Tape()->font(), Font);
  EXPECT_EQ(Calc->CalcSettings.TapeFontName, "");
  EXPECT_EQ(Calc->CalcSettings.TapeFontSize, 8);
  EXPECT_EQ(Calc->width(), Width);
}

TEST_F(TapeCommandsTest, HideTapeMenuShortCutAndButtonAlwaysAgree) {
  const int ShownWidth = Calc->width();
  auto* Button = Widget<QToolButton>("ShowToolButton");
  const auto Picture = [](const QIcon& Icon) {
    return Icon.pixmap(Pictures::ToolImageSize).toImage();
  };
  const struct {
    const char* How;
    bool Hidden;
  } Steps[] = {{"menu", true},   {"menu", false},     {"<Ctrl+H>", true}, {"<Ctrl+H>", false},
               {"button", true}, {"<Ctrl+H>", false}, {"<Ctrl+H>", true}, {"button", false}};
  for (const auto& Step : Steps) {
    SCOPED_TRACE(testing::Message() << Step.How << (Step.Hidden ? " hides" : " shows"));
    if (std::string(Step.How) == "menu") {
      Item("HideTape1")->trigger();
    } else if (std::string(Step.How) == "button") {
      QTest::mouseClick(Button, Qt::LeftButton);
    } else {
      Press(Step.How);
    }
    EXPECT_EQ(Calc->CalcSettings.HideTape, Step.Hidden);
    EXPECT_EQ(Item("HideTape1")->isChecked(), Step.Hidden);
    EXPECT_EQ(Button->toolTip().toStdString(), Step.Hidden ? "Show Tape" : "Hide Tape");
    EXPECT_EQ(Picture(Button->icon()),
              Picture(Pictures::ToolImage(Step.Hidden ? Pictures::ShowTapeImage
                                                      : Pictures::HideTapeImage)));
    EXPECT_EQ(Widget<QLabel>("StatusPanel3")->text().toStdString(), Step.Hidden ? "" : "General");
    EXPECT_EQ(Calc->width(), Step.Hidden ? 238 : ShownWidth);
    EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn"));
  }
}

TEST_F(TapeCommandsTest, DialogsAndPrintingRunWithTheWindowOutOfTheTopmostBand) {
  Item("AlwaysOnTop2")->trigger();
  ASSERT_TRUE(Topmost());
  const struct {
    const char* Item;
    const char* DialogClass;
  } Rows[] = {{"TapeFont1", "QFontDialog"},
              {"PageSetup1", "QPageSetupDialog"},
              {"PrintPreview1", "QPrintPreviewDialog"}};
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Item);
    std::string Shown;
    bool TopmostDuringDialog = true;
    Calc->DialogExecOverride = [&](QDialog& Dialog) {
      Shown = Dialog.metaObject()->className();
      TopmostDuringDialog = Topmost();
      return int(QDialog::Rejected);
    };
    Item(Row.Item)->trigger();
    Calc->DialogExecOverride = nullptr;
    EXPECT_EQ(Shown, Row.DialogClass);
    EXPECT_FALSE(TopmostDuringDialog);
    EXPECT_TRUE(Topmost()) << "on top again afterwards";
  }
  // Save Tape As leaves the window where it is.
  bool TopmostDuringSave = false;
  Calc->DialogExecOverride = [&](QDialog&) {
    TopmostDuringSave = Topmost();
    return int(QDialog::Rejected);
  };
  Item("SaveTapeAs1")->trigger();
  EXPECT_TRUE(TopmostDuringSave);
}

TEST_F(TapeCommandsTest, PageSetupWorksOnThePrinterOfPrintTape) {
  QPrinter* SetUp = nullptr;
  Calc->DialogExecOverride = [&](QDialog& Dialog) {
    SetUp = dynamic_cast<QPageSetupDialog&>(Dialog).printer();
    return int(QDialog::Rejected);
  };
  Item("PageSetup1")->trigger();
  EXPECT_EQ(SetUp, &Calc->TapePrinter());
}

TEST_F(TapeCommandsTest, PrintTapePrintsEveryLineOnThePrinter) {
  Item("AlwaysOnTop2")->trigger();
  TypeSampleTape();
  Calc->TapePrinter().setOutputFormat(QPrinter::PdfFormat);
  Calc->TapePrinter().setOutputFileName(Path(QStringLiteral("printed.pdf")));
  Item("PrintTape1")->trigger();
  const auto Pages = ReadPdfPages(Path(QStringLiteral("printed.pdf")));
  ASSERT_EQ(Pages.size(), 1u);
  std::vector<std::string> Expected;
  for (const std::string& Line : TapeLines())
    Expected.push_back(WithoutBlanks(QString::fromStdString(Line)));
  EXPECT_EQ(Pages[0], Expected);
  EXPECT_EQ(Calc->TapePrinter().docName().toStdString(), "Veltrona");
  EXPECT_TRUE(Topmost());
}

TEST_F(TapeCommandsTest, PrintTapeWithoutAPrinterSaysSo) {
  Type("1 + 2 =");
  // What Qt makes of the printer when none is installed.
  Calc->FindDefaultPrinter = [](QPrinter&) { return false; };
  Calc->TapePrinter().setOutputFormat(QPrinter::PdfFormat);
  Calc->TapePrinter().setOutputFileName(QString());
  Item("PrintTape1")->trigger();
  ExpectedBoxes = {"The tape could not be printed: no printer is installed."};
}

// A printer installed or started after the printer was made is found by the next command
// that prints or sets the page up, without a restart; once found it is kept.
TEST_F(TapeCommandsTest, APrinterThatAppearsLaterIsFound) {
  Type("1 + 2 =");
  const QString Printed = Path(QStringLiteral("printer.pdf"));
  bool Installed = false;
  int Lookups = 0;
  Calc->FindDefaultPrinter = [&](QPrinter& Printer) {
    ++Lookups;
    if (!Installed) return false;
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setOutputFileName(Printed);
    return true;
  };
  const auto NoPrinter = [&] {
    Calc->TapePrinter().setOutputFormat(QPrinter::PdfFormat);
    Calc->TapePrinter().setOutputFileName(QString());
  };
  NoPrinter();
  Item("PrintTape1")->trigger();
  EXPECT_EQ(Boxes,
            (std::vector<std::string>{"The tape could not be printed: no printer is installed."}));
  EXPECT_FALSE(QFileInfo::exists(Printed));

  Installed = true;
  Item("PrintTape1")->trigger();
  EXPECT_EQ(Boxes.size(), 1u) << "no second box";
  const auto Pages = ReadPdfPages(Printed);
  ASSERT_EQ(Pages.size(), 1u);
  EXPECT_EQ(Pages[0], (std::vector<std::string>{"1", "+2", "=3"}));
  const int Found = Lookups;
  Item("PrintTape1")->trigger();
  EXPECT_EQ(Lookups, Found) << "a printer that can print is not looked up again";

  for (const char* Command : {"PageSetup1", "PrintPreview1"}) {
    SCOPED_TRACE(Command);
    NoPrinter();
    QPrinter* Shown = nullptr;
    Calc->DialogExecOverride = [&](QDialog& Dialog) {
      if (auto* Setup = qobject_cast<QPageSetupDialog*>(&Dialog)) Shown = Setup->printer();
      if (auto* Preview = qobject_cast<QPrintPreviewDialog*>(&Dialog)) Shown = Preview->printer();
      return int(QDialog::Rejected);
    };
    Item(Command)->trigger();
    Calc->DialogExecOverride = nullptr;
    ASSERT_NE(Shown, nullptr);
    EXPECT_EQ(Shown->outputFileName(), Printed);
  }
  ExpectedBoxes = Boxes;
}

// Paper, orientation and margins chosen in Page Setup are those of the next run too.
TEST_F(TapeCommandsTest, PageSetupIsKeptForTheNextRun) {
  Calc->DialogExecOverride = [&](QDialog& Dialog) {
    QPrinter* Printer = dynamic_cast<QPageSetupDialog&>(Dialog).printer();
    Printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape,
                                       QMarginsF(12.5, 8, 10, 20), QPageLayout::Millimeter));
    return int(QDialog::Accepted);
  };
  Item("PageSetup1")->trigger();
  Calc->DialogExecOverride = nullptr;
  Calc->close();
  OpenWindow();
  const QPageLayout Kept = Calc->TapePrinter().pageLayout();
  EXPECT_EQ(Kept.pageSize().id(), QPageSize::A5);
  EXPECT_EQ(Kept.orientation(), QPageLayout::Landscape);
  EXPECT_EQ(Kept.margins(QPageLayout::Millimeter), QMarginsF(12.5, 8, 10, 20));
}

TEST_F(TapeCommandsTest, PrintPreviewShowsTheTapesPages) {
  for (int I = 0; I < 40; ++I) Type("1 + 2 =");
  int Pages = 0;
  Calc->DialogExecOverride = [&](QDialog& Dialog) {
    Pages = Dialog.findChild<QPrintPreviewWidget*>()->pageCount();
    return int(QDialog::Rejected);
  };
  Item("PrintPreview1")->trigger();
  EXPECT_GT(Pages, 1);
}

}  // namespace
