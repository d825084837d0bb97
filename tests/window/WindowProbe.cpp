// window_probe opens the calculator window in a process of its own, so that a test (or the
// screenshot script) can choose the screen scale (QT_SCALE_FACTOR) and the theme before Qt
// starts, and prints what the scale could spoil:
//   region NAME X Y W H         every designed region and key, in device-independent pixels
//   clipped NAME                a key whose caption does not fit inside it
//   picture NAME PW PH W H      a picture in device pixels (PW, PH) and its logical size
// Options: --dark (Fusion with a dark palette), --screenshot FILE (a calculation is typed and
// the window saved as PNG).
#include <QAbstractButton>
#include <QApplication>
#include <QPixmap>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolButton>

#include "Calccode.h"
#include "DarkPalette.h"

namespace {

void PrintRegions(TCalculator& Calc, QTextStream& Out) {
  const auto Print = [&](const char* Kind, QWidget& W) {
    const QPoint At = W.mapTo(&Calc, QPoint(0, 0));
    Out << Kind << ' ' << W.objectName() << ' ' << At.x() << ' ' << At.y() << ' ' << W.width()
        << ' ' << W.height() << '\n';
  };
  for (const char* Name :
       {"ToolBar1", "Edit1", "BasicKeysPanel", "PageControl1", "RichEdit1", "StatusBar1"})
    Print("region", *Calc.findChild<QWidget*>(QLatin1String(Name)));
  const qreal Ratio = Calc.devicePixelRatioF();
  for (QAbstractButton* Key : Calc.findChildren<QAbstractButton*>()) {
    // Qt's own buttons (the tool bar's overflow arrow) are not part of the design.
    if (Key->objectName().isEmpty() || Key->objectName().startsWith(QLatin1String("qt_"))) continue;
    Print("region", *Key);
    QString Caption = Key->text();
    Caption.remove(u'&');
    const QRect Inside = Key->contentsRect();
    const QFontMetrics Metrics(Key->font());
    if (!Caption.isEmpty() && (Metrics.horizontalAdvance(Caption) > Inside.width() - 2 ||
                               Metrics.height() > Inside.height()))
      Out << "clipped " << Key->objectName() << '\n';
    if (!Key->icon().isNull()) {
      const QPixmap Picture = Key->icon().pixmap(Key->iconSize(), Ratio);
      Out << "picture " << Key->objectName() << ' ' << Picture.width() << ' ' << Picture.height()
          << ' ' << Key->iconSize().width() << ' ' << Key->iconSize().height() << '\n';
    }
  }
}

// A short calculation with a note, a tax key and a subtotal, as the screenshots show it.
void TypeSampleCalculation(TCalculator& Calc) {
  const auto Click = [&](const char* Name) {
    Calc.findChild<QAbstractButton*>(QLatin1String(Name))->click();
  };
  for (const char* Name : {"Button1", "Button2", "Button5", "Button10", "Button11", "Button3",
                           "Button8", "Button10", "Button17", "Button5", "Button10",
                           "ButtonPlusTax", "Button12", "Button9", "Button9", "EqualsBitBtn"})
    Click(Name);
  QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir Home;
  if (!Home.isValid()) return 1;
  // A first run: the user's own settings and history are never read.
  qputenv("XDG_CONFIG_HOME", Home.filePath(QStringLiteral("config")).toLocal8Bit());
  qputenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("data")).toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  const QStringList Args = App.arguments();
  if (Args.contains(QStringLiteral("--dark"))) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(DarkPalette());
  }
  TCalculator Calc;
  Calc.show();
  QApplication::processEvents();
  QTextStream Out(stdout);
  const qsizetype Shot = Args.indexOf(QStringLiteral("--screenshot"));
  if (Shot > 0 && Shot + 1 < Args.size()) {
    TypeSampleCalculation(Calc);
    if (!Calc.grab().save(Args[Shot + 1], "PNG")) return 1;
  }
  PrintRegions(Calc, Out);
  return 0;
}
