// Editing keys of TCalculator: Backspace, CE and C, and the reset of the entry state that
// clearing and new calculations share.
#include <cmath>

#include "Calccode.h"
#include "DisplayText.h"

void TCalculator::BackSpace() {
  if (!StartNew && Entering) {
    if (HexMode) {
      Entry = std::trunc(std::trunc(Entry) / 16);
      ShowOnDisplay(DisplayText::General(Entry, Fs()), Entry);
      LastShown = Entry;
    } else {
      QString T = DisplayLine();
      T.chop(1);
      Entry = 0;
      if (!T.isEmpty()) {
        // An exponent left without digits reads as E+0.
        if (ExpEntry && (T.endsWith(u'+') || T.endsWith(u'-') || T.endsWith(u'E'))) T += u'0';
        Entry = NumberText::Parse(T.toStdString(), Fs()).value_or(0);
      }
      LastShown = Entry;
      if (DecimalCount > 0) {
        --DecimalCount;
        if (ShownDecimals > 0) --ShownDecimals;
      }
      if (ExpEntry)
        ShowOnDisplay(DisplayText::ExponentEntry(Entry, Fs()), Entry);
      else if (DecimalCount != 1)
        ShowOnDisplay(DisplayText::Fixed(Entry, ShownDecimals, Fs()), Entry);
      else
        ShowOnDisplay(DisplayText::General(Entry, Fs()) + Fs().DecimalSeparator, Entry);
    }
  }
  FocusDefaultButton();
}

void TCalculator::ClearEntry() {
  Entry = 0;
  ShowOnDisplay("0", 0);
  FocusDefaultButton();
  LastShown = 0;
  Entering = true;  // the next operator enters 0
  FromMem = false;
  StartNew = true;
  ExpEntry = false;
}

void TCalculator::ClearAll() {
  PushToHistory();
  CurrentEngine.Clear();
  UpdateNavigationButtons();
  ResetEntryState();
  ShowEditMode();
  ShowOnDisplay(DisplayText::General(Entry, Fs()), Entry);
  AppendTapeLine(SeparatorLine, 1, false);
  FocusDefaultButton();
  LastShown = Entry;
}

void TCalculator::ResetEntryState() {
  ReplayEdit = false;
  Entry = 0;
  ExpValue = 0;
  DecimalCount = 0;
  Entering = false;
  FromMem = false;
  ExpEntry = false;
  ExpSign = 1;
}
