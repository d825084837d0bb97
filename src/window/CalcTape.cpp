// The window's tape commands: the tape pane over RichEdit1, Annotate and Clear Tape.
#include <QAction>

#include "Calccode.h"
#include "TapeCharFormat.h"
#include "TapeLineStyle.h"
#include "TapePane.h"
#include "UnitNote.h"

void TCalculator::CreateTape() {
  Tape = new TTapePane(*ui.RichEdit1);
  ApplyTapeFont();

  Annotate1 = new QAction(tr("&Annotate..."), this);
  Annotate1->setObjectName(QStringLiteral("Annotate1"));
  Annotate1->setToolTip(tr("Annotate Tape"));
  connect(Annotate1, &QAction::triggered, this,
          [this] { RunCommand([this] { ToolButtonAnnotClick(); }); });

  ClearTape1 = new QAction(tr("Cle&ar Tape"), this);
  ClearTape1->setObjectName(QStringLiteral("ClearTape1"));
  ClearTape1->setToolTip(tr("Clear Tape"));
  ClearTape1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
  connect(ClearTape1, &QAction::triggered, this, [this] { RunCommand([this] { C1Click(); }); });
  addActions({Annotate1, ClearTape1});
}

void TCalculator::ToolButtonAnnotClick() {
  // Made when first asked for: the first frame does not show it.
  if (!NoteForm) NoteForm = new TNoteForm(CalcSettings.Notes, this);
  if (ExecDialog(*NoteForm) == QDialog::Accepted) {
    const QString Note = NoteForm->NoteText();
    const std::int32_t LineStart = Tape->InsertNoteAboveCaret(
        Note, TapeCharFormat(AnnotationStyle(CalcSettings), ui.RichEdit1->palette()));
    // The note's text and its line break.
    Model.NoteInserted(LineStart, static_cast<std::int32_t>(Note.size()) + 1);
  }
  FocusDefaultButton();
}

void TCalculator::C1Click() {
  Tape->Clear();
  Model.TapeCleared();
  FocusDefaultButton();
}
