// The window's tape output and tape view commands: Save Tape As, Page Setup, Print Tape and
// Print Preview on the File menu, Tape Font and Hide Tape (with its tool button) on the Tape
// menu. The files and pages themselves are made by the tape's output (TapeOutput.h).
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "Calccode.h"
#include "Pictures.h"
#include "TapeOutput.h"
#include "TapePane.h"
#include "TapeWriters.h"

namespace {

// The sizes the tape font may take.
constexpr int MinTapeFontSize = 5;
constexpr int MaxTapeFontSize = 20;

// The font dialog offers only the font and its size: each line keeps its own colour, bold,
// italic and underline. Qt's own dialog has no option to leave its effects out.
void HideFontEffects(QFontDialog& Dialog) {
  for (QCheckBox* Effect : Dialog.findChildren<QCheckBox*>()) {
    if (auto* Group = qobject_cast<QGroupBox*>(Effect->parentWidget())) Group->hide();
  }
}

}  // namespace

QPrinter& TCalculator::TapePrinter() {
  if (!CurrentPrinter) {
    CurrentPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    CurrentPrinter->setDocName(QStringLiteral("Veltrona"));
    ApplyPageSetup();
  }
  // A printer installed or started since the printer was made, or a default printer chosen in
  // place of one that went away, is found without a restart.
  if (!PrinterUsable(*CurrentPrinter) &&
      (FindDefaultPrinter ? FindDefaultPrinter : UseDefaultPrinter)(*CurrentPrinter))
    ApplyPageSetup();
  return *CurrentPrinter;
}

// The Page Setup choice of the settings on the printer; what is not kept stays the printer's.
void TCalculator::ApplyPageSetup() {
  static_assert(TCalcSettings::MaxPagePaper == QPageSize::LastPageSize);
  QPrinter& Printer = *CurrentPrinter;
  const std::int32_t Paper = CalcSettings.PagePaper;
  if (Paper >= 0 && Paper <= QPageSize::LastPageSize && Paper != QPageSize::Custom)
    Printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(Paper)));
  Printer.setPageOrientation(CalcSettings.PageOrientation == 1 ? QPageLayout::Landscape
                                                               : QPageLayout::Portrait);
  const std::int32_t Margins[] = {CalcSettings.PageMarginLeft, CalcSettings.PageMarginTop,
                                  CalcSettings.PageMarginRight, CalcSettings.PageMarginBottom};
  if (std::all_of(std::begin(Margins), std::end(Margins), [](std::int32_t M) { return M >= 0; }))
    // Margins the printer cannot print are left as the printer has them.
    Printer.setPageMargins(
        QMarginsF(Margins[0] / 10.0, Margins[1] / 10.0, Margins[2] / 10.0, Margins[3] / 10.0),
        QPageLayout::Millimeter);
}

// The printer's page layout into the settings, kept for the next run.
void TCalculator::RememberPageSetup() {
  const QPageLayout Layout = CurrentPrinter->pageLayout();
  const QPageSize::PageSizeId Paper = Layout.pageSize().id();
  CalcSettings.PagePaper = Paper == QPageSize::Custom ? -1 : static_cast<std::int32_t>(Paper);
  CalcSettings.PageOrientation = Layout.orientation() == QPageLayout::Landscape ? 1 : 0;
  const QMarginsF Margins = Layout.margins(QPageLayout::Millimeter);
  const auto Tenths = [](qreal Millimetres) {
    return std::clamp(static_cast<std::int32_t>(qRound(Millimetres * 10)), 0,
                      TCalcSettings::MaxPageMargin);
  };
  CalcSettings.PageMarginLeft = Tenths(Margins.left());
  CalcSettings.PageMarginTop = Tenths(Margins.top());
  CalcSettings.PageMarginRight = Tenths(Margins.right());
  CalcSettings.PageMarginBottom = Tenths(Margins.bottom());
}

TTapeContent TCalculator::TapeContent() const {
  return {Tape->Lines(), Tape->Edit().font()};
}

