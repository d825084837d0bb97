#include "DataFolder.h"

#include <QDir>
#include <QFile>
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

std::filesystem::path LocalPath(const QString& Path) {
#ifdef Q_OS_WIN
  return std::filesystem::path(Path.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(Path).toStdString());
#endif
}

QString PathText(const std::filesystem::path& Path) {
#ifdef Q_OS_WIN
  return QDir::toNativeSeparators(QString::fromStdWString(Path.native()));
#else
  return QFile::decodeName(Path.c_str());
#endif
}
