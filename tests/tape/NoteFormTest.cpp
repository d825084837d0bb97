// The Annotation dialog driven as a user drives it: type or pick a note, then OK, Enter,
// Cancel, Escape or the close box, and open it again.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "UnitNote.h"

namespace {

using TItems = std::vector<std::string>;

const TNoteTexts Remembered = {"Rent", "Food"};

struct TNoteFormParts {
  explicit TNoteFormParts(TNoteForm& Form)
      : Combo(Form.findChild<QComboBox*>("NoteComboBox")),
        OK(Form.findChild<QPushButton*>("OKButton")),
        Cancel(Form.findChild<QPushButton*>("CanButton")) {}
  QComboBox* Combo;
  QPushButton* OK;
  QPushButton* Cancel;
};

TEST(NoteForm, Layout) {
  TNoteForm Form(Remembered);
  const TNoteFormParts Parts(Form);
  ASSERT_TRUE(Parts.Combo && Parts.OK && Parts.Cancel);
  EXPECT_EQ(Form.windowTitle(), "Annotation");
  EXPECT_EQ(Form.minimumSize(), QSize(242, 89));
  EXPECT_EQ(Form.maximumSize(), QSize(242, 89));
  const QRect Combo = Parts.Combo->geometry();
  EXPECT_EQ(QRect(Combo.left(), Combo.top(), Combo.width(), 0), QRect(16, 16, 209, 0));
  EXPECT_TRUE(Parts.Combo->isEditable());
  EXPECT_EQ(Parts.Combo->lineEdit()->maxLength(), 27);
  EXPECT_EQ(Parts.OK->geometry(), QRect(72, 56, 75, 25));
  EXPECT_EQ(Parts.OK->text(), "OK");
  EXPECT_EQ(Parts.Cancel->geometry(), QRect(160, 56, 75, 25));
  EXPECT_EQ(Parts.Cancel->text(), "Cancel");
}

TEST(NoteForm, OpensWithTheRememberedNotesAndAnEmptyEdit) {
  TNoteForm Form(Remembered);
  const TNoteFormParts Parts(Form);
  Form.show();
  ASSERT_EQ(Parts.Combo->count(), 2);
  EXPECT_EQ(Parts.Combo->itemText(0), "Rent");
  EXPECT_EQ(Parts.Combo->itemText(1), "Food");
  EXPECT_EQ(Parts.Combo->currentIndex(), -1);
  EXPECT_EQ(Parts.Combo->currentText(), "");
  EXPECT_TRUE(Form.focusWidget() == Parts.Combo || Form.focusWidget() == Parts.Combo->lineEdit());
  EXPECT_TRUE(Parts.OK->isDefault());
}

enum class TClose { OK, Enter, Cancel, CloseBox };

TEST(NoteForm, ConfirmOrCancelThenOpenAgain) {
  struct {
    const char* Name;
    int Pick;  // Down key presses in the list; 0 types instead
    QString Typed;
    TClose Close;
    bool Accepted;
    std::string Note;
    TItems Items;
    std::string NextTime;
  } const Cases[] = {
      {"typed note",
       0,
       "  Fuel ",
       TClose::OK,
       true,
       "  Fuel ",
       {"Fuel", "Rent", "Food"},
       "  Fuel "},
      {"typed match by Enter", 0, "Food", TClose::Enter, true, "Food", {"Food", "Rent"}, "Food"},
      {"match with blanks", 0, " Food ", TClose::OK, true, "Food", {"Food", "Rent"}, "Food"},
      {"other case", 0, "rent", TClose::OK, true, "rent", {"rent", "Rent", "Food"}, "rent"},
      {"start of a note is not completed",
       0,
       "Fo",
       TClose::OK,
       true,
       "Fo",
       {"Fo", "Rent", "Food"},
       "Fo"},
      {"blank note", 0, "   ", TClose::OK, false, "   ", {"Rent", "Food"}, "   "},
      {"picked note", 2, "", TClose::OK, true, "Food", {"Food", "Rent"}, "Food"},
      {"picked then cancelled", 2, "", TClose::Cancel, false, "Food", {"Rent", "Food"}, ""},
      {"picked then closed", 1, "", TClose::CloseBox, false, "Rent", {"Rent", "Food"}, ""},
      {"typed then cancelled", 0, "Fuel", TClose::Cancel, false, "Fuel", {"Rent", "Food"}, "Fuel"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TNoteForm Form(Remembered);
    const TNoteFormParts Parts(Form);
    Form.show();
    for (int I = 0; I < Case.Pick; ++I) QTest::keyClick(Parts.Combo, Qt::Key_Down);
    QTest::keyClicks(Parts.Combo, Case.Typed);
    switch (Case.Close) {
      case TClose::OK:
        QTest::mouseClick(Parts.OK, Qt::LeftButton);
        break;
      case TClose::Enter:
        QTest::keyClick(Parts.Combo, Qt::Key_Return);
        break;
      case TClose::Cancel:
        QTest::mouseClick(Parts.Cancel, Qt::LeftButton);
        break;
      case TClose::CloseBox:
        Form.close();
        break;
    }
    EXPECT_FALSE(Form.isVisible());
    EXPECT_EQ(Form.result(), Case.Accepted ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(Form.NoteText().toStdString(), Case.Note);
    EXPECT_EQ(Form.NoteList().Items(), Case.Items);
    ASSERT_EQ(Parts.Combo->count(), static_cast<int>(Case.Items.size()));
    EXPECT_EQ(Parts.Combo->itemText(0).toStdString(), Case.Items.front());
    Form.show();
    EXPECT_EQ(Form.NoteText().toStdString(), Case.NextTime);
    EXPECT_EQ(Parts.Combo->currentIndex(), -1);
  }
}

TEST(NoteForm, EscapeLeavesItOpen) {
  TNoteForm Form(Remembered);
  const TNoteFormParts Parts(Form);
  Form.show();
  QTest::keyClicks(Parts.Combo, "Fuel");
  QTest::keyClick(Parts.Combo, Qt::Key_Escape);
  QTest::keyClick(&Form, Qt::Key_Escape);
  EXPECT_TRUE(Form.isVisible());
  EXPECT_EQ(Form.NoteText(), "Fuel");
}

TEST(NoteForm, AtMost27CharactersCanBeTyped) {
  TNoteForm Form(Remembered);
  const TNoteFormParts Parts(Form);
  Form.show();
  QTest::keyClicks(Parts.Combo, QString(30, 'x'));
  EXPECT_EQ(Form.NoteText(), QString(27, 'x'));
}

}  // namespace
