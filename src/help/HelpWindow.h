// THelpWindow shows Veltrona's user manual, one HTML file beside the program, in a browser
// window of its own that stays open beside the calculator. The main window's Help command
// opens it.
#pragma once

#include <QWidget>

class QTextBrowser;

class THelpWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* ManualFileName = "VELTRONA.html";

  explicit THelpWindow(QWidget* Parent = nullptr);

  // Loads the manual and shows the window in front. False, with the window left as it was,
  // when the file cannot be read or is empty.
  bool ShowManual(const QString& Path);

 private:
  QTextBrowser* Browser;
};
