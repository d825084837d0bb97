// The window's start and close, and keeping what the user made: the settings and the memory
// are read before anything shows them; the five calculations and the unfinished one are read
// once the tape exists. Every change is written in the pass of the event loop after the one
// that made it (after the display has been drawn), so a crash or a kill loses nothing;
// closing writes everything once more and reports every file that could not be written.
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

#include "Calccode.h"
#include "DataFolder.h"
#include "HelpWindow.h"
#include "UnitNote.h"

void TCalculator::ReadSettings() {
  Extended Memory = 0;
  Store.Read(CalcSettings, Memory);
  Model.SetMemory(Memory);
  Model.ApplySettings();
  WrittenSettings = CalcSettings;
  WrittenMemory = Memory;
}

void TCalculator::LoadCalculations() {
  const TDataFolder Folder(CalcSettings.SaveDest);
  Folder.Create();
  SetAsideFiles = Model.LoadHistory(HistoryFiles());
  // A calculation that was being worked on when the program stopped without closing.
  if (auto Damaged =
          Model.RestoreUnfinished(LocalPath(QDir(Folder.Path()).filePath(UnfinishedFileName))))
    SetAsideFiles.push_back(*Damaged);
}

void TCalculator::ReportSetAside() {
  if (SetAsideFiles.empty()) return;
  QStringList Lines;
  for (const TCalcModel::TSetAside& File : SetAsideFiles) {
    Lines
        << (File.KeptAs.empty()
                ? tr("%1 could not be read and could not be moved aside.").arg(PathText(File.File))
                : tr("%1 could not be read; it was kept as %2.")
                      .arg(PathText(File.File), PathText(File.KeptAs)));
  }
  SetAsideFiles.clear();
  ShowMessageDlg(tr("Some saved calculations are damaged and were left out of the history:") +
                     QStringLiteral("\n\n") + Lines.join(u'\n'),
                 QMessageBox::Warning);
}

TCalcModel::THistoryFiles TCalculator::HistoryFiles() const {
  const TDataFolder Folder(CalcSettings.SaveDest);
  TCalcModel::THistoryFiles Files;
  for (int N = 1; N <= TCalcModel::HistorySize; ++N)
    Files[static_cast<std::size_t>(N - 1)] = LocalPath(Folder.HistoryFile(N));
  return Files;
}

void TCalculator::CaptionTaxKeys() {
  // An "&" in the tax name is shown, not taken as the key's access key.
  QString Name = QString::fromStdString(CalcSettings.TaxLit);
  Name.replace(u'&', QStringLiteral("&&"));
  ui.ButtonPlusTax->setText(QLatin1Char('+') + Name);
  ui.ButtonMinusTax->setText(QLatin1Char('-') + Name);
  ui.ButtonTaxInc->setText(Name + QStringLiteral("(i)"));
  ui.ButtonTaxExcl->setText(Name + QStringLiteral("(e)"));
  const QString Spoken = QString::fromStdString(CalcSettings.TaxLit);
  ui.ButtonPlusTax->setAccessibleName(tr("Plus %1").arg(Spoken));
  ui.ButtonMinusTax->setAccessibleName(tr("Minus %1").arg(Spoken));
  ui.ButtonTaxInc->setAccessibleName(tr("%1 included").arg(Spoken));
  ui.ButtonTaxExcl->setAccessibleName(tr("%1 excluded").arg(Spoken));
}

void TCalculator::ScheduleSave() {
  if (SavePending || ShutDown) return;
  SavePending = true;
  // A few milliseconds later, so the tape is drawn before the disk is written; keys typed in
  // between share one write.
  QTimer::singleShot(SaveDelayMs, this, [this] {
    SavePending = false;
    if (!ShutDown) ShowSaveFailures(SaveChanges());
  });
}

std::vector<QString> TCalculator::SaveChanges() {
  std::vector<QString> Failed;
  if (NoteForm) CalcSettings.Notes = NoteForm->NoteList().ToNotes();
  if (CalcSettings != WrittenSettings || Model.Memory() != WrittenMemory) {
    if (Store.Write(CalcSettings, Model.Memory())) {
      WrittenSettings = CalcSettings;
      WrittenMemory = Model.Memory();
    } else {
      Failed.push_back(QDir::toNativeSeparators(Store.FileName()));
    }
  }
  const TDataFolder Folder(CalcSettings.SaveDest);
  bool HistoryKept = true;
  if (Model.HistoryChanged()) {
    Folder.Create();
    for (const std::filesystem::path& Path : Model.SaveHistory(HistoryFiles())) {
      Failed.push_back(PathText(Path));
      HistoryKept = false;
    }
  }
  // The unfinished file may hold the only copy of a calculation that has just joined the
  // history: it is replaced or removed only once the history files hold that calculation.
  if (!HistoryKept) return Failed;
  const QString Unfinished = QDir(Folder.Path()).filePath(UnfinishedFileName);
  if (!Model.SaveUnfinished(LocalPath(Unfinished))) {
    Folder.Create();
    if (!Model.SaveUnfinished(LocalPath(Unfinished)))
      Failed.push_back(QDir::toNativeSeparators(Unfinished));
  }
  return Failed;
}

// While the program runs, a file that cannot be written is named in the status bar until a
// write succeeds: a box would take the keys being typed.
void TCalculator::ShowSaveFailures(const std::vector<QString>& Failed) {
  if (Failed.empty()) {
    SaveFailureLabel->hide();
    SaveFailureLabel->clear();
    return;
  }
  QStringList Names, Paths;
  for (const QString& Path : Failed) {
    Names << QFileInfo(Path).fileName();
    Paths << Path;
  }
  SaveFailureLabel->setText(tr("Not saved: %1").arg(Names.join(QStringLiteral(", "))));
  SaveFailureLabel->setToolTip(
      tr("Veltrona could not save to these files:\n%1\nYour work is kept while the program "
         "runs; it tries again after every change.")
          .arg(Paths.join(u'\n')));
  SaveFailureLabel->show();
}

void TCalculator::closeEvent(QCloseEvent* Event) {
  // A saved tape with changes asks first; the tape as it stands is kept as the last tape.
  if (!ShutDown && Tape) {
    if (!DocumentMayClose()) {
      Event->ignore();
      return;
    }
    WriteLastTape();
  }
  if (!ShutDown) FormClose();
  QMainWindow::closeEvent(Event);
}

void TCalculator::FormClose() {
  ShutDown = true;
  if (HelpWindow) HelpWindow->close();
  RunCommand([this] { Model.CloseCalculation(); });
  for (;;) {
    const std::vector<QString> Failed = SaveChanges();
    if (Failed.empty()) return;
    QStringList Paths;
    for (const QString& Path : Failed) Paths << Path;
    // Closing anyway leaves every file that holds unsaved work where it is, so the next start
    // brings that work back.
    const auto Answer = ShowMessageDlg(
        tr("Veltrona could not save to these files:\n%1\n\nFree some space or fix the folder "
           "and retry, or close anyway: the calculation being worked on is then brought back at "
           "the next start as far as it was last saved.")
            .arg(Paths.join(u'\n')),
        QMessageBox::Critical, QMessageBox::Retry | QMessageBox::Close);
    if (Answer != QMessageBox::Retry) return;
  }
}
