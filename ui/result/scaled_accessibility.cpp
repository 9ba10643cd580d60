#include "ui/result/scaled_accessibility.h"

#include <QAccessible>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QWidget>

namespace ui {

namespace {

// The widget a graphics proxy shows, at or above `widget`.
QWidget* ProxiedTop(QWidget* widget) {
  for (QWidget* w = widget; w; w = w->parentWidget())
    if (w->graphicsProxyWidget()) return w;
  return nullptr;
}

// Qt's own interface for the widget, with the place reported where the view draws it.
// QAccessibleWidget::rect() takes the widget's own size and QWidget::mapToGlobal, neither of
// which knows the view's scale.
class DrawnPlace : public QAccessibleInterface {
 public:
  explicit DrawnPlace(QAccessibleInterface* own) : own_(own), ownId_(QAccessible::uniqueId(own)) {}
  ~DrawnPlace() override { QAccessible::deleteAccessibleInterface(ownId_); }

  bool isValid() const override { return own_->isValid(); }
  QObject* object() const override { return own_->object(); }
  QWindow* window() const override { return own_->window(); }
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    return own_->relations(match);
  }
  QAccessibleInterface* focusChild() const override { return own_->focusChild(); }
  QAccessibleInterface* childAt(int x, int y) const override { return own_->childAt(x, y); }
  QAccessibleInterface* parent() const override { return own_->parent(); }
  QAccessibleInterface* child(int index) const override { return own_->child(index); }
  int childCount() const override { return own_->childCount(); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return own_->indexOfChild(child);
  }
  QString text(QAccessible::Text t) const override { return own_->text(t); }
  void setText(QAccessible::Text t, const QString& text) override { own_->setText(t, text); }
  QAccessible::Role role() const override { return own_->role(); }
  QAccessible::State state() const override { return own_->state(); }
  QColor foregroundColor() const override { return own_->foregroundColor(); }
  QColor backgroundColor() const override { return own_->backgroundColor(); }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return own_->interface_cast(type);
  }

  QRect rect() const override {
    auto* widget = qobject_cast<QWidget*>(object());
    QWidget* top = widget ? ProxiedTop(widget) : nullptr;
    QGraphicsProxyWidget* proxy = top ? top->graphicsProxyWidget() : nullptr;
    if (!proxy || !proxy->scene() || proxy->scene()->views().isEmpty()) return own_->rect();
    const QGraphicsView* view = proxy->scene()->views().constFirst();
    const QRectF inTop(widget->mapTo(top, QPoint()), widget->size());
    const QRect inView = view->mapFromScene(proxy->mapToScene(inTop)).boundingRect();
    return {view->viewport()->mapToGlobal(inView.topLeft()), inView.size()};
  }

 private:
  QAccessibleInterface* own_;
  QAccessible::Id ownId_;
};

// Set while Qt's own interface is being made, so that this factory leaves it to Qt's.
bool makingOwn = false;

}  // namespace

QAccessibleInterface* ScaledWidgetFactory(const QString& className, QObject* object) {
  Q_UNUSED(className);
  if (makingOwn || !object || !object->isWidgetType() || !ProxiedTop(static_cast<QWidget*>(object)))
    return nullptr;
  makingOwn = true;
  QAccessibleInterface* own = QAccessible::queryAccessibleInterface(object);
  makingOwn = false;
  return own ? new DrawnPlace(own) : nullptr;
}

void ForgetUnscaledPlaces(QWidget* content) {
  QList<QWidget*> widgets = content->findChildren<QWidget*>();
  widgets.prepend(content);
  for (QWidget* widget : widgets)
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget))
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace ui
