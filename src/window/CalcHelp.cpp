// The Help command of TCalculator: the user manual beside the program, shown in the help window.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "Calccode.h"
#include "HelpWindow.h"

void TCalculator::CreateHelp() {
  HelpFolder = QCoreApplication::applicationDirPath();
}

void TCalculator::Help2Click() {
  const QString Folder = QDir::toNativeSeparators(HelpFolder);
  const QString Path = QDir::toNativeSeparators(
      QDir(HelpFolder).filePath(QLatin1String(THelpWindow::ManualFileName)));
  if (!QFileInfo(Path).isFile()) {
    ShowMessageDlg(
        QStringLiteral("Veltrona encountered an error when displaying help\rHelp File\r") + Path +
        QStringLiteral("\rNot Found"));
    return;
  }
  if (!HelpWindow) HelpWindow = new THelpWindow(this);
  if (!HelpWindow->ShowManual(Path))
    ShowMessageDlg(
        QStringLiteral(
            "Veltrona encountered an error when displaying help\rSee the Readme.txt file in\r") +
        Folder + QStringLiteral("\rFor likely causes..."));
}
