// The memory register and its four keys, the decimal/hexadecimal choice and the angle unit.
#include <QAbstractButton>
#include <QRadioButton>

#include "Calccode.h"
#include "StatusTexts.h"

void TCalculator::ConnectModes() {
  for (QRadioButton* Choice : {ui.RadioDec, ui.RadioHex}) {
    connect(Choice, &QAbstractButton::toggled, this, [this](bool Checked) {
      // Both buttons toggle on one change of the choice; act once, on the one now chosen.
      if (Checked) RunCommand([this] { RadioGroupDecHexClick(); });
    });
  }
  for (QRadioButton* Choice : {ui.RadioDeg, ui.RadioRad, ui.RadioGrad}) {
    connect(Choice, &QAbstractButton::toggled, this, [this](bool Checked) {
      if (Checked) RadioGroupDegRadGradClick();
    });
  }
  RefreshMemoryHint();
}

void TCalculator::StoreInMemory(Extended Value) {
  Memory = Value;
  RefreshMemoryHint();
  FocusDefaultButton();
  StartNew = true;
  ExpEntry = false;
  RefreshStatusBar();
}

void TCalculator::Button18Click() {
  StoreInMemory(LastShown);
}

void TCalculator::Button19Click() {
  StoreInMemory(Memory + LastShown);
}

void TCalculator::Button21Click() {
  StoreInMemory(0);
}

void TCalculator::ButtonMemRecallClick() {
  RefreshMemoryHint();
  EnterWholeNumber(Memory);
  RefreshStatusBar();
}

void TCalculator::RefreshMemoryHint() {
  ui.ButtonMemRecall->setToolTip(QString::fromStdString(MemoryHint(Memory, HexMode, Fs())));
}

void TCalculator::RadioGroupDecHexClick() {
  HexMode = ui.RadioHex->isChecked();
  ApplyBaseMode();
  RefreshMemoryHint();
  RefreshStatusBar();
  FocusDefaultButton();
}

void TCalculator::ApplyBaseMode() {
  for (QAbstractButton* Key :
       {ui.ButtonA, ui.ButtonB, ui.ButtonC, ui.ButtonD, ui.ButtonE, ui.ButtonF}) {
    Key->setEnabled(HexMode);
  }
  for (QAbstractButton* Key :
       {ui.Button17, ui.ButtonRecip, ui.ButtonSqrt, ui.ButtonSin, ui.ButtonCos, ui.ButtonTan,
        ui.ButtonAsin, ui.ButtonAcos, ui.ButtonAtan, ui.ButtonPi, ui.ButtonLog, ui.ButtonInvLog,
        ui.ButtonLn, ui.ButtonInvLn, ui.ButtonYroot, ui.ButtonExp}) {
    Key->setEnabled(!HexMode);
  }
  Radix = HexMode ? 16 : 10;
  CurrentEngine.SetBaseUnits(Radix);
}

void TCalculator::RadioGroupDegRadGradClick() {
  CurrentEngine.SetTrigUnits(ui.RadioDeg->isChecked() ? 1 : ui.RadioRad->isChecked() ? 2 : 3);
  FocusDefaultButton();
}
