// A bare Qt main window, the yardstick for the calculator's start-up time: it starts, shows
// an empty window and, like veltrona under VELTRONA_EXIT_AFTER_SHOW, closes at once.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication App(argc, argv);
  QMainWindow Window;
  Window.resize(381, 326);
  Window.show();
  QTimer::singleShot(0, &Window, &QWidget::close);
  return QApplication::exec();
}
