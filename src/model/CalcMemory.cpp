// The calculator model's memory register and its four keys, the decimal/hexadecimal choice
// and the angle unit.
#include "CalcModel.h"

void TCalcModel::StoreInMemory(Extended Value) {
  fMemory = Value;
  fInput.EndNumber();
}

void TCalcModel::MemoryIn() {
  Run([&] { StoreInMemory(fLastShown); });
}

void TCalcModel::MemoryAdd() {
  Run([&] { StoreInMemory(fMemory + fLastShown); });
}

void TCalcModel::MemoryClear() {
  Run([&] { StoreInMemory(0); });
}

void TCalcModel::SetMemory(Extended Value) {
  Run([&] { fMemory = Value; });
}

void TCalcModel::MemoryRecall() {
  Run([&] { ArriveWhole(fMemory); });
}

void TCalcModel::SetHexMode(bool On) {
  Run([&] {
    // A number being typed goes on in the new radix; the display changes with the next number.
    fHexMode = On;
    fEngine.SetBaseUnits(Radix());
    SyncEngines();
  });
}

void TCalcModel::SetTrigUnits(std::int32_t Units) {
  Run([&] {
    fEngine.SetTrigUnits(Units);
    SyncEngines();
  });
}
