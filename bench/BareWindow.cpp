// A bare Qt main window, the yardstick for the calculator's start-up time: it starts, shows
// an empty window and, like veltrona under VELTRONA_EXIT_AFTER_SHOW, closes at once. With
// --text it shows one line of text, so that it reads the font configuration and loads a font
// as every window with a caption does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  QMainWindow Window;
  if (QApplication::arguments().contains(QStringLiteral("--text")))
    Window.setCentralWidget(new QLabel(QStringLiteral("0")));
  Window.resize(381, 326);
  Window.show();
  QTimer::singleShot(0, &Window, &QWidget::close);
  return QApplication::exec();
}
