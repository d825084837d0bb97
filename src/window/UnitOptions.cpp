#include "UnitOptions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "ColorText.h"
#include "QtColor.h"
#include "TapeCharFormat.h"
#include "TapeCodes.h"
#include "TapeLineStyle.h"
#include "Translation.h"
#include "Utf8Text.h"

namespace {

constexpr int MaxFixedDigits = 14;
const char* const ColorProperty = "ColorText";  // the sample's colour as the record keeps it

// The bracket pair of a bracket index: 0 none, 1 "{ }", 2 "[ ]", 3 "( )", 4 "< >".
std::pair<std::string, std::string> Brackets(int Index) {
  static const std::pair<const char*, const char*> Pairs[] = {
      {"", ""}, {"{", "}"}, {"[", "]"}, {"(", ")"}, {"<", ">"}};
  if (Index < 0 || Index > 4) return {"", ""};
  return {Pairs[Index].first, Pairs[Index].second};
}

TColor ColorOf(const QColor& Color) {
  return static_cast<TColor>(Color.red()) | static_cast<TColor>(Color.green()) << 8 |
         static_cast<TColor>(Color.blue()) << 16;
}

}  // namespace

TFormOptions::TFormOptions(TCalcSettings& Settings, TShowMessage ShowMessage, TPickColor PickColor,
                           QWidget* Parent)
    : QDialog(Parent),
      fSettings(Settings),
      fShowMessage(std::move(ShowMessage)),
      fPickColor(std::move(PickColor)) {
  ui.setupUi(this);
  CreateLanguageChoice();
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
  QTextOption Right = ui.PreviewTape->document()->defaultTextOption();
  Right.setAlignment(Qt::AlignRight);
  ui.PreviewTape->document()->setDefaultTextOption(Right);
  ui.PreviewTape->setPalette(PaperPalette(ui.PreviewTape->palette()));
  connect(ui.OKButton, &QPushButton::clicked, this, &TFormOptions::OKButtonClick);
  connect(ui.CancelButton, &QPushButton::clicked, this, &TFormOptions::CancelButtonClick);
  connect(ui.SubTotalCheckBox, &QCheckBox::clicked, this, &TFormOptions::SubTotalCheckBoxClick);
  connect(ui.ExpandCheckBox, &QCheckBox::clicked, this, &TFormOptions::ExpandCheckBoxClick);
  connect(ui.SubTotalButton, &QPushButton::clicked, this,
          [this] { PickSampleColor(*ui.SubTotalEdit); });
  connect(ui.ExpandButton, &QPushButton::clicked, this,
          [this] { PickSampleColor(*ui.ExpandEdit); });
  connect(ui.AnnotButton, &QPushButton::clicked, this, [this] { PickSampleColor(*ui.AnnotEdit); });
  connect(ui.TaxRateEdit, &QLineEdit::textChanged, this, &TFormOptions::TaxRateEditChange);
  connect(ui.DigitsEdit, &QLineEdit::textChanged, this, &TFormOptions::DigitsEditChange);
  // Every choice shows at once in the preview.
  for (QCheckBox* Box : findChildren<QCheckBox*>())
    connect(Box, &QCheckBox::toggled, this, &TFormOptions::UpdatePreview);
  for (QRadioButton* Radio : findChildren<QRadioButton*>())
    connect(Radio, &QRadioButton::toggled, this, &TFormOptions::UpdatePreview);
  for (QComboBox* Combo : {ui.SubTotalComboBox, ui.ExpandComboBox})
    connect(Combo, &QComboBox::currentIndexChanged, this, &TFormOptions::UpdatePreview);
  connect(ui.TaxLitEdit, &QLineEdit::textChanged, this, &TFormOptions::UpdatePreview);
}

void TFormOptions::CreateLanguageChoice() {
  auto* Group = new QGroupBox(tr("Language"), ui.CalculationPage);
  Group->setObjectName(QStringLiteral("LanguageGroup"));
  Group->setGeometry(8, 92, 241, 100);
  LanguageComboBox = new QComboBox(Group);
  LanguageComboBox->setObjectName(QStringLiteral("LanguageComboBox"));
  LanguageComboBox->setGeometry(12, 24, 217, 24);
  LanguageComboBox->setAccessibleName(tr("Language"));
  for (const Translation::TLanguage& Language : Translation::Languages())
    LanguageComboBox->addItem(*Language.Code
                                  ? QString::fromUtf8(Language.Name)
                                  : QCoreApplication::translate("Translation", Language.Name),
                              QString::fromLatin1(Language.Code));
  auto* Note = new QLabel(tr("Veltrona speaks the chosen language from its next start."), Group);
  Note->setObjectName(QStringLiteral("LanguageNote"));
  Note->setGeometry(12, 54, 217, 40);
  Note->setWordWrap(true);
  Note->setBuddy(LanguageComboBox);
}

