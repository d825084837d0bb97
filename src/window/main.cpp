// Veltrona's program: sets the application's name and icon and shows the calculator window.
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "Calccode.h"

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Veltrona"));
  // The desktop matches the running program to its menu entry and icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("veltrona"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/desktop/veltrona.svg")));
  TCalculator Calculator;
  Calculator.show();
  // Lets a test or a benchmark prove that the program starts: close as soon as it is shown.
  if (qEnvironmentVariableIsSet("VELTRONA_EXIT_AFTER_SHOW"))
    QTimer::singleShot(0, &Calculator, &QWidget::close);
  return QApplication::exec();
}
