#include "HelpWindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

THelpWindow::THelpWindow(QWidget* Parent) : QWidget(Parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(tr("Veltrona Help"));
  Browser = new QTextBrowser(this);
  Browser->setObjectName(QStringLiteral("HelpBrowser"));
  Browser->setOpenExternalLinks(true);
  auto* Layout = new QVBoxLayout(this);
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->addWidget(Browser);
  resize(560, 620);
}

bool THelpWindow::ShowManual(const QString& Path) {
  // The browser shows an empty page for a file it cannot read, so read it here first.
  QFile File(Path);
  if (!File.open(QIODevice::ReadOnly) || File.size() == 0) return false;
  File.close();
  Browser->setSource(QUrl::fromLocalFile(Path));
  show();
  raise();
  activateWindow();
  return true;
}
