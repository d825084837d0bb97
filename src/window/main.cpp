// Veltrona's program: sets the application's name and icon, makes sure it is the only copy
// writing this user's files, and shows the calculator window.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <thread>

#include <fontconfig/fontconfig.h>

#include "CalcStyle.h"
#include "Calccode.h"
#include "Pictures.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "Translation.h"

int main(int argc, char** argv) {
  // Reading the desktop's font configuration is the longest step of a start; a second core does
  // it while the application connects to the display. Qt then finds it read.
  std::jthread FontConfiguration([] { FcInit(); });
  QApplication App(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Veltrona"));
  // The desktop matches the running program to its menu entry and icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("veltrona"));
  QApplication::setStyle(new TCalcStyle);
  Translation::Install(Translation::Resolve(TSettingsStore().Language()));

  TSingleInstance Instance(TSingleInstance::DefaultKey());
  const QStringList Arguments = TCalculator::AbsoluteArguments(QApplication::arguments().mid(1));
  switch (Instance.Claim(Arguments)) {
    case TSingleInstance::TClaim::Claimed:
      break;
    case TSingleInstance::TClaim::HandedOver:
      return 0;
    case TSingleInstance::TClaim::NoAnswer:
      QApplication::setWindowIcon(Pictures::ProgramIcon());
      QMessageBox::critical(
          nullptr, QStringLiteral("Veltrona"),
          QCoreApplication::translate(
              "main",
              "Veltrona is already running, but it does not answer.\n\nClose the running "
              "Veltrona, or end it if it hangs, and start Veltrona again."));
      return 1;
  }

  FontConfiguration.join();
  TCalculator Calculator;
  Instance.OnHandOver = [&Calculator](const QStringList& HandedOver) {
    Calculator.setWindowState(Calculator.windowState() & ~Qt::WindowMinimized);
    Calculator.show();
    Calculator.raise();
    Calculator.activateWindow();
    Calculator.OpenArguments(HandedOver);
  };
  Calculator.show();
  // The icon is drawn in several sizes for the desktop; that waits until the window is up.
  QTimer::singleShot(0, &Calculator, [] { QApplication::setWindowIcon(Pictures::ProgramIcon()); });
  Calculator.OpenArguments(Arguments);
  // Lets a test or a benchmark prove that the program starts: close as soon as it is shown.
  if (qEnvironmentVariableIsSet("VELTRONA_EXIT_AFTER_SHOW"))
    QTimer::singleShot(0, &Calculator, &QWidget::close);
  return QApplication::exec();
}
