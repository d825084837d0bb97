// What a screen reader gets from the window, read through Qt's accessibility interfaces: a
// name for every control, the display's value and its announcements, the tape line by line,
// and the keyboard focus walking the keypad.
#include <QAbstractButton>
#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QToolButton>
#include <algorithm>
#include <map>
#include <set>

#include "WindowFixture.h"

namespace {

class AccessibilityTest : public WindowTest {
 protected:
  static std::string SpokenName(QObject* Object) {
    QAccessibleInterface* Face = QAccessible::queryAccessibleInterface(Object);
    return Face ? Face->text(QAccessible::Name).toStdString() : std::string();
  }

  static std::vector<std::string> ChildNames(QObject* Object) {
    std::vector<std::string> Names;
    QAccessibleInterface* Face = QAccessible::queryAccessibleInterface(Object);
    for (int I = 0; Face && I < Face->childCount(); ++I)
      Names.push_back(Face->child(I)->text(QAccessible::Name).toStdString());
    return Names;
  }
};

TEST_F(AccessibilityTest, EveryKeyToolButtonAndTabHasAUniqueNameThatSaysWhatItDoes) {
  std::map<std::string, std::string> Owners;  // spoken name -> control
  const auto Claim = [&](const std::string& Name, const std::string& Control) {
    EXPECT_FALSE(Name.empty()) << Control << " has no name";
    const auto [At, Fresh] = Owners.emplace(Name, Control);
    EXPECT_TRUE(Fresh) << Control << " and " << At->second << " are both called " << Name;
  };
  for (QAbstractButton* Control : Calc->findChildren<QAbstractButton*>()) {
    // Qt's own arrows of the tool bar and the tab row are not ours to name.
    if (Control->objectName().startsWith(QLatin1String("qt_")) ||
        qobject_cast<QTabBar*>(Control->parentWidget()))
      continue;
    Claim(SpokenName(Control), Control->objectName().toStdString());
  }
  auto* Tabs = Calc->findChild<QTabBar*>();
  const std::vector<std::string> TabNames = ChildNames(Tabs);
  for (int I = 0; I < Tabs->count(); ++I) Claim(TabNames.at(static_cast<std::size_t>(I)), "a tab");

  const std::map<std::string, std::string> Expected = {
      {"ButtonSqrt", "Square root"},
      {"ButtonMemRecall", "Memory recall"},
      {"RecalcToolButton", "Replay calculation"},
      {"EqualsBitBtn", "Equals"},
      {"Button15", "Clear"},
      {"ButtonC", "Hex digit C"},
      {"ButtonPlusTax", "Plus " + Calc->CalcSettings.TaxLit}};
  for (const auto& [Control, Name] : Expected)
    EXPECT_EQ(SpokenName(Widget(Control.c_str())), Name) << Control;
  EXPECT_EQ(Owners.count("Trigonometry"), 1u);

  // Qt's button for the tool buttons that do not fit is named too.
  EXPECT_EQ(SpokenName(Calc->findChild<QToolButton*>("qt_toolbar_ext_button")),
            "More tool buttons");

  // The show/hide button says what it will do now.
  EXPECT_EQ(SpokenName(Widget("ShowToolButton")), "Hide tape");
  Press("<Ctrl+H>");
  EXPECT_EQ(SpokenName(Widget("ShowToolButton")), "Show tape");
}

TEST_F(AccessibilityTest, MenuItemsHaveNamesUniqueInTheirMenu) {
  std::vector<QMenu*> Menus;
  for (QAction* Top : Calc->menuBar()->actions())
    if (Top->menu() && Top->isVisible()) Menus.push_back(Top->menu());
  ASSERT_FALSE(Menus.empty());
  for (std::size_t I = 0; I < Menus.size(); ++I) {
    QMenu* Menu = Menus[I];
    std::set<std::string> Seen;
    QAccessibleInterface* Face = QAccessible::queryAccessibleInterface(Menu);
    ASSERT_NE(Face, nullptr);
    for (int Child = 0; Child < Face->childCount(); ++Child) {
      QAction* Item = Menu->actions().value(Child);
      if (!Item || Item->isSeparator() || !Item->isVisible()) continue;
      if (Item->menu()) Menus.push_back(Item->menu());
      const std::string Name = Face->child(Child)->text(QAccessible::Name).toStdString();
      EXPECT_FALSE(Name.empty()) << Item->objectName().toStdString();
      EXPECT_TRUE(Seen.insert(Name).second) << Name << " twice in " << Menu->title().toStdString();
    }
  }
}

TEST_F(AccessibilityTest, TheDisplayTellsItsValue) {
  QWidget* Display = Widget("Edit1");
  QAccessibleInterface* Face = QAccessible::queryAccessibleInterface(Display);
  ASSERT_NE(Face, nullptr);
  EXPECT_EQ(Face->text(QAccessible::Name).toStdString(), "Display");
  for (const char* Key : {"2", "+", "3"}) Press(Key);
  EXPECT_EQ(Face->text(QAccessible::Value).toStdString(), "3");
  Press("=");
  EXPECT_EQ(Face->text(QAccessible::Value).toStdString(), "5");
}

// A screen reader speaks what changes on the focused control; the display never has the focus,
// so each new value reaches the focused Equals or Recalc key as its description. (Offscreen, Qt
// sends no accessibility events; ScreenReaderCheck.py hears them from the real program.)
TEST_F(AccessibilityTest, EachNewValueIsToldByTheFocusedKey) {
  const auto Told = [this] {
    QAccessibleInterface* Face = QAccessible::queryAccessibleInterface(FocusedControl());
    return Face ? Face->text(QAccessible::Description).toStdString() : std::string();
  };
  std::vector<std::string> Heard;
  for (const char* Key : {"'1'", "'2'", "'+'", "'3'", "'0'", "'='"}) {
    Press(Key);
    Heard.push_back(Told());
  }
  EXPECT_EQ(Heard, (std::vector<std::string>{"1", "12", "12", "3", "30", "42"}));
  EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn"));
  Press("<Alt+Left>");  // the picked number is edited on the Recalc key
  EXPECT_EQ(FocusedControl(), Widget("RecalcBitBtn"));
  EXPECT_EQ(Told(), "30");
  // The display keeps its own name and value.
  QAccessibleInterface* Display = QAccessible::queryAccessibleInterface(Widget("Edit1"));
  EXPECT_EQ(Display->text(QAccessible::Name).toStdString(), "Display");
  EXPECT_EQ(Display->text(QAccessible::Value).toStdString(), "30");
}

TEST_F(AccessibilityTest, TheTapeReadsLineByLine) {
  for (const char* Key : {"2", "+", "3", "="}) Press(Key);
  QAccessibleInterface* Tape = QAccessible::queryAccessibleInterface(Widget("RichEdit1"));
  ASSERT_NE(Tape, nullptr);
  EXPECT_EQ(Tape->text(QAccessible::Name).toStdString(), "Tape");
  QAccessibleTextInterface* Text = Tape->textInterface();
  ASSERT_NE(Text, nullptr);
  std::vector<std::string> Lines;
  for (int Offset = 0; Offset < Text->characterCount();) {
    int Start = 0, End = 0;
    QString Line = Text->textAtOffset(Offset, QAccessible::LineBoundary, &Start, &End);
    ASSERT_GE(End, Offset);
    while (Line.endsWith(u'\n') || Line.endsWith(QChar::ParagraphSeparator)) Line.chop(1);
    Lines.push_back(Line.toStdString());
    Offset = End + 1;  // past the line break
  }
  EXPECT_EQ(Lines, TapeLines());
}

TEST_F(AccessibilityTest, TabWalksTheKeypadRowByRow) {
  // The keypad's keys as Tab reaches them, from the display on.
  QWidget* Keypad = Widget("BasicKeysPanel");
  std::vector<QWidget*> Reached;
  QWidget* At = Widget("Edit1");
  for (QWidget* Next = At->nextInFocusChain(); Next != At; Next = Next->nextInFocusChain()) {
    if (Next->parentWidget() == Keypad && Next->isVisible()) Reached.push_back(Next);
    if (Next == Widget("PageControl1")) break;
  }
  std::size_t Visible = 0;
  for (QAbstractButton* Key : Keypad->findChildren<QAbstractButton*>()) Visible += Key->isVisible();
  ASSERT_EQ(Reached.size(), Visible) << "the keypad's keys come before the function pad";
  for (std::size_t I = 1; I < Reached.size(); ++I) {
    const QPoint Before = Reached[I - 1]->pos(), Now = Reached[I]->pos();
    EXPECT_TRUE(Before.y() < Now.y() || (Before.y() == Now.y() && Before.x() < Now.x()))
        << Reached[I - 1]->objectName().toStdString() << " before "
        << Reached[I]->objectName().toStdString();
  }

  // A real Tab from a key moves to the key on its right.
  Widget("Button7")->setFocus();
  QTest::keyClick(FocusedControl(), Qt::Key_Tab);
  EXPECT_EQ(FocusedControl(), Widget("Button8"));
}

}  // namespace
