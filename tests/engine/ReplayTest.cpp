// Equation files, replay, entry copies, the one-line text and the navigation cursor.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "EngineLog.h"

namespace {

namespace fs = std::filesystem;

class EngineFiles : public ::testing::Test {
 protected:
  fs::path Folder;

  void SetUp() override {
    Folder =
        fs::temp_directory_path() / ("veltrona-replay-" + std::to_string(std::random_device{}()));
    fs::create_directories(Folder);
  }
  void TearDown() override { fs::remove_all(Folder); }

  fs::path Write(const std::string& Bytes, const std::string& Name = "Equ1.dat") {
    const fs::path Path = Folder / Name;
    std::ofstream(Path, std::ios::binary) << Bytes;
    return Path;
  }
  static std::string Read(const fs::path& Path) {
    std::ifstream In(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
  }
};

TEST_F(EngineFiles, SaveWritesTheLinesAndLoadReplaysThem) {
  TEngineLog Saved;
  ASSERT_TRUE(Saved.Keys("2 + 3 * 4 ="));
  const fs::path Path = Folder / "Equ1.dat";
  ASSERT_TRUE(Saved.Engine.SaveToFile(Path));
  EXPECT_EQ(Read(Path), "2\r\nsceAdd\r\n3\r\nsceTimes\r\n4\r\nsceEquals\r\n");

  TEngineLog Loaded;
  ASSERT_TRUE(Loaded.Engine.LoadFromFile(Path));
  EXPECT_EQ(Loaded.LastShown(), 14);
  EXPECT_EQ(Loaded.Tape, Saved.Tape);
  EXPECT_EQ(Loaded.Engine.EquationText(), "2+3*4=");
  EXPECT_EQ(Loaded.Engine.EntryCount(), 4);
  // Nothing but the target is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(Folder), fs::directory_iterator()), 1);
}

TEST_F(EngineFiles, EveryOperatorSurvivesTheRoundTrip) {
  TEngineLog Saved;
  ASSERT_TRUE(
      Saved.Keys("200 + 10 % - 3 * 2 ^ 2 root 2 / 4 Sqr Sqrt 1/x Log 10^x Ln e^x +/- "
                 "Sin ASin Cos ACos Tan ATan % +Tax -Tax TaxI TaxE + 1.5E-7 ="));
  ASSERT_TRUE(Saved.Errors.empty());
  ASSERT_TRUE(Saved.Engine.SaveToFile(Folder / "all.dat"));
  TEngineLog Loaded;
  ASSERT_TRUE(Loaded.Engine.LoadFromFile(Folder / "all.dat"));
  EXPECT_EQ(Loaded.Engine.EquationText(), Saved.Engine.EquationText());
  EXPECT_EQ(Loaded.Tape, Saved.Tape);
  ASSERT_TRUE(Loaded.Engine.SaveToFile(Folder / "again.dat"));
  EXPECT_EQ(Read(Folder / "again.dat"), Read(Folder / "all.dat"));
}

TEST_F(EngineFiles, EmptyAndWaitingEquations) {
  TEngineLog Empty;
  ASSERT_TRUE(Empty.Engine.SaveToFile(Folder / "empty.dat"));
  EXPECT_EQ(fs::file_size(Folder / "empty.dat"), 0u);
  EXPECT_FALSE(Empty.Engine.LoadFromFile(Folder / "empty.dat"));
  EXPECT_TRUE(Empty.Engine.IsEmpty());

  TEngineLog Waiting;
  ASSERT_TRUE(Waiting.Keys("2 +"));
  ASSERT_TRUE(Waiting.Engine.SaveToFile(Folder / "wait.dat"));
  EXPECT_EQ(Read(Folder / "wait.dat"), "2\r\nsceAdd\r\n");
  TEngineLog Loaded;
  ASSERT_TRUE(Loaded.Engine.LoadFromFile(Folder / "wait.dat"));
  EXPECT_TRUE(Loaded.Engine.IsAwaitingNumber());
  EXPECT_EQ(Loaded.Engine.EquationText(), "2");
}

TEST_F(EngineFiles, MemoryNumbersAreFetchedAgain) {
  const fs::path Path = Write("2\r\nsceAdd\r\nGETMEM\r\nsceEquals\r\n");
  for (const Extended Memory : {5.0L, 10.0L}) {
    TEngineLog Log;
    Log.Memory = Memory;
    ASSERT_TRUE(Log.Engine.LoadFromFile(Path));
    EXPECT_EQ(Log.LastShown(), 2 + Memory);
    ASSERT_TRUE(Log.Engine.SaveToFile(Folder / "again.dat"));
    EXPECT_EQ(Read(Folder / "again.dat"), Read(Path));
  }
  // An opening number from memory is written as the number it had.
  TEngineLog Log;
  Log.Memory = 7;
  ASSERT_TRUE(Log.Engine.LoadFromFile(Write("GETMEM\r\nsceSqr\r\n")));
  EXPECT_EQ(Log.LastShown(), 49);
  ASSERT_TRUE(Log.Engine.SaveToFile(Folder / "again.dat"));
  EXPECT_EQ(Read(Folder / "again.dat"), "7\r\nsceSqr\r\n");
}

TEST_F(EngineFiles, NumbersUseTheLocaleSeparator) {
  const TFormatSettings Comma{",", ".", "#$", "-#$", 2};
  TEngineLog Saved;
  Saved.Engine.SetFormatSettings(Comma);
  ASSERT_TRUE(Saved.Keys("2.5 + 1 ="));
  const fs::path Path = Folder / "comma.dat";
  ASSERT_TRUE(Saved.Engine.SaveToFile(Path));
  EXPECT_EQ(Read(Path), "2,5\r\nsceAdd\r\n1\r\nsceEquals\r\n");

  TEngineLog SameLocale;
  SameLocale.Engine.SetFormatSettings(Comma);
  EXPECT_TRUE(SameLocale.Engine.LoadFromFile(Path));
  EXPECT_EQ(SameLocale.LastShown(), 3.5L);
  TEngineLog OtherLocale;
  EXPECT_FALSE(OtherLocale.Engine.LoadFromFile(Path));
}

TEST_F(EngineFiles, DamagedFilesLoadAsFarAsTheyAreGood) {
  struct TRow {
    const char* Name;
    std::string Bytes;
    bool Loads;
    const char* Text;  // EquationText afterwards
  };
  std::string Noise;
  std::mt19937 Random(7);
  for (int I = 0; I < 4096; ++I) Noise += static_cast<char>(Random());
  std::string ManyLines = "1\r\n";
  for (int I = 0; I < 5000; ++I) ManyLines += "sceAdd\r\n1\r\n";
  const TRow Rows[] = {
      {"one number", "2", true, "2"},
      {"lf ends", "2\nsceAdd\n3\nsceEquals\n", true, "2+3="},
      {"cr ends", "2\rsceAdd\r3\rsceEquals", true, "2+3="},
      {"blanks around numbers", " 2 \r\nsceAdd\r\n\t-3e2\r\n", true, "2+-300"},
      {"wrong case", "2\r\nsceadd\r\n3\r\n", false, "2"},
      {"letters", "abc\r\n", false, ""},
      {"empty line", "2\r\n\r\nsceAdd\r\n", false, "2"},
      {"two numbers", "2\r\n3\r\n", false, "2"},
      {"operator first", "sceAdd\r\n2\r\n", false, ""},
      {"not a file name", "2\r\nsceStart\r\n", false, "2"},
      {"overflow", "2\r\nsceAdd\r\n1e99999\r\n", false, "2"},
      {"nan", "nan\r\n", false, ""},
      {"infinity", "2\r\nsceTimes\r\ninf\r\n", false, "2"},
      {"thousands separator", "1,000\r\n", false, ""},
      {"error state", "5\r\nsceDivide\r\n0\r\nsceEquals\r\nsceAdd\r\n1\r\n", false, "5/0="},
      {"binary noise", Noise, false, ""},
      {"too many entries", ManyLines, false, ""},
      {"a million characters", std::string(1000000, '7'), false, ""},
  };
  for (const TRow& Row : Rows) {
    SCOPED_TRACE(Row.Name);
    TEngineLog Log;
    EXPECT_EQ(Log.Engine.LoadFromFile(Write(Row.Bytes)), Row.Loads);
    if (std::string_view(Row.Name) == "too many entries") {
      EXPECT_EQ(Log.Engine.EntryCount(), MaxEntries);
      EXPECT_EQ(Log.Messages, std::vector<std::string>{"Equation Limit Reached!"});
    } else if (std::string_view(Row.Name) != "binary noise") {
      EXPECT_EQ(Log.Engine.EquationText(), Row.Text);
    }
  }
}

// A data folder named in any script (on Windows %LOCALAPPDATA% holds the user's name):
// names reach the system in full, not through a narrow code page, and the file is
// replaced in place with the same bytes on every system.
TEST_F(EngineFiles, FoldersAndNamesBeyondAscii) {
  const fs::path Data =
      Folder / fs::path(u8"Zo\u00EB \u03A9\u03BC\u03AD\u03B3\u03B1 \u6771\u4EAC") / "veltrona";
  fs::create_directories(Data);
  const fs::path Names[] = {"Equ1.dat", fs::path(u8"R\u00E9sum\u00E9 \u20AC \u0416.dat")};
  TEngineLog Saved;
  ASSERT_TRUE(Saved.Keys("1.1 * 1.1 ="));
  for (const fs::path& Name : Names) {
    ASSERT_TRUE(Saved.Engine.SaveToFile(Data / Name));
    ASSERT_TRUE(Saved.Engine.SaveToFile(Data / Name));  // over the first one
    EXPECT_EQ(Read(Data / Name), "1.1\r\nsceTimes\r\n1.1\r\nsceEquals\r\n");
    TEngineLog Loaded;
    ASSERT_TRUE(Loaded.Engine.LoadFromFile(Data / Name));
    EXPECT_EQ(Loaded.LastShown(), 1.21L);
  }
  std::vector<std::u8string> Listed;
  for (const fs::directory_entry& Entry : fs::directory_iterator(Data))
    Listed.push_back(Entry.path().filename().u8string());
  std::sort(Listed.begin(), Listed.end());
  EXPECT_TRUE(Listed == (std::vector<std::u8string>{Names[0].u8string(), Names[1].u8string()}))
      << "exactly the two files, named as given";
}

TEST_F(EngineFiles, MissingFileLeavesTheEngineAlone) {
  TEngineLog Log;
  ASSERT_TRUE(Log.Keys("2 + 3"));
  EXPECT_FALSE(Log.Engine.LoadFromFile(Folder / "missing.dat"));
  EXPECT_EQ(Log.Engine.EquationText(), "2+3");
}

TEST_F(EngineFiles, FailedSaveKeepsTheOldFile) {
  TEngineLog Log;
  ASSERT_TRUE(Log.Keys("2 + 3 ="));
  EXPECT_FALSE(Log.Engine.SaveToFile(Folder / "no-such-folder" / "Equ1.dat"));
  fs::create_directory(Folder / "taken");
  EXPECT_FALSE(Log.Engine.SaveToFile(Folder / "taken"));
  EXPECT_TRUE(fs::is_directory(Folder / "taken"));
  EXPECT_EQ(std::distance(fs::directory_iterator(Folder), fs::directory_iterator()), 1);
}

TEST(EngineReplay, RecalcReplaysUpToAnEntry) {
  TEngineLog Log;
  ASSERT_TRUE(Log.Keys("2 + 3 * 4 ="));
  const std::size_t TapeLines = Log.Tape.size();
  EXPECT_EQ(Log.Engine.Recalc(2), 3);
  EXPECT_EQ(Log.Engine.EntryCount(), 2);
  EXPECT_EQ(Log.Engine.EquationText(), "2+3");
  EXPECT_EQ(Log.Tape.size(), TapeLines);  // nothing evaluated, nothing printed

  ASSERT_TRUE(Log.Keys("* 4 ="));
  ASSERT_TRUE(Log.Engine.NavPrev());
  ASSERT_TRUE(Log.Engine.NavPrev());
  EXPECT_EQ(Log.Engine.NavIndex(), 2);
  Log.Engine.ReplaceNavNumber(5);
  EXPECT_EQ(Log.Engine.Recalc(0), 22);
  EXPECT_EQ(Log.Tape.back(), (TTapeLine{"= 22", 4}));
}

TEST_F(EngineFiles, PercentThatReplacedAnOperatorStaysPlain) {
  // The % took the place of the -, so the record holds a plain % after 3 * 4; replaying it
  // must not turn the * 4 into "4 percent of".
  TEngineLog Log;
  ASSERT_TRUE(Log.Keys("2 + 3 * 4 - % ="));
  const std::string Text = Log.Engine.EquationText();
  EXPECT_EQ(Text, "2+3*4%=");
  ASSERT_TRUE(Log.Engine.SaveToFile(Folder / "p.dat"));
  Log.Engine.Recalc(0);
  EXPECT_EQ(Log.Engine.EquationText(), Text);

  TEngineLog Loaded;
  ASSERT_TRUE(Loaded.Engine.LoadFromFile(Folder / "p.dat"));
  EXPECT_EQ(Loaded.Engine.EquationText(), Text);
  EXPECT_EQ(Loaded.LastShown(), Log.LastShown());
}

TEST(EngineReplay, RestoreRebuildsACopiedEquation) {
  TEngineLog Source;
  Source.Memory = 4;
  ASSERT_TRUE(Source.Keys("2 + MR * 3 ="));
  TEquEntries Copy;
  Source.Engine.CopyEntries(Copy);

  TEngineLog Target;
  Target.Memory = 10;  // memory numbers take the memory's present value
  Target.Engine.RestoreEntries(Copy, Source.Engine.EntryCount());
  EXPECT_EQ(Target.LastShown(), 32);
  EXPECT_EQ(Target.Engine.EquationText(), "2+10*3=");

  Target.Engine.RestoreEntries(Copy, 0);
  EXPECT_TRUE(Target.Engine.IsEmpty());
  Target.Engine.RestoreEntries(Copy, 1000);  // a count beyond the array is cut to it
  EXPECT_EQ(Target.Engine.EquationText(), "2+10*3=");
}

TEST(EngineReplay, ReplayStopsWhereTheErrorHappens) {
  TEngineLog Log;
  ASSERT_TRUE(Log.Keys("6 / 2 ="));
  ASSERT_TRUE(Log.Engine.NavPrev());
  Log.Engine.ReplaceNavNumber(0);
  EXPECT_EQ(Log.Engine.Recalc(0), 0);
  EXPECT_TRUE(Log.Engine.EquationInError());
  EXPECT_EQ(Log.Errors, std::vector<std::string>{"Cannot Divide by Zero"});
}

TEST(EngineReplay, EquationText) {
  struct TRow {
    const char* Keys;
    std::int32_t Base;
    const char* Text;
  } const Rows[] = {
      {"2 + 3 * 4 =", 10, "2+3*4="},    {"2 + 9 Sqrt =", 10, "2+9Sqrt="},
      {"200 * 10 % =", 10, "200x10="},  {"100 +Tax", 10, "100"},
      {"2 + 3 *", 10, "2+3"},           {"1 / 3 =", 10, "1/3="},
      {"255 + 1E30 =", 16, "xFF+***="}, {"-1 * 2.9 =", 16, "xFFFFFFFFFFFFFFFF*x2="},
  };
  for (const TRow& Row : Rows) {
    SCOPED_TRACE(Row.Keys);
    TEngineLog Log;
    Log.Engine.SetBaseUnits(Row.Base);
    ASSERT_TRUE(Log.Keys(Row.Keys));
    EXPECT_EQ(Log.Engine.EquationText(), Row.Text);
  }
}

TEST(EngineNavigation, BackAndForwardOverTheNumbers) {
  struct TRow {
    const char* Keys;
    std::vector<std::int32_t> BackSteps;  // NavIndex after each NavPrev that moves
  } const Rows[] = {
      {"2 + 3 *", {1}},     // the display already shows the 3
      {"2 + 3 =", {2, 1}},  // after a total the first Back shows the last number
      {"1 + 2 =", {2, 1}}, {"9 Sqrt + 4 -", {3, 1}}, {"2 + 3 - 4 + 5 =", {4, 3, 2, 1}},
  };
  for (const TRow& Row : Rows) {
    SCOPED_TRACE(Row.Keys);
    TEngineLog Log;
    ASSERT_TRUE(Log.Keys(Row.Keys));
    for (const std::int32_t Index : Row.BackSteps) {
      ASSERT_TRUE(Log.Engine.NavHasPrev());
      ASSERT_TRUE(Log.Engine.NavPrev());
      EXPECT_EQ(Log.Engine.NavIndex(), Index);
    }
    EXPECT_FALSE(Log.Engine.NavHasPrev());
    EXPECT_FALSE(Log.Engine.NavPrev());
    EXPECT_EQ(Log.Engine.NavIndex(), 1);
    // Forward walks back up to the last number and stops there.
    std::int32_t Steps = 0;
    while (Log.Engine.NavNext()) ++Steps;
    EXPECT_EQ(Steps, static_cast<std::int32_t>(Row.BackSteps.size()) - 1 +
                         (std::string_view(Row.Keys).ends_with('*') ? 1 : 0));
    EXPECT_FALSE(Log.Engine.NavHasNext());
  }
}

TEST(EngineNavigation, ShowAndSelection) {
  TEngineLog Log;
  ASSERT_TRUE(Log.Keys("2 + 3 - 4 ="));
  ASSERT_TRUE(Log.Engine.NavPrev());
  ASSERT_TRUE(Log.Engine.NavPrev());
  EXPECT_EQ(Log.Engine.NavShow(), 3);
  EXPECT_EQ(Log.Shown.back(), 3);
  // Lines: "  2" at 0, "+ 3" at 4, "{= 5}" at 8, "- 4" at 14.
  EXPECT_EQ(Log.Engine.NavSelStart(), 4);
  EXPECT_EQ(Log.Engine.NavSelLength(), 3);

  Log.Engine.ShiftSelStarts(4, 10);
  EXPECT_EQ(Log.Engine.NavSelStart(), 14);
  ASSERT_TRUE(Log.Engine.NavPrev());
  EXPECT_EQ(Log.Engine.NavSelStart(), 0);  // before From: unmoved
  ASSERT_TRUE(Log.Engine.NavNext());
  ASSERT_TRUE(Log.Engine.NavNext());
  EXPECT_EQ(Log.Engine.NavSelStart(), 24);
}

}  // namespace
