#include "Calccode.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPrinter>
#include <QShowEvent>
#include <QTimer>
#include <utility>

#include <QColorDialog>

#include "About.h"
#include "LocaleFormat.h"
#include "UnitOptions.h"

TCalculator::TCalculator(QWidget* Parent) : QMainWindow(Parent) {
  Model.SetNumberFormat(FormatSettingsFromLocale(QLocale::system()));
  // Read before anything that shows a stored value is built.
  ReadSettings();
  ui.setupUi(this);
  CreateWindowFrame();
  CreateDisplay();
  CreateTape();
  CreateStatusBar();
  ConnectKeys();
  ConnectModes();
  CreateToolBar();
  CreateMenus();
  CreateHistoryMenus();
  CreateClipboard();
  CreateHelp();
  CreateAccessibility();
  Constructed = true;
  LoadCalculations();
  CaptionTaxKeys();
  ArrangeWindow();
  SetTopmost(CalcSettings.OnTop);
  StateChanged();
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
  // The panels sit in one row of their own: the status bar would put 6 pixels between each,
  // and at Large Size the last panel would then end beyond the window's edge.
  auto* Row = new QWidget(ui.StatusBar1);
  auto* RowLayout = new QHBoxLayout(Row);
  RowLayout->setContentsMargins(0, 0, 0, 0);
  RowLayout->setSpacing(2);
  ui.StatusBar1->addWidget(Row);
  for (std::size_t I = 0; I < Widths.size(); ++I) {
    auto* Panel = new QLabel(Row);
    Panel->setObjectName(QStringLiteral("StatusPanel%1").arg(I + 1));
    Panel->setFixedWidth(Widths[I]);
    Panel->setFrameShape(QFrame::Panel);
    Panel->setFrameShadow(QFrame::Sunken);
    RowLayout->addWidget(Panel);
    StatusPanels[I] = Panel;
  }
  // Shown in red while a file cannot be written, without taking the keyboard.
  SaveFailureLabel = new QLabel(Row);
  SaveFailureLabel->setObjectName(QStringLiteral("SaveFailureLabel"));
  QPalette Red = SaveFailureLabel->palette();
  Red.setColor(QPalette::WindowText, Qt::red);
  SaveFailureLabel->setPalette(Red);
  SaveFailureLabel->hide();
  RowLayout->addWidget(SaveFailureLabel, 1);
}

void TCalculator::showEvent(QShowEvent* Event) {
  QMainWindow::showEvent(Event);
  // Restoring a minimised window is a spontaneous show and leaves the display alone.
  if (!Event->spontaneous()) FormShow();
}

void TCalculator::FormShow() {
  // A calculation brought back at start shows its number; otherwise the display shows 0.
  ShowDisplayText(Model.DisplayText());
  FocusDefaultButton();
  if (FirstShown) return;
  FirstShown = true;
  QTimer::singleShot(0, this, [this] {
    ReportSetAside();
    const QStringList Waiting = std::exchange(WaitingMessages, {});
    for (const QString& Text : Waiting) ShowMessageDlg(Text);
  });
}

int TCalculator::ExecDialog(QDialog& Dialog) {
  int Result = 0;
  if (DialogExecOverride) {
    // The dialog prepares itself when shown, as it would for the user.
    Dialog.show();
    Result = DialogExecOverride(Dialog);
    Dialog.hide();
  } else {
    Result = Dialog.exec();
  }
  // The window takes the keyboard back, so that the focus the command gives the Equals or
  // Recalc key is where the next key goes; without a window manager nothing else would.
  activateWindow();
  return Result;
}

QMessageBox::StandardButton TCalculator::ShowMessageDlg(const QString& Text, QMessageBox::Icon Type,
                                                        QMessageBox::StandardButtons Buttons) {
  if (!FirstShown && Buttons == QMessageBox::Ok) {
    WaitingMessages << Text;
    return QMessageBox::Ok;
  }
  return WithTopmostLowered([&] {
    if (MessageDlgOverride) return MessageDlgOverride(Text, Type, Buttons);
    const QString Title = Type == QMessageBox::Critical  ? tr("Error")
                          : Type == QMessageBox::Warning ? tr("Warning")
                                                         : QStringLiteral("Veltrona");
    QMessageBox Box(Type, Title, Text, Buttons, this);
    // Closing with files unwritten offers to close all the same.
    if (QAbstractButton* Close = Box.button(QMessageBox::Close)) Close->setText(tr("Close Anyway"));
    return static_cast<QMessageBox::StandardButton>(Box.exec());
  });
}

std::optional<QColor> TCalculator::PickColor(const QColor& Initial) {
  if (ColorDialogOverride) return ColorDialogOverride(Initial);
  const QColor Color = QColorDialog::getColor(Initial, this, tr("Color"));
  if (!Color.isValid()) return std::nullopt;
  return Color;
}