void TFormOptions::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  if (!Event->spontaneous()) FormShow();
}

void TFormOptions::FormShow() {
  fFilling = true;
  ui.SubTotalCheckBox->setChecked(fSettings.Subtotals);
  ui.ExpandCheckBox->setChecked(fSettings.ExpandOper);
  ui.SubTotalComboBox->setCurrentIndex(fSettings.SubTotalsSymIndex);
  ui.ExpandComboBox->setCurrentIndex(fSettings.ExpandOperSymIndex);
  SetSampleColor(*ui.SubTotalEdit, fSettings.SubTotalsColor);
  SetSampleColor(*ui.ExpandEdit, fSettings.ExpandOperColor);
  (fSettings.Dumb ? ui.RadioAsEntered : ui.RadioArithmetic)->setChecked(true);
  ui.TaxLitEdit->setText(QString::fromStdString(fSettings.TaxLit));
  // A language this program does not know is the system's.
  LanguageComboBox->setCurrentIndex(
      std::max(0, LanguageComboBox->findData(QString::fromStdString(fSettings.Language))));
  // Filling the two checked fields runs their checks like any other change.
  fFilling = false;
  for (QLineEdit* Field : {ui.TaxRateEdit, ui.DigitsEdit}) {
    // Emptied quietly, so the text below is a change even when it is the same as before.
    const QSignalBlocker Quiet(Field);
    Field->clear();
  }
  ui.TaxRateEdit->setText(QString::fromStdString(
      NumberText::General(static_cast<Extended>(fSettings.TaxRate) * 100, 15, fFormat)));
  ui.DigitsEdit->setText(QString::number(fSettings.Digits));
  fFilling = true;
  ui.TotalBoldCheckBox->setChecked(fSettings.TotalsBold);
  ui.TotalUnderCheckBox->setChecked(fSettings.TotalsUnder);
  ui.TotalRedNegCheckBox->setChecked(fSettings.TotalsRed);
  SetSampleColor(*ui.AnnotEdit, fSettings.AnnotColor);
  ui.AnnotItalicCheckBox->setChecked(fSettings.AnnotItalics);
  ui.AnnotUnderCheckBox->setChecked(fSettings.AnnotUnder);
  ui.OptionsPages->setCurrentWidget(ui.CalculationPage);
  SubTotalCheckBoxClick();
  ExpandCheckBoxClick();
  (fSettings.Dumb ? ui.RadioAsEntered : ui.RadioArithmetic)->setFocus();
  ui.OKButton->setDefault(true);
  fFilling = false;
  UpdatePreview();
}

void TFormOptions::SubTotalCheckBoxClick() {
  const bool On = ui.SubTotalCheckBox->isChecked();
  for (QWidget* Control :
       std::initializer_list<QWidget*>{ui.SubTotalEdit, ui.SubTotalComboBox, ui.SubTotalButton})
    Control->setEnabled(On);
}

void TFormOptions::ExpandCheckBoxClick() {
  const bool On = ui.ExpandCheckBox->isChecked();
  for (QWidget* Control :
       std::initializer_list<QWidget*>{ui.ExpandEdit, ui.ExpandComboBox, ui.ExpandButton})
    Control->setEnabled(On);
}

