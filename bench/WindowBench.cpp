// The calculator window's speed: from a key press to the display showing the result (a
// digit, and "=" on a ten-entry calculation), and from process start to the window shown,
// next to a bare Qt window. Runs offscreen; median_us is the median of single presses.
// The display is drawn as soon as it holds the result, before the tape catches up.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "Calccode.h"
#include "SingleInstance.h"

#include <QLocalSocket>
#include <QThread>

namespace {

TCalculator* Calc = nullptr;

void Key(char C) {
  QTest::keyClick(QApplication::focusWidget(), C);
}

// Counts the display's paint events, so a timing can prove the display was drawn in it.
class TPaintCounter : public QObject {
 public:
  int Count = 0;
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::Paint) ++Count;
    return false;
  }
};
TPaintCounter* DisplayPaints = nullptr;
TPaintCounter* TapePaints = nullptr;

// Lets the window catch up; when the tape changed, until the tape has been drawn again.
void Settle(bool TapeChanged) {
  const int Before = TapePaints->Count;
  QCoreApplication::processEvents();
  for (int Pass = 0; TapeChanged && TapePaints->Count == Before && Pass < 10; ++Pass) {
    QCoreApplication::processEvents();
  }
}

struct TKeyTiming {
  double DisplayUs = 0;  // the key handled and the display drawn with the result
  double SettledUs = 0;  // the rest of the window (the tape) repainted as well
};

