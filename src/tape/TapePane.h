// TTapePane is the paper tape on screen: it appends styled lines at the end of the tape
// widget, inserts notes above a line, answers positions, highlights a range, clears and sets
// the font, and reads its lines out with their kinds and looks for saving and printing. The
// main window owns one over its RichEdit1; the model's view calls reach it through the window.
#pragma once

#include <QObject>
#include <QPalette>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <cstdint>
#include <optional>
#include <vector>

#include "QtColor.h"
#include "TapeLine.h"

class QFont;
class QPlainTextEdit;
class QTextBlock;

class TTapePane : public QObject {
  Q_OBJECT

 public:
  explicit TTapePane(QPlainTextEdit& Edit);

  // A new last line; the caret follows it, so the tape scrolls with the calculation. Form is
  // what the engine printed it with, kept for the spreadsheet files.
  void AppendLine(const QString& Text, const QTextCharFormat& Format, TTapeLineKind Kind,
                  const TTapeLineForm& Form = {});
  // Ends the edit that the lines appended in this pass of the event loop share.
  void EndAppending();

  // A note as a line of its own directly above the line holding the caret (at the end of the
  // tape it becomes the last line). Returns where the note's line starts.
  std::int32_t InsertNoteAboveCaret(const QString& Note, const QTextCharFormat& Format);

  // Where the next appended line will start.
  std::int32_t EndPosition() const;

  // Highlights Length characters from Start; a range outside the tape, or of no length, only
  // takes the highlight away.
  void Select(std::int32_t Start, std::int32_t Length);
  void Clear();
  void SetFont(const QFont& Font);

  // Every line from the first, as the output writes it: a line in the text colour of Palette
  // (by default the paper's) is black, since it goes on white paper.
  std::vector<TTapeLine> Lines(const QPalette& Palette = PaperPalette()) const;

  QPlainTextEdit& Edit() const { return fEdit; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void HoldPaint();
  int FormatIndex(const QTextCharFormat& Format);
  void Remember(QTextBlock Block, TTapeLineKind Kind, int Format, const TTapeLineForm& Form = {});

  // What a line's block remembers: its kind, its format's place in fFormats and its form.
  struct TLineSort {
    TTapeLineKind Kind;
    int Format;
    TTapeLineForm Form;
    bool operator==(const TLineSort&) const = default;
  };

  QPlainTextEdit& fEdit;
  std::optional<QTextCursor> fAppending;  // the open edit of this pass's new lines
  // The line formats in use, each once, and the sorts of line, each once. Every line's block
  // remembers its sort's place (as its user state), so that reading a long tape out never
  // searches the document line by line.
  std::vector<QTextCharFormat> fFormats;
  std::vector<TLineSort> fSorts;
};
