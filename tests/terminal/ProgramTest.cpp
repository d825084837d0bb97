// veltrona-tape as a user runs it: arguments and standard input in, the tape, the messages
// and the exit status out. Every run has the test's own settings and data folders.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <initializer_list>
#include <string>

#include "SharedTapeCases.h"

namespace {

struct TRun {
  std::string Out;
  std::string Err;
  int Status = -1;
};

TRun RunTape(const QStringList& Arguments, const std::string& Input = {},
             const QProcessEnvironment& Environment = QProcessEnvironment::systemEnvironment()) {
  QProcess Process;
  Process.setProcessEnvironment(Environment);
  Process.start(QStringLiteral(VELTRONA_TAPE_EXE), Arguments);
  if (!Process.waitForStarted(-1)) return {};
  Process.write(Input.data(), static_cast<qint64>(Input.size()));
  Process.closeWriteChannel();
  Process.waitForFinished(-1);
  TRun Run;
  Run.Out = Process.readAllStandardOutput().toStdString();
  Run.Err = Process.readAllStandardError().toStdString();
  Run.Status = Process.exitStatus() == QProcess::NormalExit ? Process.exitCode() : -1;
  return Run;
}

// Tape lines right-aligned as the program writes them to a file.
std::string Tape(std::initializer_list<std::string> Lines, int Width = 40) {
  std::string Out;
  for (const std::string& Line : Lines) {
    int Characters = 0;
    for (const char C : Line) Characters += (static_cast<unsigned char>(C) & 0xC0) != 0x80;
    if (Characters < Width) Out.append(static_cast<std::size_t>(Width - Characters), ' ');
    Out += Line + '\n';
  }
  return Out;
}

std::string ReadText(const QString& Path) {
  QFile File(Path);
  if (!File.open(QIODevice::ReadOnly)) return {};
  return File.readAll().toStdString();
}

void WriteText(const QString& Path, const std::string& Text) {
  QDir().mkpath(QFileInfo(Path).path());
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
  File.write(Text.data(), static_cast<qint64>(Text.size()));
}

const std::string Usage = "\nTry 'veltrona-tape --help'.\n";

struct TCase {
  const char* Name;
  QStringList Arguments;
  std::string Input;
  std::string Out;
  std::string Err;
  int Status;
};

void Check(const TCase& Case, const QProcessEnvironment& Environment) {
  SCOPED_TRACE(Case.Name);
  const TRun Run = RunTape(Case.Arguments, Case.Input, Environment);
  EXPECT_EQ(Run.Out, Case.Out);
  EXPECT_EQ(Run.Err, Case.Err);
  EXPECT_EQ(Run.Status, Case.Status);
}

TEST(Program, InputsAndTheirTapes) {
  const TCase Cases[] = {
      {"one-liner", {"2", "+", "3", "*", "4", "="}, "", Tape({"  2", "+ 3", "* 4", "= 14"}), "", 0},
      {"as entered",
       {"--as-entered", "2", "+", "3", "x", "4", "="},
       "",
       Tape({"  2", "+ 3", "{= 5}", "* 4", "= 20"}),
       "",
       0},
      {"lines of input", {}, "2 +\n3 *\n\n  4\t=\r\n", Tape({"  2", "+ 3", "* 4", "= 14"}), "", 0},
      {"names in any case",
       {"9", "SQRT", "+", "4", "="},
       "",
       Tape({"  Sqrt(9)", "[Sqrt(9) = 3]", "{= 3}", "+ 4", "= 7"}),
       "",
       0},
      {"tax",
       {"100", "+tax", "="},
       "",
       Tape({"  100 +Tax", "[100 +10% Tax = 110]", "{= 110}", "= 110"}),
       "",
       0},
      {"own tax",
       {"--tax-rate", "7.5", "--tax-name", "VAT", "100", "+vat", "="},
       "",
       Tape({"  100 +VAT", "[100 +7.5% VAT = 107.5]", "{= 107.5}", "= 107.5"}),
       "",
       0},
      {"percent", {"200", "+", "10", "%", "="}, "", Tape({"  200", "+ 10%", "= 220"}), "", 0},
      {"negative number", {"5", "+", "-7", "="}, "", Tape({"  5", "+ -7", "= -2"}), "", 0},
      {"exponents", {"1.5e-3", "+", "1", "="}, "", Tape({"  0.0015", "+ 1", "= 1.0015"}), "", 0},
      {"root as the tape writes it",
       {},
       "2 ^ 1/ 3 =\n",
       Tape({"  2", "^ 1/ 3", "= 1.2599210498949"}),
       "",
       0},
      {"10 to the power",
       {"2", "Exp", "="},
       "",
       Tape({"  Exp(2)", "[Exp(2) = 100]", "{= 100}", "= 100"}),
       "",
       0},
      {"keys",
       {"2", "+", "3", "bck", "4", "=", "7", "ce", "8", "+", "1", "="},
       "",
       Tape({"  2", "+ 4", "= 6", "------------", "  8", "+ 1", "= 9"}),
       "",
       0},
      {"memory",
       {"5", "min", "c", "mr", "+", "1", "="},
       "",
       Tape({"------------", "  5", "+ 1", "= 6"}),
       "",
       0},
      {"fixed",
       {"--format", "fixed", "--decimals", "3", "1.5", "+", "2.25", "="},
       "",
       Tape({"  1.500", "+ 2.250", "= 3.750"}),
       "",
       0},
      {"currency, without a sign in the C locale",
       {"--format=currency", "1234.5", "-", "2000", "="},
       "",
       Tape({"  1,234.50", "- 2,000.00", "= -765.50"}),
       "",
       0},
      {"hexadecimal", {"--hex", "ff", "+", "1", "="}, "", Tape({"  xFF", "+ x1", "= x100"}), "", 0},
      {"angle unit",
       {"--rad", "0", "cos", "="},
       "",
       Tape({"  Cos(0rd)", "[Cos(0rd) = 1]", "{= 1}", "= 1"}),
       "",
       0},
      {"width",
       {"--width", "6", "2", "+", "3", "=", "1234567", "="},
       "",
       Tape({"  2", "+ 3", "= 5", "------------", "  1234567", "= 1234567"}, 6),
       "",
       0},
      {"quit ends the input", {}, "2 + 3 = quit 4\n5\n", Tape({"  2", "+ 3", "= 5"}), "", 0},
      {"nothing to do", {}, "", "", "", 0},
      {"csv",
       {"--csv", "1234.5", "-", "2000", "="},
       "",
       "kind,operator,value,text\r\nentry,add,1234.5,\r\nentry,subtract,2000,\r\n"
       "total,total,-765.5,\r\n",
       "",
       0},
      // Errors of the calculation: printed, and the exit status says so.
      {"error line",
       {"1", "/", "0", "="},
       "",
       Tape({"Cannot Divide by Zero", "  1", "/ 0", "= 0"}),
       "",
       1},
      {"error box",
       {"1e5000", "+", "1", "="},
       "",
       Tape({"  0", "+ 1", "= 1"}),
       "veltrona-tape: Invalid Number\n",
       1},
      // Bad words stop the run where they stand.
      {"unknown word",
       {"2", "+", "3", "=", "foo", "1"},
       "",
       Tape({"  2", "+ 3", "= 5"}),
       "veltrona-tape: argument 5: unknown word 'foo'\n",
       2},
      {"unknown word on a line",
       {},
       "2 +\n3 = bogus\n4 =\n",
       Tape({"  2", "+ 3", "= 5"}),
       "veltrona-tape: line 2, word 3: unknown word 'bogus'\n",
       2},
      {"too many digits",
       {"12345678901", "="},
       "",
       "",
       "veltrona-tape: argument 1: '12345678901' has more digits than the keypad takes (ten "
       "before the point, nine after it)\n",
       2},
      {"negative with exponent",
       {"-1.5e3"},
       "",
       "",
       "veltrona-tape: argument 1: '-1.5e3': the keypad types no negative number with an "
       "exponent; use 0 - 1.5e3\n",
       2},
      // Bad options stop before anything is done.
      {"unknown option",
       {"--frobnicate", "1"},
       "",
       "",
       "veltrona-tape: unknown option '--frobnicate'" + Usage,
       2},
      {"bad option value",
       {"--decimals", "19"},
       "",
       "",
       "veltrona-tape: option --decimals wants a number of decimals from 0 to 18, not '19'" + Usage,
       2},
      {"option without its value",
       {"--width"},
       "",
       "",
       "veltrona-tape: option --width wants a value" + Usage,
       2},
      // The sums of a column.
      {"sum",
       {"--sum"},
       "Amount\n12.50\n-3.25\n\"1,000.00\"\n\n-5\n",
       Tape({"  12.5", "+ -3.25", "{= 9.25}", "+ 1000", "{= 1009.25}", "+ -5", "= 1004.25"}),
       "",
       0},
      {"sum of arguments", {"--sum", "1.5", "2.5"}, "", Tape({"  1.5", "+ 2.5", "= 4"}), "", 0},
      {"sum of nothing", {"--sum"}, "", Tape({"  0", "= 0"}), "", 0},
      {"sum with a bad line",
       {"--sum"},
       "1\n2\nabc\n4\n",
       "",
       "veltrona-tape: line 3: 'abc' is not an amount\n",
       2},
      {"sum as csv",
       {"--sum", "--csv"},
       "-2\n3\n",
       "kind,operator,value,text\r\nentry,add,-2,\r\nentry,add,3,\r\ntotal,total,1,\r\n",
       "",
       0},
      // Files that cannot be read.
      {"load a missing file",
       {"--load", "/nonexistent/calc.dat"},
       "",
       "",
       "veltrona-tape: cannot read a calculation from /nonexistent/calc.dat\n",
       2},
      {"save where nothing can be written",
       {"--save", "/nonexistent/calc.dat", "2", "="},
       "",
       Tape({"  2", "= 2"}),
       "veltrona-tape: cannot write /nonexistent/calc.dat\n",
       2},
  };
  for (const TCase& Case : Cases) Check(Case, QProcessEnvironment::systemEnvironment());
}

// The calculations the window's tests type too.
TEST(Program, TheWindowsTape) {
  for (const TSharedTapeCase& Case : SharedTapeCases()) {
    SCOPED_TRACE(Case.Words);
    std::string Out;
    for (const std::string& Line : Case.Tape) Out += Tape({Line});
    const TRun Run = RunTape(QString::fromUtf8(Case.Words).split(u' '));
    EXPECT_EQ(Run.Out, Out);
    EXPECT_EQ(Run.Err, "");
    EXPECT_EQ(Run.Status, Case.Error ? 1 : 0);
  }
}

TEST(Program, HelpAndVersion) {
  const TRun Help = RunTape({"--help"});
  EXPECT_TRUE(Help.Out.starts_with("Usage: veltrona-tape [OPTION]... [WORD]...\n")) << Help.Out;
  EXPECT_NE(Help.Out.find("--sum"), std::string::npos);
  EXPECT_EQ(Help.Err, "");
  EXPECT_EQ(Help.Status, 0);
  const TRun Version = RunTape({"--version", "1", "+"});
  EXPECT_TRUE(Version.Out.starts_with("veltrona-tape ")) << Version.Out;
  EXPECT_EQ(Version.Status, 0);
}

// Equation files: saved, loaded (with either decimal point), continued, and the history of
// the window's data folder.
class ProgramFiles : public testing::Test {
 protected:
  QTemporaryDir Dir;
  QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
  QString DataHome = Dir.filePath(QStringLiteral("data"));
  QString ConfigHome = Dir.filePath(QStringLiteral("config"));
  void SetUp() override {
    Environment.insert(QStringLiteral("XDG_DATA_HOME"), DataHome);
    Environment.insert(QStringLiteral("XDG_CONFIG_HOME"), ConfigHome);
  }
  QString File(const char* Name) { return Dir.filePath(QLatin1String(Name)); }
};

TEST_F(ProgramFiles, SavedCalculationsLoadAgain) {
  const QString Saved = File("calc.dat");
  const TRun Save = RunTape({"--save", Saved, "2", "+", "3.5", "="}, {}, Environment);
  EXPECT_EQ(Save.Status, 0);
  EXPECT_EQ(ReadText(Saved), "2\r\nsceAdd\r\n3.5\r\nsceEquals\r\n");

  WriteText(File("comma.dat"), "1,5\r\nsceTimes\r\n2\r\nsceEquals\r\n");
  WriteText(File("broken.dat"), "2\r\nsceAdd\r\nnot a number\r\n");
  const TCase Cases[] = {
      {"load", {"--load", Saved}, "", Tape({"  2", "+ 3.5", "= 5.5"}), "", 0},
      {"load and go on",
       {"--load", Saved, "x", "2", "="},
       "",
       Tape({"  2", "+ 3.5", "= 5.5", "* 2", "= 11"}),
       "",
       0},
      {"load and type a new one",
       {"--load", Saved},
       "7 =\n",
       Tape({"  2", "+ 3.5", "= 5.5", "------------", "  7", "= 7"}),
       "",
       0},
      {"written with a comma",
       {"--load", File("comma.dat")},
       "",
       Tape({"  1.5", "* 2", "= 3"}),
       "",
       0},
      {"not an equation file",
       {"--load", File("broken.dat")},
       "",
       "",
       "veltrona-tape: cannot read a calculation from " + File("broken.dat").toStdString() + "\n",
       2},
      {"a folder",
       {"--load", Dir.path()},
       "",
       "",
       "veltrona-tape: cannot read a calculation from " + Dir.path().toStdString() + "\n",
       2},
  };
  for (const TCase& Case : Cases) Check(Case, Environment);
}

// --save-tape keeps what was printed as a tape document; --open-tape prints it again and goes
// on with its calculation; a file that is no tape document is one message and status 2.
TEST_F(ProgramFiles, TapeDocumentsSaveAndOpen) {
  const QString Doc = File("march.vtape");
  const TRun Saved = RunTape(
      {"--defaults", "--save-tape", Doc, "12", "+", "30", "=", "5", "+", "4"}, {}, Environment);
  EXPECT_EQ(Saved.Out, Tape({"  12", "+ 30", "= 42", "------------"}));
  EXPECT_EQ(Saved.Status, 0);
  const TRun Opened = RunTape({"--defaults", "--open-tape", Doc, "="}, {}, Environment);
  EXPECT_EQ(Opened.Out, Tape({"  12", "+ 30", "= 42", "------------", "  5", "+ 4", "= 9"}));
  EXPECT_EQ(Opened.Err, "");
  EXPECT_EQ(Opened.Status, 0);

  WriteText(File("cut.vtape"), "{\"format\":\"application/x-veltrona-tape\",\"vers");
  const TRun Cut = RunTape({"--defaults", "--open-tape", File("cut.vtape")}, {}, Environment);
  EXPECT_EQ(Cut.Out, "");
  EXPECT_NE(Cut.Err.find("cannot open " + File("cut.vtape").toStdString() +
                         " as a tape: It is cut short"),
            std::string::npos);
  EXPECT_EQ(Cut.Status, 2);
}

// --xlsx saves the tape it prints as the window's workbook (whose cells the files' tests read);
// a workbook that cannot be written is reported and the tape still printed.
TEST_F(ProgramFiles, TheTapeAsAWorkbook) {
  const QString Book = File("tape.xlsx");
  const TRun Saved = RunTape({"--defaults", "--xlsx", Book, "2", "-", "3", "="}, {}, Environment);
  EXPECT_EQ(Saved.Out, Tape({"  2", "- 3", "= -1"}));
  EXPECT_EQ(Saved.Err, "");
  EXPECT_EQ(Saved.Status, 0);
  QProcess Unzip;
  Unzip.start(QStringLiteral("unzip"),
              {QStringLiteral("-p"), Book, QStringLiteral("xl/sharedStrings.xml")});
  ASSERT_TRUE(Unzip.waitForFinished()) << "unzip is installed by scripts/install-deps";
  const std::string Strings = Unzip.readAllStandardOutput().toStdString();
  for (const char* Word : {"subtract", "total"})
    EXPECT_NE(Strings.find(std::string(">") + Word + "<"), std::string::npos) << Strings;

  const TRun Failed =
      RunTape({"--defaults", "--xlsx", "/nonexistent/tape.xlsx", "2", "="}, {}, Environment);
  EXPECT_EQ(Failed.Out, Tape({"  2", "= 2"}));
  EXPECT_TRUE(Failed.Err.starts_with("veltrona-tape: cannot write /nonexistent/tape.xlsx: "))
      << Failed.Err;
  EXPECT_EQ(Failed.Status, 2);
}

TEST_F(ProgramFiles, TheWindowsHistory) {
  WriteText(DataHome + "/veltrona/Equ2.dat", "4\r\nsceSqrt\r\nsceEquals\r\n");
  const QString Chosen = File("chosen");
  WriteText(Chosen + "/Equ1.dat", "6\r\nsceDivide\r\n4\r\nsceEquals\r\n");
  const TCase Cases[] = {
      {"second place",
       {"--history", "2"},
       "",
       Tape({"  Sqrt(4)", "[Sqrt(4) = 2]", "{= 2}", "= 2"}),
       "",
       0},
      {"an empty place",
       {"--history", "1"},
       "",
       "",
       "veltrona-tape: no calculation at place 1 of the history (" + DataHome.toStdString() +
           "/veltrona/Equ1.dat)\n",
       2},
  };
  for (const TCase& Case : Cases) Check(Case, Environment);

  WriteText(ConfigHome + "/veltrona.conf", "[Dir]\nSaveDest=" + Chosen.toStdString() + "\n");
  Check({"the stored folder", {"--history", "1"}, "", Tape({"  6", "/ 4", "= 1.5"}), "", 0},
        Environment);
  EXPECT_FALSE(QFileInfo::exists(DataHome + "/veltrona/Equ1.dat")) << "nothing is written";
}

TEST_F(ProgramFiles, StoredSettingsAreReadAndNeverWritten) {
  const QString Conf = ConfigHome + "/veltrona.conf";
  const std::string Stored =
      "[Tape]\nNumOpt=4\nDigits=1\n[Tax]\nTaxLit=GST\nTaxRate=0.05\n[Mem]\nMemNum=2.5\n"
      "[Math]\nDumb=1\n";
  WriteText(Conf, Stored);
  const TCase Cases[] = {
      {"stored",
       {"2", "+", "3", "x", "mr", "="},
       "",
       Tape({"  2.0", "+ 3.0", "{= 5.0}", "* 2.5", "= 12.5"}),
       "",
       0},
      {"stored tax",
       {"10", "+gst", "="},
       "",
       Tape({"  10.0", "10.0 +GST", "[10.0 +5% GST = 10.5]", "{= 10.5}", "= 10.5"}),
       "",
       0},
      {"overridden",
       {"--arithmetic", "--format", "general", "2", "+", "3", "x", "mr", "="},
       "",
       Tape({"  2", "+ 3", "* 2.5", "= 9.5"}),
       "",
       0},
      {"defaults",
       {"--defaults", "2", "+", "3", "x", "mr", "="},
       "",
       Tape({"  2", "+ 3", "* 0", "= 2"}),
       "",
       0},
  };
  for (const TCase& Case : Cases) Check(Case, Environment);
  EXPECT_EQ(ReadText(Conf), Stored);

  QFile::remove(Conf);
  Check({"first run", {"1", "="}, "", Tape({"  1", "= 1"}), "", 0}, Environment);
  EXPECT_FALSE(QFileInfo::exists(Conf)) << "no settings file is made";
}

TEST_F(ProgramFiles, TheLocalesDecimalSeparator) {
  Environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
  const TCase Cases[] = {
      {"either point",
       {"1,5", "+", "1.5", "x", "1000", "="},
       "",
       Tape({"  1,5", "+ 1,5", "* 1000", "= 1501,5"}),
       "",
       0},
      {"currency",
       {"--format", "currency", "1,5", "-", "2000", "="},
       "",
       Tape({"  1,50\u00a0€", "- 2.000,00\u00a0€", "= -1.998,50\u00a0€"}),
       "",
       0},
      {"sum", {"--sum"}, "1.234,50\n-0,50\n", Tape({"  1234,5", "+ -0,5", "= 1234"}), "", 0},
  };
  for (const TCase& Case : Cases) Check(Case, Environment);
}

}  // namespace
