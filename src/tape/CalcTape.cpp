// The tape pane of TCalculator: every line the engine writes, and the separator lines the
// window writes between calculations, become paragraphs at the end of the tape in the look of
// their attribute; the user's notes go in between; Clear Tape empties it.
#include <QAction>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include "Calccode.h"
#include "TapeCharFormat.h"
#include "UnitNote.h"

void TCalculator::CreateTape() {
  NoteForm = new TNoteForm(CalcSettings.Notes, this);
  EmptyTape();

  Annotate1 = new QAction(QStringLiteral("&Annotate..."), this);
  Annotate1->setObjectName(QStringLiteral("Annotate1"));
  Annotate1->setToolTip(QStringLiteral("Annotate Tape"));
  connect(Annotate1, &QAction::triggered, this,
          [this] { RunCommand([this] { ToolButtonAnnotClick(); }); });

  ClearTape1 = new QAction(QStringLiteral("Cle&ar Tape"), this);
  ClearTape1->setObjectName(QStringLiteral("ClearTape1"));
  ClearTape1->setToolTip(QStringLiteral("Clear Tape"));
  ClearTape1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
  connect(ClearTape1, &QAction::triggered, this, [this] { RunCommand([this] { C1Click(); }); });
  addActions({Annotate1, ClearTape1});
}

void TCalculator::EmptyTape() {
  ui.RichEdit1->clear();
  QTextDocument* Doc = ui.RichEdit1->document();
  // The tape is read-only: an undo history would only grow with every line.
  Doc->setUndoRedoEnabled(false);
  QTextOption Option = Doc->defaultTextOption();
  Option.setAlignment(Qt::AlignRight);
  Doc->setDefaultTextOption(Option);
}

void TCalculator::AppendTapeLine(const std::string& TapeVal, std::int32_t TapeAttr,
                                 bool IsNegative) {
  HoldTapePaint();
  // Appending at the end never touches a selection, such as a number picked by Back, so the
  // new line's format cannot spill onto it.
  QTextCursor Cursor(ui.RichEdit1->document());
  Cursor.movePosition(QTextCursor::End);
  Cursor.beginEditBlock();
  Cursor.insertText(QString::fromStdString(TapeVal),
                    TapeCharFormat(TapeLineStyle(TapeAttr, IsNegative, CalcSettings)));
  Cursor.insertBlock();
  Cursor.endEditBlock();
  // The caret follows the new line, so the tape scrolls with the calculation.
  ui.RichEdit1->setTextCursor(Cursor);
}

// The display is drawn the moment it holds a result; the tape, whose scroll bar alone costs
// more to draw than a whole key press, is drawn one event-loop pass later, so it never holds
// the display back.
void TCalculator::HoldTapePaint() {
  if (!ui.RichEdit1->updatesEnabled()) return;
  ui.RichEdit1->setUpdatesEnabled(false);
  QTimer::singleShot(0, this, [this] { ui.RichEdit1->setUpdatesEnabled(true); });
}

void TCalculator::ToolButtonAnnotClick() {
  if (ExecDialog(*NoteForm) != QDialog::Accepted) return;
  const QString Note = NoteForm->NoteText();
  QTextCursor Cursor = ui.RichEdit1->textCursor();
  Cursor.setPosition(Cursor.selectionStart());
  Cursor.movePosition(QTextCursor::StartOfBlock);
  const int LineStart = Cursor.position();
  // One edit, so the pane lays the lines out once, after both are in place; laid out in
  // between, a long tape's widest line would seem to shrink and be searched for again.
  Cursor.beginEditBlock();
  Cursor.insertText(Note, TapeCharFormat(AnnotationStyle(CalcSettings)));
  Cursor.insertBlock();
  Cursor.endEditBlock();
  ui.RichEdit1->setTextCursor(Cursor);
  // The numbers below the note moved down by its text and its line break.
  CurrentEngine.ShiftSelStarts(LineStart, static_cast<std::int32_t>(Note.size()) + 1);
  FocusDefaultButton();
}

void TCalculator::C1Click() {
  EmptyTape();
  FocusDefaultButton();
}
