#include "UnitNote.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QShowEvent>

TNoteForm::TNoteForm(const TNoteTexts& Notes, QWidget* Parent) : QDialog(Parent), fNoteList(Notes) {
  ui.setupUi(this);
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  ui.NoteComboBox->lineEdit()->setMaxLength(MaxNoteLength);
  // The edit keeps exactly what is typed: no completion from the list, whatever its case.
  ui.NoteComboBox->setCompleter(nullptr);
  connect(ui.OKButton, &QPushButton::clicked, this, &TNoteForm::OKButtonClick);
  connect(ui.CanButton, &QPushButton::clicked, this, &TNoteForm::CanButtonClick);
  FormCreate();
}

QString TNoteForm::NoteText() const {
  return ui.NoteComboBox->currentText();
}

void TNoteForm::FormCreate() {
  ShowList(QString());
}

void TNoteForm::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  if (!Event->spontaneous()) FormShow();
}

void TNoteForm::FormShow() {
  // A note picked from the list last time is not offered again; a typed one is.
  if (ui.NoteComboBox->currentIndex() >= 0) {
    ui.NoteComboBox->setCurrentIndex(-1);
    ui.NoteComboBox->clearEditText();
  }
  ui.NoteComboBox->setFocus();
  ui.OKButton->setDefault(true);
}

void TNoteForm::keyPressEvent(QKeyEvent* Event) {
  // Escape does not close the dialog: it has no cancel button.
  if (Event->matches(QKeySequence::Cancel)) {
    Event->accept();
    return;
  }
  QDialog::keyPressEvent(Event);
}

void TNoteForm::OKButtonClick() {
  const std::optional<std::string> Note =
      fNoteList.Accept(ui.NoteComboBox->currentText().toStdString());
  if (!Note) {
    reject();
    return;
  }
  ShowList(QString::fromStdString(*Note));
  accept();
}

void TNoteForm::CanButtonClick() {
  reject();
}

// Refilling the list selects its first item; the edit shows EditText with no item selected.
void TNoteForm::ShowList(const QString& EditText) {
  ui.NoteComboBox->clear();
  for (const std::string& Item : fNoteList.Items())
    ui.NoteComboBox->addItem(QString::fromStdString(Item));
  ui.NoteComboBox->setCurrentIndex(-1);
  ui.NoteComboBox->setEditText(EditText);
}
