#pragma once

#include <QAbstractTableModel>

#include <array>
#include <vector>

#include "profiles/memdata.h"

namespace quorvane {

// The profile table for the grid and the bound editors: one row per profile
// in title order, one column per field. The current row shows its pending
// changes. Widgets change the table through this model, so the views follow;
// whoever changes the table behind its back calls Refresh.
class TMemDataModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TMemDataModel(TMemData& table, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // The caption a view shows above a field's column; the field name without one.
  void SetColumnCaption(TProfileField field, const QString& caption) { captions_[field] = caption; }

  TMemData& Table() { return table_; }
  // The model row of the table's current row; -1 without one.
  int CurrentRow() const;
  // Makes `row` current; the row left behind is posted first.
  void MakeCurrent(int row);

  // A field of the current row.
  QVariant FieldValue(TProfileField field) const;
  // Changes a field of the current row without posting it.
  void SetFieldValue(TProfileField field, const QVariant& value);
  // Posts the current row; it may move to another place in title order.
  void Post();
  // Re-reads the table.
  void Refresh();

 signals:
  // Another row became current, or the rows were re-read: bound editors reload.
  void CurrentChanged();

 private:
  TMemData& table_;
  std::vector<TProfileValues> rows_;
  std::array<QString, kProfileFieldCount> captions_;
};

}  // namespace quorvane
