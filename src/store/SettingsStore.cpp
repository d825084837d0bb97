#include "SettingsStore.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

#include "ColorText.h"
#include "LocaleFormat.h"
#include "SettingsTable.h"
#include "Utf8Text.h"

namespace {

// A value as read from or written to the record.
using TValue = std::variant<std::int32_t, bool, Extended, std::string>;

constexpr int FloatDigits = 15;

// The stored text of a value, whatever type QSettings made of it: an INI line such as
// "TaxRate=0,1" written by hand comes back as a list, which is the text "0,1" again.
std::optional<std::string> StoredText(const QVariant& Value) {
  if (!Value.isValid()) return std::nullopt;
  switch (Value.typeId()) {
    case QMetaType::QString:
      return Value.toString().toStdString();
    case QMetaType::QStringList:
      return Value.toStringList().join(QLatin1Char(',')).toStdString();
    case QMetaType::QByteArray:
      return Value.toByteArray().toStdString();
    default:
      if (!Value.canConvert<QString>()) return std::nullopt;
      return Value.toString().toStdString();
  }
}

std::optional<std::int64_t> WholeNumber(std::string_view Text) {
  const std::string Trimmed = Utf8Text::Trimmed(Text);
  std::string_view Digits = Trimmed;
  // from_chars takes a minus sign but not a plus.
  if (Digits.starts_with('+')) {
    Digits.remove_prefix(1);
    if (Digits.starts_with('-')) return std::nullopt;
  }
  std::int64_t Value = 0;
  const char* End = Digits.data() + Digits.size();
  const auto [Ptr, Error] = std::from_chars(Digits.data(), End, Value);
  if (Error != std::errc() || Ptr != End) return std::nullopt;
  return Value;
}

// The text read with the locale's decimal separator, then with the other of "." and ",", so
// that a value written under another locale keeps its value.
std::optional<Extended> FloatNumber(std::string_view Text, const TFormatSettings& Format) {
  TFormatSettings Fs = Format;
  if (const std::optional<Extended> Value = NumberText::Parse(Text, Fs)) return Value;
  for (const char* Separator : {".", ","}) {
    if (Fs.DecimalSeparator == Separator) continue;
    Fs.DecimalSeparator = Separator;
    if (const std::optional<Extended> Value = NumberText::Parse(Text, Fs)) return Value;
  }
  return std::nullopt;
}

bool IsDouble(const TSettingField& Field) {
  return std::holds_alternative<double TCalcSettings::*>(Field);
}

// The value of Text for Row, or nothing when Text does not convert or lies outside the range.
std::optional<TValue> Convert(const TSettingRow& Row, std::string_view Text,
                              const TFormatSettings& Format) {
  switch (Row.Kind) {
    case TSettingKind::Integer: {
      const std::optional<std::int64_t> Value = WholeNumber(Text);
      if (!Value || *Value < Row.Min || *Value > Row.Max) return std::nullopt;
      return static_cast<std::int32_t>(*Value);
    }
    case TSettingKind::Boolean: {
      const std::optional<std::int64_t> Value = WholeNumber(Text);
      if (!Value) return std::nullopt;
      return *Value != 0;
    }
    case TSettingKind::Float: {
      const std::optional<Extended> Value = FloatNumber(Text, Format);
      // A tax rate is a double: a memory value beyond its range is not a tax rate.
      if (!Value || !std::isfinite(IsDouble(Row.ReadInto) ? static_cast<double>(*Value) : *Value))
        return std::nullopt;
      return *Value;
    }
    case TSettingKind::Text:
    case TSettingKind::TrimmedText: {
      std::string Kept =
          Row.Kind == TSettingKind::Text ? std::string(Text) : Utf8Text::Trimmed(Text);
      if (Utf8Text::CharCount(Kept) > Row.Max) return std::nullopt;
      return Kept;
    }
    case TSettingKind::Colour: {
      const std::optional<TColor> Color = ColorText::Parse(Text);
      if (!Color) return std::nullopt;
      return ColorText::Format(*Color);
    }
  }
  return std::nullopt;
}

void Put(const TSettingField& Field, TValue Value, TCalcSettings& Settings, Extended& Memory) {
  struct {
    TValue& Value;
    TCalcSettings& Settings;
    Extended& Memory;
    void operator()(std::int32_t TCalcSettings::*M) { Settings.*M = std::get<std::int32_t>(Value); }
    void operator()(bool TCalcSettings::*M) { Settings.*M = std::get<bool>(Value); }
    void operator()(double TCalcSettings::*M) {
      Settings.*M = static_cast<double>(std::get<Extended>(Value));
    }
    void operator()(std::string TCalcSettings::*M) {
      Settings.*M = std::move(std::get<std::string>(Value));
    }
    void operator()(TNoteField Note) {
      Settings.Notes.at(Note.Index) = std::move(std::get<std::string>(Value));
    }
    void operator()(TMemoryField) { Memory = std::get<Extended>(Value); }
  } Visitor{Value, Settings, Memory};
  std::visit(Visitor, Field);
}

TValue Get(const TSettingField& Field, const TCalcSettings& Settings, Extended Memory) {
  struct {
    const TCalcSettings& Settings;
    Extended Memory;
    TValue operator()(std::int32_t TCalcSettings::*M) const { return Settings.*M; }
    TValue operator()(bool TCalcSettings::*M) const { return Settings.*M; }
    TValue operator()(double TCalcSettings::*M) const { return Extended(Settings.*M); }
    TValue operator()(std::string TCalcSettings::*M) const { return Settings.*M; }
    TValue operator()(TNoteField Note) const { return Settings.Notes.at(Note.Index); }
    TValue operator()(TMemoryField) const { return Memory; }
  } const Visitor{Settings, Memory};
  return std::visit(Visitor, Field);
}

std::string WrittenText(const TSettingRow& Row, const TValue& Value,
                        const TFormatSettings& Format) {
  switch (Row.Kind) {
    case TSettingKind::Integer:
      return std::to_string(std::get<std::int32_t>(Value));
    case TSettingKind::Boolean:
      return std::get<bool>(Value) ? "1" : "0";
    case TSettingKind::Float: {
      // 15 digits, unless rounding to them would push a value at the very end of its range
      // beyond it (a tax rate of 1.7976931348623157E308 is no longer a double at 15 digits).
      for (int Digits = FloatDigits; Digits <= 18; ++Digits) {
        std::string Text = NumberText::General(std::get<Extended>(Value), Digits, Format);
        if (Convert(Row, Text, Format)) return Text;
      }
      // Not finite: it would read back as the default anyway.
      return std::string(Row.Default);
    }
    case TSettingKind::Text:
    case TSettingKind::TrimmedText:
      return std::get<std::string>(Value);
    case TSettingKind::Colour:
      return ColorText::Format(ColorText::ParseOr(std::get<std::string>(Value), Row.Default));
  }
  return {};
}

// A first run's value. The tax name is the language's own when it has one of at most three
// characters, as the Options dialog takes ("TVA", "IVA"); English has "Tax".
std::string FirstRunText(const TSettingRow& Row) {
  const auto* Text = std::get_if<std::string TCalcSettings::*>(&Row.ReadInto);
  if (Text && *Text == &TCalcSettings::TaxLit) {
    const QString Name = QCoreApplication::translate("TaxName", "Tax");
    if (!Name.isEmpty() && Name.size() <= TCalcSettings::MaxTaxLitLength) return Name.toStdString();
  }
  return std::string(Row.Default);
}

QString KeyOf(const TSettingRow& Row) {
  return QString::fromStdString(Row.Key());
}

}  // namespace

