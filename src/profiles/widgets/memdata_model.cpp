#include "profiles/widgets/memdata_model.h"

namespace quorvane {

TMemDataModel::TMemDataModel(TMemData& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), rows_(table.Rows()) {}

int TMemDataModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TMemDataModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kProfileFieldCount; }

QVariant TMemDataModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  const auto field = static_cast<TProfileField>(index.column());
  if (index.row() == CurrentRow()) return table_.Value(field);
  return rows_[static_cast<std::size_t>(index.row())][field];
}

QVariant TMemDataModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) {
    // The row indicator: a mark at the current row.
    return section == CurrentRow() ? QStringLiteral("\u25B6") : QString();
  }
  if (section < 0 || section >= kProfileFieldCount) return {};
  const QString& caption = captions_[static_cast<std::size_t>(section)];
  return caption.isEmpty() ? QString::fromLatin1(kProfileFields[static_cast<std::size_t>(section)].name) : caption;
}

int TMemDataModel::CurrentRow() const {
  const QVariant id = table_.Value(pfID);
  if (!id.isValid()) return -1;
  for (std::size_t row = 0; row < rows_.size(); ++row) {
    if (rows_[row][pfID] == id) return static_cast<int>(row);
  }
  return -1;
}

void TMemDataModel::MakeCurrent(int row) {
  if (row < 0 || row >= rowCount() || row == CurrentRow()) return;
  table_.Locate(rows_[static_cast<std::size_t>(row)][pfID].toInt());
  Refresh();
}

QVariant TMemDataModel::FieldValue(TProfileField field) const { return table_.Value(field); }

void TMemDataModel::SetFieldValue(TProfileField field, const QVariant& value) {
  table_.SetValue(field, value);
  const int row = CurrentRow();
  if (row >= 0) emit dataChanged(index(row, field), index(row, field));
}

void TMemDataModel::Post() {
  table_.Post();
  Refresh();
}

void TMemDataModel::Refresh() {
  beginResetModel();
  rows_ = table_.Rows();
  endResetModel();
  emit CurrentChanged();
}

}  // namespace quorvane
