// TCalculator is Veltrona's main window: keypad, function pad, display, tape pane, tool bar,
// menus and status bar. It is a view of the calculator model (TCalcModel): its handlers
// forward each key and command to the model, and it shows what the model reports through
// ICalcView. Its member files all live in this folder, one concern each.
#pragma once

#include <QColor>
#include <QMainWindow>
#include <QMessageBox>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QSet>
#include <vector>

#include "CalcModel.h"
#include "SettingsStore.h"
#include "ui_Calccode.h"

class QAction;
class QActionGroup;
class QToolButton;
class QDialog;
class QKeyEvent;
class QMouseEvent;
class QLabel;
class QMenu;
class QPrinter;
class QToolBar;
class TForm1;
class TFormOptions;
class THelpWindow;
class TNoteForm;
class TTapePane;
struct TTapeContent;
struct TTapeDocument;

class TCalculator : public QMainWindow, private ICalcView {
  Q_OBJECT

 public:
  explicit TCalculator(QWidget* Parent = nullptr);
  ~TCalculator() override;

  // The calculator itself; the window shows it and forwards every key to it.
  TCalcModel Model{*this};
  // Where the settings are kept: read at start, written as they change and at close.
  TSettingsStore Store;
  // The model's settings record and current engine, under the names the window's parts use.
  TCalcSettings& CalcSettings = Model.Settings();
  TVeltronaEval& CurrentEngine = Model.CurrentEngine();

  // Every modal box of the window goes through ShowMessageDlg. While MessageDlgOverride is
  // set it answers instead of a real box, so that tests never wait on a modal loop.
  using TMessageDlg = std::function<QMessageBox::StandardButton(
      const QString& Text, QMessageBox::Icon Type, QMessageBox::StandardButtons Buttons)>;
  TMessageDlg MessageDlgOverride;
  QMessageBox::StandardButton ShowMessageDlg(
      const QString& Text, QMessageBox::Icon Type = QMessageBox::Critical,
      QMessageBox::StandardButtons Buttons = QMessageBox::Ok);

  // Every modal dialog of the window runs through ExecDialog, the platform's file, font, page
  // set-up and print preview dialogs too. While DialogExecOverride is set it is called with the
  // prepared dialog instead of its modal loop and answers its result.
  std::function<int(QDialog& Dialog)> DialogExecOverride;
  int ExecDialog(QDialog& Dialog);

  // The colour dialog of the Options dialog's Change.. buttons goes through PickColor. While
  // ColorDialogOverride is set it answers instead: a colour, or nothing for Cancel.
  std::function<std::optional<QColor>(const QColor& Initial)> ColorDialogOverride;
  std::optional<QColor> PickColor(const QColor& Initial);
  // The printer of Page Setup, Print Tape and Print Preview, and the pages of a PDF; made when
  // first needed, with the Page Setup choice of the settings. While it cannot print, each use
  // looks for the desktop's default printer again. A test points it at a PDF file to print
  // without a printer.
  QPrinter& TapePrinter();
  // Points the printer at the desktop's default printer; false when there is none. Tests
  // replace it to stand for a printer that appears or goes away.
  std::function<bool(QPrinter& Printer)> FindDefaultPrinter;
  // The Page Setup choice of the settings onto the printer, and back.
  void ApplyPageSetup();
  void RememberPageSetup();

  // Places the regions and sizes the window from the view settings; every view command ends
  // with it.
  void ArrangeWindow();

  QString HelpFolder;  // where Help looks for the manual
  // The folder holding the manual: beside the program, else the installed layout's shared data
  // folder (PREFIX/share/veltrona beside PREFIX/bin); the program's folder when neither has it.
  static QString FindHelpFolder(const QString& ProgramFolder);

  // The file beside the history files that keeps the calculation being worked on.
  static constexpr const char* UnfinishedFileName = "Unfinished.dat";
  // How long after a change it is written to disk.
  static constexpr int SaveDelayMs = 10;

  // Tape documents (CalcTapeDocument.cpp). OpenTapeFile opens a .vtape as File > Open Tape
  // does (from the command line, a second start and a drop too): false when it could not be
  // read (reported, the tape untouched) or the user kept the tape with changes. The tape as it
  // stands is kept beside the history files; the previous one is kept as PreviousTapeFileName.
  bool OpenTapeFile(const QString& FileName);
  static constexpr const char* LastTapeFileName = "LastTape.vtape";
  static constexpr const char* PreviousTapeFileName = "PreviousTape.vtape";
  QString LastTapeFile() const;
  QString PreviousTapeFile() const;
  // The tape documents among a command line's arguments (the program's own, or a second
  // start's), opened one after the other once the window is shown; the last one stays.
  void OpenArguments(const QStringList& Arguments);
  // A command line's file arguments as absolute paths, so that the copy they are handed to
  // finds them whatever its own folder.
  static QStringList AbsoluteArguments(const QStringList& Arguments);

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;
  void dragEnterEvent(QDragEnterEvent* Event) override;
  void dropEvent(QDropEvent* Event) override;

