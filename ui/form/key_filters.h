#pragma once
// Keystroke filters of the birth-data form's text boxes. They judge typed characters only:
// navigation and editing keys, shortcuts and text that arrives by pasting pass untouched
// (the input check before a reading catches pasted text).

#include <QObject>

class QLineEdit;

namespace ui {

class Dialogs;

enum class KeyFilterKind {
  Name,    // letters (shown upper-case), space, backspace and Enter
  Digits,  // digits and backspace
};

class KeystrokeFilter : public QObject {
  Q_OBJECT
 public:
  // Installs itself on the box and lives as long as the box.
  KeystrokeFilter(KeyFilterKind kind, Dialogs& dialogs, QLineEdit* box);
  KeyFilterKind Kind() const { return kind_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  KeyFilterKind kind_;
  Dialogs& dialogs_;
  QLineEdit* box_;
};

}  // namespace ui
