// Saving the tape: a 100,000-line tape as plain text, rich text and CSV, and a 10,000-line
// tape as PDF and as an Excel workbook, each timed from the pane's lines to the file replaced on
// disk; and reading the lines out of the pane on their own. Files go to VELTRONA_BENCH_DIR when set
// (a memory file system leaves the disk out), otherwise to the temporary folder. Runs offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <memory>

#include "TapeOutput.h"
#include "TapePane.h"

namespace {

QPlainTextEdit* Edit = nullptr;
TTapePane* Pane = nullptr;

// A day of calculations: entries, a worked-out function, subtotals, totals and separators in
// their looks.
void FillTape(int Lines) {
  struct TSample {
    const char* Text;
    TTapeLineKind Kind;
    QColor Color;
    bool Bold;
    TTapeLineForm Form;
  };
  const TTapeLineForm Fixed{sceNone, sceNone, TapeFormat::Fixed, 3};
  const auto With = [&](TVeltronaOper Oper, TVeltronaOper Applied = sceNone) {
    TTapeLineForm Form = Fixed;
    Form.Oper = Oper;
    Form.Applied = Applied;
    return Form;
  };
  const TSample Samples[] = {
      {"  1,234.500", TTapeLineKind::Entry, Qt::black, false, With(sceStart)},
      {"+ Sqrt(16.000)", TTapeLineKind::Entry, Qt::black, false, With(sceAdd, sceSqrt)},
      {"[Sqrt(16.000) = 4.000]", TTapeLineKind::Expanded, Qt::blue, false, With(sceSqrt)},
      {"{= 1,238.500}", TTapeLineKind::SubTotal, QColor(0, 128, 0), false, Fixed},
      {"* 17.250", TTapeLineKind::Entry, Qt::black, false, With(sceTimes)},
      {"= 21,364.125", TTapeLineKind::Total, Qt::black, true, With(sceEquals)},
      {"------------", TTapeLineKind::Separator, Qt::black, false, {}},
  };
  Pane->Clear();
  for (int I = 0; I < Lines; ++I) {
    const TSample& S = Samples[I % std::size(Samples)];
    QTextCharFormat Format;
    Format.setForeground(S.Color);
    Format.setFontWeight(S.Bold ? QFont::Bold : QFont::Normal);
    Format.setFontUnderline(S.Bold);
    Pane->AppendLine(QString::fromLatin1(S.Text), Format, S.Kind, S.Form);
  }
  QCoreApplication::processEvents();
}

QString BenchFile(const char* Name) {
  const QByteArray Folder = qgetenv("VELTRONA_BENCH_DIR");
  return QDir(Folder.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(Folder))
      .filePath(QLatin1String(Name));
}

void SaveTimed(benchmark::State& State, const char* Name) {
  FillTape(static_cast<int>(State.range(0)));
  const QString File = BenchFile(Name);
  const QPageLayout Layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                           QMarginsF(10, 10, 10, 10));
  for (auto _ : State) {
    if (SaveTape(File, {Pane->Lines(), Edit->font()}, Layout, TFormatSettings{})) {
      State.SkipWithError("the tape was not saved");
      break;
    }
  }
  State.counters["bytes"] = static_cast<double>(QFile(File).size());
  QFile::remove(File);
}

void BM_SaveText(benchmark::State& State) {
  SaveTimed(State, "veltrona-bench-tape.txt");
}
void BM_SaveRichText(benchmark::State& State) {
  SaveTimed(State, "veltrona-bench-tape.rtf");
}
void BM_SaveCsv(benchmark::State& State) {
  SaveTimed(State, "veltrona-bench-tape.csv");
}
void BM_SavePdf(benchmark::State& State) {
  SaveTimed(State, "veltrona-bench-tape.pdf");
}
void BM_SaveWorkbook(benchmark::State& State) {
  SaveTimed(State, "veltrona-bench-tape.xlsx");
}
BENCHMARK(BM_SaveText)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveRichText)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveCsv)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavePdf)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveWorkbook)->Arg(10000)->Unit(benchmark::kMillisecond);

// The part of every save that reads the lines, their kinds and looks out of the pane.
void BM_ReadLinesOut(benchmark::State& State) {
  FillTape(static_cast<int>(State.range(0)));
  for (auto _ : State) benchmark::DoNotOptimize(Pane->Lines());
}
BENCHMARK(BM_ReadLinesOut)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  QPlainTextEdit Tape;
  QFont Font(QStringLiteral("DejaVu Sans"));
  Font.setPointSize(8);
  Tape.setFont(Font);
  TTapePane TapePane(Tape);
  Edit = &Tape;
  Pane = &TapePane;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