 private:
  struct TKeyRow;
  struct TToolRow;
  struct TMenuRow;

  // ICalcView.
  void ShowDisplayText(const std::string& Text) override;
  void AppendTapeLine(const std::string& TapeVal, std::int32_t TapeAttr, bool IsNegative,
                      const TTapeLineForm& Form) override;
  std::int32_t TapeEndPosition() override;
  void SelectTapeRange(std::int32_t Start, std::int32_t Length) override;
  void ShowErrorMessage(const std::string& Text) override;
  void StateChanged() override;

  // Construction steps.
  void CreateWindowFrame();
  void CreateDisplay();
  void CreateTape();
  void CreateStatusBar();
  void ConnectKeys();
  void ConnectModes();
  void CreateToolBar();
  void CreateMenus();
  void CreateHelp();
  void CreateAccessibility();
  void CreateHistoryMenus();
  void FormShow();

  // Start, close and keeping what the user made.
  void ReadSettings();
  void LoadCalculations();
  TCalcModel::THistoryFiles HistoryFiles() const;
  void CaptionTaxKeys();
  void ScheduleSave();
  std::vector<QString> SaveChanges();
  void ShowSaveFailures(const std::vector<QString>& Failed);
  void ReportSetAside();
  void FormClose();

  // No exception may cross Qt's event loop: every command runs through here, and the
  // engine's silent abort ends the command quietly.
  template <class TCommand>
  void RunCommand(TCommand&& Command) {
    try {
      Command();
    } catch (const EAbortSilent&) {
    }
    ScheduleSave();
    NoteDocumentChange();
  }
  void RunKey(const TKeyRow& Row);
  static bool IsArrowKey(const QKeyEvent& Key);
  void FormKeyPress(const QString& Character);

  // What the window shows of the model's state.
  void RefreshStatusBar();
  void RefreshMemoryHint();
  void CaptionDecimalKey();
  void ApplyBaseMode();
  void ShowEditMode();
  void FocusDefaultButton();
  void UpdateNavigationButtons();
  void UpdateFormatHints();
  void UpdateDecimalHints();

  // Keys and commands.
  void RecalcBitBtnClick();
  void RecalcToolButtonClick();
  void RadioGroupDecHexClick();
  void RadioGroupDegRadGradClick();
  void ToolButtonAnnotClick();
  void C1Click();

  // History.
  using THistoryItems = std::array<QAction*, TCalcModel::HistorySize>;
  void Equ5MenuItemClick(int Position);
  void ToolButtonPrevEquClick();
  void EquPopupMenuPopup();
  void PrevCalculations1Click();
  void ShowHistoryItems(const THistoryItems& Items);
  void UpdateHistoryCommands();

  // Navigation and tape format.
  void PrevToolButtonClick();
  void NextToolButtonClick();
  void ToolButtonFormatClick();
  void ToolButtonDecUpClick();
  void ToolButtonDecDownClick();
  void Exponent1Click(std::int32_t Format);
  bool IsTapeDoubleClick(QObject* Watched, QEvent* Event) const;
  void OnTapeDoubleClick(const QMouseEvent& Event);
  void TapeDoubleClicked(std::int32_t Position);

  // Clipboard (CalcClipboard.cpp): Copy, Paste, Select All and Copy Calculation, in the Edit
  // menu and in the pop-up menu PopupMenu1, which stands in for the tape's and the display's own
  // context menus. Only plain text goes to and from the clipboard.
  void CreateClipboard();
  void Copy1Click();
  void Paste1Click();
  void SelectAll1Click();
  void CopyCalculation1Click();
  void Edit2Click();
  void PopupMenu1Popup();
  void EnableCopyAndPaste(QAction* Copy, QAction* Paste);
  void RefreshPasteItem(QAction* Paste);
  bool ClipboardKeyFilter(QObject* Watched, QEvent* Event);
  QMenu* PopupMenu1 = nullptr;
  QAction* copy2 = nullptr;
  QAction* Paste2 = nullptr;
  QAction* SelectAll2 = nullptr;
  // The tape's output and its view: files, printing, the tape font, hiding the tape.
  TTapeContent TapeContent() const;
  void SaveTapeAs1Click();
  void PageSetup1Click();
  void PrintTape1Click();
  void PrintPreview1Click();
  void TapeFont1Click();
  void ApplyTapeFont();
  void HideTape1Click();
  void ShowTapeButtonState();

