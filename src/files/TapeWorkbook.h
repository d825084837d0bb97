// The tape as an Excel workbook (.xlsx), made with libxlsxwriter: one sheet, a frozen header
// row, then a row per line with its kind, its operation word, its value as a number cell shown
// in the line's tape format, and its text cell (the same columns as the CSV). Every cell is a
// number or a text, never a formula, and each row has its line's colour, bold, italic and
// underline. The window's Save Tape As and veltrona-tape --xlsx write it.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "NumberText.h"
#include "TapeLine.h"

// The number format of a line's value cell, as a spreadsheet format code: "General";
// "#,##0.00" for Fixed with 2 decimals; "0.0000E+0" for Scientific with 4; the locale's
// currency pattern with its symbol quoted for Currency ("\"$\"#,##0.00;\"-$\"#,##0.00").
// Hexadecimal amounts and angles not in Fixed are General, as no format shows them as the tape
// does.
std::string TapeValueFormat(const TTapeLine& Line, const TFormatSettings& Fs);

// The workbook's bytes in Bytes, the values read with Fs. Nothing on success, else the reason.
std::optional<QString> TapeWorkbook(const std::vector<TTapeLine>& Lines, const TFormatSettings& Fs,
                                    QByteArray& Bytes);
