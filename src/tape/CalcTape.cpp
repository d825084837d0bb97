// The tape pane of TCalculator: every line the engine writes, and the separator lines the
// window writes between calculations, become paragraphs at the end of the tape.
#include <QTextCursor>

#include "Calccode.h"

void TCalculator::AppendTapeLine(const std::string& TapeVal, std::int32_t /*TapeAttr*/,
                                 bool /*IsNegative*/) {
  QTextCursor Cursor = ui.RichEdit1->textCursor();
  Cursor.clearSelection();
  Cursor.movePosition(QTextCursor::End);
  Cursor.insertText(QString::fromStdString(TapeVal));
  Cursor.insertBlock();
  // The caret follows the new line, so the tape scrolls with the calculation.
  ui.RichEdit1->setTextCursor(Cursor);
}
