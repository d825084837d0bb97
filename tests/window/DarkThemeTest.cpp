// The window under a dark desktop theme: the tape stays paper (white, with black default
// text), the display keeps its black and lime, the keys and pictures follow the theme, and the
// status bar's texts stay readable.
#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QStatusBar>
#include <QTextBlock>
#include <cmath>

#include "DarkPalette.h"
#include "WindowFixture.h"

namespace {

// WCAG's relative luminance and contrast ratio.
double Luminance(const QColor& Color) {
  const auto Channel = [](double V) {
    return V <= 0.03928 ? V / 12.92 : std::pow((V + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * Channel(Color.redF()) + 0.7152 * Channel(Color.greenF()) +
         0.0722 * Channel(Color.blueF());
}

double Contrast(const QColor& A, const QColor& B) {
  const double LA = Luminance(A), LB = Luminance(B);
  return (std::max(LA, LB) + 0.05) / (std::min(LA, LB) + 0.05);
}

class DarkThemeTest : public WindowTest {
 protected:
  void SetUp() override {
    Light = QApplication::palette();
    QApplication::setPalette(Dark);
    WindowTest::SetUp();
  }

  void TearDown() override {
    WindowTest::TearDown();
    QApplication::setPalette(Light);
  }

  QPalette Light;
  const QPalette Dark = DarkPalette();
};

TEST_F(DarkThemeTest, TheTapeStaysPaperAndTheDisplayKeepsItsColours) {
  for (const char* Key : {"2", "+", "3", "="}) Press(Key);
  auto* Tape = Widget<QPlainTextEdit>("RichEdit1");
  EXPECT_EQ(Tape->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_EQ(Tape->palette().color(QPalette::Text), QColor(Qt::black));
  // The first line, an entry in the default text colour, is black on the paper.
  const QTextBlock First = Tape->document()->firstBlock();
  EXPECT_EQ(First.text().trimmed(), "2");
  EXPECT_EQ(First.begin().fragment().charFormat().foreground().color(), QColor(Qt::black));
  const QImage Paper = Tape->viewport()->grab().toImage();
  EXPECT_EQ(Paper.pixelColor(2, Paper.height() - 3), QColor(Qt::white));

  auto* Display = Widget<QTextEdit>("Edit1");
  EXPECT_EQ(Display->palette().color(QPalette::Base), QColor(Qt::black));
  EXPECT_EQ(Display->palette().color(QPalette::Text), QColor(0, 255, 0));
}

TEST_F(DarkThemeTest, KeysFollowTheThemeAndTheStatusBarStaysReadable) {
  auto* Key = Widget<QAbstractButton>("Button7");
  EXPECT_EQ(Key->palette().color(QPalette::Button), Dark.color(QPalette::Button));
  // The Equals key's picture is drawn in the theme's caption colour, not in black.
  const QImage Picture = Widget<QAbstractButton>("EqualsBitBtn")
                             ->icon()
                             .pixmap(QSize(20, 15))
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
  int Inked = 0;
  for (int Y = 0; Y < Picture.height(); ++Y)
    for (int X = 0; X < Picture.width(); ++X) {
      const QColor Dot = Picture.pixelColor(X, Y);
      if (Dot.alpha() > 200) {
        ++Inked;
        EXPECT_GT(Dot.lightness(), 150) << X << "," << Y;
      }
    }
  EXPECT_GT(Inked, 0);

  // A stored number puts text in the memory panel.
  Press("5");
  Press("Min");
  for (QLabel* Panel : Widget("StatusBar1")->findChildren<QLabel*>()) {
    if (Panel->text().isEmpty()) continue;
    const QColor Text = Panel->palette().color(Panel->foregroundRole());
    const QColor Back = Panel->palette().color(Panel->backgroundRole());
    EXPECT_GE(Contrast(Text, Back), 4.5) << Panel->text().toStdString();
  }
}

}  // namespace
