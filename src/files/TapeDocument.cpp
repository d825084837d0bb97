#include "TapeDocument.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <array>
#include <cmath>

#include "AtomicFile.h"
#include "CalcSettings.h"
#include "NumberEntry.h"
#include "Utf8Text.h"
#include "VeltronaEval.h"

namespace {

constexpr QLatin1StringView FormatName("application/x-veltrona-tape");
constexpr std::array<const char*, 3> AngleNames = {"degrees", "radians", "grads"};

QString Str(const std::string& Text) {
  return QString::fromStdString(Text);
}

QString Str(std::string_view Text) {
  return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

// An operation by its equation-file name; the opening number's is "start".
QString OperText(TVeltronaOper Op) {
  if (Op == sceStart) return QStringLiteral("start");
  return Str(OperName(Op));
}

std::optional<TVeltronaOper> OperOf(const QString& Text) {
  if (Text == QLatin1String("start")) return sceStart;
  return OperFromName(Text.toStdString());
}

QString ColorText(std::uint32_t Rgb) {
  return QStringLiteral("#%1").arg(Rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

std::optional<std::uint32_t> ColorOf(const QString& Text) {
  if (Text.size() != 7 || !Text.startsWith(u'#')) return std::nullopt;
  bool Ok = false;
  const uint Rgb = Text.mid(1).toUInt(&Ok, 16);
  if (!Ok) return std::nullopt;
  return Rgb;
}

// A whole number of a JSON value within a range.
std::optional<int> WholeOf(const QJsonValue& Value, int Min, int Max) {
  if (!Value.isDouble()) return std::nullopt;
  const double D = Value.toDouble();
  if (D != std::floor(D) || D < Min || D > Max) return std::nullopt;
  return static_cast<int>(D);
}

std::optional<Extended> ExactOf(const QJsonValue& Value) {
  if (!Value.isString()) return std::nullopt;
  return ReadExact(Value.toString().toStdString());
}

// A number as people read it beside its exact text: the reader takes only the exact one.
QString PlainNumber(Extended Value) {
  return Str(NumberText::General(Value, 18, TFormatSettings{}));
}

QJsonObject SettingsObject(const TDocSettings& S) {
  return {{QStringLiteral("precedence"),
           S.AsEntered ? QStringLiteral("as-entered") : QStringLiteral("arithmetic")},
          {QStringLiteral("percent"),
           S.PlainPercent ? QStringLiteral("plain") : QStringLiteral("business")},
          {QStringLiteral("taxName"), Str(S.TaxName)},
          {QStringLiteral("taxRate"), S.TaxRate},
          {QStringLiteral("tapeFormat"), S.Format},
          {QStringLiteral("decimals"), S.Decimals},
          {QStringLiteral("base"), S.Hex ? 16 : 10},
          {QStringLiteral("angle"),
           QLatin1String(AngleNames[static_cast<std::size_t>(std::clamp(S.AngleUnit, 1, 3) - 1)])}};
}

QJsonObject CalculationObject(const TDocCalculation& Calc) {
  QJsonArray Entries;
  for (const TDocEntry& Entry : Calc.Entries) {
    QJsonObject Item{{QStringLiteral("op"), OperText(Entry.Oper)}};
    if (Entry.HasNumber) {
      Item.insert(QStringLiteral("number"), Str(ExactText(Entry.Number)));
      Item.insert(QStringLiteral("value"), PlainNumber(Entry.Number));
    }
    Entries.append(Item);
  }
  return {{QStringLiteral("settings"), SettingsObject(Calc.Settings)},
          {QStringLiteral("entries"), Entries},
          {QStringLiteral("total"), Str(ExactText(Calc.Total))},
          {QStringLiteral("totalValue"), PlainNumber(Calc.Total)},
          {QStringLiteral("failed"), Calc.Failed}};
}

// A JSON string, written by hand: a long tape's lines are written without a JSON object each.
void AppendString(QByteArray& Out, std::string_view Text) {
  Out += '"';
  for (const char C : Text) {
    const auto Byte = static_cast<unsigned char>(C);
    if (C == '"' || C == '\\') {
      Out += '\\';
      Out += C;
    } else if (Byte < 0x20) {
      static constexpr char Hex[] = "0123456789abcdef";
      Out += "\\u00";
      Out += Hex[Byte >> 4];
      Out += Hex[Byte & 15];
    } else {
      Out += C;
    }
  }
  Out += '"';
}

void AppendLine(QByteArray& Out, const TTapeLine& Line, std::int32_t Entry) {
  Out += R"({"kind":")";
  Out += TapeLineKindName(Line.Kind);
  Out += R"(","text":)";
  AppendString(Out, Line.Text);
  if (Line.Rgb != 0) {
    Out += R"(,"color":")";
    Out += ColorText(Line.Rgb).toLatin1();
    Out += '"';
  }
  if (Line.Bold) Out += R"(,"bold":true)";
  if (Line.Italic) Out += R"(,"italic":true)";
  if (Line.Underline) Out += R"(,"underline":true)";
  if (Line.Form != TTapeLineForm{}) {
    Out += R"(,"form":{"format":)";
    Out += QByteArray::number(Line.Form.Format);
    Out += R"(,"decimals":)";
    Out += QByteArray::number(Line.Form.Digits);
    for (auto [Key, Oper] : {std::pair{R"(,"op":")", Line.Form.Oper},
                             std::pair{R"(,"applied":")", Line.Form.Applied}}) {
      if (Oper == sceNone) continue;
      Out += Key;
      Out += OperText(Oper).toLatin1();
      Out += '"';
    }
    if (Line.Form.Hex) Out += R"(,"hex":true)";
    Out += '}';
  }
  if (Entry > 0) {
    Out += R"(,"calculation":0,"entry":)";
    Out += QByteArray::number(Entry);
  }
  Out += '}';
}

QByteArray Compact(const QJsonValue& Value) {
  if (Value.isObject()) return QJsonDocument(Value.toObject()).toJson(QJsonDocument::Compact);
  return QJsonDocument(Value.toArray()).toJson(QJsonDocument::Compact);
}

// ---- Reading ----

// Each reader answers nothing when the value does not have the shape it should.
std::optional<TDocSettings> ReadSettings(const QJsonObject& O) {
  TDocSettings S;
  const QString Precedence = O.value(QStringLiteral("precedence")).toString();
  const QString Percent = O.value(QStringLiteral("percent")).toString();
  if (Precedence != QLatin1String("arithmetic") && Precedence != QLatin1String("as-entered"))
    return std::nullopt;
  if (Percent != QLatin1String("business") && Percent != QLatin1String("plain"))
    return std::nullopt;
  S.AsEntered = Precedence == QLatin1String("as-entered");
  S.PlainPercent = Percent == QLatin1String("plain");
  const QJsonValue TaxName = O.value(QStringLiteral("taxName"));
  if (!TaxName.isString() || TaxName.toString().size() > 4 * TCalcSettings::MaxTaxLitLength)
    return std::nullopt;
  S.TaxName = TaxName.toString().toStdString();
  if (Utf8Text::CharCount(S.TaxName) > TCalcSettings::MaxTaxLitLength) return std::nullopt;
  const QJsonValue Rate = O.value(QStringLiteral("taxRate"));
  if (!Rate.isDouble() || !(Rate.toDouble() >= 0) ||
      Rate.toDouble() > TCalcSettings::MaxTaxRatePercent / 100)
    return std::nullopt;
  S.TaxRate = Rate.toDouble();
  const auto Format = WholeOf(O.value(QStringLiteral("tapeFormat")), 1, 4);
  const auto Decimals = WholeOf(O.value(QStringLiteral("decimals")), 0, 18);
  const auto Base = WholeOf(O.value(QStringLiteral("base")), 10, 16);
  const QString Angle = O.value(QStringLiteral("angle")).toString();
  const auto AngleAt = std::find_if(AngleNames.begin(), AngleNames.end(),
                                    [&](const char* Name) { return Angle == QLatin1String(Name); });
  if (!Format || !Decimals || !Base || (*Base != 10 && *Base != 16) || AngleAt == AngleNames.end())
    return std::nullopt;
  S.Format = *Format;
  S.Decimals = *Decimals;
  S.Hex = *Base == 16;
  S.AngleUnit = static_cast<std::int32_t>(AngleAt - AngleNames.begin()) + 1;
  return S;
}

std::optional<TDocCalculation> ReadCalculation(const QJsonObject& O) {
  TDocCalculation Calc;
  const auto Settings = ReadSettings(O.value(QStringLiteral("settings")).toObject());
  const QJsonValue Entries = O.value(QStringLiteral("entries"));
  const auto Total = ExactOf(O.value(QStringLiteral("total")));
  const QJsonValue Failed = O.value(QStringLiteral("failed"));
  if (!Settings || !Entries.isArray() || Entries.toArray().size() > MaxEntries || !Total ||
      !Failed.isBool())
    return std::nullopt;
  Calc.Settings = *Settings;
  Calc.Total = *Total;
  Calc.Failed = Failed.toBool();
  for (const QJsonValue& Value : Entries.toArray()) {
    const QJsonObject Item = Value.toObject();
    const auto Oper = OperOf(Item.value(QStringLiteral("op")).toString());
    if (!Value.isObject() || !Oper) return std::nullopt;
    TDocEntry Entry{*Oper, false, 0};
    if (Item.contains(QStringLiteral("number"))) {
      const auto Number = ExactOf(Item.value(QStringLiteral("number")));
      if (!Number) return std::nullopt;
      Entry.HasNumber = true;
      Entry.Number = *Number;
    }
    Calc.Entries.push_back(Entry);
  }
  return Calc;
}

std::optional<TTapeLineKind> KindOf(const QString& Name) {
  for (int K = 0; K <= static_cast<int>(TTapeLineKind::Separator); ++K) {
    const auto Kind = static_cast<TTapeLineKind>(K);
    if (Name == Str(TapeLineKindName(Kind))) return Kind;
  }
  return std::nullopt;
}

std::optional<TTapeLineForm> ReadForm(const QJsonObject& O) {
  TTapeLineForm Form;
  const auto Format = WholeOf(O.value(QStringLiteral("format")), 1, 4);
  const auto Digits = WholeOf(O.value(QStringLiteral("decimals")), 0, 18);
  if (!Format || !Digits) return std::nullopt;
  Form.Format = *Format;
  Form.Digits = *Digits;
  for (auto [Key, Field] :
       {std::pair{"op", &TTapeLineForm::Oper}, std::pair{"applied", &TTapeLineForm::Applied}}) {
    const QJsonValue Value = O.value(QLatin1String(Key));
    if (Value.isUndefined()) continue;
    const auto Oper = OperOf(Value.toString());
    if (!Oper) return std::nullopt;
    Form.*Field = *Oper;
  }
  Form.Hex = O.value(QStringLiteral("hex")).toBool(false);
  return Form;
}

// A line's flag: absent is false, anything but a Boolean is no line.
bool ReadFlag(const QJsonObject& O, const char* Key, bool& Flag) {
  const QJsonValue Value = O.value(QLatin1String(Key));
  if (Value.isUndefined()) return true;
  if (!Value.isBool()) return false;
  Flag = Value.toBool();
  return true;
}

}  // namespace

QByteArray WriteTapeDocument(const TTapeDocument& Document) {
  QJsonObject Current{{QStringLiteral("calculation"), 0},
                      {QStringLiteral("display"), Str(Document.Input.Display)},
                      {QStringLiteral("shown"), Str(ExactText(Document.Input.Shown))}};
  if (!Document.Input.Entry.empty())
    Current.insert(QStringLiteral("entry"), Str(Document.Input.Entry));
  if (Document.Input.Picked > 0) Current.insert(QStringLiteral("picked"), Document.Input.Picked);
  const QJsonObject Font{{QStringLiteral("family"), Document.FontFamily},
                         {QStringLiteral("size"), Document.FontSize}};

  QByteArray Out;
  Out.reserve(static_cast<qsizetype>(Document.Lines.size()) * 100 + 4096);
  Out += R"({"format":")";
  Out += QByteArray(FormatName.data(), FormatName.size());
  Out += R"(","version":)";
  Out += QByteArray::number(TTapeDocument::Version);
  Out += R"(,"font":)";
  Out += Compact(Font);
  Out += R"(,"lines":[)";
  for (std::size_t N = 0; N < Document.Lines.size(); ++N) {
    if (N > 0) Out += ',';
    AppendLine(Out, Document.Lines[N],
               N < Document.LineEntries.size() ? Document.LineEntries[N] : 0);
  }
  Out += R"(],"calculations":)";
  Out += Compact(QJsonArray{CalculationObject(Document.Current)});
  Out += R"(,"current":)";
  Out += Compact(Current);
  Out += "}\n";
  return Out;
}

