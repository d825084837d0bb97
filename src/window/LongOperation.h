// A progress dialog for an operation on the tape (opening a long tape document, say) that takes
// longer than half a second: made only once that much time has passed at one of its steps, and
// closed when the operation ends. It has no Cancel: the tape is never left half done.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

class TLongOperation {
 public:
  // How long an operation runs before its dialog shows; tests set it to 0.
  static inline int ShowAfterMs = 500;

  TLongOperation(QWidget* Parent, QString Label, int Steps);
  ~TLongOperation();
  TLongOperation(const TLongOperation&) = delete;
  TLongOperation& operator=(const TLongOperation&) = delete;

  // Done of the operation's steps are done; cheap enough to call for every line.
  void Step(int Done);

 private:
  QWidget* fParent;
  QString fLabel;
  int fSteps;
  QElapsedTimer fTimer;
  std::unique_ptr<QProgressDialog> fDialog;
};
