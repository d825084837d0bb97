// The five saved calculations of TCalculator.
#include "Calccode.h"

void TCalculator::PushToHistory() {}