void TFormOptions::SetSampleColor(QLineEdit& Sample, const std::string& ColorText) {
  // The sample keeps the colour's text, so a system colour such as clWindowText that the user
  // did not touch is stored again under its name.
  Sample.setProperty(ColorProperty, QString::fromStdString(ColorText));
  // Shown on paper, as on the tape.
  QPalette Palette = PaperPalette(Sample.palette());
  const QColor Color = ToQColor(ColorText::ParseOr(ColorText, "clWindowText"), Palette);
  for (const QPalette::ColorGroup Group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    Palette.setColor(Group, QPalette::Text, Color);
  Sample.setPalette(Palette);
  UpdatePreview();
}

std::string TFormOptions::SampleColorText(const QLineEdit& Sample) {
  return Sample.property(ColorProperty).toString().toStdString();
}

void TFormOptions::PickSampleColor(QLineEdit& Sample) {
  const QColor Current = Sample.palette().color(QPalette::Active, QPalette::Text);
  if (const std::optional<QColor> Picked = fPickColor(Current))
    SetSampleColor(Sample, ColorText::Format(ColorOf(*Picked)));
}

std::optional<double> TFormOptions::TaxRatePercent() const {
  std::string Text = Utf8Text::Trimmed(ui.TaxRateEdit->text().toStdString());
  // "17." is 17 while the decimals are still to come.
  if (Text.ends_with(fFormat.DecimalSeparator) && Text.size() > fFormat.DecimalSeparator.size())
    Text.resize(Text.size() - fFormat.DecimalSeparator.size());
  const std::optional<Extended> Rate = NumberText::Parse(Text, fFormat);
  if (!Rate || *Rate < 0 || *Rate > TCalcSettings::MaxTaxRatePercent) return std::nullopt;
  return static_cast<double>(*Rate);
}

std::optional<int> TFormOptions::FixedDigits() const {
  return NumberText::ParseWhole(Utf8Text::Trimmed(ui.DigitsEdit->text().toStdString()), 0,
                                MaxFixedDigits);
}

void TFormOptions::TaxRateEditChange() {
  if (fFilling) return;
  if (!TaxRatePercent()) fShowMessage(tr("Invalid Tax Rate"));
  UpdatePreview();
}

void TFormOptions::DigitsEditChange() {
  if (fFilling) return;
  if (!FixedDigits()) fShowMessage(tr("Invalid Fixed Digits"));
}

TCalcSettings TFormOptions::Chosen() const {
  TCalcSettings S = fSettings;
  S.Subtotals = ui.SubTotalCheckBox->isChecked();
  S.SubTotalsColor = SampleColorText(*ui.SubTotalEdit);
  // With no item chosen a list keeps the record's index.
  if (ui.SubTotalComboBox->currentIndex() >= 0)
    S.SubTotalsSymIndex = ui.SubTotalComboBox->currentIndex();
  S.ExpandOper = ui.ExpandCheckBox->isChecked();
  S.ExpandOperColor = SampleColorText(*ui.ExpandEdit);
  if (ui.ExpandComboBox->currentIndex() >= 0)
    S.ExpandOperSymIndex = ui.ExpandComboBox->currentIndex();
  S.Dumb = ui.RadioAsEntered->isChecked();
  S.TaxLit = ui.TaxLitEdit->text().toStdString();
  S.Language = LanguageComboBox->currentData().toString().toStdString();
  if (const std::optional<double> Rate = TaxRatePercent()) S.TaxRate = *Rate / 100;
  if (const std::optional<int> Digits = FixedDigits()) S.Digits = *Digits;
  S.TotalsBold = ui.TotalBoldCheckBox->isChecked();
  S.TotalsUnder = ui.TotalUnderCheckBox->isChecked();
  S.TotalsRed = ui.TotalRedNegCheckBox->isChecked();
  S.AnnotColor = SampleColorText(*ui.AnnotEdit);
  S.AnnotItalics = ui.AnnotItalicCheckBox->isChecked();
  S.AnnotUnder = ui.AnnotUnderCheckBox->isChecked();
  return S;
}

void TFormOptions::OKButtonClick() {
  // Both fields are checked before anything is stored: a failed OK changes nothing.
  if (!TaxRatePercent()) {
    fShowMessage(tr("Invalid Tax Rate"));
    return;
  }
  if (!FixedDigits()) {
    fShowMessage(tr("Invalid Fixed Digits"));
    return;
  }
  fSettings = Chosen();
  accept();
}

void TFormOptions::CancelButtonClick() {
  reject();
}

void TFormOptions::UpdatePreview() {
  if (fFilling) return;
  const TCalcSettings S = Chosen();
  const Extended Rate = static_cast<Extended>(S.TaxRate);
  const Extended Taxed = 100 + 100 * Rate;
  const auto Number = [this](Extended V) { return NumberText::General(V, 15, fFormat); };
  const auto [ExpandOpen, ExpandClose] = Brackets(S.ExpandOperSymIndex);
  const auto [SubOpen, SubClose] = Brackets(S.SubTotalsSymIndex);
  struct TSample {
    std::string Text;
    std::optional<std::int32_t> Attr;  // nothing: a note
    bool Negative = false;
  };
  std::vector<TSample> Lines = {{tr("Receipt 42").toStdString(), std::nullopt},
                                {"  100 +" + S.TaxLit, TapeAttr::Entry}};
  if (S.ExpandOper)
    Lines.push_back({ExpandOpen + "100 +" + Number(Rate * 100) + "% " + S.TaxLit + " = " +
                         Number(Taxed) + ExpandClose,
                     TapeAttr::Expanded});
  if (S.Subtotals) Lines.push_back({SubOpen + "= " + Number(Taxed) + SubClose, TapeAttr::SubTotal});
  Lines.push_back({"- 250", TapeAttr::Entry});
  Lines.push_back({"= " + Number(Taxed - 250), TapeAttr::Total, Taxed - 250 < 0});

  ui.PreviewTape->clear();
  QTextCursor Cursor(ui.PreviewTape->document());
  for (std::size_t I = 0; I < Lines.size(); ++I) {
    const TSample& Line = Lines[I];
    const TTapeLineStyle Style =
        Line.Attr ? TapeLineStyle(*Line.Attr, Line.Negative, S) : AnnotationStyle(S);
    if (I > 0) Cursor.insertBlock();
    Cursor.insertText(QString::fromStdString(Line.Text),
                      TapeCharFormat(Style, ui.PreviewTape->palette()));
  }
}
