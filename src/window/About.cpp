#include "About.h"

namespace {

QFont LetteringFont(int PixelSize) {
  QFont Font;
  // Comic Sans where it is installed; otherwise a plain sans serif of the same height.
  Font.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("DejaVu Sans")});
  Font.setStyleHint(QFont::SansSerif);
  Font.setPixelSize(PixelSize);
  Font.setBold(true);
  return Font;
}

}  // namespace

TForm1::TForm1(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  ui.setupUi(this);
  setFixedSize(size());
  QPalette Palette = palette();
  Palette.setColor(QPalette::Window, Qt::black);
  Palette.setColor(QPalette::WindowText, QColor(0, 255, 0));
  setPalette(Palette);
  ui.ProductName->setFont(LetteringFont(37));
  ui.Version->setFont(LetteringFont(21));
  connect(ui.Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
}

void TForm1::Button1Click() {
  accept();
}
