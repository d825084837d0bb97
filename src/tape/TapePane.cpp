#include "TapePane.h"

#include <QPlainTextEdit>
#include <QScrollBar>
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
  // The lines of this pass are in place before a click or a key moves the caret.
  fEdit.viewport()->installEventFilter(this);
  fEdit.installEventFilter(this);
  Clear();
}

bool TTapePane::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::MouseButtonPress || Event->type() == QEvent::KeyPress)
    EndAppending();
  return QObject::eventFilter(Watched, Event);
}

void TTapePane::Clear() {
  EndAppending();
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
  // The lines of one pass of the event loop (a whole replay, say) go in as one edit, so the
  // pane lays them out once. Appending at the end never touches a selection, such as a number
  // picked by Back, so the new line's format cannot spill onto it.
  if (!fAppending) {
    fAppending.emplace(fEdit.document());
    fAppending->movePosition(QTextCursor::End);
    fAppending->beginEditBlock();
    QTimer::singleShot(0, this, [this] { EndAppending(); });
  }
  fAppending->insertText(Text, Format);
  fAppending->insertBlock();
}

// The caret follows the new lines, so the tape scrolls with the calculation.
void TTapePane::EndAppending() {
  if (!fAppending) return;
  fAppending->endEditBlock();
  fEdit.setTextCursor(*fAppending);
  fAppending.reset();
}

std::int32_t TTapePane::InsertNoteAboveCaret(const QString& Note, const QTextCharFormat& Format) {
  EndAppending();
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
  EndAppending();
  QTextCursor Cursor = fEdit.textCursor();
  const std::int32_t End = EndPosition();
  if (Length <= 0 || Start < 0 || Start + Length > End) {
    // Nothing to highlight: the selection goes and the view stays where it is.
    if (!Cursor.hasSelection()) return;
    QScrollBar* Bar = fEdit.verticalScrollBar();
    const int Scrolled = Bar->value();
    Cursor.clearSelection();
    fEdit.setTextCursor(Cursor);
    Bar->setValue(Scrolled);
    return;
  }
  Cursor.setPosition(Start);
  Cursor.setPosition(Start + Length, QTextCursor::KeepAnchor);
  fEdit.setTextCursor(Cursor);
}

void TTapePane::SetFont(const QFont& Font) {
  EndAppending();
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
