#pragma once

#include <QByteArray>
#include <QString>

#include "profiles/memdata.h"

namespace quorvane {

// A typed view of one field of the table's current row. Reading a null value
// gives 0, false or an empty text; writing puts the row into edit state.
class TMemDataField {
 public:
  TMemDataField(TMemData& table, TProfileField field) : table_(table), field_(field) {}

  bool IsNull() const { return !table_.Value(field_).isValid(); }
  int AsInteger() const { return table_.Value(field_).toInt(); }
  bool AsBoolean() const { return table_.Value(field_).toBool(); }
  QString AsString() const { return table_.Value(field_).toString(); }
  QByteArray AsBytes() const { return table_.Value(field_).toByteArray(); }

  void SetAsInteger(int value) { table_.SetValue(field_, value); }
  void SetAsBoolean(bool value) { table_.SetValue(field_, value); }
  void SetAsString(const QString& value) { table_.SetValue(field_, value); }
  void SetAsBytes(const QByteArray& value) { table_.SetValue(field_, value); }
  void Clear() { table_.SetValue(field_, QVariant()); }

 private:
  TMemData& table_;
  TProfileField field_;
};

}  // namespace quorvane