  // Tape documents.
  void CreateDocumentMenus();
  void NewTape1Click();
  void OpenTape1Click();
  void SaveTape1Click();
  void ReopenLastTape1Click();
  void RecentTapes1Popup();
  void OpenRecentTape(const QString& FileName);
  QStringList RecentTapes() const;
  void SetRecentTapes(const QStringList& Files);
  void RememberRecentTape(const QString& FileName);
  bool SaveDocument(const QString& FileName);
  void SetDocument(const QString& FileName);
  bool DocumentMayClose();
  void LeaveTape();
  TTapeDocument CurrentDocument() const;
  void ApplyDocument(const TTapeDocument& Document);
  QString CurrentStamp() const;
  bool DocumentModified() const;
  void RefreshTitle();
  void NoteDocumentChange();
  bool WriteLastTape();  // false when it could not be written
  QMenu* RecentTapes1 = nullptr;
  QString DocumentFile;          // the tape's document; empty: untitled
  QString DocumentStamp;         // the document's state when it was opened or saved
  QString WrittenLastTapeStamp;  // the state the last tape file holds
  std::uint64_t TapeEdits = 0;   // changes of the tape's text or look
  bool LastTapePending = false;
  qint64 LastTapeCostMs = 0;  // how long the last tape took to write
  bool StampCheckPending = false;
  bool DocumentBusy = false;     // a document is being put onto the tape
  bool LastTapeRotated = false;  // the previous run's last tape has been moved aside

  // Frame, layout and view commands.
  QAction* MenuItem(const char* Name) const;
  void LoadKeyPictures(bool Large);
  void ChangeZoom();
  void SetTopmost(bool On);
  // Runs a box or dialog with the window out of the topmost band, so that it cannot cover it.
  template <class TShow>
  auto WithTopmostLowered(TShow&& Show);
  void ViewToolBarClick();
  void ViewStatusBarClick();
  void SetZoom(bool Large);
  void NormalSize1Click();
  void LargeSize2Click();
  void AlwaysonTop1Click();
  void About1Click();
  void MoreOptions1Click();
  void Help2Click();
  void Exit2Click();

  Ui::TCalculator ui;
  TTapePane* Tape = nullptr;      // the tape pane over RichEdit1, owned by it
  TNoteForm* NoteForm = nullptr;  // the Annotation dialog, owned by the window
  QAction* Annotate1 = nullptr;
  QAction* ClearTape1 = nullptr;
  std::array<QLabel*, 4> StatusPanels{};
  QToolBar* ToolBar1 = nullptr;
  struct {
    QToolButton* Prev = nullptr;
    QToolButton* Next = nullptr;
    QToolButton* Recalc = nullptr;
    QToolButton* Format = nullptr;
    QToolButton* DecUp = nullptr;
    QToolButton* DecDown = nullptr;
    QToolButton* History = nullptr;
  } ToolButtons;
  QMenu* EquPopupMenu = nullptr;  // the History button's drop-down list
  THistoryItems EquMenuItems{};
  THistoryItems EquSubItems{};
  QActionGroup* FormatChoices = nullptr;  // the Tape menu's four format items
  QAction* PreviousEnteredNumber1 = nullptr;
  QAction* NextEnteredNumber1 = nullptr;
  QMenu* PrevCalculations1 = nullptr;        // View > History
  std::int32_t FormatShown = 0;              // the format the button's picture and check show
  TForm1* Form1 = nullptr;                   // the About box, made when first opened
  std::unique_ptr<QPrinter> CurrentPrinter;  // made by TapePrinter when first needed
  TFormOptions* Options = nullptr;           // the Options dialog, made when first opened
  THelpWindow* HelpWindow = nullptr;         // created when Help first opens
  int TapeLeft = 242;                        // the tape's left edge; the zoom moves it
  std::optional<bool> EditModeShown;         // the display's colour and key as last shown
  bool Constructed = false;                  // every widget exists
  std::optional<bool> HexKeysShown;          // the key set ApplyBaseMode last showed
  TCalcSettings WrittenSettings;             // the settings and memory as the store holds them
  Extended WrittenMemory = 0;
  bool SavePending = false;
  bool ShutDown = false;  // closing has written everything; it runs once
  // Nothing modal comes before the window: boxes asked for earlier wait until it shows.
  bool FirstShown = false;
  QStringList WaitingMessages;
  std::vector<TCalcModel::TSetAside> SetAsideFiles;  // damaged files found at start
  QLabel* SaveFailureLabel = nullptr;                // names the files that could not be written
};

template <class TShow>
auto TCalculator::WithTopmostLowered(TShow&& Show) {
  const bool OnTop = CalcSettings.OnTop;
  if (OnTop) SetTopmost(false);
  struct TRestore {
    TCalculator* Window;
    bool OnTop;
    ~TRestore() {
      if (OnTop) Window->SetTopmost(true);
    }
  } Restore{this, OnTop};
  return Show();
}
