// The window's clipboard commands: Copy, Paste, Select All and Copy Calculation in the Edit menu
// and in the pop-up menu that serves the window, the tape and the display; the items' enable
// rules, and the clipboard itself, which only ever gets plain text.
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocumentFragment>

#include "Calccode.h"

namespace {

QString ClipboardText() {
  const QMimeData* Data = QGuiApplication::clipboard()->mimeData();
  return Data && Data->hasText() ? Data->text() : QString();
}

// The text edits' own copy puts rich text on the clipboard as well; the calculator's never does.
void SetClipboardText(const QString& Text) {
  if (!Text.isEmpty()) QGuiApplication::clipboard()->setText(Text);
}

}  // namespace

void TCalculator::CreateClipboard() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  const struct {
    QAction*& Item;
    const char* Name;
    const char* Caption;
    void (TCalculator::*Command)();
  } Items[] = {
      {copy2, "copy2", QT_TR_NOOP("&Copy"), &TCalculator::Copy1Click},
      {Paste2, "Paste2", QT_TR_NOOP("&Paste"), &TCalculator::Paste1Click},
      {SelectAll2, "SelectAll2", QT_TR_NOOP("&Select All"), &TCalculator::SelectAll1Click}};
  for (const auto& I : Items) {
    I.Item = PopupMenu1->addAction(tr(I.Caption));
    I.Item->setObjectName(QLatin1String(I.Name));
    connect(I.Item, &QAction::triggered, this,
            [this, Command = I.Command] { RunCommand([&] { (this->*Command)(); }); });
  }
  connect(PopupMenu1, &QMenu::aboutToShow, this, [this] { PopupMenu1Popup(); });
  connect(findChild<QMenu*>(QStringLiteral("Edit2")), &QMenu::aboutToShow, this,
          [this] { Edit2Click(); });

  // The pop-up menu replaces the tape's and the display's own context menus, whose Copy would
  // put rich text on the clipboard. A scroll area reports the position in its viewport.
  const auto Attach = [this](QWidget* Owner, QWidget* Origin) {
    Owner->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Owner, &QWidget::customContextMenuRequested, this,
            [this, Origin](const QPoint& Pos) { PopupMenu1->popup(Origin->mapToGlobal(Pos)); });
  };
  Attach(this, this);
  Attach(ui.RichEdit1, ui.RichEdit1->viewport());
  Attach(ui.Edit1, ui.Edit1->viewport());

  // A paste that found no number disables Paste; a number copied afterwards, here or in another
  // program, brings it back without a detour through the Edit menu. An enabled item is left as
  // it is: a paste that then finds no number does nothing either, and the clipboard, which
  // another program may be slow to hand over, is read only when there is something to gain.
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
    for (QAction* Paste : {MenuItem("Paste1"), Paste2})
      if (!Paste->isEnabled()) RefreshPasteItem(Paste);
  });
}

void TCalculator::Copy1Click() {
  const QTextCursor Selected = ui.RichEdit1->textCursor();
  SetClipboardText(Selected.hasSelection() ? Selected.selection().toPlainText()
                                           : ui.Edit1->toPlainText());
  FocusDefaultButton();
}

void TCalculator::Paste1Click() {
  const QString Text = ClipboardText();
  if (Text.isEmpty()) return;
  if (Model.Paste(Text.toStdString()) == TCalcModel::TPasteResult::NotANumber)
    MenuItem("Paste1")->setEnabled(false);
  FocusDefaultButton();
}

void TCalculator::SelectAll1Click() {
  // The focus stays on the tape, so that the selection shows and the keys can extend it.
  ui.RichEdit1->setFocus();
  ui.RichEdit1->selectAll();
}

void TCalculator::CopyCalculation1Click() {
  if (const std::optional<std::string> Text = Model.CalculationText())
    SetClipboardText(QString::fromStdString(*Text));
  FocusDefaultButton();
}

void TCalculator::Edit2Click() {
  EnableCopyAndPaste(MenuItem("Copy1"), MenuItem("Paste1"));
  MenuItem("SelectAll1")->setEnabled(true);
  MenuItem("CopyCalculation1")->setEnabled(Model.CalculationText().has_value());
}

void TCalculator::PopupMenu1Popup() {
  EnableCopyAndPaste(copy2, Paste2);
  SelectAll2->setEnabled(true);
}

void TCalculator::EnableCopyAndPaste(QAction* Copy, QAction* Paste) {
  Copy->setEnabled(ui.RichEdit1->textCursor().hasSelection() || !ui.Edit1->toPlainText().isEmpty());
  RefreshPasteItem(Paste);
}

// Without text on the clipboard the item keeps its state.
void TCalculator::RefreshPasteItem(QAction* Paste) {
  const QString Text = ClipboardText();
  if (!Text.isEmpty()) Paste->setEnabled(Model.CanPaste(Text.toStdString()));
}

// The tape and the display have copy keys of their own (Ctrl+Insert besides Ctrl+C), and their
// copy puts rich text on the clipboard. Every binding of copy, paste and select all goes to the
// window's commands instead, and to nothing while the command is disabled.
bool TCalculator::ClipboardKeyFilter(QObject* Watched, QEvent* Event) {
  if (Watched != ui.RichEdit1 && Watched != ui.Edit1) return false;
  if (Event->type() != QEvent::ShortcutOverride && Event->type() != QEvent::KeyPress) return false;
  const auto* Key = static_cast<QKeyEvent*>(Event);
  const struct {
    QKeySequence::StandardKey Standard;
    const char* Item;
  } Keys[] = {{QKeySequence::Copy, "Copy1"},
              {QKeySequence::Paste, "Paste1"},
              {QKeySequence::SelectAll, "SelectAll1"}};
  for (const auto& K : Keys) {
    if (!Key->matches(K.Standard)) continue;
    // Left unclaimed, the override lets the item's short-cut act; a key that reaches the widget
    // all the same (another binding of the command, or a disabled item) runs the item here.
    if (Event->type() == QEvent::KeyPress) {
      QAction* Item = MenuItem(K.Item);
      if (Item->isEnabled()) Item->trigger();
    }
    return true;
  }
  return false;
}
