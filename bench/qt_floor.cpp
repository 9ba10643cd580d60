// The floor for start-up measurements: a Qt Widgets program that only opens one window.
// scripts/measure-startup compares the program with it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Qt floor");
  window.resize(640, 480);
  window.show();
  return app.exec();
}
