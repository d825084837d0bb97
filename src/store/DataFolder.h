// TDataFolder is the folder of the five history files Equ1.dat to Equ5.dat: the folder the
// user stored as SaveDest, or else the per-user data folder (~/.local/share/veltrona on Linux),
// which an installed program can always write. The window saves and loads its history there;
// the terminal program reads a saved calculation from it.
#pragma once

#include <QString>
#include <filesystem>
#include <string>

class TDataFolder {
 public:
  static constexpr int HistoryFileCount = 5;

  // SaveDest as stored; empty (or blank) means the per-user data folder.
  explicit TDataFolder(const std::string& SaveDest);

  const QString& Path() const { return fPath; }

  // Makes the folder when it is missing; false when it is not there and cannot be made.
  bool Create() const;

  // The path of Equ<N>.dat for N from 1 to HistoryFileCount; empty for any other N.
  QString HistoryFile(int N) const;

  // The per-user data folder of the calculator.
  static QString DefaultPath();

 private:
  QString fPath;
};

// A path as the standard library's files take it, and a path as a person reads it (native
// separators). On Windows they go through UTF-16: the 8-bit code page cannot hold every name.
std::filesystem::path LocalPath(const QString& Path);
QString PathText(const std::filesystem::path& Path);
