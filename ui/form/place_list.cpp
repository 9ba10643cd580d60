#include "ui/form/place_list.h"

namespace ui {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void PlaceList::Show(std::vector<places::Match> found) {
  beginResetModel();
  matches_ = std::move(found);
  names_.clear();
  shown_.clear();
  for (const places::Match& match : matches_) {
    names_ << Text(places::MatchCity(match));
    shown_ << QString::fromStdString(places::MatchText(match));
  }
  endResetModel();
}

const places::Match* PlaceList::At(int row) const {
  return row >= 0 && row < rowCount({}) ? &matches_[static_cast<std::size_t>(row)] : nullptr;
}

int PlaceList::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(matches_.size());
}

QVariant PlaceList::data(const QModelIndex& index, int role) const {
  if (!At(index.row())) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return shown_[index.row()];
    case Qt::EditRole:  // what the completer writes into the City box
      return names_[index.row()];
    case Qt::UserRole:
      return index.row();
    default:
      return {};
  }
}

}  // namespace ui
