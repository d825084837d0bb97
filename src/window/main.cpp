// Veltrona's program: sets the application's name and icon, makes sure it is the only copy
// writing this user's files, and shows the calculator window.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "Calccode.h"
#include "Pictures.h"
#include "SingleInstance.h"

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Veltrona"));
  // The desktop matches the running program to its menu entry and icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("veltrona"));
  QApplication::setWindowIcon(Pictures::ProgramIcon());

  TSingleInstance Instance(TSingleInstance::DefaultKey());
  const QStringList Arguments = TCalculator::AbsoluteArguments(QApplication::arguments().mid(1));
  switch (Instance.Claim(Arguments)) {
    case TSingleInstance::TClaim::Claimed:
      break;
    case TSingleInstance::TClaim::HandedOver:
      return 0;
    case TSingleInstance::TClaim::NoAnswer:
      QMessageBox::critical(
          nullptr, QStringLiteral("Veltrona"),
          QCoreApplication::translate(
              "main",
              "Veltrona is already running, but it does not answer.\n\nClose the running "
              "Veltrona, or end it if it hangs, and start Veltrona again."));
      return 1;
  }

  TCalculator Calculator;
  Instance.OnHandOver = [&Calculator](const QStringList& HandedOver) {
    Calculator.setWindowState(Calculator.windowState() & ~Qt::WindowMinimized);
    Calculator.show();
    Calculator.raise();
    Calculator.activateWindow();
    Calculator.OpenArguments(HandedOver);
  };
  Calculator.show();
  Calculator.OpenArguments(Arguments);
  // Lets a test or a benchmark prove that the program starts: close as soon as it is shown.
  if (qEnvironmentVariableIsSet("VELTRONA_EXIT_AFTER_SHOW"))
    QTimer::singleShot(0, &Calculator, &QWidget::close);
  return QApplication::exec();
}
