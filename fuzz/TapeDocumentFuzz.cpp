// Reads arbitrary bytes as a tape document through the window's own reader. Nothing may crash;
// a document that is taken must hold no more than its limits, and must write and read back to
// the same document.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "TapeDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const TTapeDocumentRead Read = ReadTapeDocument(
      QByteArrayView(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size)));
  if (!Read.Document) {
    if (Read.Error.isEmpty()) std::abort();
    return 0;
  }
  const TTapeDocument& Doc = *Read.Document;
  if (Doc.Lines.size() > TTapeDocument::MaxLines || Doc.Lines.size() != Doc.LineEntries.size() ||
      Doc.Current.Entries.size() > 99)
    std::abort();
  const TTapeDocumentRead Again = ReadTapeDocument(WriteTapeDocument(Doc));
  if (!Again.Document || !(*Again.Document == Doc)) std::abort();
  return 0;
}
