// TForm1, the About box: the product name and version in lime on black, and an OK button. The
// main window creates the one instance at start-up and shows it modally for Help > About.
#pragma once

#include <QDialog>

#include "ui_About.h"

class TForm1 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* Parent = nullptr);

 private:
  void Button1Click();

  Ui::TForm1 ui;
};
