#include "ui/main_window.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  setWindowTitle("Orvel Pataki Chakra v1.20");
}
