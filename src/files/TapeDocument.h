// The tape document (.vtape): a whole tape with its lines and their looks, the calculation
// being worked on with the settings it is computed with, and what the display held, so that a
// tape can be opened again later and corrected. A versioned JSON document in UTF-8; the format
// is described in docs/TAPE-FORMAT.md. A document is read in full into a plain record and
// checked (sizes, shape, the calculation replaying to its recorded total) before anything of
// it is used.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "CalcDocument.h"
#include "TapeLine.h"

struct TTapeDocument {
  // The version this program writes; a document of a newer major version is refused.
  static constexpr int Version = 1;
  // What a document may hold: larger ones are refused before they are read or parsed.
  static constexpr qint64 MaxBytes = 64LL * 1024 * 1024;
  static constexpr std::size_t MaxLines = 250'000;
  static constexpr int MaxLineLength = 1024;  // characters of one line's text

  QString FontFamily;  // empty: the tape's designed font
  int FontSize = 0;    // points; 0: the designed size
  std::vector<TTapeLine> Lines;
  // For each line, the entry of the current calculation whose number it shows (1 to 99); 0
  // for every other line.
  std::vector<std::int32_t> LineEntries;
  TDocCalculation Current;
  TDocInput Input;

  bool operator==(const TTapeDocument&) const = default;
};

// The document's bytes: compact JSON, UTF-8.
QByteArray WriteTapeDocument(const TTapeDocument& Document);

// A document read in full and checked, or the one reason it was refused (a sentence for the
// user, in their language).
struct TTapeDocumentRead {
  std::optional<TTapeDocument> Document;
  QString Error;
};
TTapeDocumentRead ReadTapeDocument(QByteArrayView Bytes);

// The files: written atomically (nothing on success, else the reason; a failed save leaves the
// old file as it was), and read with the size limit checked before a byte is read.
std::optional<QString> SaveTapeDocument(const QString& FileName, const TTapeDocument& Document);
TTapeDocumentRead OpenTapeDocument(const QString& FileName);
