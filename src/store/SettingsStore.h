// TSettingsStore reads the calculator's settings record and memory value from the user's
// settings (a QSettings: the registry key on Windows, ~/.config/veltrona.conf elsewhere) and
// writes them back. The window reads at start and writes when the values change or it closes;
// the terminal program only reads. No other code touches QSettings.
#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "CalcSettings.h"
#include "NumberText.h"

class TSettingsStore {
 public:
  // The user's own settings, numbers written with the system locale's decimal separator.
  TSettingsStore();
  // Settings held by the caller (a test's own file), numbers written with Format's separator.
  TSettingsStore(QSettings& Settings, const TFormatSettings& Format);
  TSettingsStore(const TSettingsStore&) = delete;
  TSettingsStore& operator=(const TSettingsStore&) = delete;
  ~TSettingsStore();

  // Fills every field the store keeps (all but LargeApplied) and the memory value. A value
  // that is missing, does not convert or lies outside its range reads as its default.
  void Read(TCalcSettings& Settings, Extended& Memory);

  // Writes every value and flushes them to the file; false when they could not be written.
  bool Write(const TCalcSettings& Settings, Extended Memory);

  // The language chosen in the Options dialog (Form/Language), read alone before anything is
  // shown; empty for the system's.
  QString Language() const;

  // The settings file (or registry key), for the message that names what failed.
  QString FileName() const;

 private:
  std::unique_ptr<QSettings> fOwned;
  QSettings& fSettings;
  TFormatSettings fFormat;
};
