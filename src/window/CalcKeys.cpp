// The window's keyboard and button map: one table ties each keypad and function-pad button
// and each short-cut of the hidden "Keys" menu to the model's key; FormKeyPress hands the
// characters that no short-cut consumed to the model. The two choices of the function pad
// (number base, angle unit) forward their new state.
#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>

#include "Calccode.h"
#include "TapeCodes.h"

enum class TKeyKind : std::uint8_t { Digit, Operator, Command };

struct TCalculator::TKeyRow {
  const char* Control;   // button name; nullptr for a short-cut without a button
  const char* KeysItem;  // item of the hidden "Keys" menu; nullptr when there is none
  const char* Caption;
  const char* ShortCut;  // nullptr: the item carries no short-cut
  TKeyKind Kind;
  int Code;  // the digit or the operation code
  void (TCalcModel::*Command)();
  void (TCalculator::*WindowCommand)() = nullptr;  // a command of the window instead
};

void TCalculator::ConnectKeys() {
  using K = TKeyKind;
  using M = TCalcModel;
  // clang-format off
  static const TKeyRow Rows[] = {
    {"Button10", "N01", "0", "0", K::Digit, 0, nullptr},
    {"Button1", "N11", "1", "1", K::Digit, 1, nullptr},
    {"Button2", "N21", "2", "2", K::Digit, 2, nullptr},
    {"Button3", "N31", "3", "3", K::Digit, 3, nullptr},
    {"Button4", "N41", "4", "4", K::Digit, 4, nullptr},
    {"Button5", "N51", "5", "5", K::Digit, 5, nullptr},
    {"Button6", "N61", "6", "6", K::Digit, 6, nullptr},
    {"Button7", "N71", "7", "7", K::Digit, 7, nullptr},
    {"Button8", "N81", "8", "8", K::Digit, 8, nullptr},
    {"Button9", "N91", "9", "9", K::Digit, 9, nullptr},
    {"ButtonA", "A1", "A", "A", K::Digit, 10, nullptr},
    {"ButtonB", "B1", "B", "B", K::Digit, 11, nullptr},
    {"ButtonC", "C2", "C", "C", K::Digit, 12, nullptr},
    {"ButtonD", "D1", "D", "D", K::Digit, 13, nullptr},
    {"ButtonE", "E1", "E", "E", K::Digit, 14, nullptr},
    {"ButtonF", "F1", "F", "F", K::Digit, 15, nullptr},
    {"Button11", "N5", "+", nullptr, K::Operator, sceAdd, nullptr},
    {"Button12", "N6", "'-'", "-", K::Operator, sceMinus, nullptr},
    {"Button13", "x1", "x", nullptr, K::Operator, sceTimes, nullptr},
    {"Button14", "N7", "/", "/", K::Operator, sceDivide, nullptr},
    {"Button17", "N8", ".", ".", K::Command, 0, &M::PressPoint},
    {"Button15", "Clear1", "Clear", "Esc", K::Command, 0, &M::ClearAll},
    {"Button22", "CE1", "Del", "Del", K::Command, 0, &M::ClearEntry},
    {"BackButton", "Back", "Back", "Backspace", K::Command, 0, &M::BackSpace},
    {"Button18", "Min1", "Min", "Ctrl+M", K::Command, 0, &M::MemoryIn},
    {"Button19", "M1", "M+", "Ctrl+P", K::Command, 0, &M::MemoryAdd},
    {"ButtonMemRecall", "MR1", "MR", "Ctrl+R", K::Command, 0, &M::MemoryRecall},
    {"Button21", "MC1", "MC", "Ctrl+L", K::Command, 0, &M::MemoryClear},
    {"ButtonPlusMinus", "N9", "+/-", "F9", K::Command, 0, &M::PressSign},
    {"ButtonRecip", "N1x1", "1/x", "R", K::Operator, sceRecip, nullptr},
    {"ButtonSqr", "x21", "x2", "Q", K::Operator, sceSqr, nullptr},
    {"ButtonSqrt", "sqroot1", "sqroot", "Ctrl+Q", K::Operator, sceSqrt, nullptr},
    {"ButtonpowerY", "xpowerY1", "xpowerY", "Y", K::Operator, sceNpowr, nullptr},
    {"ButtonYroot", "nthroot1", "nth root", "Ctrl+Y", K::Operator, sceNroot, nullptr},
    {"ButtonSin", "sin1", "sin", "S", K::Operator, sceSin, nullptr},
    {"ButtonAsin", "asin1", "asin", "Ctrl+S", K::Operator, sceAsin, nullptr},
    {"ButtonCos", "cos1", "cos", "O", K::Operator, sceCos, nullptr},
    {"ButtonAcos", "acos1", "acos", "Ctrl+O", K::Operator, sceAcos, nullptr},
    {"ButtonTan", "tan1", "tan", "T", K::Operator, sceTan, nullptr},
    {"ButtonAtan", "atan1", "atan", "Ctrl+T", K::Operator, sceAtan, nullptr},
    {"ButtonPi", "pi1", "pi", "P", K::Command, 0, &M::PressPi},
    {"ButtonLog", "log", "log", "G", K::Operator, sceLog, nullptr},
    {"ButtonInvLog", "invlog1", "invlog", "Ctrl+G", K::Operator, sceIlog, nullptr},
    {"ButtonLn", "ln1", "ln", "N", K::Operator, sceELog, nullptr},
    {"ButtonInvLn", "Invln1", "Invln", "Ctrl+N", K::Operator, sceIelog, nullptr},
    {"ButtonExp", "Exp1", "Exp", "X", K::Command, 0, &M::PressExp},
    {"ButtonPercen", nullptr, nullptr, nullptr, K::Operator, scePercen, nullptr},
    {"ButtonPlusTax", nullptr, nullptr, nullptr, K::Operator, scePlusTax, nullptr},
    {"ButtonMinusTax", nullptr, nullptr, nullptr, K::Operator, sceMinusTax, nullptr},
    {"ButtonTaxInc", nullptr, nullptr, nullptr, K::Operator, sceTaxInc, nullptr},
    {"ButtonTaxExcl", nullptr, nullptr, nullptr, K::Operator, sceTaxExcl, nullptr},
    {"EqualsBitBtn", nullptr, nullptr, nullptr, K::Command, 0, nullptr, &TCalculator::RecalcBitBtnClick},
    {"RecalcBitBtn", nullptr, nullptr, nullptr, K::Command, 0, nullptr, &TCalculator::RecalcBitBtnClick},
    {nullptr, "N10", "recalc", "Ctrl+=", K::Command, 0, nullptr, &TCalculator::RecalcToolButtonClick},
  };
  // clang-format on
  for (const TKeyRow& Row : Rows) {
    const auto Run = [this, R = &Row] { RunKey(*R); };
    if (Row.Control) {
      auto* Button = findChild<QAbstractButton*>(QLatin1String(Row.Control));
      if (!Button) qFatal("TCalculator: no button named %s", Row.Control);
      connect(Button, &QAbstractButton::clicked, this, Run);
    }
    if (Row.KeysItem) {
      // The "Keys" items live in no visible menu; they are never disabled, so a short-cut
      // still reaches a key whose button is greyed out.
      auto* Item = new QAction(QString::fromUtf8(Row.Caption), this);
      Item->setObjectName(QLatin1String(Row.KeysItem));
      if (Row.ShortCut) Item->setShortcut(QKeySequence(QLatin1String(Row.ShortCut)));
      Item->setShortcutContext(Qt::WindowShortcut);
      addAction(Item);
      connect(Item, &QAction::triggered, this, Run);
    }
  }
}

