#pragma once
// The City box's list of places: "Bombay (now Mumbai), Maharashtra, India" shown, the name the
// place was searched by completed. Rebuilt on each keystroke from at most ten matches, so what
// the popup asks is answered from stored texts.

#include <QAbstractListModel>
#include <QStringList>
#include <vector>

#include "places/atlas.h"

namespace ui {

class PlaceList final : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  void Show(std::vector<places::Match> found);
  // The match of a row; null outside the list.
  const places::Match* At(int row) const;

  int rowCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  std::vector<places::Match> matches_;
  QStringList names_, shown_;
};

}  // namespace ui
