// TTapePane is the paper tape on screen: it appends styled lines at the end of the tape
// widget, inserts notes above a line, answers positions, highlights a range, clears and sets
// the font. The main window owns one over its RichEdit1; the model's view calls reach it
// through the window.
#pragma once

#include <QObject>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <cstdint>
#include <optional>

class QFont;
class QPlainTextEdit;

class TTapePane : public QObject {
  Q_OBJECT

 public:
  explicit TTapePane(QPlainTextEdit& Edit);

  // A new last line; the caret follows it, so the tape scrolls with the calculation.
  void AppendLine(const QString& Text, const QTextCharFormat& Format);
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

  QPlainTextEdit& Edit() const { return fEdit; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void HoldPaint();

  QPlainTextEdit& fEdit;
  std::optional<QTextCursor> fAppending;  // the open edit of this pass's new lines
};
