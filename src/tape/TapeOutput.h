// The tape's output that needs Qt: its pages on a printer or in a PDF, and saving it to a file
// in the format its name asks for, atomically. The window's File commands call these with the
// pane's lines and font; PrintTape is the one call that reaches a real printer.
#pragma once

#include <QByteArrayView>
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <optional>
#include <vector>

#include "AtomicFile.h"
#include "NumberText.h"
#include "TapeLine.h"

class QPagedPaintDevice;
class QPrinter;

// What the output takes from the pane.
struct TTapeContent {
  std::vector<TTapeLine> Lines;
  QFont Font;  // the tape font; each line adds its own bold, italic and underline
};

// The tape on the device's pages: the whole page the device can print on (inside its page
// layout's margins), each line right-aligned in its font, colour and style, and a new page
// whenever the next line would not fit whole. Nothing when it went through, else the reason.
std::optional<QString> PaintTape(QPagedPaintDevice& Device, const TTapeContent& Tape);

// Prints the tape on Printer as the job "Veltrona", without a dialog. With no printer
// installed Qt hands out a PDF printer without a file, which would print nothing: that is
// reported instead. Nothing when it went through, else the message for the error box.
std::optional<QString> PrintTape(QPrinter& Printer, const TTapeContent& Tape);

// Whether Printer can print: a printer of the desktop, or a PDF file it was pointed at. With no
// printer installed Qt hands out a PDF printer without a file.
bool PrinterUsable(const QPrinter& Printer);

// Points Printer at the desktop's default printer as it is now, so that a printer installed or
// started after Printer was made is found; false when there is none. The one place that asks
// the desktop for its printer.
bool UseDefaultPrinter(QPrinter& Printer);

// The error box's text for a print that failed for Reason.
QString PrintFailedText(const QString& Reason);

// Saves the tape in the format the file name asks for (TapeFileFormat): plain text, RTF, CSV
// or an Excel workbook with its values read with Fs, or PDF on PdfLayout's pages, the pages
// PaintTape prints.
// Nothing on success, else the message for the error box, naming the file and the reason.
std::optional<QString> SaveTape(const QString& FileName, const TTapeContent& Tape,
                                const QPageLayout& PdfLayout, const TFormatSettings& Fs);
