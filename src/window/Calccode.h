// TCalculator is Veltrona's main window: keypad, function pad, display, tape pane, tool bar,
// menus and status bar. It is a view of the calculator model (TCalcModel): its handlers
// forward each key and command to the model, and it shows what the model reports through
// ICalcView. Its member files all live in this folder, one concern each.
#pragma once

#include <QMainWindow>
#include <QMessageBox>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "CalcModel.h"
#include "ui_Calccode.h"

class QAction;
class QDialog;
class QLabel;
class QPrinter;
class QToolBar;
class TForm1;
class THelpWindow;
class TNoteForm;
class TTapePane;
struct TTapeContent;

class TCalculator : public QMainWindow, private ICalcView {
  Q_OBJECT

 public:
  explicit TCalculator(QWidget* Parent = nullptr);
  ~TCalculator() override;

  // The calculator itself; the window shows it and forwards every key to it.
  TCalcModel Model{*this};
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

  // The printer of Page Setup, Print Tape and Print Preview, and the pages of a PDF; made when
  // first needed. A test points it at a PDF file to print without a printer.
  QPrinter& TapePrinter();

  // Places the regions and sizes the window from the view settings; every view command ends
  // with it.
  void ArrangeWindow();

  QString HelpFolder;  // where Help looks for the manual: the program's folder

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;

 private:
  struct TKeyRow;
  struct TToolRow;
  struct TMenuRow;

  // ICalcView.
  void ShowDisplayText(const std::string& Text) override;
  void AppendTapeLine(const std::string& TapeVal, std::int32_t TapeAttr, bool IsNegative) override;
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

  // What the window shows of the model's state.
  void RefreshStatusBar();
  void RefreshMemoryHint();
  void ApplyBaseMode();
  void ShowEditMode();
  void FocusDefaultButton();

  // Keys and commands.
  void RecalcBitBtnClick();
  void RecalcToolButtonClick();
  void RadioGroupDecHexClick();
  void RadioGroupDegRadGradClick();
  void ToolButtonAnnotClick();
  void C1Click();

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
  void Help2Click();
  void Exit2Click();

  Ui::TCalculator ui;
  TTapePane* Tape = nullptr;      // the tape pane over RichEdit1, owned by it
  TNoteForm* NoteForm = nullptr;  // the Annotation dialog, owned by the window
  QAction* Annotate1 = nullptr;
  QAction* ClearTape1 = nullptr;
  std::array<QLabel*, 4> StatusPanels{};
  QToolBar* ToolBar1 = nullptr;
  TForm1* Form1 = nullptr;                   // the About box, created with the window
  THelpWindow* HelpWindow = nullptr;         // created when Help first opens
  std::unique_ptr<QPrinter> CurrentPrinter;  // made by TapePrinter when first needed
  int TapeLeft = 242;                        // the tape's left edge; the zoom moves it
  std::optional<bool> EditModeShown;         // the display's colour and key as last shown
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
