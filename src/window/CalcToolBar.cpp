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
    {"PrevToolButton", 0, QT_TR_NOOP("Back to Prev Number"), QT_TR_NOOP("Back to previous number"),
     &TCalculator::PrevToolButtonClick, false},
    {"NextToolButton", 1, QT_TR_NOOP("Forward to Next Number"),
     QT_TR_NOOP("Forward to next number"), &TCalculator::NextToolButtonClick, false},
    {"RecalcToolButton", 2, QT_TR_NOOP("Replay Calculation"), QT_TR_NOOP("Replay calculation"),
     &TCalculator::RecalcToolButtonClick, false},
    {nullptr, 0, nullptr, nullptr, nullptr, false},
    {"ShowToolButton", Pictures::HideTapeImage, QT_TR_NOOP("Hide Tape"), QT_TR_NOOP("Hide tape"),
     &TCalculator::HideTape1Click, false},
    {nullptr, 0, nullptr, nullptr, nullptr, false},
    {"EraseToolButton", 5, QT_TR_NOOP("Clear Tape"), QT_TR_NOOP("Clear tape"),
     &TCalculator::C1Click, false},
    {nullptr, 0, nullptr, nullptr, nullptr, false},
    {"ToolButtonAnnot", 13, QT_TR_NOOP("Annotate Tape"), QT_TR_NOOP("Annotate tape"),
     &TCalculator::ToolButtonAnnotClick, false},
    {nullptr, 0, nullptr, nullptr, nullptr, false},
    {"ToolButtonFormat", 6, "", QT_TR_NOOP("Next tape format"),
     &TCalculator::ToolButtonFormatClick, false},
    {"ToolButtonDecUp", 10, "", QT_TR_NOOP("More decimal places"),
     &TCalculator::ToolButtonDecUpClick, false},
    {"ToolButtonDecDown", 11, "", QT_TR_NOOP("Fewer decimal places"),
     &TCalculator::ToolButtonDecDownClick, false},
    {"ToolButtonPrevEqu", 12, QT_TR_NOOP("History"), QT_TR_NOOP("Previous calculations"),
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
    Button->setToolTip(*Row.Hint ? tr(Row.Hint) : QString());
    Button->setAccessibleName(tr(Row.SpokenName));
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
