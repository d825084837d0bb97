// The window at 150 % and 200 % screen scaling, each in a process of its own started at that
// scale: every region and key has the geometry it has at 100 % (in device-independent
// pixels), no caption is cut off, and the pictures are drawn at the screen's resolution.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

struct TProbe {
  std::map<std::string, std::array<int, 4>> Regions;  // x, y, width, height
  std::vector<std::string> Clipped;
  std::map<std::string, std::array<int, 4>> Pictures;  // device width, height; logical
};

TProbe RunProbe(const char* Scale) {
  QProcess Probe;
  QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
  Env.insert(QStringLiteral("QT_SCALE_FACTOR"), QLatin1String(Scale));
  Env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  Probe.setProcessEnvironment(Env);
  Probe.start(QStringLiteral(WINDOW_PROBE_EXE), QStringList());
  TProbe Result;
  if (!Probe.waitForFinished(60000) || Probe.exitCode() != 0) {
    ADD_FAILURE() << "the probe failed at scale " << Scale << ": "
                  << Probe.readAllStandardError().toStdString();
    return Result;
  }
  for (const QByteArray& Line : Probe.readAllStandardOutput().split('\n')) {
    const QList<QByteArray> F = Line.split(' ');
    const auto Number = [&](int I) { return F.value(I).toInt(); };
    if (F[0] == "region" && F.size() == 6)
      Result.Regions[F[1].toStdString()] = {Number(2), Number(3), Number(4), Number(5)};
    else if (F[0] == "clipped" && F.size() == 2)
      Result.Clipped.push_back(F[1].toStdString());
    else if (F[0] == "picture" && F.size() == 6)
      Result.Pictures[F[1].toStdString()] = {Number(2), Number(3), Number(4), Number(5)};
  }
  return Result;
}

TEST(HighDpiTest, RegionsKeepTheirGeometryCaptionsFitAndPicturesAreSharp) {
  const TProbe Normal = RunProbe("1");
  ASSERT_GT(Normal.Regions.size(), 60u);
  EXPECT_TRUE(Normal.Clipped.empty());
  for (const char* Scale : {"1.5", "2"}) {
    SCOPED_TRACE(std::string("scale ") + Scale);
    const double Factor = std::stod(Scale);
    const TProbe Scaled = RunProbe(Scale);
    ASSERT_EQ(Scaled.Regions.size(), Normal.Regions.size());
    for (const auto& [Name, Box] : Normal.Regions) {
      const auto Found = Scaled.Regions.find(Name);
      ASSERT_NE(Found, Scaled.Regions.end()) << Name;
      // At 150 % a device pixel is two thirds of a logical one; rounding may move an edge by one.
      for (std::size_t I = 0; I < 4; ++I) EXPECT_NEAR(Found->second[I], Box[I], 1) << Name;
    }
    EXPECT_TRUE(Scaled.Clipped.empty()) << Scaled.Clipped.front();
    ASSERT_EQ(Scaled.Pictures.size(), Normal.Pictures.size());
    for (const auto& [Name, P] : Scaled.Pictures) {
      EXPECT_NEAR(P[0], P[2] * Factor, 1) << Name;
      EXPECT_NEAR(P[1], P[3] * Factor, 1) << Name;
    }
  }
}

}  // namespace
