// The Help command of TCalculator: the user manual, beside the program in a build folder or in
// the shared data folder of an installed program, shown in the help window.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "Calccode.h"
#include "HelpWindow.h"

#ifndef VELTRONA_MANUAL_FROM_PROGRAM
#define VELTRONA_MANUAL_FROM_PROGRAM "../share/veltrona"
#endif

void TCalculator::CreateHelp() {
  HelpFolder = FindHelpFolder(QCoreApplication::applicationDirPath());
}

QString TCalculator::FindHelpFolder(const QString& ProgramFolder) {
  const QString Installed =
      QDir::cleanPath(QDir(ProgramFolder).filePath(QStringLiteral(VELTRONA_MANUAL_FROM_PROGRAM)));
  for (const QString& Folder : {ProgramFolder, Installed}) {
    if (QFileInfo(QDir(Folder).filePath(QLatin1String(THelpWindow::ManualFileName))).isFile())
      return Folder;
  }
  // Neither has it: the error names the program's folder.
  return ProgramFolder;
}

void TCalculator::Help2Click() {
  const QString Folder = QDir::toNativeSeparators(HelpFolder);
  const QString Path = QDir::toNativeSeparators(
      QDir(HelpFolder).filePath(QLatin1String(THelpWindow::ManualFileName)));
  if (!QFileInfo(Path).isFile()) {
    ShowMessageDlg(
        tr("Veltrona encountered an error when displaying help\rHelp File\r%1\rNot Found")
            .arg(Path));
    return;
  }
  if (!HelpWindow) HelpWindow = new THelpWindow(this);
  if (!HelpWindow->ShowManual(Path))
    ShowMessageDlg(tr("Veltrona encountered an error when displaying help\rSee the Readme.txt "
                      "file in\r%1\rFor likely causes...")
                       .arg(Folder));
}
