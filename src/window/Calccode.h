// TCalculator is Veltrona's main window: keypad, function pad, display, tape pane and status
// bar. It builds the number being typed, hands numbers and operators to CurrentEngine and
// shows what the engine reports. Its routines live in the window, tape and settings folders
// by concern; everything that needs no widget lives in plain modules beside them.
#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "CalcSettings.h"
#include "VeltronaEval.h"
#include "ui_Calccode.h"

class QAction;
class QDialog;
class QLabel;
class QToolBar;
class TForm1;
class THelpWindow;
class TNoteForm;

class TCalculator : public QMainWindow {
  Q_OBJECT

 public:
  explicit TCalculator(QWidget* Parent = nullptr);
  ~TCalculator() override;

  // Every modal box of the window goes through ShowMessageDlg. While MessageDlgOverride is
  // set it answers instead of a real box, so that tests never wait on a modal loop.
  using TMessageDlg = std::function<QMessageBox::StandardButton(
      const QString& Text, QMessageBox::Icon Type, QMessageBox::StandardButtons Buttons)>;
  TMessageDlg MessageDlgOverride;
  QMessageBox::StandardButton ShowMessageDlg(
      const QString& Text, QMessageBox::Icon Type = QMessageBox::Critical,
      QMessageBox::StandardButtons Buttons = QMessageBox::Ok);

  // Every modal dialog of the window runs through ExecDialog. While DialogExecOverride is set
  // it is called with the prepared dialog instead of its modal loop and answers its result.
  std::function<int(QDialog& Dialog)> DialogExecOverride;
  int ExecDialog(QDialog& Dialog);

  // The preferences kept between runs; the tape, the dialogs and the status bar read them.
  TCalcSettings CalcSettings;

  // The calculation being worked on: the only engine whose events reach the window.
  TVeltronaEval CurrentEngine;

  // Entry state, shared by the input, display, memory, clipboard and navigation routines.
  Extended Entry = 0;             // the number being typed, recalled, pasted or picked
  bool Entering = false;          // Entry has not been handed to the engine yet
  bool StartNew = true;           // the next digit starts a new number
  std::int32_t DecimalCount = 0;  // 0: no point typed; n: point typed, n - 1 decimals after it
  std::int32_t ShownDecimals = 0;
  bool ExpEntry = false;  // the exponent is being typed
  Extended ExpValue = 0;
  std::int32_t ExpSign = 1;
  std::int32_t Radix = 10;
  bool HexMode = false;
  bool FromMem = false;     // no key enters a number from memory, so the engine always gets false
  bool ReplayEdit = false;  // a number picked on the tape is shown and may be edited
  Extended LastShown = 0;   // the value on the display; the memory keys act on it

  Extended Memory = 0;

  static constexpr const char* SeparatorLine = "------------";

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;

 private:
  struct TKeyRow;

  // Construction steps.
  void CreateDisplay();
  void CreateTape();
  void CreateStatusBar();
  void ConnectKeys();
  void WireEngine();
  void FormShow();

  // No exception may cross Qt's event loop: every command runs through here, and the
  // engine's silent abort ends the command quietly.
  template <class TCommand>
  void RunCommand(TCommand&& Command) {
    try {
      Command();
    } catch (const EAbortSilent&) {
    }
  }
  void RunKey(const TKeyRow& Row);
  void FormKeyPress(const QString& Character);

  // Number entry.
  void PressDigit(int D);
  Extended AppendDigit(Extended V, int D);
  Extended AppendExponentDigit(Extended V, int D);
  void PressPoint();
  void PressSign();
  void PressExp();
  void PressPi();
  void EnterWholeNumber(Extended Value);
  void BackSpace();
  void ClearEntry();
  void ClearAll();
  void ResetEntryState();
  void InvalidNumber();

  // Operators and calculations.
  void PressOperator(TVeltronaOper Code);
  void HandOverEntry();
  void StartNewCalculation();
  void RecalcBitBtnClick();
  void RecalcToolButtonClick();

  // Display and engine events.
  const TFormatSettings& Fs() const { return CurrentEngine.FormatSettings(); }
  void ShowOnDisplay(const std::string& Text, Extended Value);
  void SetDisplayText(const QString& Text);
  QString DisplayLine() const;
  void ShowValue(Extended ShowVal);
  void ShowError(const std::string& Error);
  void ReportSelStart(std::int32_t& SelStart);
  void SupplyMemory(Extended& MemNum);
  void RefreshStatusBar();
  bool IsTapeHidden() const;

  // Memory, number base and angle unit.
  void ConnectModes();
  void StoreInMemory(Extended Value);
  void Button18Click();
  void Button19Click();
  void Button21Click();
  void ButtonMemRecallClick();
  void RefreshMemoryHint();
  void RadioGroupDecHexClick();
  void ApplyBaseMode();
  void RadioGroupDegRadGradClick();

  // Tape, navigation and history.
  void AppendTapeLine(const std::string& TapeVal, std::int32_t TapeAttr, bool IsNegative);
  void EmptyTape();
  void HoldTapePaint();
  void ToolButtonAnnotClick();
  void C1Click();
  void UpdateNavigationButtons();
  void ShowEditMode();
  void FocusDefaultButton();
  void UpdateFormatHints();
  void UpdateDecimalHints();
  void PushToHistory();

  Ui::TCalculator ui;
  TNoteForm* NoteForm = nullptr;  // the Annotation dialog, owned by the window
  QAction* Annotate1 = nullptr;
  QAction* ClearTape1 = nullptr;
  std::array<QLabel*, 4> StatusPanels{};

  // ---- Frame, layout, tool bar, menus and view commands (src/settings, src/help) ----
 public:
  // Places the regions and sizes the window from the view settings; every view command ends
  // with it.
  void ArrangeWindow();

  QString HelpFolder;  // where Help looks for the manual: the program's folder

 private:
  struct TToolRow;
  struct TMenuRow;

  void CreateWindowFrame();
  void CreateToolBar();
  void CreateMenus();
  QAction* MenuItem(const char* Name) const;
  void LoadKeyPictures(bool Large);
  void ChangeZoom();
  bool IsAlwaysOnTop() const;
  void SetTopmost(bool On);

  void ViewToolBarClick();
  void ViewStatusBarClick();
  void NormalSize1Click();
  void LargeSize2Click();
  void AlwaysonTop1Click();
  void About1Click();
  void Help2Click();
  void Exit2Click();

  QToolBar* ToolBar1 = nullptr;
  TForm1* Form1 = nullptr;            // the About box, created with the window
  THelpWindow* HelpWindow = nullptr;  // created when Help first opens
  int TapeLeft = 242;                 // the tape's left edge; the zoom moves it
};
