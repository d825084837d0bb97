// The folder of the history files: the stored one, or the per-user data folder, made when
// missing. Each test has its own data folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "DataFolder.h"

namespace {

class DataFolderTest : public testing::Test {
 protected:
  QTemporaryDir Home;
  QString DataHome = Home.filePath(QStringLiteral("data"));
  void SetUp() override { qputenv("XDG_DATA_HOME", DataHome.toLocal8Bit()); }
};

TEST_F(DataFolderTest, WhereTheHistoryLives) {
  struct TCase {
    std::string SaveDest;
    QString Expected;
  };
  const TCase Cases[] = {
      {"", DataHome + "/veltrona"},
      {"  ", DataHome + "/veltrona"},
      {"/srv/calc", "/srv/calc"},
      {"/srv/calc/", "/srv/calc"},
      {"/srv//calc/./history", "/srv/calc/history"},
      {"/home/me/my calculations", "/home/me/my calculations"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.SaveDest);
    const TDataFolder Folder(Case.SaveDest);
    EXPECT_EQ(Folder.Path(), Case.Expected);
    for (int N = 1; N <= TDataFolder::HistoryFileCount; ++N)
      EXPECT_EQ(Folder.HistoryFile(N), Case.Expected + QStringLiteral("/Equ%1.dat").arg(N));
    EXPECT_EQ(Folder.HistoryFile(0), QString());
    EXPECT_EQ(Folder.HistoryFile(6), QString());
  }
}

TEST_F(DataFolderTest, TheFolderIsMadeOnlyWhenAsked) {
  const TDataFolder Folder("");
  EXPECT_FALSE(QFileInfo::exists(Folder.Path())) << "finding the folder never makes it";
  EXPECT_TRUE(Folder.Create());
  EXPECT_TRUE(QFileInfo(Folder.Path()).isDir());
  EXPECT_TRUE(Folder.Create()) << "a folder that is there is fine";

  const TDataFolder Stored(Home.filePath(QStringLiteral("chosen/deeper")).toStdString());
  EXPECT_TRUE(Stored.Create());
  EXPECT_TRUE(QFileInfo(Stored.Path()).isDir());
}

TEST_F(DataFolderTest, AFolderThatCannotBeMadeIsReported) {
  QFile Blocker(Home.filePath(QStringLiteral("file")));
  ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
  Blocker.close();
  const TDataFolder Folder(Home.filePath(QStringLiteral("file/history")).toStdString());
  EXPECT_FALSE(Folder.Create());
}

}  // namespace
