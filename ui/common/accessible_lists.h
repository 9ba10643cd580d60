#pragma once
// What a screen reader hears of the program's pick lists. Qt 6.4 names a read-only combo box by
// its current entry, whatever accessible name it was given: a date list was announced as "20"
// rather than "Day of birth, 20". The interface installed here names a list by its accessible
// name, reports the current entry as its value, and marks that entry selected in the list's
// items, where assistive technology looks for it.

#include <QAccessibleWidget>

class QComboBox;

namespace ui {

// Installs the interface for every combo box of the program; later calls do nothing.
void InstallAccessibleLists();

class AccessibleList : public QAccessibleWidget {
 public:
  explicit AccessibleList(QComboBox* list);

  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

 private:
  QComboBox* List() const;
};

}  // namespace ui
