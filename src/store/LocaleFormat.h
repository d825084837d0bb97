// Reads the user's regional number settings (decimal and thousands separators, currency
// symbol, pattern and decimals) from a QLocale into the engine's TFormatSettings. The
// calculator window applies QLocale::system() through it at start-up.
#pragma once

#include <QLocale>

#include "NumberText.h"

TFormatSettings FormatSettingsFromLocale(const QLocale& Locale);
