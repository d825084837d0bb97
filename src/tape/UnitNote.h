// TNoteForm, the Annotation dialog: the user types a note or picks one of the notes made
// lately. The window opens it modally for the Annotate command and writes NoteText() on the
// tape when it returns Accepted; the remembered notes live in its TNoteList.
#pragma once

#include <QDialog>
#include <QString>

#include "NoteList.h"
#include "ui_UnitNote.h"

class TNoteForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int MaxNoteLength =
      TCalcSettings::MaxNoteLength;  // characters that can be typed

  explicit TNoteForm(const TNoteTexts& Notes, QWidget* Parent = nullptr);

  // The note to write after Accepted: as typed when it is new, as remembered when it matched.
  // Between openings it is the text the next opening offers.
  QString NoteText() const;

  const TNoteList& NoteList() const { return fNoteList; }

 protected:
  void showEvent(QShowEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  void FormCreate();
  void FormShow();
  void OKButtonClick();
  void CanButtonClick();
  void ShowList(const QString& EditText);

  Ui::TNoteForm ui;
  TNoteList fNoteList;
};
