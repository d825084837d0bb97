// Every value the calculator keeps between runs: its group and name in the settings file, its
// kind, its default as written, its valid range and the field of the settings record (or the
// memory) it is read into and written from. TSettingsStore reads and writes by this table;
// the store tests walk it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "CalcSettings.h"

enum class TSettingKind : std::uint8_t {
  Integer,      // decimal text, within Min..Max
  Boolean,      // "0" or "1"; any non-zero integer reads as true
  Float,        // shortest general text of up to 15 significant digits
  Text,         // as is, at most Max characters
  TrimmedText,  // blanks and control characters at either end dropped on reading; at most Max
                // characters
  Colour,       // a colour name, "$" and hexadecimal digits, or a decimal integer
};

// One of the ten remembered notes, by its place in the record's list.
struct TNoteField {
  std::size_t Index;
};
// The memory value, kept beside the record rather than in it.
struct TMemoryField {};

using TSettingField =
    std::variant<std::int32_t TCalcSettings::*, bool TCalcSettings::*, double TCalcSettings::*,
                 std::string TCalcSettings::*, TNoteField, TMemoryField>;

struct TSettingRow {
  std::string_view Group;
  std::string_view Name;
  TSettingKind Kind;
  std::string_view Default;  // as written, with "." as the decimal separator
  std::int32_t Min;          // the valid range of an integer; unused by the other kinds
  std::int32_t Max;          // for a text, its most characters
  TSettingField ReadInto;
  TSettingField WriteFrom;  // the same field, except for the zoom: written as laid out

  // "Group/Name", the value's key in the settings file.
  std::string Key() const;
};

// Every value, in the order they are written.
std::span<const TSettingRow> SettingRows();
