// TFormOptions, the Options dialog: precedence, subtotals and expanded operators with their
// brackets and colours, fixed digits, how totals and notes look, and the tax name and rate. The
// main window creates the one instance and opens it for Options...; on OK the dialog has
// written the settings record and the window applies it. A preview shows sample tape lines in
// the looks being chosen. The Calculation page also holds the language, taken at the next start.
#pragma once

#include <QColor>
#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "CalcSettings.h"
#include "NumberText.h"
#include "ui_UnitOptions.h"

class QComboBox;
class QLineEdit;

class TFormOptions : public QDialog {
  Q_OBJECT

 public:
  // The window's error box and its colour dialog; tests answer them without a modal loop.
  using TShowMessage = std::function<void(const QString& Text)>;
  using TPickColor = std::function<std::optional<QColor>(const QColor& Initial)>;

  TFormOptions(TCalcSettings& Settings, TShowMessage ShowMessage, TPickColor PickColor,
               QWidget* Parent = nullptr);

  // The user's number settings, for the tax rate's decimal separator.
  void SetNumberFormat(const TFormatSettings& Format) { fFormat = Format; }

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  void FormShow();
  void OKButtonClick();
  void CancelButtonClick();
  void SubTotalCheckBoxClick();
  void ExpandCheckBoxClick();
  void PickSampleColor(QLineEdit& Sample);
  void TaxRateEditChange();
  void DigitsEditChange();

  std::optional<double> TaxRatePercent() const;
  std::optional<int> FixedDigits() const;
  void SetSampleColor(QLineEdit& Sample, const std::string& ColorText);
  static std::string SampleColorText(const QLineEdit& Sample);
  // The record as the controls show it; a field whose text is not valid keeps its value.
  TCalcSettings Chosen() const;
  void UpdatePreview();
  void CreateLanguageChoice();

  Ui::TFormOptions ui;
  QComboBox* LanguageComboBox = nullptr;  // "System", then each language by its own name
  TCalcSettings& fSettings;
  TShowMessage fShowMessage;
  TPickColor fPickColor;
  TFormatSettings fFormat;
  bool fFilling = false;  // the controls are being filled from the record
};
