#include "TapeOutput.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <array>

#include "TapeWorkbook.h"
#include "TapeWriters.h"

namespace {

// The tape font with one line's bold, italic and underline, and what it needs on the device.
struct TLook {
  QFont Font;
  QFontMetricsF Metrics;
};

TTapeFont RichTextFont(const QFont& Font) {
  // The family the screen really shows, not the first wish of the font's list.
  const QFontInfo Shown(Font);
  return {Shown.family().toStdString(),
          Font.pointSizeF() > 0 ? Font.pointSizeF() : Shown.pointSizeF()};
}

std::optional<QString> TapePdf(const TTapeContent& Tape, const QPageLayout& Layout,
                               QByteArray& Pdf) {
  QBuffer Buffer(&Pdf);
  Buffer.open(QIODevice::WriteOnly);
  QPdfWriter Writer(&Buffer);
  Writer.setPageLayout(Layout);
  Writer.setResolution(1200);
  Writer.setTitle(QStringLiteral("Veltrona"));
  Writer.setCreator(QStringLiteral("Veltrona"));
  return PaintTape(Writer, Tape);
}

}  // namespace

std::optional<QString> PaintTape(QPagedPaintDevice& Device, const TTapeContent& Tape) {
  QPainter Painter;
  if (!Painter.begin(&Device))
    return QCoreApplication::translate("TapeOutput", "the printer could not be started");
  const qreal Width = Device.width();
  const qreal PageHeight = Device.height();
  std::array<std::optional<TLook>, 8> Looks;
  std::size_t LookShown = Looks.size();
  qreal Top = 0;
  for (const TTapeLine& Line : Tape.Lines) {
    const std::size_t Index =
        (Line.Bold ? 1 : 0) | (Line.Italic ? 2 : 0) | (Line.Underline ? 4 : 0);
    std::optional<TLook>& Look = Looks[Index];
    if (!Look) {
      QFont Font = Tape.Font;
      // Without ligatures, so that the PDF's text is the tape's: "off" drawn with the "ff"
      // ligature would read back as "o" and one character, and a search would miss it.
      Font.setStyleStrategy(QFont::StyleStrategy(Font.styleStrategy() | QFont::PreferNoShaping));
      Font.setBold(Line.Bold);
      Font.setItalic(Line.Italic);
      Font.setUnderline(Line.Underline);
      Look.emplace(TLook{Font, QFontMetricsF(Font, &Device)});
    }
    const QString Text = QString::fromStdString(Line.Text);
    int Flags = Qt::AlignRight | Qt::AlignTop;
    qreal Height = Look->Metrics.lineSpacing();
    // A line wider than the page wraps and still stays whole on one page.
    if (Look->Metrics.horizontalAdvance(Text) > Width) {
      Flags |= Qt::TextWordWrap;
      Height = Look->Metrics.boundingRect(QRectF(0, 0, Width, PageHeight), Flags, Text).height();
    }
    if (Top > 0 && Top + Height > PageHeight) {
      if (!Device.newPage())
        return QCoreApplication::translate("TapeOutput", "a new page could not be started");
      Top = 0;
    }
    if (Index != LookShown) {
      Painter.setFont(Look->Font);
      LookShown = Index;
    }
    Painter.setPen(QColor(static_cast<QRgb>(Line.Rgb)));
    Painter.drawText(QRectF(0, Top, Width, Height), Flags, Text);
    Top += Height;
  }
  if (!Painter.end())
    return QCoreApplication::translate("TapeOutput", "the pages could not be finished");
  return std::nullopt;
}

QString PrintFailedText(const QString& Reason) {
  return QCoreApplication::translate("TapeOutput", "The tape could not be printed: %1.")
      .arg(Reason);
}

bool PrinterUsable(const QPrinter& Printer) {
  if (Printer.outputFormat() == QPrinter::PdfFormat) return !Printer.outputFileName().isEmpty();
  return Printer.isValid();
}

bool UseDefaultPrinter(QPrinter& Printer) {
  const QPrinterInfo Default = QPrinterInfo::defaultPrinter();
  if (Default.isNull()) return false;
  Printer.setPrinterName(Default.printerName());
  return PrinterUsable(Printer);
}

std::optional<QString> PrintTape(QPrinter& Printer, const TTapeContent& Tape) {
  if (!PrinterUsable(Printer))
    return PrintFailedText(QCoreApplication::translate("TapeOutput", "no printer is installed"));
  Printer.setDocName(QStringLiteral("Veltrona"));
  if (const std::optional<QString> Reason = PaintTape(Printer, Tape))
    return PrintFailedText(*Reason);
  if (Printer.printerState() == QPrinter::Error)
    return PrintFailedText(QCoreApplication::translate("TapeOutput", "the printer failed"));
  if (Printer.printerState() == QPrinter::Aborted)
    return PrintFailedText(
        QCoreApplication::translate("TapeOutput", "the print job was cancelled"));
  return std::nullopt;
}

std::optional<QString> SaveTape(const QString& FileName, const TTapeContent& Tape,
                                const QPageLayout& PdfLayout, const TFormatSettings& Fs) {
  QByteArray Bytes;
  std::optional<QString> Reason;
  switch (TapeFileFormat(FileName.toStdString())) {
    case TTapeFileFormat::Text:
      Bytes = QByteArray::fromStdString(TapeText(Tape.Lines));
      break;
    case TTapeFileFormat::RichText:
      Bytes = QByteArray::fromStdString(TapeRichText(Tape.Lines, RichTextFont(Tape.Font)));
      break;
    case TTapeFileFormat::Csv:
      Bytes = QByteArray::fromStdString(TapeCsv(Tape.Lines, Fs));
      break;
    case TTapeFileFormat::Pdf:
      Reason = TapePdf(Tape, PdfLayout, Bytes);
      break;
    case TTapeFileFormat::Workbook:
      Reason = TapeWorkbook(Tape.Lines, Fs, Bytes);
      break;
  }
  if (!Reason) Reason = WriteFileAtomically(FileName, Bytes);
  if (!Reason) return std::nullopt;
  return QCoreApplication::translate("TapeOutput", "The tape could not be saved to \"%1\": %2.")
      .arg(QDir::toNativeSeparators(FileName), *Reason);
}
