#pragma once
// The form's pick lists (date, time and zone). Each sizes itself from one text or a number of
// characters given when it is made, as Qt sizes a list for its widest entry or for a content
// length, without measuring every entry (the number and month lists hold 337). And each builds
// its popup list only when it is first opened: Qt builds it at once when a list's sizing rule
// or font is set, for a popup most lists of a reading never show.

#include <QComboBox>

namespace ui {

class PickList final : public QComboBox {
 public:
  // As wide as `widestEntry`.
  PickList(QWidget* parent, QString widestEntry);
  // As wide as `characters` capital Xs and an icon.
  PickList(QWidget* parent, int characters);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QString widestEntry_;
  int characters_ = 0;
};

}  // namespace ui
