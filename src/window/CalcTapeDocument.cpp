// The tape as a document: File > New Tape, Open Tape, Save Tape, Save Tape As's Veltrona tape,
// Recent Tapes and Reopen Last Tape, the window title's name and change mark, and the last
// tape kept beside the history files. A document is read and checked in full before the tape
// changes, so a file that cannot be opened leaves the tape as it was.
#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <filesystem>

#include "Calccode.h"
#include "DataFolder.h"
#include "LongOperation.h"
#include "TapeDocument.h"
#include "TapePane.h"
#include "Utf8Text.h"

namespace {

// While a document is put onto the tape, a progress dialog may let timers run: the tape is not
// kept as the last tape half done.
struct TDocumentBusy {
  explicit TDocumentBusy(bool& Busy) : fBusy(Busy) { fBusy = true; }
  ~TDocumentBusy() { fBusy = false; }
  TDocumentBusy(const TDocumentBusy&) = delete;
  TDocumentBusy& operator=(const TDocumentBusy&) = delete;
  bool& fBusy;
};

QTextCharFormat LineFormat(const TTapeLine& Line) {
  QTextCharFormat Format;
  Format.setForeground(QColor::fromRgb(Line.Rgb));
  Format.setFontWeight(Line.Bold ? QFont::Bold : QFont::Normal);
  Format.setFontItalic(Line.Italic);
  Format.setFontUnderline(Line.Underline);
  return Format;
}

// A line's length in tape positions (UTF-16 code units), from its UTF-8 text.
std::int32_t PositionLength(std::string_view Text) {
  std::int32_t Units = Utf8Text::CharCount(Text);
  for (const char C : Text)
    if ((static_cast<unsigned char>(C) & 0xF8) == 0xF0) ++Units;
  return Units;
}

}  // namespace

