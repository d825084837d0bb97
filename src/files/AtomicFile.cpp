#include "AtomicFile.h"

#include <QSaveFile>

std::optional<QString> WriteFileAtomically(const QString& FileName, QByteArrayView Bytes) {
  QSaveFile File(FileName);
  // Unbuffered, so that every write reaches the system at once and a failure shows there.
  if (!File.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return File.errorString();
  // A write that stops short (at a file-size limit, on a full disk) says why only when the
  // rest is tried again.
  for (qsizetype Done = 0; Done < Bytes.size();) {
    const qint64 Written = File.write(Bytes.data() + Done, Bytes.size() - Done);
    if (Written <= 0) {
      const QString Reason = File.errorString();
      File.cancelWriting();
      return Reason;
    }
    Done += Written;
  }
  // commit() does not notice a final flush that fails and would put a cut-off file in place
  // of the old one, so the flush is checked here too.
  if (!File.flush()) {
    const QString Reason = File.errorString();
    File.cancelWriting();
    return Reason;
  }
  if (!File.commit()) return File.errorString();
  return std::nullopt;
}
