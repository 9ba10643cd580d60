#pragma once
#include <QMainWindow>

// Placeholder start window until the birth-data form lands.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
};