TKeyTiming TimedKey(char C) {
  const int PaintsBefore = DisplayPaints->Count;
  const int TapeBlocks =
      Calc->findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"))->blockCount();
  QElapsedTimer Clock;
  Clock.start();
  Key(C);
  TKeyTiming T;
  T.DisplayUs = static_cast<double>(Clock.nsecsElapsed()) / 1000.0;
  Settle(Calc->findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"))->blockCount() != TapeBlocks);
  T.SettledUs = static_cast<double>(Clock.nsecsElapsed()) / 1000.0;
  if (DisplayPaints->Count == PaintsBefore) T.DisplayUs = T.SettledUs;  // never drawn early
  return T;
}

double Median(std::vector<double>& Samples) {
  std::nth_element(Samples.begin(), Samples.begin() + Samples.size() / 2, Samples.end());
  return Samples[Samples.size() / 2];
}

void ReportMedian(benchmark::State& State, std::vector<double>& Samples) {
  if (!Samples.empty()) State.counters["median_us"] = Median(Samples);
}

// Key benchmarks time the display (the figure the target is about); settled_us adds the
// tape's repaint that follows in the same event loop pass.
void ReportKeyMedians(benchmark::State& State, std::vector<TKeyTiming>& Timings) {
  if (Timings.empty()) return;
  std::vector<double> Display;
  std::vector<double> Settled;
  for (const TKeyTiming& T : Timings) {
    Display.push_back(T.DisplayUs);
    Settled.push_back(T.SettledUs);
  }
  State.counters["median_us"] = Median(Display);
  State.counters["settled_us"] = Median(Settled);
}

void ClearCalculator() {
  // A dialog shown and hidden by an earlier benchmark may have left no window active.
  Calc->activateWindow();
  if (!QTest::qWaitForWindowActive(Calc)) qWarning("window_bench: the calculator is not active");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  Calc->findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"))->clear();
  QCoreApplication::processEvents();
}

// Times one press of C per iteration, after Prepare (untimed) has set the calculator up.
template <typename TPrepare>
void TimeKeyPresses(benchmark::State& State, char C, TPrepare Prepare) {
  std::vector<TKeyTiming> Timings;
  for (auto _ : State) {
    State.PauseTiming();
    Prepare(Timings.size());
    State.ResumeTiming();
    const TKeyTiming T = TimedKey(C);
    State.SetIterationTime(T.DisplayUs / 1e6);
    Timings.push_back(T);
  }
  ReportKeyMedians(State, Timings);
}

void BM_DigitKeyToDisplay(benchmark::State& State) {
  TimeKeyPresses(State, '7', [](std::size_t Typed) {
    if (Typed % 8 == 0) ClearCalculator();  // stay within the ten digits a number takes
  });
}
BENCHMARK(BM_DigitKeyToDisplay)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_EqualsOnTenEntries(benchmark::State& State) {
  TimeKeyPresses(State, '=', [](std::size_t) {
    ClearCalculator();
    // Ten entries with precedence left pending: 1 + 2 * 3 + 4 * 5 ...
    for (int I = 1; I <= 10; ++I) {
      if (I > 1) Key(I % 2 == 0 ? '+' : '*');
      Key(static_cast<char>('0' + I % 10));
    }
  });
}
BENCHMARK(BM_EqualsOnTenEntries)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A tape of Lines lines, as a long day of calculations leaves it.
void FillTape(int Lines) {
  ClearCalculator();
  for (int I = 0; I < Lines; ++I) {
    Calc->CurrentEngine.OnVeltronaTape(Calc->CurrentEngine, "+ 1234.5", I % 5 + 1, false);
  }
  Settle(true);
}

// A calculation of 98 numbers and "=": the 99 entries an equation holds.
void TypeFullCalculation(int First) {
  Calc->Model.PressDigit(First);
  for (int I = 1; I < MaxEntries - 1; ++I) {
    Calc->Model.PressOperator(I % 2 == 0 ? sceAdd : sceTimes);
    Calc->Model.PressDigit(1 + I % 9);
  }
  Calc->Model.PressOperator(sceEquals);
}

// Appending one line (and letting the pane catch up) on a tape of range(0) lines: the cost
// must not grow with the tape.
void BM_AppendTapeLine(benchmark::State& State) {
  FillTape(static_cast<int>(State.range(0)));
  std::vector<double> Samples;
  for (auto _ : State) {
    QElapsedTimer Clock;
    Clock.start();
    Calc->CurrentEngine.OnVeltronaTape(Calc->CurrentEngine, "= 1234.5", 4, false);
    Settle(true);
    const double Us = static_cast<double>(Clock.nsecsElapsed()) / 1000.0;
    State.SetIterationTime(Us / 1e6);
    Samples.push_back(Us);
  }
  ReportMedian(State, Samples);
}
BENCHMARK(BM_AppendTapeLine)->Arg(100)->Arg(100000)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A note written above the first line of a 100,000-line tape.
void BM_NoteAtTopOfLongTape(benchmark::State& State) {
  FillTape(100000);
  auto* Tape = Calc->findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"));
  auto* Annotate = Calc->findChild<QAction*>(QStringLiteral("Annotate1"));
  Calc->DialogExecOverride = [](QDialog& Dialog) {
    Dialog.findChild<QComboBox*>(QStringLiteral("NoteComboBox"))
        ->setEditText(QStringLiteral("Opening balance"));
    Dialog.accept();
    return Dialog.result();
  };
  std::vector<double> Samples;
  for (auto _ : State) {
    Tape->moveCursor(QTextCursor::Start);
    QElapsedTimer Clock;
    Clock.start();
    Annotate->trigger();
    Settle(true);
    const double Us = static_cast<double>(Clock.nsecsElapsed()) / 1000.0;
    State.SetIterationTime(Us / 1e6);
    Samples.push_back(Us);
  }
  Calc->DialogExecOverride = nullptr;
  ReportMedian(State, Samples);
}
BENCHMARK(BM_NoteAtTopOfLongTape)->Iterations(50)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Times one key (and the tape's repaint that shows its result) per iteration.
template <typename TKeyPress>
std::vector<double> TimeTapeKeys(benchmark::State& State, TKeyPress PressKey) {
  std::vector<double> Samples;
  for (auto _ : State) {
    QElapsedTimer Clock;
    Clock.start();
    PressKey(Samples.size());
    Settle(true);
    const double Us = static_cast<double>(Clock.nsecsElapsed()) / 1000.0;
    State.SetIterationTime(Us / 1e6);
    Samples.push_back(Us);
  }
  return Samples;
}

// Back and Forward on a 100,000-line tape, until the highlight is drawn.
void BM_BackOnLongTape(benchmark::State& State) {
  FillTape(100000);
  for (char C : {'1', '+', '2', '='}) Key(C);
  Settle(true);
  std::vector<double> Samples = TimeTapeKeys(State, [](std::size_t I) {
    QTest::keyClick(QApplication::focusWidget(), I % 2 == 0 ? Qt::Key_Left : Qt::Key_Right,
                    Qt::AltModifier);
  });
  ReportMedian(State, Samples);
}
BENCHMARK(BM_BackOnLongTape)->Iterations(100)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Replay of a 99-entry calculation, until all its lines are drawn.
void BM_ReplayOf99Entries(benchmark::State& State) {
  ClearCalculator();
  TypeFullCalculation(1);
  Settle(true);
  std::vector<double> Samples = TimeTapeKeys(State, [](std::size_t) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Equal, Qt::ControlModifier);
  });
  ReportMedian(State, Samples);
}
BENCHMARK(BM_ReplayOf99Entries)->Iterations(50)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A 99-entry calculation recalled from the history while another one is on the go: the two
// trade places and the recalled one is written onto the tape, until the tape is drawn.
void BM_RecallOf99Entries(benchmark::State& State) {
  ClearCalculator();
  TypeFullCalculation(1);
  Calc->Model.ClearAll();
  TypeFullCalculation(2);
  Settle(true);
  std::vector<double> Samples =
      TimeTapeKeys(State, [](std::size_t) { Calc->Model.RecallHistory(1); });
  ReportMedian(State, Samples);
}
BENCHMARK(BM_RecallOf99Entries)->Iterations(50)->UseManualTime()->Unit(benchmark::kMicrosecond);

