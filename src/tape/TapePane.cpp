#include "TapePane.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>

#include "QtColor.h"

TTapePane::TTapePane(QPlainTextEdit& Edit) : QObject(&Edit), fEdit(Edit) {
  // A picked number stays highlighted while the keypad has the focus: some styles paint an
  // inactive selection almost invisibly.
  QPalette Palette = PaperPalette(fEdit.palette());
  for (const QPalette::ColorRole Role : {QPalette::Highlight, QPalette::HighlightedText})
    Palette.setColor(QPalette::Inactive, Role, Palette.color(QPalette::Active, Role));
  fEdit.setPalette(Palette);
  // The lines of this pass are in place before a click or a key moves the caret.
  fEdit.viewport()->installEventFilter(this);
  fEdit.installEventFilter(this);
  Clear();
}

bool TTapePane::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::MouseButtonPress || Event->type() == QEvent::KeyPress)
    EndAppending();
  return QObject::eventFilter(Watched, Event);
}

void TTapePane::Clear() {
  EndAppending();
  fEdit.clear();
  fFormats.clear();
  fSorts.clear();
  QTextDocument* Doc = fEdit.document();
  // The tape is read-only: an undo history would only grow with every line.
  Doc->setUndoRedoEnabled(false);
  // clear() drops the alignment; the tape is right-aligned.
  QTextOption Option = Doc->defaultTextOption();
  Option.setAlignment(Qt::AlignRight);
  Doc->setDefaultTextOption(Option);
}

void TTapePane::AppendLine(const QString& Text, const QTextCharFormat& Format, TTapeLineKind Kind,
                           const TTapeLineForm& Form) {
  HoldPaint();
  // The lines of one pass of the event loop (a whole replay, say) go in as one edit, so the
  // pane lays them out once. Appending at the end never touches a selection, such as a number
  // picked by Back, so the new line's format cannot spill onto it.
  if (!fAppending) {
    fAppending.emplace(fEdit.document());
    fAppending->movePosition(QTextCursor::End);
    fAppending->beginEditBlock();
    QTimer::singleShot(0, this, [this] { EndAppending(); });
  }
  fAppending->insertText(Text, Format);
  fAppending->insertBlock();
  Remember(fAppending->block().previous(), Kind, FormatIndex(Format), Form);
}

// The caret follows the new lines, so the tape scrolls with the calculation.
void TTapePane::EndAppending() {
  if (!fAppending) return;
  fAppending->endEditBlock();
  fEdit.setTextCursor(*fAppending);
  fAppending.reset();
}

std::int32_t TTapePane::InsertNoteAboveCaret(const QString& Note, const QTextCharFormat& Format) {
  EndAppending();
  QTextCursor Cursor = fEdit.textCursor();
  Cursor.setPosition(Cursor.selectionStart());
  Cursor.movePosition(QTextCursor::StartOfBlock);
  const int LineStart = Cursor.position();
  // Splitting the line leaves what it remembers with the first half, the note.
  const int LineState = Cursor.block().userState();
  // One edit, so the pane lays the lines out once, after both are in place; laid out in
  // between, a long tape's widest line would seem to shrink and be searched for again.
  Cursor.beginEditBlock();
  Cursor.insertText(Note, Format);
  Cursor.insertBlock();
  Cursor.endEditBlock();
  Remember(Cursor.block().previous(), TTapeLineKind::Note, FormatIndex(Format));
  Cursor.block().setUserState(LineState);
  fEdit.setTextCursor(Cursor);
  return LineStart;
}

std::int32_t TTapePane::EndPosition() const {
  return fEdit.document()->characterCount() - 1;
}