TSettingsStore::TSettingsStore()
    : fOwned(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                         QStringLiteral("veltrona"))),
      fSettings(*fOwned),
      fFormat(FormatSettingsFromLocale(QLocale::system())) {}

TSettingsStore::TSettingsStore(QSettings& Settings, const TFormatSettings& Format)
    : fSettings(Settings), fFormat(Format) {}

TSettingsStore::~TSettingsStore() = default;

void TSettingsStore::Read(TCalcSettings& Settings, Extended& Memory) {
  for (const TSettingRow& Row : SettingRows()) {
    std::optional<TValue> Value;
    if (const std::optional<std::string> Text = StoredText(fSettings.value(KeyOf(Row))))
      Value = Convert(Row, *Text, fFormat);
    if (!Value) Value = Convert(Row, FirstRunText(Row), fFormat);
    Put(Row.ReadInto, std::move(Value.value()), Settings, Memory);
  }
}

QString TSettingsStore::Language() const {
  for (const TSettingRow& Row : SettingRows())
    if (std::holds_alternative<std::string TCalcSettings::*>(Row.ReadInto) &&
        std::get<std::string TCalcSettings::*>(Row.ReadInto) == &TCalcSettings::Language)
      return fSettings.value(KeyOf(Row)).toString().trimmed();
  return {};
}

bool TSettingsStore::Write(const TCalcSettings& Settings, Extended Memory) {
  for (const TSettingRow& Row : SettingRows()) {
    const std::string Text = WrittenText(Row, Get(Row.WriteFrom, Settings, Memory), fFormat);
    fSettings.setValue(KeyOf(Row), QString::fromStdString(Text));
  }
  fSettings.sync();
  // A FormatError only says that a garbled line was met while merging with the file; the
  // values were written all the same.
  return fSettings.status() != QSettings::AccessError;
}

QString TSettingsStore::FileName() const {
  return fSettings.fileName();
}
