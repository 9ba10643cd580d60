#include "ui/common/accessible_lists.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>

namespace ui {

namespace {

QAccessibleInterface* ListFactory(const QString& className, QObject* object) {
  // Editable lists keep Qt's own interface: their line edit names them.
  if (className != QLatin1String("QComboBox") || !object || !object->isWidgetType()) return nullptr;
  auto* list = static_cast<QComboBox*>(object);
  if (list->isEditable()) return nullptr;
  return new AccessibleList(list);
}

}  // namespace

void InstallAccessibleLists() {
  static const bool installed = [] {
    QAccessible::installFactory(ListFactory);
    return true;
  }();
  (void)installed;
}

AccessibleList::AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

QComboBox* AccessibleList::List() const {
  return static_cast<QComboBox*>(object());
}

QString AccessibleList::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name: {
      const QString name = List()->accessibleName();
      return name.isEmpty() ? List()->currentText() : name;
    }
    case QAccessible::Value:
      return List()->currentText();
    default:
      return QAccessibleWidget::text(t);
  }
}

// The list's one child is its popup list. It is built on the first question only (a form's
// lists are mostly never opened), and its current item follows the list's current entry.
int AccessibleList::childCount() const {
  return 1;
}

QAccessibleInterface* AccessibleList::child(int index) const {
  if (index != 0) return nullptr;
  QComboBox* list = List();
  QAbstractItemView* view = list->view();
  const QModelIndex current = list->model()->index(list->currentIndex(), list->modelColumn());
  if (view->selectionModel() && view->selectionModel()->currentIndex() != current)
    view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
  return QAccessible::queryAccessibleInterface(view);
}

int AccessibleList::indexOfChild(const QAccessibleInterface* child) const {
  return child && child->object() == List()->view() ? 0 : -1;
}

QAccessible::State AccessibleList::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.expandable = true;
  // Asked often: looks for a popup without building one.
  const auto* view = List()->findChild<QAbstractItemView*>();
  s.expanded = view && view->isVisible();
  return s;
}

QStringList AccessibleList::actionNames() const {
  return {showMenuAction(), pressAction()};
}

void AccessibleList::doAction(const QString& actionName) {
  if (actionName == showMenuAction() || actionName == pressAction()) {
    if (state().expanded)
      List()->hidePopup();
    else
      List()->showPopup();
  }
}

}  // namespace ui
