#include "DataFolder.h"

#include <QDir>
#include <QStandardPaths>

TDataFolder::TDataFolder(const std::string& SaveDest) {
  const QString Stored = QString::fromStdString(SaveDest);
  fPath = Stored.trimmed().isEmpty() ? DefaultPath() : QDir::cleanPath(Stored);
}

bool TDataFolder::Create() const {
  return QDir().mkpath(fPath);
}

QString TDataFolder::HistoryFile(int N) const {
  if (N < 1 || N > HistoryFileCount) return {};
  return QDir(fPath).filePath(QStringLiteral("Equ%1.dat").arg(N));
}

QString TDataFolder::DefaultPath() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
      .filePath(QStringLiteral("veltrona"));
}
