#include "LongOperation.h"

#include <QCoreApplication>
#include <QProgressDialog>

TLongOperation::TLongOperation(QWidget* Parent, QString Label, int Steps)
    : fParent(Parent), fLabel(std::move(Label)), fSteps(Steps) {
  fTimer.start();
}

TLongOperation::~TLongOperation() = default;

void TLongOperation::Step(int Done) {
  // The clock is read every 1024 steps only.
  if (!fDialog && (Done & 1023) != 0) return;
  if (!fDialog) {
    if (fTimer.elapsed() < ShowAfterMs) return;
    fDialog = std::make_unique<QProgressDialog>(fLabel, QString(), 0, fSteps, fParent);
    fDialog->setObjectName(QStringLiteral("ProgressDialog"));
    fDialog->setWindowModality(Qt::WindowModal);
    fDialog->setMinimumDuration(0);
    fDialog->setAutoClose(false);
    fDialog->show();
  }
  if ((Done & 1023) != 0 && Done != fSteps) return;
  fDialog->setValue(Done);
  // Drawn now; the keys and the mouse wait until the operation has ended.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
