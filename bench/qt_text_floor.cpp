// The floor for start-up measurements of a window with text: a Qt Widgets program that opens
// one window holding a label and a combo box, so its first paint loads a font and draws text
// as any form does. scripts/measure-startup compares the program with it and with qt_floor.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Qt text floor");
  auto* column = new QVBoxLayout(&window);
  column->addWidget(new QLabel("Qt text floor", &window));
  auto* list = new QComboBox(&window);
  list->addItem("1");
  column->addWidget(list);
  window.resize(640, 480);
  window.show();
  return app.exec();
}
