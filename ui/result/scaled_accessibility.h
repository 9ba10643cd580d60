#pragma once
// Where assistive technology finds the widgets of the result window drawn scaled: at the places
// the view draws them (a magnifier following the focus looks there), not at their unscaled
// places in the scene.

#include <QAccessibleInterface>
#include <QString>
#include <QWidget>

namespace ui {

// An accessibility factory (QAccessible::installFactory) for widgets shown through a graphics
// view: their interfaces are Qt's own, with rect() mapped through the view's scale.
QAccessibleInterface* ScaledWidgetFactory(const QString& className, QObject* object);

// Drops the interfaces made for `content` and its widgets before a view showed it, so that
// they are made again through ScaledWidgetFactory.
void ForgetUnscaledPlaces(QWidget* content);

}  // namespace ui