TTapeDocumentRead ReadTapeDocument(QByteArrayView Bytes) {
  const auto Refuse = [](const QString& Why) { return TTapeDocumentRead{std::nullopt, Why}; };
  if (Bytes.size() > TTapeDocument::MaxBytes)
    return Refuse(QCoreApplication::translate("TapeDocument", "It is larger than %1 MB.")
                      .arg(TTapeDocument::MaxBytes / (1024 * 1024)));
  QJsonParseError Error{};
  const QJsonDocument Json =
      QJsonDocument::fromJson(QByteArray::fromRawData(Bytes.data(), Bytes.size()), &Error);
  if (Error.error != QJsonParseError::NoError)
    return Refuse(QCoreApplication::translate(
                      "TapeDocument", "It is cut short or is not a tape document (%1 at byte %2).")
                      .arg(Error.errorString())
                      .arg(Error.offset));
  const QJsonObject Root = Json.object();
  if (!Json.isObject() || Root.value(QStringLiteral("format")).toString() != FormatName)
    return Refuse(
        QCoreApplication::translate("TapeDocument", "It is not a Veltrona tape document."));
  const QJsonValue VersionValue = Root.value(QStringLiteral("version"));
  const auto Version = WholeOf(VersionValue, 1, 1 << 30);
  if (!Version)
    return Refuse(QCoreApplication::translate("TapeDocument",
                                              "Its format version is missing or not a number."));
  if (*Version > TTapeDocument::Version)
    return Refuse(QCoreApplication::translate(
                      "TapeDocument",
                      "It was written in tape format version %1 by a newer Veltrona; this one "
                      "reads version %2.")
                      .arg(*Version)
                      .arg(TTapeDocument::Version));

  TTapeDocument Document;
  const QJsonValue Font = Root.value(QStringLiteral("font"));
  if (!Font.isUndefined()) {
    const QJsonValue Family = Font.toObject().value(QStringLiteral("family"));
    const auto Size = WholeOf(Font.toObject().value(QStringLiteral("size")), 0, 100);
    if (!Font.isObject() || !Family.isString() ||
        Family.toString().size() > TCalcSettings::MaxFontNameLength || !Size)
      return Refuse(QCoreApplication::translate("TapeDocument", "Its tape font is not a font."));
    Document.FontFamily = Family.toString();
    Document.FontSize = *Size;
  }

  const QJsonValue LinesValue = Root.value(QStringLiteral("lines"));
  if (!LinesValue.isArray())
    return Refuse(QCoreApplication::translate("TapeDocument", "It has no tape lines."));
  const QJsonArray Lines = LinesValue.toArray();
  if (static_cast<std::size_t>(Lines.size()) > TTapeDocument::MaxLines)
    return Refuse(
        QCoreApplication::translate("TapeDocument", "It has %1 lines; a tape may have at most %2.")
            .arg(Lines.size())
            .arg(TTapeDocument::MaxLines));
  Document.Lines.reserve(static_cast<std::size_t>(Lines.size()));
  Document.LineEntries.reserve(static_cast<std::size_t>(Lines.size()));
  qsizetype Number = 0;
  for (const QJsonValue& Value : Lines) {
    ++Number;
    const QJsonObject O = Value.toObject();
    const QJsonValue Text = O.value(QStringLiteral("text"));
    const auto Kind = KindOf(O.value(QStringLiteral("kind")).toString());
    TTapeLine Line;
    const auto BadLine = [&] {
      return Refuse(
          QCoreApplication::translate("TapeDocument", "Line %1 is not a tape line.").arg(Number));
    };
    if (!Value.isObject() || !Text.isString() || !Kind) return BadLine();
    if (Text.toString().size() > TTapeDocument::MaxLineLength)
      return Refuse(
          QCoreApplication::translate("TapeDocument", "Line %1 is longer than %2 characters.")
              .arg(Number)
              .arg(TTapeDocument::MaxLineLength));
    if (Text.toString().contains(u'\n') || Text.toString().contains(u'\r') ||
        Text.toString().contains(QChar::ParagraphSeparator))
      return BadLine();
    Line.Text = Text.toString().toStdString();
    Line.Kind = *Kind;
    const QJsonValue Color = O.value(QStringLiteral("color"));
    if (!Color.isUndefined()) {
      const auto Rgb = ColorOf(Color.toString());
      if (!Rgb) return BadLine();
      Line.Rgb = *Rgb;
    }
    if (!ReadFlag(O, "bold", Line.Bold) || !ReadFlag(O, "italic", Line.Italic) ||
        !ReadFlag(O, "underline", Line.Underline))
      return BadLine();
    const QJsonValue Form = O.value(QStringLiteral("form"));
    if (!Form.isUndefined()) {
      const auto Read = ReadForm(Form.toObject());
      if (!Form.isObject() || !Read) return BadLine();
      Line.Form = *Read;
    }
    std::int32_t Entry = 0;
    const QJsonValue EntryValue = O.value(QStringLiteral("entry"));
    if (!EntryValue.isUndefined()) {
      const auto Calc = WholeOf(O.value(QStringLiteral("calculation")), 0, 1 << 30);
      const auto Index = WholeOf(EntryValue, 1, MaxEntries);
      if (!Calc || !Index) return BadLine();
      // Only the current calculation's lines lead back to it.
      if (*Calc == 0) Entry = *Index;
    }
    Document.Lines.push_back(std::move(Line));
    Document.LineEntries.push_back(Entry);
  }

  const QJsonValue Calculations = Root.value(QStringLiteral("calculations"));
  const QJsonObject Current = Root.value(QStringLiteral("current")).toObject();
  const auto CurrentIndex = WholeOf(Current.value(QStringLiteral("calculation")), 0, 1 << 30);
  if (!Calculations.isArray() || !CurrentIndex || *CurrentIndex >= Calculations.toArray().size())
    return Refuse(
        QCoreApplication::translate("TapeDocument", "Its current calculation is missing."));
  const QJsonArray CalcArray = Calculations.toArray();
  for (qsizetype N = 0; N < CalcArray.size(); ++N) {
    const auto Calc = ReadCalculation(CalcArray.at(N).toObject());
    if (!Calc)
      return Refuse(
          QCoreApplication::translate("TapeDocument", "Calculation %1 is not a calculation.")
              .arg(N + 1));
    if (!CalcDocument::ReplaysAsRecorded(*Calc))
      return Refuse(QCoreApplication::translate(
                        "TapeDocument", "Calculation %1 does not work out to the total it records.")
                        .arg(N + 1));
    if (N == *CurrentIndex) Document.Current = *Calc;
  }
  // The lines of the current calculation must show numbers it has.
  for (std::int32_t& Entry : Document.LineEntries) {
    if (Entry > static_cast<std::int32_t>(Document.Current.Entries.size()) ||
        (Entry > 0 && !Document.Current.Entries[static_cast<std::size_t>(Entry - 1)].HasNumber))
      return Refuse(QCoreApplication::translate(
          "TapeDocument", "A line points at a number its calculation does not have."));
  }

  TDocInput& Input = Document.Input;
  const QJsonValue Display = Current.value(QStringLiteral("display"));
  const auto Shown = ExactOf(Current.value(QStringLiteral("shown")));
  const QJsonValue Entry = Current.value(QStringLiteral("entry"));
  const QJsonValue Picked = Current.value(QStringLiteral("picked"));
  const auto PickedIndex =
      Picked.isUndefined() ? std::optional<int>(0) : WholeOf(Picked, 1, MaxEntries);
  if (!Display.isString() || !Shown || !(Entry.isUndefined() || Entry.isString()) || !PickedIndex)
    return Refuse(QCoreApplication::translate("TapeDocument", "Its display is damaged."));
  Input.Display = Display.toString().toStdString();
  Input.Shown = *Shown;
  Input.Entry = Entry.toString().toStdString();
  Input.Picked = *PickedIndex;
  if (!CalcDocument::InputFits(Input, Document.Current))
    return Refuse(QCoreApplication::translate("TapeDocument", "Its display is damaged."));
  return {std::move(Document), {}};
}

std::optional<QString> SaveTapeDocument(const QString& FileName, const TTapeDocument& Document) {
  return WriteFileAtomically(FileName, WriteTapeDocument(Document));
}

TTapeDocumentRead OpenTapeDocument(const QString& FileName) {
  QFile File(FileName);
  if (!File.open(QIODevice::ReadOnly))
    return {std::nullopt, QCoreApplication::translate("TapeDocument", "It could not be read: %1")
                              .arg(File.errorString())};
  if (File.size() > TTapeDocument::MaxBytes)
    return {std::nullopt, QCoreApplication::translate("TapeDocument", "It is larger than %1 MB.")
                              .arg(TTapeDocument::MaxBytes / (1024 * 1024))};
  const QByteArray Bytes = File.read(TTapeDocument::MaxBytes + 1);
  if (File.error() != QFileDevice::NoError)
    return {std::nullopt, QCoreApplication::translate("TapeDocument", "It could not be read: %1")
                              .arg(File.errorString())};
  return ReadTapeDocument(Bytes);
}