void TCalculator::SaveTapeAs1Click() {
  QFileDialog Dialog(this, tr("Save Tape As"), QString::fromStdString(CalcSettings.SaveTape));
  Dialog.setAcceptMode(QFileDialog::AcceptSave);
  Dialog.setNameFilters({tr("Veltrona tape (*.vtape)"), tr("Text files (*.txt)"),
                         tr("Rich Text Files (*.rtf)"), tr("PDF files (*.pdf)"),
                         tr("CSV files (*.csv)"), tr("Excel workbook (*.xlsx)")});
  // A name typed without an extension takes the chosen filter's.
  const auto FilterSuffix = [&Dialog] {
    const QString Filter = Dialog.selectedNameFilter();
    return Filter.mid(Filter.lastIndexOf(QLatin1String("(*.")) + 3).chopped(1);
  };
  Dialog.setDefaultSuffix(FilterSuffix());
  connect(&Dialog, &QFileDialog::filterSelected, &Dialog,
          [&] { Dialog.setDefaultSuffix(FilterSuffix()); });
  if (ExecDialog(Dialog) != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return;
  QString FileName = Dialog.selectedFiles().front();
  if (QFileInfo(FileName).suffix().isEmpty()) FileName += u'.' + FilterSuffix();
  CalcSettings.SaveTape =
      QDir::toNativeSeparators(QFileInfo(FileName).absolutePath()).toStdString();
  // The tape document; every other format is an export.
  if (FileName.endsWith(QLatin1String(".vtape"), Qt::CaseInsensitive)) {
    SaveDocument(FileName);
    return;
  }
  // Only a PDF needs pages; the printer is not made for the other formats.
  const QPageLayout PdfLayout = TapeFileFormat(FileName.toStdString()) == TTapeFileFormat::Pdf
                                    ? TapePrinter().pageLayout()
                                    : QPageLayout();
  if (const auto Error = SaveTape(FileName, TapeContent(), PdfLayout, Model.NumberFormat()))
    ShowMessageDlg(*Error);
}

void TCalculator::PageSetup1Click() {
  WithTopmostLowered([this] {
    QPageSetupDialog Dialog(&TapePrinter(), this);
    const int Result = ExecDialog(Dialog);
    if (Result == QDialog::Accepted) RememberPageSetup();
    return Result;
  });
}

void TCalculator::PrintTape1Click() {
  const std::optional<QString> Error =
      WithTopmostLowered([this] { return PrintTape(TapePrinter(), TapeContent()); });
  if (Error) ShowMessageDlg(*Error);
}

void TCalculator::PrintPreview1Click() {
  WithTopmostLowered([this] {
    const TTapeContent Content = TapeContent();
    QPrintPreviewDialog Dialog(&TapePrinter(), this);
    // The preview draws the pages, and prints them when asked, on the printer it is given.
    connect(&Dialog, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* Pages) {
      if (const auto Reason = PaintTape(*Pages, Content)) ShowMessageDlg(PrintFailedText(*Reason));
    });
    return ExecDialog(Dialog);
  });
}

void TCalculator::TapeFont1Click() {
  WithTopmostLowered([this] {
    // Preset with the family the tape really shows, which the dialog's list holds.
    QFont Shown = Tape->Edit().font();
    Shown.setFamilies({QFontInfo(Shown).family()});
    QFontDialog Dialog(Shown, this);
    HideFontEffects(Dialog);
    if (ExecDialog(Dialog) != QDialog::Accepted) return;
    const QFont Chosen = Dialog.currentFont();
    CalcSettings.TapeFontName = Chosen.family().toStdString();
    CalcSettings.TapeFontSize =
        std::clamp(qRound(Chosen.pointSizeF()), MinTapeFontSize, MaxTapeFontSize);
    ApplyTapeFont();
    ArrangeWindow();
  });
}

// The tape font of the settings record; every line takes its name and size and keeps its own
// colour and style. An empty name keeps the designed font.
void TCalculator::ApplyTapeFont() {
  QFont Font = Tape->Edit().font();
  if (!CalcSettings.TapeFontName.empty())
    Font.setFamilies({QString::fromStdString(CalcSettings.TapeFontName)});
  if (CalcSettings.TapeFontSize > 0) Font.setPointSize(CalcSettings.TapeFontSize);
  Tape->SetFont(Font);
}

// The menu item, its short-cut and the tool button: the check mark has already moved.
void TCalculator::HideTape1Click() {
  CalcSettings.HideTape = !CalcSettings.HideTape;
  MenuItem("HideTape1")->setChecked(CalcSettings.HideTape);
  ShowTapeButtonState();
  RefreshStatusBar();
  ArrangeWindow();
}

void TCalculator::ShowTapeButtonState() {
  auto* Button = ToolBar1->findChild<QToolButton*>(QStringLiteral("ShowToolButton"));
  const bool Hidden = CalcSettings.HideTape;
  Button->setIcon(Pictures::ToolImage(Hidden ? Pictures::ShowTapeImage : Pictures::HideTapeImage));
  Button->setToolTip(Hidden ? tr("Show Tape") : tr("Hide Tape"));
  Button->setAccessibleName(Hidden ? tr("Show tape") : tr("Hide tape"));
}
