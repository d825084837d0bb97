// The menu bar of TCalculator: one table of every menu and item in its designed place, with
// captions, access keys, short-cuts and commands. An item that the window's tape or other parts
// have already made as an action is placed as it is. An item whose command the window does not
// have yet still exists, so that its check mark can be read, but is left out of its menu; a
// menu with nothing in it stays off the menu bar.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Calccode.h"

enum class TItemKind : std::uint8_t { Command, Toggle, FormatChoice, Separator, SubMenu };

struct TCalculator::TMenuRow {
  const char* Menu;  // the menu the row belongs to; nullptr: the menu bar
  const char* Name;  // the item's (or sub-menu's) name
  const char* Caption;
  const char* ShortCut;
  TItemKind Kind;
  void (TCalculator::*Command)();
  bool TCalcSettings::*Checked = nullptr;  // a toggle's check mark follows this preference
  std::int32_t Tag = 0;                    // a format choice's tape format
};

void TCalculator::CreateMenus() {
  using K = TItemKind;
  using C = TCalculator;
  using S = TCalcSettings;
  // clang-format off
  static const TMenuRow Rows[] = {
    {nullptr, "File1", QT_TR_NOOP("&File"), nullptr, K::SubMenu, nullptr},
    {nullptr, "Edit2", QT_TR_NOOP("&Edit"), nullptr, K::SubMenu, nullptr},
    {nullptr, "View1", QT_TR_NOOP("&View"), nullptr, K::SubMenu, nullptr},
    {nullptr, "Options1", QT_TR_NOOP("&Tape"), nullptr, K::SubMenu, nullptr},
    {nullptr, "Options2", QT_TR_NOOP("&Options"), nullptr, K::SubMenu, nullptr},
    {nullptr, "Help1", QT_TR_NOOP("&Help"), nullptr, K::SubMenu, nullptr},

    {"File1", "SaveTapeAs1", QT_TR_NOOP("Save Tape As..."), nullptr, K::Command,
     &C::SaveTapeAs1Click},
    {"File1", nullptr, nullptr, nullptr, K::Separator, nullptr},
    {"File1", "PageSetup1", QT_TR_NOOP("Page Se&tup..."), nullptr, K::Command, &C::PageSetup1Click},
    {"File1", "PrintTape1", QT_TR_NOOP("&Print Tape"), nullptr, K::Command, &C::PrintTape1Click},
    {"File1", "PrintPreview1", QT_TR_NOOP("Print Pre&view..."), nullptr, K::Command,
     &C::PrintPreview1Click},
    {"File1", nullptr, nullptr, nullptr, K::Separator, nullptr},
    {"File1", "Exit2", QT_TR_NOOP("E&xit"), nullptr, K::Command, &C::Exit2Click},

    {"Edit2", "Copy1", QT_TR_NOOP("&Copy"), "Ctrl+C", K::Command, &C::Copy1Click},
    {"Edit2", "Paste1", QT_TR_NOOP("&Paste"), "Ctrl+V", K::Command, &C::Paste1Click},
    {"Edit2", "SelectAll1", QT_TR_NOOP("Se&lect All"), "Ctrl+A", K::Command, &C::SelectAll1Click},
    {"Edit2", nullptr, nullptr, nullptr, K::Separator, nullptr},
    {"Edit2", "CopyCalculation1", QT_TR_NOOP("Copy &Calculation"), nullptr, K::Command,
     &C::CopyCalculation1Click},

    {"View1", "ViewToolBar", QT_TR_NOOP("&ToolBar"), nullptr, K::Toggle, &C::ViewToolBarClick,
     &S::ToolBar},
    {"View1", "ViewStatusBar", QT_TR_NOOP("&Status Bar"), nullptr, K::Toggle,
     &C::ViewStatusBarClick,
     &S::StatusBar},
    {"View1", nullptr, nullptr, nullptr, K::Separator, nullptr},
    {"View1", "AlwaysOnTop2", QT_TR_NOOP("&Always On Top"), nullptr, K::Toggle,
     &C::AlwaysonTop1Click,
     &S::OnTop},
    {"View1", nullptr, nullptr, nullptr, K::Separator, nullptr},
    {"View1", "Zoom1", QT_TR_NOOP("&Zoom"), nullptr, K::SubMenu, nullptr},
    {"View1", nullptr, nullptr, nullptr, K::Separator, nullptr},
    {"View1", "PreviousEnteredNumber1", QT_TR_NOOP("&Back"), "Alt+Left", K::Command,
     &C::PrevToolButtonClick},
    {"View1", "NextEnteredNumber1", QT_TR_NOOP("&Forward"), "Alt+Right", K::Command,
     &C::NextToolButtonClick},
    {"View1", nullptr, nullptr, nullptr, K::Separator, nullptr},
    {"View1", "PrevCalculations1", QT_TR_NOOP("&History"), nullptr, K::SubMenu, nullptr},

    {"Zoom1", "NormalSize1", QT_TR_NOOP("&Normal Size"), "Ctrl+PgUp", K::Command,
     &C::NormalSize1Click},
    {"Zoom1", "LargeSize2", QT_TR_NOOP("&Large Size "), "Ctrl+PgDown", K::Command,
     &C::LargeSize2Click},

    {"Options1", "General1", QT_TR_NOOP("&General"), nullptr, K::FormatChoice, nullptr, nullptr, 1},
    {"Options1", "Exponent1", QT_TR_NOOP("&Scientific"), nullptr, K::FormatChoice, nullptr,
     nullptr, 2},
    {"Options1", "Currency1", QT_TR_NOOP("&Currency"), nullptr, K::FormatChoice, nullptr, nullptr,
     3},
    {"Options1", "Fixed1", QT_TR_NOOP("F&ixed"), nullptr, K::FormatChoice, nullptr, nullptr, 4},
    {"Options1", nullptr, nullptr, nullptr, K::Separator, nullptr},
    {"Options1", "Annotate1", QT_TR_NOOP("&Annotate..."), nullptr, K::Command, nullptr},
    {"Options1", nullptr, nullptr, nullptr, K::Separator, nullptr},
    {"Options1", "TapeFont1", QT_TR_NOOP("Tape &Font..."), nullptr, K::Command, &C::TapeFont1Click},
    {"Options1", nullptr, nullptr, nullptr, K::Separator, nullptr},
    {"Options1", "HideTape1", QT_TR_NOOP("&Hide Tape"), "Ctrl+H", K::Toggle, &C::HideTape1Click,
     &S::HideTape},
    {"Options1", "ClearTape1", QT_TR_NOOP("Cle&ar Tape"), "Ctrl+Del", K::Command, nullptr},

    {"Options2", "MoreOptions1", QT_TR_NOOP("Options..."), nullptr, K::Command,
     &C::MoreOptions1Click},

    {"Help1", "Help2", QT_TR_NOOP("&Help"), nullptr, K::Command, &C::Help2Click},
    {"Help1", "About1", QT_TR_NOOP("&About..."), nullptr, K::Command, &C::About1Click},
  };
  // clang-format on
  std::map<std::string, QMenu*> Menus;
  std::vector<std::pair<QMenu*, QMenu*>> MenuParents;  // in the order of creation
  std::map<QMenu*, int> ItemCounts;                    // items placed in each menu
  FormatChoices = new QActionGroup(this);
  for (const TMenuRow& Row : Rows) {
    QMenu* Menu = Row.Menu ? Menus.at(Row.Menu) : nullptr;
    switch (Row.Kind) {
      case K::Separator:
        Menu->addSeparator();  // separators next to nothing collapse
        break;
      case K::SubMenu: {
        auto* Sub = new QMenu(tr(Row.Caption), this);
        Sub->setObjectName(QLatin1String(Row.Name));
        Sub->menuAction()->setObjectName(QLatin1String(Row.Name) + QLatin1String("Item"));
        if (Menu)
          Menu->addMenu(Sub);
        else
          menuBar()->addMenu(Sub);
        Menus[Row.Name] = Sub;
        MenuParents.emplace_back(Sub, Menu);
        break;
      }
      default: {
        // A command made earlier with the window's other parts brings its own action.
        if (QAction* Made = MenuItem(Row.Name)) {
          Menu->addAction(Made);
          ++ItemCounts[Menu];
          break;
        }
        auto* Item = new QAction(tr(Row.Caption), this);
        Item->setObjectName(QLatin1String(Row.Name));
        if (Row.ShortCut) Item->setShortcut(QKeySequence(QLatin1String(Row.ShortCut)));
        Item->setCheckable(Row.Kind != K::Command);
        if (Row.Checked) Item->setChecked(CalcSettings.*Row.Checked);
        if (Row.Kind == K::FormatChoice) {
          // The four formats are one radio group; the check follows the format in effect.
          FormatChoices->addAction(Item);
          Menu->addAction(Item);
          ++ItemCounts[Menu];
          connect(Item, &QAction::triggered, this,
                  [this, Format = Row.Tag] { RunCommand([&] { Exponent1Click(Format); }); });
          break;
        }
        if (!Row.Command) break;
        Menu->addAction(Item);
        ++ItemCounts[Menu];
        connect(Item, &QAction::triggered, this,
                [this, Command = Row.Command] { RunCommand([&] { (this->*Command)(); }); });
        break;
      }
    }
  }
  // A sub-menu comes after its parent, so going backwards settles each one before its parent.
  for (auto It = MenuParents.rbegin(); It != MenuParents.rend(); ++It) {
    const auto [Menu, Parent] = *It;
    const bool Shown = ItemCounts[Menu] > 0;
    Menu->menuAction()->setVisible(Shown);
    if (Shown && Parent) ++ItemCounts[Parent];
  }
  MenuItem("NormalSize1")->setEnabled(CalcSettings.Large);
  MenuItem("LargeSize2")->setEnabled(!CalcSettings.Large);
  // Looked up once: every key refreshes them.
  PreviousEnteredNumber1 = MenuItem("PreviousEnteredNumber1");
  NextEnteredNumber1 = MenuItem("NextEnteredNumber1");
  PrevCalculations1 = findChild<QMenu*>(QStringLiteral("PrevCalculations1"));
  CreateDocumentMenus();
}

QAction* TCalculator::MenuItem(const char* Name) const {
  return findChild<QAction*>(QLatin1String(Name));
}
