// The window's history commands: the History tool button with its drop-down list and the
// View > History submenu, both listing the five saved calculations newest first.
#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "Calccode.h"

void TCalculator::CreateHistoryMenus() {
  EquPopupMenu = new QMenu(this);
  EquPopupMenu->setObjectName(QStringLiteral("EquPopupMenu"));
  QMenu* SubMenu = PrevCalculations1;
  for (int Position = 1; Position <= TCalcModel::HistorySize; ++Position) {
    const auto Add = [&](QMenu* Menu, const QString& Name) {
      auto* Item = Menu->addAction(QString());
      Item->setObjectName(Name.arg(Position));
      // Shown once it has a calculation's caption.
      Item->setVisible(false);
      connect(Item, &QAction::triggered, this,
              [this, Position] { RunCommand([&] { Equ5MenuItemClick(Position); }); });
      return Item;
    };
    EquMenuItems[static_cast<std::size_t>(Position - 1)] =
        Add(EquPopupMenu, QStringLiteral("Equ%1MenuItem"));
    EquSubItems[static_cast<std::size_t>(Position - 1)] =
        Add(SubMenu, QStringLiteral("Equ%1SubItem"));
  }
  SubMenu->menuAction()->setVisible(true);
  connect(EquPopupMenu, &QMenu::aboutToShow, this, [this] { EquPopupMenuPopup(); });
  connect(SubMenu, &QMenu::aboutToShow, this, [this] { PrevCalculations1Click(); });
  if (ToolButtons.History) ToolButtons.History->setMenu(EquPopupMenu);
}

void TCalculator::Equ5MenuItemClick(int Position) {
  Model.RecallHistory(Position);
}

void TCalculator::ToolButtonPrevEquClick() {
  if (Model.HistoryCount() > 0) Model.RecallHistory(1);
}

void TCalculator::EquPopupMenuPopup() {
  ShowHistoryItems(EquMenuItems);
}

void TCalculator::PrevCalculations1Click() {
  ShowHistoryItems(EquSubItems);
}

void TCalculator::ShowHistoryItems(const THistoryItems& Items) {
  for (int Position = 1; Position <= TCalcModel::HistorySize; ++Position) {
    QAction* Item = Items[static_cast<std::size_t>(Position - 1)];
    const std::string Caption = Model.HistoryCaption(Position);
    Item->setText(QString::fromStdString(Caption));
    Item->setVisible(!Caption.empty());
  }
}

void TCalculator::UpdateHistoryCommands() {
  const bool Any = Model.HistoryCount() > 0;
  if (ToolButtons.History) ToolButtons.History->setEnabled(Any);
  PrevCalculations1->menuAction()->setEnabled(Any);
}
