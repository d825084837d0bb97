// The tool bar of TCalculator: one table of the fourteen buttons in their designed order with
// their images and hints. A row whose command the window does not have yet is left out, and so
// is a separator with no button before it.
#include <QToolBar>
#include <QToolButton>

#include "Calccode.h"
#include "Pictures.h"

namespace {

constexpr QSize ToolButtonSize{31, 30};

}  // namespace

struct TCalculator::TToolRow {
  const char* Name;  // nullptr: a separator
  int Image;
  const char* Hint;
  const char* SpokenName;  // what a screen reader says for the picture
  void (TCalculator::*Command)();
  bool DropDown;  // the button has a drop-down part beside it
};

void TCalculator::CreateToolBar() {
  // clang-format off
  static const TToolRow Rows[] = {
    {"PrevToolButton", 0, "Back to Prev Number", "Back to previous number",
     &TCalculator::PrevToolButtonClick, false},
    {"NextToolButton", 1, "Forward to Next Number", "Forward to next number",
     &TCalculator::NextToolButtonClick, false},
    {"RecalcToolButton", 2, "Replay Calculation", "Replay calculation",
     &TCalculator::RecalcToolButtonClick, false},
    {nullptr, 0, nullptr, nullptr, nullptr, false},
    {"ShowToolButton", Pictures::HideTapeImage, "Hide Tape", "Hide tape",
     &TCalculator::HideTape1Click, false},
    {nullptr, 0, nullptr, nullptr, nullptr, false},
    {"EraseToolButton", 5, "Clear Tape", "Clear tape", &TCalculator::C1Click, false},
    {nullptr, 0, nullptr, nullptr, nullptr, false},
    {"ToolButtonAnnot", 13, "Annotate Tape", "Annotate tape",
     &TCalculator::ToolButtonAnnotClick, false},
    {nullptr, 0, nullptr, nullptr, nullptr, false},
    {"ToolButtonFormat", 6, "", "Next tape format", &TCalculator::ToolButtonFormatClick, false},
    {"ToolButtonDecUp", 10, "", "More decimal places", &TCalculator::ToolButtonDecUpClick, false},
    {"ToolButtonDecDown", 11, "", "Fewer decimal places", &TCalculator::ToolButtonDecDownClick,
     false},
    {"ToolButtonPrevEqu", 12, "History", "Previous calculations",
     &TCalculator::ToolButtonPrevEquClick, true},
  };
  // clang-format on
  ToolBar1 = new QToolBar(ui.ClientArea);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->setIconSize(Pictures::ToolImageSize);
  ToolBar1->setStyleSheet(
      QStringLiteral("QToolBar { border: none; spacing: 0px; padding: 2px 0px; }"
                     "QToolBar::separator { width: 8px; }"));
  bool SeparatorDue = false;
  for (const TToolRow& Row : Rows) {
    if (!Row.Name) {
      SeparatorDue = !ToolBar1->actions().isEmpty();
      continue;
    }
    if (!Row.Command) continue;
    if (SeparatorDue) ToolBar1->addSeparator();
    SeparatorDue = false;
    auto* Button = new QToolButton(ToolBar1);
    Button->setObjectName(QLatin1String(Row.Name));
    Button->setFixedSize(ToolButtonSize);
    Button->setAutoRaise(true);
    Button->setFocusPolicy(Qt::NoFocus);
    Button->setIconSize(Pictures::ToolImageSize);
    Button->setIcon(Pictures::ToolImage(Row.Image));
    Button->setToolTip(QLatin1String(Row.Hint));
    Button->setAccessibleName(QLatin1String(Row.SpokenName));
    if (Row.DropDown) Button->setPopupMode(QToolButton::MenuButtonPopup);
    connect(Button, &QToolButton::clicked, this, [this, Command = Row.Command] {
      RunCommand([&] { (this->*Command)(); });
      FocusDefaultButton();
    });
    ToolBar1->addWidget(Button);
  }
  const auto Button = [this](const char* Name) { return ToolBar1->findChild<QToolButton*>(Name); };
  ToolButtons = {Button("PrevToolButton"),   Button("NextToolButton"),  Button("RecalcToolButton"),
                 Button("ToolButtonFormat"), Button("ToolButtonDecUp"), Button("ToolButtonDecDown"),
                 Button("ToolButtonPrevEqu")};
  ShowTapeButtonState();
}
