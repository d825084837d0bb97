#include "TapePane.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

TTapePane::TTapePane(QPlainTextEdit& Edit) : QObject(&Edit), fEdit(Edit) {
  // A picked number stays highlighted while the keypad has the focus: some styles paint an
  // inactive selection almost invisibly.
  QPalette Palette = fEdit.palette();
  for (const QPalette::ColorRole Role : {QPalette::Highlight, QPalette::HighlightedText})
    Palette.setColor(QPalette::Inactive, Role, Palette.color(QPalette::Active, Role));
  fEdit.setPalette(Palette);
  Clear();
}

void TTapePane::Clear() {
  fEdit.clear();
  QTextDocument* Doc = fEdit.document();
  // The tape is read-only: an undo history would only grow with every line.
  Doc->setUndoRedoEnabled(false);
  // clear() drops the alignment; the tape is right-aligned.
  QTextOption Option = Doc->defaultTextOption();
  Option.setAlignment(Qt::AlignRight);
  Doc->setDefaultTextOption(Option);
}

void TTapePane::AppendLine(const QString& Text, const QTextCharFormat& Format) {
  HoldPaint();
  // Appending at the end never touches a selection, such as a number picked by Back, so the
  // new line's format cannot spill onto it.
  QTextCursor Cursor(fEdit.document());
  Cursor.movePosition(QTextCursor::End);
  Cursor.beginEditBlock();
  Cursor.insertText(Text, Format);
  Cursor.insertBlock();
  Cursor.endEditBlock();
  fEdit.setTextCursor(Cursor);
}

std::int32_t TTapePane::InsertNoteAboveCaret(const QString& Note, const QTextCharFormat& Format) {
  QTextCursor Cursor = fEdit.textCursor();
  Cursor.setPosition(Cursor.selectionStart());
  Cursor.movePosition(QTextCursor::StartOfBlock);
  const int LineStart = Cursor.position();
  // One edit, so the pane lays the lines out once, after both are in place; laid out in
  // between, a long tape's widest line would seem to shrink and be searched for again.
  Cursor.beginEditBlock();
  Cursor.insertText(Note, Format);
  Cursor.insertBlock();
  Cursor.endEditBlock();
  fEdit.setTextCursor(Cursor);
  return LineStart;
}

std::int32_t TTapePane::EndPosition() const {
  return fEdit.document()->characterCount() - 1;
}

void TTapePane::Select(std::int32_t Start, std::int32_t Length) {
  QTextCursor Cursor(fEdit.document());
  Cursor.setPosition(Start);
  Cursor.setPosition(Start + Length, QTextCursor::KeepAnchor);
  fEdit.setTextCursor(Cursor);
}

void TTapePane::SetFont(const QFont& Font) {
  fEdit.setFont(Font);
}

// The display is drawn the moment it holds a result; the tape, whose scroll bar alone costs
// more to draw than a whole key press, is drawn one event-loop pass later, so it never holds
// the display back.
void TTapePane::HoldPaint() {
  if (!fEdit.updatesEnabled()) return;
  fEdit.setUpdatesEnabled(false);
  QTimer::singleShot(0, this, [this] { fEdit.setUpdatesEnabled(true); });
}
