// Reads the tape's files back with programs of their own, as a user's programs would: unrtf
// for rich text, pdftotext for PDF. scripts/install-deps installs both; a test fails, saying
// so, when one is missing. Used by the tape tests and the window tests.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTextDocumentFragment>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The bytes of a file; "(missing)" when it cannot be read.
inline std::string ReadFileBytes(const QString& File) {
  QFile F(File);
  if (!F.open(QIODevice::ReadOnly)) return "(missing)";
  return F.readAll().toStdString();
}

// Program's standard output for Arguments; nothing, and a failure, when it is missing or fails.
inline std::optional<QByteArray> RunReader(const char* Program, const char* Package,
                                           const QStringList& Arguments) {
  const QString Path = QStandardPaths::findExecutable(QLatin1String(Program));
  if (Path.isEmpty()) {
    ADD_FAILURE() << Program << " is not installed; scripts/install-deps installs it (package "
                  << Package << ")";
    return std::nullopt;
  }
  QProcess Process;
  Process.start(Path, Arguments);
  if (!Process.waitForFinished(60000) || Process.exitStatus() != QProcess::NormalExit ||
      Process.exitCode() != 0) {
    ADD_FAILURE() << Program << " failed: " << Process.readAllStandardError().toStdString();
    return std::nullopt;
  }
  return Process.readAllStandardOutput();
}

// A line of a rich-text file as a reader shows it. Runs of blanks read as one, as unrtf has them.
struct TReadLine {
  std::string Text;
  std::string Color;  // "#rrggbb"
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool RightAligned = false;
  bool operator==(const TReadLine&) const = default;
};

inline std::ostream& operator<<(std::ostream& Out, const TReadLine& L) {
  return Out << "{\"" << L.Text << "\" " << L.Color << (L.Bold ? " bold" : "")
             << (L.Italic ? " italic" : "") << (L.Underline ? " under" : "")
             << (L.RightAligned ? " right" : "") << "}";
}

struct TRichTextRead {
  std::string Font;  // the font face unrtf found
  std::vector<TReadLine> Lines;
};

// An RTF file as unrtf reads it: its HTML output's font, and a line for each line break with the
// colour, styles and alignment in effect there.
inline TRichTextRead ReadRichText(const QString& File) {
  TRichTextRead Read;
  const std::optional<QByteArray> Html = RunReader("unrtf", "unrtf", {"--html", File});
  if (!Html) return Read;
  const QString Text = QString::fromUtf8(*Html);
  // A document without text has no body.
  const qsizetype Body = Text.indexOf(QLatin1String("<body>"));
  if (Body < 0) return Read;
  std::vector<std::string> Colors;
  int Bold = 0, Italic = 0, Underline = 0;
  bool Right = false;
  QString Raw;  // the line's text as HTML, entities and all
  static const QRegularExpression Token(QStringLiteral("<([^>]*)>|([^<]+)"));
  static const QRegularExpression Color(QStringLiteral("color=\"(#[0-9a-f]{6})\""));
  static const QRegularExpression Face(QStringLiteral("face=\"([^\"]*)\""));
  for (auto It = Token.globalMatch(Text, Body + 6); It.hasNext();) {
    const QRegularExpressionMatch M = It.next();
    if (M.capturedLength(2) > 0) {
      Raw += M.captured(2).remove(u'\n');  // unrtf's own line breaks
      continue;
    }
    const QString Tag = M.captured(1);
    if (Tag.startsWith(QLatin1String("font"))) {
      if (const auto C = Color.match(Tag); C.hasMatch()) {
        Colors.push_back(C.captured(1).toStdString());
      } else {
        if (const auto F = Face.match(Tag); F.hasMatch()) Read.Font = F.captured(1).toStdString();
        Colors.push_back(Colors.empty() ? std::string() : Colors.back());
      }
    } else if (Tag == QLatin1String("/font") && !Colors.empty()) {
      Colors.pop_back();
    } else if (Tag == QLatin1String("b") || Tag == QLatin1String("/b")) {
      Bold += Tag.startsWith(u'/') ? -1 : 1;
    } else if (Tag == QLatin1String("i") || Tag == QLatin1String("/i")) {
      Italic += Tag.startsWith(u'/') ? -1 : 1;
    } else if (Tag == QLatin1String("u") || Tag == QLatin1String("/u")) {
      Underline += Tag.startsWith(u'/') ? -1 : 1;
    } else if (Tag.startsWith(QLatin1String("div"))) {
      Right = Tag.contains(QLatin1String("align=\"right\""));
    } else if (Tag == QLatin1String("br")) {
      Read.Lines.push_back(
          {QTextDocumentFragment::fromHtml(Raw).toPlainText().simplified().toStdString(),
           Colors.empty() ? std::string() : Colors.back(), Bold > 0, Italic > 0, Underline > 0,
           Right});
      Raw.clear();
    }
  }
  return Read;
}

// The first page of a PDF as pdftoppm draws it, at 72 dots per inch (one pixel a point).
inline QImage DrawPdfPage(const QString& File) {
  const QString Prefix = File + QStringLiteral(".page");
  if (!RunReader("pdftoppm", "poppler-utils",
                 {"-png", "-r", "72", "-f", "1", "-singlefile", File, Prefix}))
    return {};
  return QImage(Prefix + QStringLiteral(".png"));
}

// The text with every blank taken out: the way lines are compared with a PDF's, since
// pdftotext's layout reading closes up the blank in a short line such as "+ 1".
inline std::string WithoutBlanks(const QString& Text) {
  return QString(Text).remove(u' ').toStdString();
}

// A PDF as pdftotext -layout reads it: each page its lines without blanks (WithoutBlanks),
// empty lines left out.
inline std::vector<std::vector<std::string>> ReadPdfPages(const QString& File) {
  std::vector<std::vector<std::string>> Pages;
  const std::optional<QByteArray> Text =
      RunReader("pdftotext", "poppler-utils", {"-layout", File, "-"});
  if (!Text) return Pages;
  QStringList Chunks = QString::fromUtf8(*Text).split(u'\f');
  if (!Chunks.isEmpty() && Chunks.back().trimmed().isEmpty()) Chunks.pop_back();
  for (const QString& Chunk : Chunks) {
    std::vector<std::string>& Page = Pages.emplace_back();
    for (const QString& Line : Chunk.split(u'\n')) {
      if (!Line.trimmed().isEmpty()) Page.push_back(WithoutBlanks(Line));
    }
  }
  return Pages;
}