void TCalculator::CreateDocumentMenus() {
  QMenu* File = findChild<QMenu*>(QStringLiteral("File1"));
  QAction* Before = MenuItem("SaveTapeAs1");
  const auto Add = [&](const char* Name, const QString& Caption, const QKeySequence& Keys,
                       void (TCalculator::*Command)()) {
    auto* Item = new QAction(Caption, this);
    Item->setObjectName(QLatin1String(Name));
    Item->setShortcut(Keys);
    File->insertAction(Before, Item);
    connect(Item, &QAction::triggered, this,
            [this, Command] { RunCommand([&] { (this->*Command)(); }); });
    return Item;
  };
  // Ctrl+N, Ctrl+O and Ctrl+S are the keypad's e^X, acos and asin: the documents take Shift
  // with them.
  Add("NewTape1", tr("&New Tape"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
      &TCalculator::NewTape1Click);
  Add("OpenTape1", tr("&Open Tape..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
      &TCalculator::OpenTape1Click);
  RecentTapes1 = new QMenu(tr("Rec&ent Tapes"), this);
  RecentTapes1->setObjectName(QStringLiteral("RecentTapes1"));
  RecentTapes1->menuAction()->setObjectName(QStringLiteral("RecentTapes1Item"));
  File->insertMenu(Before, RecentTapes1);
  connect(RecentTapes1, &QMenu::aboutToShow, this, [this] { RecentTapes1Popup(); });
  Add("ReopenLastTape1", tr("&Reopen Last Tape"), QKeySequence(),
      &TCalculator::ReopenLastTape1Click);
  File->insertSeparator(Before);
  Add("SaveTape1", tr("&Save Tape"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
      &TCalculator::SaveTape1Click);
  RecentTapes1Popup();

  // Every change of the tape's text or look counts; the calculation's are seen after each
  // command (NoteDocumentChange).
  connect(Tape->Edit().document(), &QTextDocument::contentsChange, this,
          [this](int, int Removed, int Added) {
            if (Removed <= 0 && Added <= 0) return;
            ++TapeEdits;
            // Lines appended by a command reach the document in the next pass of the event
            // loop, after the command has looked for changes.
            if (StampCheckPending) return;
            StampCheckPending = true;
            QTimer::singleShot(0, this, [this] {
              StampCheckPending = false;
              NoteDocumentChange();
            });
          });
  DocumentStamp = CurrentStamp();
  WrittenLastTapeStamp = DocumentStamp;
  RefreshTitle();
  setAcceptDrops(true);
}

// ---- The document's state ----

// What a document keeps that changes: the tape's edits, the calculation, the display and the
// number being typed, and the tape font.
QString TCalculator::CurrentStamp() const {
  const TDocInput Input = Model.DocumentInput();
  return QString::number(TapeEdits) + u'\n' + QString::fromStdString(CurrentEngine.FileText()) +
         u'\n' + QString::fromStdString(Input.Display + '\n' + Input.Entry + '\n') +
         QString::number(Input.Picked) + u'\n' + QString::fromStdString(CalcSettings.TapeFontName) +
         u'\n' + QString::number(CalcSettings.TapeFontSize);
}

bool TCalculator::DocumentModified() const {
  return CurrentStamp() != DocumentStamp;
}

void TCalculator::RefreshTitle() {
  QString Title = QStringLiteral("Veltrona");
  if (!DocumentFile.isEmpty())
    Title = tr("%1%2 - Veltrona")
                .arg(QFileInfo(DocumentFile).fileName(),
                     DocumentModified() ? QStringLiteral(" *") : QString());
  if (windowTitle() != Title) setWindowTitle(Title);
}

// After every command: the title's mark, and the last tape written shortly after a change.
void TCalculator::NoteDocumentChange() {
  if (!Tape || ShutDown || DocumentBusy) return;
  RefreshTitle();
  if (LastTapePending || CurrentStamp() == WrittenLastTapeStamp) return;
  LastTapePending = true;
  // A long tape takes a while to write: the keys typed meanwhile share the next write, so that
  // writing never takes more than a fifth of the time.
  const int Delay = static_cast<int>(std::max<qint64>(SaveDelayMs, 4 * LastTapeCostMs));
  QTimer::singleShot(Delay, this, [this] {
    LastTapePending = false;
    if (!ShutDown) WriteLastTape();
  });
}

TTapeDocument TCalculator::CurrentDocument() const {
  TTapeDocument Document;
  Document.FontFamily = QString::fromStdString(CalcSettings.TapeFontName);
  Document.FontSize = CalcSettings.TapeFontName.empty() ? 0 : CalcSettings.TapeFontSize;
  Document.Lines = Tape->Lines();
  Document.LineEntries =
      CalcDocument::LineEntries(Document.Lines, Model.DocumentPlaces(), PositionLength);
  Document.Current = Model.DocumentCalculation();
  Document.Input = Model.DocumentInput();
  return Document;
}

// The tape, the calculation and the display become Document's. The history is not touched:
// the tape left, with its calculation, is the last tape now (LeaveTape).
void TCalculator::ApplyDocument(const TTapeDocument& Document) {
  Tape->Clear();
  Model.TapeCleared();
  if (!Document.FontFamily.isEmpty()) {
    CalcSettings.TapeFontName = Document.FontFamily.toStdString();
    if (Document.FontSize > 0) CalcSettings.TapeFontSize = Document.FontSize;
    ApplyTapeFont();
    ArrangeWindow();
  }
  std::vector<TDocPlace> Places;
  std::int32_t Position = 0;
  const TDocumentBusy Busy(DocumentBusy);
  TLongOperation Progress(this, tr("Opening the tape..."), static_cast<int>(Document.Lines.size()));
  for (std::size_t N = 0; N < Document.Lines.size(); ++N) {
    Progress.Step(static_cast<int>(N));
    const TTapeLine& Line = Document.Lines[N];
    Tape->AppendLine(QString::fromStdString(Line.Text), LineFormat(Line), Line.Kind, Line.Form);
    const std::int32_t Length = PositionLength(Line.Text);
    if (N < Document.LineEntries.size() && Document.LineEntries[N] > 0)
      Places.push_back({Document.LineEntries[N], Position, Utf8Text::CharCount(Line.Text)});
    Position += Length + 1;
  }
  Model.OpenDocument(Document.Current, Places, Document.Input);
  // The choices on the keypad follow the calculation's settings.
  {
    const QSignalBlocker Dec(ui.RadioDec), Hex(ui.RadioHex);
    (Model.HexMode() ? ui.RadioHex : ui.RadioDec)->setChecked(true);
  }
  {
    const QSignalBlocker Deg(ui.RadioDeg), Rad(ui.RadioRad), Grad(ui.RadioGrad);
    const std::int32_t Units = CurrentEngine.TrigUnits();
    (Units == TrigUnit::Radians ? ui.RadioRad
     : Units == TrigUnit::Grads ? ui.RadioGrad
                                : ui.RadioDeg)
        ->setChecked(true);
  }
  CaptionTaxKeys();
  Exponent1Click(CalcSettings.NumOpt);
  StateChanged();
}

// ---- Commands ----

// A saved document with changes asks first; false when the user cancels.
bool TCalculator::DocumentMayClose() {
  if (DocumentFile.isEmpty() || !DocumentModified()) return true;
  const auto Answer = ShowMessageDlg(
      tr("The tape %1 has changes that are not saved. Save them?")
          .arg(QFileInfo(DocumentFile).fileName()),
      QMessageBox::Question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  if (Answer == QMessageBox::Save) return SaveDocument(DocumentFile);
  return Answer == QMessageBox::Discard;
}

// The tape being left is kept as the last tape, so Reopen Last Tape brings it back. Should
// that file not be written, its calculation goes into the history rather than be lost.
void TCalculator::LeaveTape() {
  if (!WriteLastTape()) Model.CloseCalculation();
  const QString Last = LastTapeFile();
  if (QFileInfo::exists(Last)) {
    std::error_code Error;
    std::filesystem::rename(LocalPath(Last), LocalPath(PreviousTapeFile()), Error);
  }
  LastTapeRotated = true;
}

void TCalculator::NewTape1Click() {
  if (!DocumentMayClose()) return;
  LeaveTape();
  TTapeDocument Empty;
  Empty.Current.Settings = Model.DocumentCalculation().Settings;
  ApplyDocument(Empty);
  SetDocument(QString());
}

void TCalculator::OpenTape1Click() {
  QFileDialog Dialog(this, tr("Open Tape"), QString::fromStdString(CalcSettings.SaveTape));
  Dialog.setAcceptMode(QFileDialog::AcceptOpen);
  Dialog.setFileMode(QFileDialog::ExistingFile);
  Dialog.setNameFilters({tr("Veltrona tape (*.vtape)"), tr("All files (*)")});
  if (ExecDialog(Dialog) != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return;
  const QString FileName = Dialog.selectedFiles().front();
  CalcSettings.SaveTape =
      QDir::toNativeSeparators(QFileInfo(FileName).absolutePath()).toStdString();
  OpenTapeFile(FileName);
}

bool TCalculator::OpenTapeFile(const QString& FileName) {
  const QString Absolute = QFileInfo(FileName).absoluteFilePath();
  const TTapeDocumentRead Read = OpenTapeDocument(Absolute);
  if (!Read.Document) {
    ShowMessageDlg(tr("%1 could not be opened as a tape.\n\n%2")
                       .arg(QDir::toNativeSeparators(Absolute), Read.Error));
    return false;
  }
  if (!DocumentMayClose()) return false;
  LeaveTape();
  ApplyDocument(*Read.Document);
  SetDocument(Absolute);
  return true;
}

void TCalculator::SaveTape1Click() {
  if (DocumentFile.isEmpty())
    SaveTapeAs1Click();
  else
    SaveDocument(DocumentFile);
}

bool TCalculator::SaveDocument(const QString& FileName) {
  const QString Absolute = QFileInfo(FileName).absoluteFilePath();
  if (const auto Error = SaveTapeDocument(Absolute, CurrentDocument())) {
    ShowMessageDlg(*Error);
    return false;
  }
  SetDocument(Absolute);
  return true;
}

// Document is now the tape's file (empty: untitled) and holds what the tape shows.
void TCalculator::SetDocument(const QString& FileName) {
  Tape->EndAppending();
  DocumentFile = FileName;
  DocumentStamp = CurrentStamp();
  if (!FileName.isEmpty()) RememberRecentTape(FileName);
  RefreshTitle();
}

void TCalculator::ReopenLastTape1Click() {
  const QString File = LastTapeRotated ? PreviousTapeFile() : LastTapeFile();
  if (!QFileInfo::exists(File)) {
    ShowMessageDlg(tr("There is no last tape to reopen."), QMessageBox::Information);
    return;
  }
  const TTapeDocumentRead Read = OpenTapeDocument(File);
  if (!Read.Document) {
    ShowMessageDlg(tr("The last tape could not be reopened.\n\n%1").arg(Read.Error));
    return;
  }
  if (!DocumentMayClose()) return;
  LeaveTape();
  ApplyDocument(*Read.Document);
  SetDocument(QString());
}

// ---- The command line and drops ----

namespace {

bool IsTapeDocumentName(const QString& Name) {
  return Name.endsWith(QLatin1String(".vtape"), Qt::CaseInsensitive);
}

// The local .vtape files a drop carries.
QStringList DroppedTapes(const QMimeData* Data) {
  QStringList Files;
  if (!Data || !Data->hasUrls()) return Files;
  for (const QUrl& Url : Data->urls())
    if (Url.isLocalFile() && IsTapeDocumentName(Url.toLocalFile())) Files << Url.toLocalFile();
  return Files;
}

}  // namespace

QStringList TCalculator::AbsoluteArguments(const QStringList& Arguments) {
  QStringList Absolute;
  for (const QString& Argument : Arguments)
    Absolute << (Argument.startsWith(u'-') || !QFileInfo::exists(Argument)
                     ? Argument
                     : QFileInfo(Argument).absoluteFilePath());
  return Absolute;
}

void TCalculator::OpenArguments(const QStringList& Arguments) {
  QStringList Files;
  for (const QString& Argument : Arguments)
    if (IsTapeDocumentName(Argument)) Files << Argument;
  if (Files.isEmpty()) return;
  // After the window is shown, so that a message box has a window to stand on.
  QTimer::singleShot(0, this, [this, Files] {
    for (const QString& File : Files) RunCommand([&] { OpenTapeFile(File); });
  });
}

void TCalculator::dragEnterEvent(QDragEnterEvent* Event) {
  if (!DroppedTapes(Event->mimeData()).isEmpty()) Event->acceptProposedAction();
}

void TCalculator::dropEvent(QDropEvent* Event) {
  const QStringList Files = DroppedTapes(Event->mimeData());
  if (Files.isEmpty()) return;
  Event->acceptProposedAction();
  OpenArguments(Files);
}

// ---- Recent tapes ----

QStringList TCalculator::RecentTapes() const {
  QStringList Files =
      QString::fromStdString(CalcSettings.RecentTapes).split(u'\n', Qt::SkipEmptyParts);
  if (static_cast<std::size_t>(Files.size()) > TCalcSettings::MaxRecentTapes)
    Files.resize(TCalcSettings::MaxRecentTapes);
  return Files;
}

void TCalculator::SetRecentTapes(const QStringList& Files) {
  CalcSettings.RecentTapes = Files.join(u'\n').toStdString();
  RecentTapes1Popup();
}

void TCalculator::RememberRecentTape(const QString& FileName) {
  QStringList Files = RecentTapes();
  const QString Name = QDir::toNativeSeparators(FileName);
  Files.removeAll(Name);
  Files.prepend(Name);
  SetRecentTapes(Files.mid(0, TCalcSettings::MaxRecentTapes));
}

void TCalculator::RecentTapes1Popup() {
  RecentTapes1->clear();
  int Number = 0;
  for (const QString& File : RecentTapes()) {
    auto* Item = RecentTapes1->addAction(
        QStringLiteral("&%1 %2").arg(++Number).arg(QFileInfo(File).fileName()));
    Item->setObjectName(QStringLiteral("RecentTape%1").arg(Number));
    Item->setToolTip(File);
    connect(Item, &QAction::triggered, this,
            [this, File] { RunCommand([&] { OpenRecentTape(File); }); });
  }
  RecentTapes1->menuAction()->setEnabled(Number > 0);
}

void TCalculator::OpenRecentTape(const QString& FileName) {
  if (!QFileInfo::exists(FileName)) {
    QStringList Files = RecentTapes();
    Files.removeAll(FileName);
    SetRecentTapes(Files);
    ShowMessageDlg(
        tr("%1 is no longer there; it was taken off the list of recent tapes.").arg(FileName),
        QMessageBox::Warning);
    return;
  }
  OpenTapeFile(FileName);
}

// ---- The last tape ----

QString TCalculator::LastTapeFile() const {
  return QDir(TDataFolder(CalcSettings.SaveDest).Path()).filePath(LastTapeFileName);
}

QString TCalculator::PreviousTapeFile() const {
  return QDir(TDataFolder(CalcSettings.SaveDest).Path()).filePath(PreviousTapeFileName);
}

// The tape as it stands, beside the history files. The previous run's tape is moved aside the
// first time, so that Reopen Last Tape still finds it.
bool TCalculator::WriteLastTape() {
  if (DocumentBusy) return true;
  const QString Stamp = CurrentStamp();
  if (Stamp == WrittenLastTapeStamp) return true;
  if (!LastTapeRotated) {
    LastTapeRotated = true;
    if (QFileInfo::exists(LastTapeFile())) {
      std::error_code Error;
      std::filesystem::rename(LocalPath(LastTapeFile()), LocalPath(PreviousTapeFile()), Error);
    }
  }
  TDataFolder(CalcSettings.SaveDest).Create();
  QElapsedTimer Cost;
  Cost.start();
  const bool Failed = SaveTapeDocument(LastTapeFile(), CurrentDocument()).has_value();
  LastTapeCostMs = Cost.elapsed();
  if (Failed) return false;
  WrittenLastTapeStamp = Stamp;
  return true;
}