void TCalculator::RunKey(const TKeyRow& Row) {
  RunCommand([&] {
    switch (Row.Kind) {
      case TKeyKind::Digit:
        Model.PressDigit(Row.Code);
        break;
      case TKeyKind::Operator:
        Model.PressOperator(static_cast<TVeltronaOper>(Row.Code));
        break;
      case TKeyKind::Command:
        if (Row.WindowCommand)
          (this->*Row.WindowCommand)();
        else
          (Model.*Row.Command)();
        break;
    }
  });
  // Also after a refused or aborted key, so that Enter always presses the default key.
  FocusDefaultButton();
}

bool TCalculator::eventFilter(QObject* Watched, QEvent* Event) {
  if (ClipboardKeyFilter(Watched, Event)) return true;
  // A key that nobody accepts travels up the parents; only its first delivery, to the
  // focused control, counts.
  if (Event->type() == QEvent::KeyPress && Watched->isWidgetType()) {
    auto* Target = static_cast<QWidget*>(Watched);
    QWidget* Focused = focusWidget() ? focusWidget() : this;
    if (Target == Focused && Target->window() == this) {
      const auto* Key = static_cast<QKeyEvent*>(Event);
      RunCommand([&] { FormKeyPress(Key->text()); });
      // Arrow keys would move the focus between the keys, and Enter must always reach the
      // Equals or Recalc key. With a modifier too: Alt+Left or Alt+Right while Back or Forward
      // is disabled arrive here as plain arrow presses.
      if (IsArrowKey(*Key) && qobject_cast<QAbstractButton*>(Target)) return true;
    }
  }
  if (IsTapeDoubleClick(Watched, Event)) OnTapeDoubleClick(*static_cast<QMouseEvent*>(Event));
  return QMainWindow::eventFilter(Watched, Event);
}

bool TCalculator::IsArrowKey(const QKeyEvent& Key) {
  return Key.key() == Qt::Key_Left || Key.key() == Qt::Key_Right || Key.key() == Qt::Key_Up ||
         Key.key() == Qt::Key_Down;
}

void TCalculator::FormKeyPress(const QString& Character) {
  Model.PressCharacter(Character.toStdString());
}

void TCalculator::ConnectModes() {
  for (QRadioButton* Choice : {ui.RadioDec, ui.RadioHex}) {
    connect(Choice, &QAbstractButton::toggled, this, [this](bool Checked) {
      // Both buttons toggle on one change of the choice; act once, on the one now chosen.
      if (Checked) RunCommand([this] { RadioGroupDecHexClick(); });
    });
  }
  for (QRadioButton* Choice : {ui.RadioDeg, ui.RadioRad, ui.RadioGrad}) {
    connect(Choice, &QAbstractButton::toggled, this, [this](bool Checked) {
      if (Checked) RunCommand([this] { RadioGroupDegRadGradClick(); });
    });
  }
}

void TCalculator::RadioGroupDecHexClick() {
  Model.SetHexMode(ui.RadioHex->isChecked());
}

void TCalculator::RadioGroupDegRadGradClick() {
  Model.SetTrigUnits(ui.RadioDeg->isChecked()   ? TrigUnit::Degrees
                     : ui.RadioRad->isChecked() ? TrigUnit::Radians
                                                : TrigUnit::Grads);
}

void TCalculator::RecalcBitBtnClick() {
  Model.PressEquals();
}

void TCalculator::RecalcToolButtonClick() {
  Model.Replay();
}
