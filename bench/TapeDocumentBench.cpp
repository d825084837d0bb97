// Tape documents of 100,000 lines: written and read on their own (the format), and saved and
// opened by the window through File > Save Tape and Open Tape, from the pane's lines to the file
// replaced on disk and from the file to the tape shown with its calculation ready for Back.
// Runs offscreen; files go to VELTRONA_BENCH_DIR when set, otherwise to a temporary folder.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "Calccode.h"
#include "NumberEntry.h"
#include "TapeDocument.h"

namespace {

TCalculator* Calc = nullptr;
QString Folder;

// A day of calculations in their looks, ending on 12 + 30 = as the calculation worked on.
TTapeDocument LongDocument(int Lines) {
  TTapeDocument Doc;
  const TTapeLineForm Fixed{sceNone, sceNone, TapeFormat::Fixed, 3};
  const TTapeLine Samples[] = {
      {"  1,234.500", TTapeLineKind::Entry, 0, false, false, false, {sceStart, sceNone, 4, 3}},
      {"+ Sqrt(16.000)", TTapeLineKind::Entry, 0, false, false, false, {sceAdd, sceSqrt, 4, 3}},
      {"[Sqrt(16.000) = 4.000]",
       TTapeLineKind::Expanded,
       0x0000FF,
       false,
       false,
       false,
       {sceSqrt, sceNone, 4, 3}},
      {"{= 1,238.500}", TTapeLineKind::SubTotal, 0x008000, false, false, false, Fixed},
      {"Fuel for March", TTapeLineKind::Note, 0x0000FF, false, true, false, {}},
      {"= 21,364.125", TTapeLineKind::Total, 0, true, false, true, {sceEquals, sceNone, 4, 3}},
      {"------------", TTapeLineKind::Separator, 0, false, false, false, {}},
  };
  for (int I = 0; I < Lines - 3; ++I) Doc.Lines.push_back(Samples[I % std::size(Samples)]);
  Doc.Lines.push_back({"  12", TTapeLineKind::Entry, 0, false, false, false, {sceStart}});
  Doc.Lines.push_back({"+ 30", TTapeLineKind::Entry, 0, false, false, false, {sceAdd}});
  Doc.Lines.push_back({"= 42", TTapeLineKind::Total, 0, true, false, true, {sceEquals}});
  Doc.LineEntries.assign(Doc.Lines.size(), 0);
  Doc.LineEntries[Doc.Lines.size() - 3] = 1;
  Doc.LineEntries[Doc.Lines.size() - 2] = 2;
  Doc.Current.Entries = {{sceStart, true, 12}, {sceAdd, true, 30}, {sceEquals, false, 0}};
  Doc.Current = *CalcDocument::WorkedOut(Doc.Current);
  Doc.Input = {"42", 42, {}, 0};
  return Doc;
}

void BM_WriteDocument(benchmark::State& State) {
  const TTapeDocument Doc = LongDocument(static_cast<int>(State.range(0)));
  for (auto _ : State) benchmark::DoNotOptimize(WriteTapeDocument(Doc));
}
BENCHMARK(BM_WriteDocument)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ReadDocument(benchmark::State& State) {
  const QByteArray Bytes = WriteTapeDocument(LongDocument(static_cast<int>(State.range(0))));
  State.counters["bytes"] = static_cast<double>(Bytes.size());
  for (auto _ : State) {
    const TTapeDocumentRead Read = ReadTapeDocument(Bytes);
    if (!Read.Document) State.SkipWithError(Read.Error.toStdString().c_str());
  }
}
BENCHMARK(BM_ReadDocument)->Arg(100000)->Unit(benchmark::kMillisecond);

// File > Open Tape without its dialog: read, checked, shown, the calculation made current;
// the tape it replaces is kept as the last tape first.
void BM_WindowOpensTape(benchmark::State& State) {
  const QString File = QDir(Folder).filePath(QStringLiteral("bench-open.vtape"));
  SaveTapeDocument(File, LongDocument(static_cast<int>(State.range(0))));
  for (auto _ : State) {
    if (!Calc->OpenTapeFile(File)) State.SkipWithError("not opened");
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_WindowOpensTape)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond);

// File > Save Tape on the tape just opened: the pane's lines read out and written.
void BM_WindowSavesTape(benchmark::State& State) {
  const QString File = QDir(Folder).filePath(QStringLiteral("bench-save.vtape"));
  SaveTapeDocument(File, LongDocument(static_cast<int>(State.range(0))));
  Calc->OpenTapeFile(File);
  auto* Save = Calc->findChild<QAction*>(QStringLiteral("SaveTape1"));
  for (auto _ : State) {
    Save->trigger();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_WindowSavesTape)->Arg(100000)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir Home;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("XDG_CONFIG_HOME", Home.filePath(QStringLiteral("config")).toLocal8Bit());
  qputenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("data")).toLocal8Bit());
  QApplication App(argc, argv);
  Folder = qEnvironmentVariable("VELTRONA_BENCH_DIR", Home.path());
  auto Window = std::make_unique<TCalculator>();
  Window->show();
  if (!QTest::qWaitForWindowExposed(Window.get())) return 1;
  Calc = Window.get();
  Calc->MessageDlgOverride = [](const QString& Text, QMessageBox::Icon,
                                QMessageBox::StandardButtons) {
    qFatal("tape_document_bench: unexpected message box: %s", qPrintable(Text));
    return QMessageBox::Ok;
  };
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
