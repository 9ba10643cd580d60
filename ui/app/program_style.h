#pragma once
// The desktop's own widget style, kept from reading image files in a way that loads every
// image-format plugin on the machine. Qt's image reader, asked for a file without being told
// its format, first loads each plugin (GIF, ICO, JPEG, ..., each with its libraries) to ask
// whether it reads the file, though Qt reads PNG itself. The
// Fusion style reads two PNG files so: the group box frame, drawn on both windows, and the
// arrow a menu bar shows when its menus do not fit, made with every menu bar. This style
// reads the frame as PNG by name once, and makes the arrow only if it is ever drawn. Under
// any other style it changes nothing.

#include <QPixmap>
#include <QProxyStyle>

namespace ui {

class ProgramStyle final : public QProxyStyle {
 public:
  // Over the style named `key` (as QStyleFactory knows it), or the desktop's default style.
  explicit ProgramStyle(const QString& key = {});
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;

 private:
  bool fusion_ = false;
  QPixmap groupBoxFrame_;
};

// A PNG image read as PNG, without asking the image-format plugins; null if it cannot be read.
QPixmap ReadPng(const QString& path);

}  // namespace ui