// From process start until the shown window has closed itself again.
void StartToShown(benchmark::State& State, const char* Program,
                  const QString& DataHome = QString()) {
  QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
  if (!DataHome.isEmpty()) Env.insert(QStringLiteral("XDG_DATA_HOME"), DataHome);
  Env.insert(QStringLiteral("VELTRONA_EXIT_AFTER_SHOW"), QStringLiteral("1"));
  for (auto _ : State) {
    QProcess Process;
    Process.setProcessEnvironment(Env);
    Process.start(QString::fromUtf8(Program), {});
    if (!Process.waitForFinished(60000) || Process.exitCode() != 0) {
      State.SkipWithError("the program did not start and close");
      break;
    }
  }
}
void BM_StartToShownVeltrona(benchmark::State& State) {
  StartToShown(State, VELTRONA_EXE);
}
void BM_StartToShownBareQtWindow(benchmark::State& State) {
  StartToShown(State, BARE_WINDOW_EXE);
}
// With five full history files to read.
void BM_StartToShownWithFullHistory(benchmark::State& State) {
  QTemporaryDir DataHome;
  QDir().mkpath(DataHome.filePath(QStringLiteral("veltrona")));
  TVeltronaEval Engine;
  Engine.EnterNumber(false, 1);
  for (int I = 1; I < MaxEntries - 1; ++I) {
    Engine.EnterOperator(I % 2 == 0 ? sceAdd : sceTimes);
    Engine.EnterNumber(false, 1 + I % 9);
  }
  Engine.EnterOperator(sceEquals);
  for (int N = 1; N <= 5; ++N)
    Engine.SaveToFile(DataHome.filePath(QStringLiteral("veltrona/Equ%1.dat").arg(N)).toStdString());
  StartToShown(State, VELTRONA_EXE, DataHome.path());
}
// The first start's claim to be the only copy: the lock file and the socket it answers on.
void BM_SingleInstanceClaim(benchmark::State& State) {
  int N = 0;
  for (auto _ : State) {
    TSingleInstance Instance(QStringLiteral("bench-claim-%1").arg(++N));
    if (Instance.Claim({}) != TSingleInstance::TClaim::Claimed) {
      State.SkipWithError("no claim");
      break;
    }
  }
}
// A second start of the program while one runs: it hands over and ends.
void BM_SecondStartHandsOver(benchmark::State& State) {
  QProcess First;
  First.start(QStringLiteral(VELTRONA_EXE), {});
  const auto StartSecond = [] {
    QProcess Second;
    Second.start(QStringLiteral(VELTRONA_EXE), {});
    return Second.waitForFinished(60000) && Second.exitCode() == 0;
  };
  // Timed only once the first copy answers on its socket.
  const QString Server = TSingleInstance(TSingleInstance::DefaultKey()).ServerName();
  bool Up = First.waitForStarted(60000);
  for (int Try = 0; Up && Try < 600; ++Try) {
    QLocalSocket Probe;
    Probe.connectToServer(Server);
    if (Probe.waitForConnected(100)) break;
    QThread::msleep(10);
  }
  if (!Up || !StartSecond()) State.SkipWithError("no hand-over");
  for (auto _ : State) {
    if (!StartSecond()) {
      State.SkipWithError("the second start did not hand over");
      break;
    }
  }
  First.kill();
  First.waitForFinished(60000);
}
BENCHMARK(BM_SingleInstanceClaim)->Iterations(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SecondStartHandsOver)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToShownVeltrona)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToShownBareQtWindow)->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToShownWithFullHistory)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir Home;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("XDG_CONFIG_HOME", Home.filePath(QStringLiteral("config")).toLocal8Bit());
  qputenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("data")).toLocal8Bit());
  QApplication App(argc, argv);
  auto Window = std::make_unique<TCalculator>();
  Window->show();
  Window->activateWindow();
  if (!QTest::qWaitForWindowActive(Window.get())) return 1;
  Calc = Window.get();
  // A box would wait for a click that never comes.
  Calc->MessageDlgOverride = [](const QString& Text, QMessageBox::Icon,
                                QMessageBox::StandardButtons) {
    qFatal("window_bench: unexpected message box: %s", qPrintable(Text));
    return QMessageBox::Ok;
  };
  TPaintCounter Paints;
  DisplayPaints = &Paints;
  Calc->findChild<QWidget*>(QStringLiteral("Edit1"))->installEventFilter(&Paints);
  TPaintCounter TapeViewPaints;
  TapePaints = &TapeViewPaints;
  Calc->findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"))
      ->viewport()
      ->installEventFilter(&TapeViewPaints);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
