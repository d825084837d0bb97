// veltrona-tape in the user's language: its help and messages follow the system's language or
// the one chosen in the window's options, while the files it writes stay the same in every
// language.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

namespace {

class TapeLanguage : public testing::Test {
 protected:
  QTemporaryDir Dir;
  QString Conf = Dir.filePath(QStringLiteral("config/veltrona.conf"));

  struct TRun {
    std::string Out, Err;
  };

  // The program under Locale (LC_ALL), with LANGUAGE as given.
  TRun Run(const QStringList& Arguments, const char* Locale, const char* Language = "") {
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Dir.filePath(QStringLiteral("config")));
    Environment.insert(QStringLiteral("XDG_DATA_HOME"), Dir.filePath(QStringLiteral("data")));
    Environment.insert(QStringLiteral("LC_ALL"), QLatin1String(Locale));
    Environment.insert(QStringLiteral("LANGUAGE"), QLatin1String(Language));
    QProcess Process;
    Process.setProcessEnvironment(Environment);
    Process.start(QStringLiteral(VELTRONA_TAPE_EXE), Arguments);
    Process.closeWriteChannel();
    Process.waitForFinished(-1);
    return {Process.readAllStandardOutput().toStdString(),
            Process.readAllStandardError().toStdString()};
  }

  void StoreLanguage(const char* Code) {
    QDir().mkpath(QFileInfo(Conf).path());
    QFile File(Conf);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    File.write(QByteArray("[Form]\nLanguage=") + Code + "\n");
  }
};

TEST_F(TapeLanguage, TheHelpInTheUsersLanguage) {
  const struct {
    const char* Stored;  // the language chosen in the options; empty: the system's
    const char* Locale;
    const char* Language;
    const char* Start;
  } Cases[] = {
      {"", "de_DE.UTF-8", "", "Aufruf: veltrona-tape [OPTION]... [WORT]...\n"},
      {"", "fr_FR.UTF-8", "", "Usage : veltrona-tape [OPTION]... [MOT]...\n"},
      {"", "es_ES.UTF-8", "", "Uso: veltrona-tape [OPCIÓN]... [PALABRA]...\n"},
      {"", "de_DE.UTF-8", "es:de", "Uso: veltrona-tape"},
      {"", "C.UTF-8", "de", "Usage: veltrona-tape [OPTION]... [WORD]...\n"},
      {"fr", "C.UTF-8", "", "Usage : veltrona-tape"},
      {"en", "de_DE.UTF-8", "", "Usage: veltrona-tape [OPTION]... [WORD]...\n"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(std::string(Case.Stored) + " " + Case.Locale + " " + Case.Language);
    StoreLanguage(Case.Stored);
    const TRun Help = Run({QStringLiteral("--help")}, Case.Locale, Case.Language);
    EXPECT_TRUE(Help.Out.starts_with(Case.Start)) << Help.Out;
    EXPECT_EQ(Help.Err, "");
  }
}

TEST_F(TapeLanguage, MessagesAndTapeWordsAreGerman) {
  const TRun Divided = Run({"1", "/", "0", "=", "foo"}, "de_DE.UTF-8");
  EXPECT_NE(Divided.Out.find("Division durch Null nicht möglich"), std::string::npos)
      << Divided.Out;
  EXPECT_EQ(Divided.Err, "veltrona-tape: Argument 5: unbekanntes Wort 'foo'\n");
  const TRun Angle = Run({"--rad", "1", "Sin", "="}, "de_DE.UTF-8");
  EXPECT_NE(Angle.Out.find("(1rad)"), std::string::npos) << Angle.Out;
}

// The CSV's columns but the text: kind, operator and value, one row a line.
std::vector<std::string> CsvValues(const std::string& Csv) {
  std::vector<std::string> Rows;
  std::istringstream In(Csv);
  std::string Line;
  while (std::getline(In, Line)) {
    std::size_t Comma = 0;
    for (int I = 0; I < 3 && Comma != std::string::npos; ++I) Comma = Line.find(',', Comma + 1);
    Rows.push_back(Line.substr(0, Comma));
  }
  return Rows;
}

// An equation file saved in German is read back in English as the same calculation, and the
// CSV's kinds, operators and values do not change with the language.
TEST_F(TapeLanguage, FilesWrittenInGermanReadTheSameInEnglish) {
  StoreLanguage("de");
  const QString Saved = Dir.filePath(QStringLiteral("calc.dat"));
  const QStringList Words = {"--grad", "1,5", "+", "50", "Sin", "+tax", "="};
  const TRun German = Run(QStringList{"--save", Saved} + Words, "de_DE.UTF-8");
  ASSERT_NE(German.Out.find("gon"), std::string::npos) << German.Out;

  StoreLanguage("en");
  const TRun Loaded = Run({"--grad", "--load", Saved}, "C.UTF-8");
  QStringList English = Words;
  English[1] = QStringLiteral("1.5");
  EXPECT_EQ(Loaded.Out, Run(English, "C.UTF-8").Out);

  StoreLanguage("de");
  const TRun GermanCsv = Run(QStringList{"--csv"} + English, "C.UTF-8");
  StoreLanguage("en");
  const TRun EnglishCsv = Run(QStringList{"--csv"} + English, "C.UTF-8");
  EXPECT_NE(GermanCsv.Out, EnglishCsv.Out) << "the text column is in the language";
  EXPECT_EQ(CsvValues(GermanCsv.Out), CsvValues(EnglishCsv.Out)) << GermanCsv.Out;
}

}  // namespace