void TTapePane::Select(std::int32_t Start, std::int32_t Length) {
  EndAppending();
  QTextCursor Cursor = fEdit.textCursor();
  const std::int32_t End = EndPosition();
  if (Length <= 0 || Start < 0 || Start + Length > End) {
    // Nothing to highlight: the selection goes and the view stays where it is.
    if (!Cursor.hasSelection()) return;
    QScrollBar* Bar = fEdit.verticalScrollBar();
    const int Scrolled = Bar->value();
    Cursor.clearSelection();
    fEdit.setTextCursor(Cursor);
    Bar->setValue(Scrolled);
    return;
  }
  Cursor.setPosition(Start);
  Cursor.setPosition(Start + Length, QTextCursor::KeepAnchor);
  fEdit.setTextCursor(Cursor);
}

void TTapePane::SetFont(const QFont& Font) {
  EndAppending();
  fEdit.setFont(Font);
}

std::vector<TTapeLine> TTapePane::Lines(const QPalette& Palette) const {
  const QColor SystemText = ToQColor(clWindowText, Palette);
  const auto Look = [&](const QTextCharFormat& Format) {
    QColor Color = Format.foreground().color();
    if (Color == SystemText) Color = Qt::black;
    return TTapeLine{{},
                     TTapeLineKind::Entry,
                     Color.rgb() & 0xFFFFFFu,
                     Format.fontWeight() >= QFont::Bold,
                     Format.fontItalic(),
                     Format.fontUnderline()};
  };
  std::vector<TTapeLine> Looks;
  for (const QTextCharFormat& Format : fFormats) Looks.push_back(Look(Format));

  const QTextDocument* Doc = fEdit.document();
  // The text of every line in one pass; the blocks are separated by paragraph separators.
  const QString Text = Doc->toRawText();
  std::vector<TTapeLine> Result;
  Result.reserve(static_cast<std::size_t>(Doc->blockCount()));
  qsizetype Start = 0;
  for (QTextBlock Block = Doc->begin(); Block.isValid(); Block = Block.next()) {
    qsizetype End = Text.indexOf(QChar::ParagraphSeparator, Start);
    if (End < 0) End = Text.size();
    // Every line ends in a line break: the last block is the empty one after it.
    if (!Block.next().isValid() && End == Start) break;
    const int State = Block.userState();
    if (State >= 0 && static_cast<std::size_t>(State) < fSorts.size()) {
      const TLineSort& Sort = fSorts[static_cast<std::size_t>(State)];
      Result.push_back(Looks[static_cast<std::size_t>(Sort.Format)]);
      Result.back().Kind = Sort.Kind;
      Result.back().Form = Sort.Form;
    } else {
      Result.push_back(
          Look(Block.begin().atEnd() ? Block.charFormat() : Block.begin().fragment().charFormat()));
    }
    Result.back().Text = QStringView(Text).mid(Start, End - Start).toUtf8().toStdString();
    Start = End + 1;
  }
  return Result;
}

int TTapePane::FormatIndex(const QTextCharFormat& Format) {
  const auto It = std::find(fFormats.begin(), fFormats.end(), Format);
  if (It != fFormats.end()) return static_cast<int>(It - fFormats.begin());
  fFormats.push_back(Format);
  return static_cast<int>(fFormats.size()) - 1;
}

void TTapePane::Remember(QTextBlock Block, TTapeLineKind Kind, int Format,
                         const TTapeLineForm& Form) {
  const TLineSort Sort{Kind, Format, Form};
  // A tape has few sorts of line; the search is short.
  auto It = std::find(fSorts.begin(), fSorts.end(), Sort);
  if (It == fSorts.end()) It = fSorts.insert(fSorts.end(), Sort);
  Block.setUserState(static_cast<int>(It - fSorts.begin()));
}

// The display is drawn the moment it holds a result; the tape, whose scroll bar alone costs
// more to draw than a whole key press, is drawn one event-loop pass later, so it never holds
// the display back.
void TTapePane::HoldPaint() {
  if (!fEdit.updatesEnabled()) return;
  fEdit.setUpdatesEnabled(false);
  QTimer::singleShot(0, this, [this] { fEdit.setUpdatesEnabled(true); });
}
