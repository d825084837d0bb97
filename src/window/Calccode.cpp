#include "Calccode.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QShowEvent>

#include "About.h"
#include "LocaleFormat.h"

TCalculator::TCalculator(QWidget* Parent) : QMainWindow(Parent) {
  ui.setupUi(this);
  CreateWindowFrame();
  CreateDisplay();
  CreateTape();
  CreateStatusBar();
  ConnectKeys();
  ConnectModes();
  WireEngine();
  CurrentEngine.SetFormatSettings(FormatSettingsFromLocale(QLocale::system()));
  CreateToolBar();
  CreateMenus();
  Form1 = new TForm1(this);
  ArrangeWindow();
  ShowEditMode();
  RefreshStatusBar();
  // Key preview: the window sees every key before the focused control does.
  qApp->installEventFilter(this);
}

TCalculator::~TCalculator() {
  qApp->removeEventFilter(this);
}

void TCalculator::CreateDisplay() {
  QFont Font(QStringLiteral("Arial"));
  Font.setPixelSize(19);
  Font.setBold(true);
  ui.Edit1->setFont(Font);
  QTextDocument* Doc = ui.Edit1->document();
  Doc->setDocumentMargin(2);
  QTextOption Option = Doc->defaultTextOption();
  Option.setAlignment(Qt::AlignRight);
  Doc->setDefaultTextOption(Option);
  QPalette Palette = ui.Edit1->palette();
  Palette.setColor(QPalette::Base, Qt::black);
  ui.Edit1->setPalette(Palette);
}

void TCalculator::CreateStatusBar() {
  static constexpr std::array<int, 4> Widths = {150, 100, 90, 50};
  ui.StatusBar1->setFixedHeight(19);
  for (std::size_t I = 0; I < Widths.size(); ++I) {
    auto* Panel = new QLabel(ui.StatusBar1);
    Panel->setObjectName(QStringLiteral("StatusPanel%1").arg(I + 1));
    Panel->setFixedWidth(Widths[I]);
    Panel->setFrameShape(QFrame::Panel);
    Panel->setFrameShadow(QFrame::Sunken);
    ui.StatusBar1->addWidget(Panel);
    StatusPanels[I] = Panel;
  }
}

void TCalculator::WireEngine() {
  CurrentEngine.OnVeltronaVal = [this](TVeltronaEval&, Extended ShowVal) { ShowValue(ShowVal); };
  CurrentEngine.OnVeltronaTape = [this](TVeltronaEval&, const std::string& TapeVal,
                                        std::int32_t TapeAttr, bool IsNegative) {
    AppendTapeLine(TapeVal, TapeAttr, IsNegative);
  };
  CurrentEngine.OnVeltronaError = [this](TVeltronaEval&, const std::string& Error) {
    ShowError(Error);
  };
  CurrentEngine.OnVeltronaSelStart = [this](TVeltronaEval&, std::int32_t& SelStart) {
    ReportSelStart(SelStart);
  };
  CurrentEngine.OnVeltronaGetMem = [this](TVeltronaEval&, Extended& MemNum) {
    SupplyMemory(MemNum);
  };
  CurrentEngine.OnVeltronaMessage = [this](TVeltronaEval&, const std::string& Text) {
    ShowMessageDlg(QString::fromStdString(Text));
  };
}

void TCalculator::showEvent(QShowEvent* Event) {
  QMainWindow::showEvent(Event);
  // Restoring a minimised window is a spontaneous show and leaves the display alone.
  if (!Event->spontaneous()) FormShow();
}

void TCalculator::FormShow() {
  SetDisplayText(QStringLiteral("0"));
  FocusDefaultButton();
}

int TCalculator::ExecDialog(QDialog& Dialog) {
  if (DialogExecOverride) {
    // The dialog prepares itself when shown, as it would for the user.
    Dialog.show();
    const int Result = DialogExecOverride(Dialog);
    Dialog.hide();
    return Result;
  }
  return Dialog.exec();
}

QMessageBox::StandardButton TCalculator::ShowMessageDlg(const QString& Text, QMessageBox::Icon Type,
                                                        QMessageBox::StandardButtons Buttons) {
  // A topmost window would cover its own box: it leaves the topmost band meanwhile.
  const bool OnTop = IsAlwaysOnTop();
  if (OnTop) SetTopmost(false);
  QMessageBox::StandardButton Answer;
  if (MessageDlgOverride) {
    Answer = MessageDlgOverride(Text, Type, Buttons);
  } else {
    const QString Title = Type == QMessageBox::Critical  ? QStringLiteral("Error")
                          : Type == QMessageBox::Warning ? QStringLiteral("Warning")
                                                         : QStringLiteral("Veltrona");
    QMessageBox Box(Type, Title, Text, Buttons, this);
    Answer = static_cast<QMessageBox::StandardButton>(Box.exec());
  }
  if (OnTop) SetTopmost(true);
  return Answer;
}
