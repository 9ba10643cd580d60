#include "ui/form/key_filters.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "reading/entry_rules.h"
#include "ui/common/services.h"

namespace ui {

namespace {

bool IsEnter(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// Keys that type no character: arrows, Tab, Home/End, Delete, Escape, function keys and
// shortcuts, i.e. keys held with Ctrl but without Alt (a line edit types nothing for those).
// Alt alone (Option on macOS) and Ctrl+Alt (AltGr on Windows) type real characters ("@",
// "é"), and a line edit also types the character of a key held with Meta, so those are judged
// like any other. Backspace and Enter are judged by the filters.
bool TypesNoCharacter(const QKeyEvent& key) {
  const Qt::KeyboardModifiers held = key.modifiers();
  if ((held & Qt::ControlModifier) && !(held & Qt::AltModifier)) return true;
  const QString text = key.text();
  if (text.isEmpty()) return true;
  for (QChar c : text)
    if (!c.isPrint()) return true;
  return false;
}

}  // namespace

KeystrokeFilter::KeystrokeFilter(KeyFilterKind kind, Dialogs& dialogs, QLineEdit* box)
    : QObject(box), kind_(kind), dialogs_(dialogs), box_(box) {
  box->installEventFilter(this);
}

bool KeystrokeFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_ || event->type() != QEvent::KeyPress) return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  if (key.key() == Qt::Key_Backspace) return false;
  const bool enter = IsEnter(key);
  if (!enter && TypesNoCharacter(key)) return false;

  const core::KeyRule rule =
      kind_ == KeyFilterKind::Digits ? core::KeyRule::Digits : core::KeyRule::Name;
  const std::string keys = enter ? std::string("\r") : key.text().toStdString();
  if (const auto refusal = reading::KeystrokeRefusal(rule, keys)) {
    dialogs_.ShowMessage(box_, QString::fromStdString(refusal->message), refusal->icon);
    return true;
  }
  if (enter) return false;
  const QString shown = QString::fromStdString(reading::ShownAs(rule, keys));
  if (shown == key.text()) return false;
  // Lower-case letters go in as their capitals: the box receives the keystroke again.
  QKeyEvent capital(QEvent::KeyPress, key.key(), key.modifiers(), shown, key.isAutoRepeat(),
                    key.count());
  QCoreApplication::sendEvent(box_, &capital);
  return true;
}

}  // namespace ui
